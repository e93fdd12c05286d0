#include <QWindow>

#include "app/window_move.h"

namespace aerotrace {

void startWindowMove(QWidget* window) {
  if (window == nullptr || window->windowHandle() == nullptr) return;
  window->windowHandle()->startSystemMove();
}

}  // namespace aerotrace
