#pragma once

// How the Linux transport carries the one window message of the protocol:
// each server class is a local socket (sequenced packets) in one folder, and
// a message travels as a small request packet answered by a reply packet.
// Linux has no global atom table, so the request carries the atom's name
// (the shared block's name) beside the atom.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace aerotrace::ipcwire {

// $AEROTRACE_IPC_DIR, else $XDG_RUNTIME_DIR/aerotrace, else /tmp/aerotrace-<uid>.
std::string socketDirectory();
std::string socketPath(const std::string& directory, const std::string& className);

// The same identifier for the same name in every process, in the range of
// registered window messages.
std::uint32_t messageId(std::string_view name);

inline constexpr std::uint32_t kRequestMagic = 0x50495441;  // "ATIP"
inline constexpr std::uint32_t kReplyMagic = 0x52495441;    // "ATIR"
inline constexpr std::size_t kMaxName = 255;

struct Request {
  std::uint32_t sequence = 0;
  std::uint32_t message = 0;
  std::uint64_t wParam = 0;
  std::int64_t lParam = 0;
  std::string atomName;  // empty when the atom is not one of the sender's
};

struct Reply {
  std::uint32_t sequence = 0;
  std::uint64_t answer = 0;
};

std::string encode(const Request& r);
std::string encode(const Reply& r);
std::optional<Request> decodeRequest(std::string_view packet);
std::optional<Reply> decodeReply(std::string_view packet);

}  // namespace aerotrace::ipcwire
