#pragma once

// The system calls the IPC client needs, as one seam: the Win32 calls on
// Windows, POSIX shared memory and local sockets on Linux, and the stand-in
// simulator in the same process for the replay and the tests.

#include <cstdint>
#include <memory>
#include <string>

namespace aerotrace {

using ServerWindow = std::uintptr_t;   // 0: none
using MappingHandle = std::uintptr_t;  // 0: none

struct CreatedMapping {
  MappingHandle handle = 0;     // 0 when the block could not be created
  bool alreadyExisted = false;  // a block of that name was there before
};

class IpcTransport {
 public:
  virtual ~IpcTransport() = default;

  // A server window of that class, or 0.
  virtual ServerWindow findWindow(const std::string& className) = 0;
  // The system-wide identifier of a named message, 0 on failure.
  virtual std::uint32_t registerMessage(const std::string& name) = 0;
  virtual std::uint32_t currentProcessId() = 0;

  // An atom that names the block for the server; 0 on failure.
  virtual std::uint16_t addAtom(const std::string& name) = 0;
  virtual void deleteAtom(std::uint16_t atom) = 0;

  // A named shared block of `size` bytes, readable and writable.
  virtual CreatedMapping createMapping(const std::string& name, std::uint32_t size) = 0;
  virtual std::uint8_t* mapView(MappingHandle mapping, std::uint32_t size) = 0;
  virtual void unmapView(std::uint8_t* view, std::uint32_t size) = 0;
  virtual void closeMapping(MappingHandle mapping) = 0;

  // Sends the message and blocks for the answer, at most timeoutMs. False
  // when it was not delivered or not answered in time; lastError() then
  // tells why (0 for a plain time-out).
  virtual bool sendMessage(ServerWindow window, std::uint32_t message, std::uintptr_t wParam,
                           std::intptr_t lParam, std::uint32_t timeoutMs,
                           std::uintptr_t& answer) = 0;
  virtual std::uint32_t lastError() = 0;

  virtual void sleepMilliseconds(std::uint32_t ms) = 0;
};

// The platform's own transport (one implementation file per platform).
std::unique_ptr<IpcTransport> createSystemIpcTransport();

}  // namespace aerotrace
