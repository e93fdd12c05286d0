#include "standin/socket_server.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <span>

#include "sim/ipc_protocol.h"
#include "sim/ipc_socket_wire.h"

namespace aerotrace {

namespace {

sockaddr_un addressOf(const std::string& path) {
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
  return addr;
}

bool someoneListens(const std::string& path) {
  const sockaddr_un addr = addressOf(path);
  const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0;
  ::close(fd);
  return ok;
}

// The client's block, served in place; 0 when it cannot be reached.
std::uint64_t serveNamedBlock(StandInSimulator& simulator, const std::string& name) {
  if (name.empty()) return 0;
  const std::string shmName = "/" + name;
  const int fd = ::shm_open(shmName.c_str(), O_RDWR | O_CLOEXEC, 0);
  if (fd < 0) return 0;
  struct stat st {};
  std::uint64_t answer = 0;
  if (::fstat(fd, &st) == 0 && st.st_size >= static_cast<off_t>(ipc::kBlockSize)) {
    void* p = ::mmap(nullptr, ipc::kBlockSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (p != MAP_FAILED) {
      answer = simulator.serveBlock(std::span(static_cast<std::uint8_t*>(p), ipc::kBlockSize));
      ::munmap(p, ipc::kBlockSize);
    }
  }
  ::close(fd);
  return answer;
}

}  // namespace

SocketServer::SocketServer(StandInSimulator& simulator, std::string directory)
    : simulator_(simulator),
      directory_(std::move(directory)),
      path_(ipcwire::socketPath(directory_, simulator.options().serverClass)) {}

SocketServer::~SocketServer() { stop(); }

bool SocketServer::update() {
  if (simulator_.present() && listener_ < 0) return listen();
  if (!simulator_.present() && listener_ >= 0) stop();
  return true;
}

bool SocketServer::listen() {
  ::mkdir(directory_.c_str(), 0700);
  if (path_.size() >= sizeof(sockaddr_un::sun_path)) {
    error_ = path_ + ": path too long for a socket";
    return false;
  }
  if (someoneListens(path_)) {
    error_ = path_ + ": another simulator is serving here";
    return false;
  }
  ::unlink(path_.c_str());  // left over from a server that ended badly
  const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
  const sockaddr_un addr = addressOf(path_);
  if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 ||
      ::listen(fd, 16) != 0) {
    error_ = path_ + ": " + std::strerror(errno);
    if (fd >= 0) ::close(fd);
    return false;
  }
  listener_ = fd;
  return true;
}

void SocketServer::stop() {
  for (int c : clients_) ::close(c);
  clients_.clear();
  if (listener_ >= 0) {
    ::close(listener_);
    ::unlink(path_.c_str());
    listener_ = -1;
  }
}

void SocketServer::answer(int client) {
  char buf[512];
  const ssize_t n = ::recv(client, buf, sizeof buf, 0);
  if (n <= 0) {
    ::close(client);
    std::erase(clients_, client);
    return;
  }
  const auto request = ipcwire::decodeRequest({buf, static_cast<std::size_t>(n)});
  if (!request) return;  // not ours; no answer, as a window ignores a stray message
  ipcwire::Reply reply;
  reply.sequence = request->sequence;
  if (request->message == ipcwire::messageId(ipc::kMessageName)) {
    reply.answer = serveNamedBlock(simulator_, request->atomName);
  }
  const std::string packet = ipcwire::encode(reply);
  ::send(client, packet.data(), packet.size(), MSG_NOSIGNAL);
}

void SocketServer::serve(int timeoutMs) {
  std::vector<pollfd> fds;
  if (listener_ >= 0) fds.push_back({listener_, POLLIN, 0});
  for (int c : clients_) fds.push_back({c, POLLIN, 0});
  if (fds.empty()) {
    ::poll(nullptr, 0, timeoutMs);
    return;
  }
  if (::poll(fds.data(), fds.size(), timeoutMs) <= 0) return;
  for (const pollfd& p : fds) {
    if (p.revents == 0) continue;
    if (p.fd == listener_) {
      const int c = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      if (c >= 0) clients_.push_back(c);
    } else {
      answer(p.fd);
    }
  }
}

}  // namespace aerotrace
