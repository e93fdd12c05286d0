#include "sim/ipc_client.h"

#include <cstdio>

namespace aerotrace {

namespace {
constexpr std::uint32_t kServerVersionOffset = 0x3304;
constexpr std::uint32_t kSimulatorVersionOffset = 0x3308;
constexpr std::uint32_t kClientVersionOffset = 0x330A;
}  // namespace

std::string IpcClient::blockName(std::uint32_t processId) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%s:%X:%X", ipc::kMessageName, processId, 1u);
  return buf;
}

bool IpcClient::fail(IpcResult code, IpcResult& result) {
  ipcClose();
  result = code;
  return false;
}

bool IpcClient::ipcOpen(std::uint32_t requestedSimulator, IpcResult& result) {
  if (isOpen()) {
    result = IpcResult::alreadyOpen;
    return false;
  }
  serverVersion_ = 0;
  simulatorVersion_ = 0;

  bool foundAsFs98 = false;
  window_ = transport_.findWindow(ipc::kServerClass);
  if (window_ == 0) {
    window_ = transport_.findWindow(ipc::kServerClassFs98);
    foundAsFs98 = true;
  }
  if (window_ == 0) {
    result = IpcResult::noServer;
    return false;
  }

  message_ = transport_.registerMessage(ipc::kMessageName);
  if (message_ == 0) return fail(IpcResult::registerFailed, result);

  const std::string name = blockName(transport_.currentProcessId());
  atom_ = transport_.addAtom(name);
  if (atom_ == 0) return fail(IpcResult::atomFailed, result);

  const CreatedMapping created = transport_.createMapping(name, ipc::kBlockSize);
  mapping_ = created.handle;
  if (mapping_ == 0 || created.alreadyExisted) return fail(IpcResult::mappingFailed, result);

  view_ = transport_.mapView(mapping_, ipc::kBlockSize);
  if (view_ == nullptr) return fail(IpcResult::viewFailed, result);
  queue_.attach(view_);

  if (!handshake(result)) return fail(result, result);

  if (serverVersion_ < kMinServerVersion || (simulatorVersion_ >> 16) != kSimulatorMark) {
    return fail(foundAsFs98 ? IpcResult::serverTooOldFs98 : IpcResult::serverTooOld, result);
  }
  simulatorVersion_ &= 0xFFFF;
  if (requestedSimulator != 0 && requestedSimulator != simulatorVersion_) {
    return fail(IpcResult::wrongSimulator, result);
  }
  result = IpcResult::ok;
  return true;
}

bool IpcClient::handshake(IpcResult& result) {
  const std::uint16_t clientVersion = kClientVersion;
  for (int attempt = 0;
       attempt < kHandshakeAttempts && (serverVersion_ == 0 || simulatorVersion_ == 0); ++attempt) {
    if (!ipcRead(kServerVersionOffset, 4, &serverVersion_, result)) return false;
    if (!ipcRead(kSimulatorVersionOffset, 4, &simulatorVersion_, result)) return false;
    if (attempt == 0 && !ipcWrite(kClientVersionOffset, 2, &clientVersion, result)) return false;
    if (!ipcProcess(result)) return false;
    // The server may need a moment to fill in its versions.
    transport_.sleepMilliseconds(100);
  }
  result = IpcResult::ok;
  return true;
}

bool IpcClient::ipcRead(std::uint32_t offset, std::uint32_t size, void* destination,
                        IpcResult& result) {
  if (!isOpen()) {
    result = IpcResult::notOpen;
    return false;
  }
  if (!queue_.addRead(offset, size, destination)) {
    result = IpcResult::noSpace;
    return false;
  }
  result = IpcResult::ok;
  return true;
}

bool IpcClient::ipcWrite(std::uint32_t offset, std::uint32_t size, const void* source,
                         IpcResult& result) {
  if (!isOpen()) {
    result = IpcResult::notOpen;
    return false;
  }
  if (!queue_.addWrite(offset, size, source)) {
    result = IpcResult::noSpace;
    return false;
  }
  result = IpcResult::ok;
  return true;
}

bool IpcClient::ipcProcess(IpcResult& result) {
  if (!isOpen()) {
    result = IpcResult::notOpen;
    return false;
  }
  if (queue_.empty()) {
    result = IpcResult::emptyQueue;
    return false;
  }
  queue_.terminate();
  // The records stay known until the answer is checked; whatever happens,
  // the next batch starts at the block's start.
  struct ClearOnExit {
    ipc::RequestQueue& q;
    ~ClearOnExit() { q.clear(); }
  } clearOnExit{queue_};

  std::uintptr_t answer = 0;
  bool sent = false;
  for (int attempt = 0; attempt < ipc::kSendAttempts && !sent; ++attempt) {
    sent = transport_.sendMessage(window_, message_, atom_, 0, ipc::kSendTimeoutMs, answer);
    if (!sent) transport_.sleepMilliseconds(ipc::kRetryWaitMs);
  }
  if (!sent) {
    result = transport_.lastError() != 0 ? IpcResult::sendFailed : IpcResult::sendTimedOut;
    return false;
  }
  if (answer != 1) {
    result = IpcResult::badAnswer;
    return false;
  }
  if (!queue_.copyAnswer()) {
    result = IpcResult::corruptAnswer;
    return false;
  }
  result = IpcResult::ok;
  return true;
}

void IpcClient::ipcClose() {
  window_ = 0;
  message_ = 0;
  queue_.attach(nullptr);
  if (atom_ != 0) {
    transport_.deleteAtom(atom_);
    atom_ = 0;
  }
  if (view_ != nullptr) {
    transport_.unmapView(view_, ipc::kBlockSize);
    view_ = nullptr;
  }
  if (mapping_ != 0) {
    transport_.closeMapping(mapping_);
    mapping_ = 0;
  }
}

}  // namespace aerotrace
