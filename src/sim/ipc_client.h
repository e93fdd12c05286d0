#pragma once

// The client of the simulator's IPC protocol: one link, opened and closed by
// every reader pass. Requests are queued into the shared block and sent in
// one exchange. One thread at a time.

#include <cstdint>
#include <string>

#include "sim/ipc_protocol.h"
#include "sim/ipc_result.h"
#include "sim/ipc_transport.h"

namespace aerotrace {

class IpcClient {
 public:
  static constexpr std::uint16_t kClientVersion = 2005;
  static constexpr std::uint32_t kMinServerVersion = 0x19980005;
  static constexpr std::uint32_t kSimulatorMark = 0xFADE;
  static constexpr int kHandshakeAttempts = 5;

  explicit IpcClient(IpcTransport& transport) : transport_(transport) {}
  ~IpcClient() { ipcClose(); }
  IpcClient(const IpcClient&) = delete;
  IpcClient& operator=(const IpcClient&) = delete;

  // requestedSimulator 0 accepts any simulator.
  bool ipcOpen(std::uint32_t requestedSimulator, IpcResult& result);
  bool ipcRead(std::uint32_t offset, std::uint32_t size, void* destination, IpcResult& result);
  bool ipcWrite(std::uint32_t offset, std::uint32_t size, const void* source, IpcResult& result);
  bool ipcProcess(IpcResult& result);
  void ipcClose();  // safe when not open

  bool isOpen() const { return view_ != nullptr; }
  std::uint32_t serverVersion() const { return serverVersion_; }
  // After a successful open: the simulator's version code only.
  std::uint32_t simulatorVersion() const { return simulatorVersion_; }
  std::uint32_t queuedBytes() const { return queue_.used(); }

  // "FsasmLib:IPC:<pid hex>:1", the block's name for a process.
  static std::string blockName(std::uint32_t processId);

 private:
  bool handshake(IpcResult& result);
  bool fail(IpcResult code, IpcResult& result);

  IpcTransport& transport_;
  ServerWindow window_ = 0;
  std::uint32_t message_ = 0;
  std::uint16_t atom_ = 0;
  MappingHandle mapping_ = 0;
  std::uint8_t* view_ = nullptr;
  ipc::RequestQueue queue_;
  std::uint32_t serverVersion_ = 0;
  std::uint32_t simulatorVersion_ = 0;
};

}  // namespace aerotrace
