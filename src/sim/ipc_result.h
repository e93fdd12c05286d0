#pragma once

#include <cstdint>

namespace aerotrace {

// What an IPC call did; the numbers are the client's result codes.
enum class IpcResult : std::uint32_t {
  ok = 0,
  alreadyOpen = 1,
  noServer = 2,
  registerFailed = 3,
  atomFailed = 4,
  mappingFailed = 5,  // also when a block of that name already existed
  viewFailed = 6,
  serverTooOld = 7,  // or not answering correctly; found as "UIPCMAIN"
  wrongSimulator = 8,
  notOpen = 9,
  emptyQueue = 10,
  sendTimedOut = 11,      // ten sends failed and the system named no error
  sendFailed = 12,        // ten sends failed with a system error
  badAnswer = 13,         // the server answered, but not with 1
  serverTooOldFs98 = 14,  // as serverTooOld, found as "FS98MAIN"
  noSpace = 15,
  // The answer's records do not match what was queued (a server that
  // rewrote an identifier or a byte count); nothing of the batch is copied.
  corruptAnswer = 16,
};

constexpr std::uint32_t code(IpcResult r) { return static_cast<std::uint32_t>(r); }

}  // namespace aerotrace
