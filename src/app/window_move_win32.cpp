#include <windows.h>

#include "app/window_move.h"

namespace aerotrace {

void startWindowMove(QWidget* window) {
  if (window == nullptr) return;
  // Move by the caption: the system runs the drag until the button is up.
  const HWND hwnd = reinterpret_cast<HWND>(window->winId());
  ReleaseCapture();
  SendMessageA(hwnd, WM_SYSCOMMAND, 0xF012, 1);
}

}  // namespace aerotrace
