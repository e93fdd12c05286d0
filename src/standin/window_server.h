#pragma once

// The stand-in simulator behind a hidden top-level window, for other
// processes on a Windows machine: the window exists while the flight says
// the simulator runs, and answers the registered message by serving the
// shared block that the message's atom names.

#include <cstdint>
#include <string>

#include "standin/standin_simulator.h"

namespace aerotrace {

class WindowServer {
 public:
  // The window takes the simulator's server class ("UIPCMAIN" or
  // "FS98MAIN"). Create and serve on one thread: the window belongs to it.
  explicit WindowServer(StandInSimulator& simulator);
  ~WindowServer();
  WindowServer(const WindowServer&) = delete;
  WindowServer& operator=(const WindowServer&) = delete;

  // Creates or destroys the window as the simulator comes and goes at the
  // current flight time. False, with error(), when it cannot serve (another
  // window of that class exists, or the system refuses the window).
  bool update();
  // Waits up to timeoutMs for messages and answers them.
  void serve(int timeoutMs);

  bool listening() const { return window_ != nullptr; }
  // Someone asked the window to close (WM_CLOSE): time to end.
  bool closeRequested() const { return closeRequested_; }
  const std::string& className() const { return className_; }
  const std::string& error() const { return error_; }

  // Window procedure entry: the answer to one message.
  std::intptr_t handle(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

 private:
  bool create();
  void destroy();
  std::uint32_t serveAtom(std::uint16_t atom);

  StandInSimulator& simulator_;
  std::string className_;
  std::uint32_t message_ = 0;
  void* window_ = nullptr;  // HWND
  bool closeRequested_ = false;
  std::string error_;
};

}  // namespace aerotrace
