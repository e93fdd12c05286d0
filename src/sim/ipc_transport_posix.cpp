// The IPC transport on Linux. A server window is a local socket named after
// its class; the shared block is POSIX shared memory under the block's name.
// The connection to a server is kept between sends and dropped when the
// server goes away, so a later find answers "none" at once.

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "sim/ipc_socket_wire.h"
#include "sim/ipc_transport.h"

namespace aerotrace {
namespace {

class PosixIpcTransport final : public IpcTransport {
 public:
  explicit PosixIpcTransport(std::string directory) : directory_(std::move(directory)) {}

  ~PosixIpcTransport() override {
    for (Server& s : servers_) closeConnection(s);
    for (auto& [handle, m] : mappings_) {
      ::close(m.fd);
      ::shm_unlink(m.shmName.c_str());
    }
  }

  ServerWindow findWindow(const std::string& className) override {
    Server& s = server(className);
    if (s.fd >= 0 && !alive(s.fd)) closeConnection(s);
    if (s.fd < 0) s.fd = connectTo(socketPathFor(className));
    return s.fd >= 0 ? s.handle : 0;
  }

  std::uint32_t registerMessage(const std::string& name) override {
    return name.empty() ? 0 : ipcwire::messageId(name);
  }

  std::uint32_t currentProcessId() override { return static_cast<std::uint32_t>(::getpid()); }

  std::uint16_t addAtom(const std::string& name) override {
    if (name.empty() || name.size() > ipcwire::kMaxName) return 0;
    for (std::uint32_t a = 0xC000; a <= 0xFFFF; ++a) {
      const auto atom = static_cast<std::uint16_t>(a);
      if (atoms_.emplace(atom, name).second) return atom;
    }
    return 0;
  }

  void deleteAtom(std::uint16_t atom) override { atoms_.erase(atom); }

  CreatedMapping createMapping(const std::string& name, std::uint32_t size) override {
    const std::string shmName = "/" + name;
    const int fd = ::shm_open(shmName.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0600);
    // Only a block that we created is ours to remove later.
    if (fd < 0) return {0, errno == EEXIST};
    if (::ftruncate(fd, size) != 0) {
      ::close(fd);
      ::shm_unlink(shmName.c_str());
      return {};
    }
    const MappingHandle handle = ++lastMapping_;
    mappings_[handle] = {fd, shmName};
    return {handle, false};
  }

  std::uint8_t* mapView(MappingHandle mapping, std::uint32_t size) override {
    const auto it = mappings_.find(mapping);
    if (it == mappings_.end()) return nullptr;
    void* p = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, it->second.fd, 0);
    return p == MAP_FAILED ? nullptr : static_cast<std::uint8_t*>(p);
  }

  void unmapView(std::uint8_t* view, std::uint32_t size) override { ::munmap(view, size); }

  void closeMapping(MappingHandle mapping) override {
    const auto it = mappings_.find(mapping);
    if (it == mappings_.end()) return;
    ::close(it->second.fd);
    ::shm_unlink(it->second.shmName.c_str());
    mappings_.erase(it);
  }

  bool sendMessage(ServerWindow window, std::uint32_t message, std::uintptr_t wParam,
                   std::intptr_t lParam, std::uint32_t timeoutMs, std::uintptr_t& answer) override {
    Server* s = window >= 1 && window <= servers_.size() ? &servers_[window - 1] : nullptr;
    if (s == nullptr || s->fd < 0) {
      error_ = s == nullptr ? EBADF : ENOTCONN;
      return false;
    }
    ipcwire::Request request;
    request.sequence = ++sequence_;
    request.message = message;
    request.wParam = wParam;
    request.lParam = lParam;
    if (const auto it = atoms_.find(static_cast<std::uint16_t>(wParam)); it != atoms_.end()) {
      request.atomName = it->second;
    }
    const std::string packet = ipcwire::encode(request);
    if (::send(s->fd, packet.data(), packet.size(), MSG_NOSIGNAL) < 0) {
      error_ = static_cast<std::uint32_t>(errno);
      closeConnection(*s);
      return false;
    }

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                            deadline - std::chrono::steady_clock::now())
                            .count();
      pollfd p{s->fd, POLLIN, 0};
      const int ready = ::poll(&p, 1, left > 0 ? static_cast<int>(left) : 0);
      if (ready < 0 && errno == EINTR) continue;
      if (ready == 0) {
        // A late answer is told apart by its sequence number.
        error_ = 0;
        return false;
      }
      char buf[64];
      const ssize_t n = ready > 0 ? ::recv(s->fd, buf, sizeof buf, 0) : -1;
      if (n <= 0) {
        error_ = n == 0 ? ECONNRESET : static_cast<std::uint32_t>(errno);
        closeConnection(*s);
        return false;
      }
      const auto reply = ipcwire::decodeReply({buf, static_cast<std::size_t>(n)});
      if (reply && reply->sequence == request.sequence) {
        answer = static_cast<std::uintptr_t>(reply->answer);
        return true;
      }
    }
  }

  std::uint32_t lastError() override { return error_; }

  void sleepMilliseconds(std::uint32_t ms) override {
    timespec t{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
    while (::nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
  }

 private:
  struct Server {
    std::string className;
    ServerWindow handle;
    int fd = -1;
  };
  struct Mapping {
    int fd;
    std::string shmName;
  };

  std::string socketPathFor(const std::string& className) const {
    return ipcwire::socketPath(directory_, className);
  }

  Server& server(const std::string& className) {
    for (Server& s : servers_) {
      if (s.className == className) return s;
    }
    servers_.push_back({className, servers_.size() + 1, -1});
    return servers_.back();
  }

  static bool alive(int fd) {
    pollfd p{fd, POLLRDHUP, 0};
    return ::poll(&p, 1, 0) == 0 || (p.revents & (POLLHUP | POLLERR | POLLRDHUP)) == 0;
  }

  static int connectTo(const std::string& path) {
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (path.size() >= sizeof addr.sun_path) return -1;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
      ::close(fd);
      return -1;
    }
    return fd;
  }

  static void closeConnection(Server& s) {
    if (s.fd >= 0) ::close(s.fd);
    s.fd = -1;
  }

  std::string directory_;
  std::vector<Server> servers_;
  std::map<std::uint16_t, std::string> atoms_;
  std::map<MappingHandle, Mapping> mappings_;
  MappingHandle lastMapping_ = 0;
  std::uint32_t sequence_ = 0;
  std::uint32_t error_ = 0;
};

}  // namespace

std::unique_ptr<IpcTransport> createSystemIpcTransport() {
  return std::make_unique<PosixIpcTransport>(ipcwire::socketDirectory());
}

}  // namespace aerotrace
