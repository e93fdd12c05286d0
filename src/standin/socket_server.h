#pragma once

// The stand-in simulator behind a local socket, for other processes on this
// machine: listens while the flight says the simulator runs, and answers
// each message by serving the client's shared block.

#include <string>
#include <vector>

#include "standin/standin_simulator.h"

namespace aerotrace {

class SocketServer {
 public:
  SocketServer(StandInSimulator& simulator, std::string directory);
  ~SocketServer();
  SocketServer(const SocketServer&) = delete;
  SocketServer& operator=(const SocketServer&) = delete;

  // Listens or stops as the simulator comes and goes at the current flight
  // time; a simulator that goes also drops every client. False, with
  // error(), when it cannot listen (another server holds the name).
  bool update();
  // Waits up to timeoutMs for messages and answers them.
  void serve(int timeoutMs);

  bool listening() const { return listener_ >= 0; }
  const std::string& path() const { return path_; }
  const std::string& error() const { return error_; }

 private:
  bool listen();
  void stop();
  void answer(int client);

  StandInSimulator& simulator_;
  std::string directory_;
  std::string path_;
  int listener_ = -1;
  std::vector<int> clients_;
  std::string error_;
};

}  // namespace aerotrace
