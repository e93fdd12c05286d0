#include "sim/ipc_socket_wire.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace aerotrace::ipcwire {

std::string socketDirectory() {
  if (const char* dir = std::getenv("AEROTRACE_IPC_DIR"); dir != nullptr && *dir != '\0') {
    return dir;
  }
  if (const char* run = std::getenv("XDG_RUNTIME_DIR"); run != nullptr && *run != '\0') {
    return std::string(run) + "/aerotrace";
  }
  return "/tmp/aerotrace-" + std::to_string(getuid());
}

std::string socketPath(const std::string& directory, const std::string& className) {
  return directory + "/" + className;
}

std::uint32_t messageId(std::string_view name) {
  std::uint32_t h = 2166136261u;  // FNV-1a
  for (char c : name) {
    h ^= static_cast<std::uint8_t>(c);
    h *= 16777619u;
  }
  return 0xC000u + h % 0x4000u;
}

namespace {

template <typename T>
void put(std::string& out, T v) {
  char b[sizeof(T)];
  std::memcpy(b, &v, sizeof(T));
  out.append(b, sizeof(T));
}

template <typename T>
bool take(std::string_view& in, T& v) {
  if (in.size() < sizeof(T)) return false;
  std::memcpy(&v, in.data(), sizeof(T));
  in.remove_prefix(sizeof(T));
  return true;
}

}  // namespace

std::string encode(const Request& r) {
  std::string out;
  put(out, kRequestMagic);
  put(out, r.sequence);
  put(out, r.message);
  put(out, r.wParam);
  put(out, r.lParam);
  const std::size_t n = r.atomName.size() < kMaxName ? r.atomName.size() : kMaxName;
  put(out, static_cast<std::uint16_t>(n));
  out.append(r.atomName, 0, n);
  return out;
}

std::string encode(const Reply& r) {
  std::string out;
  put(out, kReplyMagic);
  put(out, r.sequence);
  put(out, r.answer);
  return out;
}

std::optional<Request> decodeRequest(std::string_view in) {
  std::uint32_t magic = 0;
  std::uint16_t n = 0;
  Request r;
  if (!take(in, magic) || magic != kRequestMagic || !take(in, r.sequence) || !take(in, r.message) ||
      !take(in, r.wParam) || !take(in, r.lParam) || !take(in, n) || n > kMaxName ||
      in.size() != n) {
    return std::nullopt;
  }
  r.atomName.assign(in);
  return r;
}

std::optional<Reply> decodeReply(std::string_view in) {
  std::uint32_t magic = 0;
  Reply r;
  if (!take(in, magic) || magic != kReplyMagic || !take(in, r.sequence) || !take(in, r.answer) ||
      !in.empty()) {
    return std::nullopt;
  }
  return r;
}

}  // namespace aerotrace::ipcwire
