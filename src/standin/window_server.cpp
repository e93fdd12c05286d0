#include "standin/window_server.h"

#include <windows.h>

#include <span>

#include "sim/ipc_protocol.h"

namespace aerotrace {

namespace {

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* server = reinterpret_cast<WindowServer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (server != nullptr && message != WM_NCCREATE && message != WM_NCDESTROY) {
    const std::intptr_t answer = server->handle(message, wParam, lParam);
    if (answer != -1) return answer;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

std::string lastErrorText(const std::string& what) {
  return what + " (error " + std::to_string(GetLastError()) + ")";
}

}  // namespace

WindowServer::WindowServer(StandInSimulator& simulator)
    : simulator_(simulator),
      className_(simulator.options().serverClass),
      message_(RegisterWindowMessageA(ipc::kMessageName)) {}

WindowServer::~WindowServer() { destroy(); }

bool WindowServer::update() {
  if (simulator_.present() && window_ == nullptr) return create();
  if (!simulator_.present() && window_ != nullptr) destroy();
  return true;
}

bool WindowServer::create() {
  if (message_ == 0) {
    error_ = lastErrorText("cannot register the message");
    return false;
  }
  if (FindWindowExA(nullptr, nullptr, className_.c_str(), nullptr) != nullptr) {
    error_ = className_ + ": another simulator is serving here";
    return false;
  }
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = windowProc;
  wc.hInstance = instance;
  wc.lpszClassName = className_.c_str();
  // Registered once a process; a window made again after the simulator
  // came back reuses the class.
  if (RegisterClassExA(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    error_ = lastErrorText(className_ + ": cannot register the window class");
    return false;
  }
  // Top-level (no parent, not message-only): clients look among those.
  // Never shown.
  HWND hwnd = CreateWindowExA(0, className_.c_str(), "Aerotrace stand-in simulator", WS_POPUP, 0, 0,
                              0, 0, nullptr, nullptr, instance, this);
  if (hwnd == nullptr) {
    error_ = lastErrorText(className_ + ": cannot create the window");
    return false;
  }
  window_ = hwnd;
  return true;
}

void WindowServer::destroy() {
  if (window_ == nullptr) return;
  HWND hwnd = static_cast<HWND>(window_);
  window_ = nullptr;
  DestroyWindow(hwnd);
}

std::intptr_t WindowServer::handle(unsigned message, std::uintptr_t wParam, std::intptr_t) {
  if (message == message_) return serveAtom(static_cast<std::uint16_t>(wParam));
  if (message == WM_CLOSE) {
    closeRequested_ = true;
    return 0;
  }
  return -1;  // the default handling
}

std::uint32_t WindowServer::serveAtom(std::uint16_t atom) {
  char name[256];
  if (atom == 0 || GlobalGetAtomNameA(atom, name, sizeof name) == 0) return 0;
  HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, name);
  if (mapping == nullptr) return 0;
  std::uint32_t answer = 0;
  // A mapping of that name smaller than a block cannot be mapped this far.
  if (void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, ipc::kBlockSize)) {
    answer = simulator_.serveBlock(std::span(static_cast<std::uint8_t*>(view), ipc::kBlockSize));
    UnmapViewOfFile(view);
  }
  CloseHandle(mapping);
  return answer;
}

void WindowServer::serve(int timeoutMs) {
  MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(timeoutMs < 0 ? 0 : timeoutMs),
                              QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  // Messages sent from other processes are answered inside PeekMessage.
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace aerotrace
