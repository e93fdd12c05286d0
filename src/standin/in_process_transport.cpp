#include "standin/in_process_transport.h"

#include <algorithm>
#include <span>

#include "sim/ipc_protocol.h"

namespace aerotrace {

InProcessTransport::InProcessTransport(StandInSimulator& simulator, std::uint32_t processId)
    : simulator_(simulator), processId_(processId) {}

ServerWindow InProcessTransport::findWindow(const std::string& className) {
  return simulator_.present() && className == simulator_.options().serverClass ? kWindow : 0;
}

std::uint32_t InProcessTransport::registerMessage(const std::string& name) {
  if (name.empty()) return 0;
  const auto it = std::find(messages_.begin(), messages_.end(), name);
  const auto index = static_cast<std::uint32_t>(it - messages_.begin());
  if (it == messages_.end()) messages_.push_back(name);
  return 0xC000 + index;
}

std::uint16_t InProcessTransport::addAtom(const std::string& name) {
  if (name.empty()) return 0;
  for (std::uint32_t a = 0xC000; a <= 0xFFFF; ++a) {
    if (atoms_.emplace(static_cast<std::uint16_t>(a), name).second) {
      return static_cast<std::uint16_t>(a);
    }
  }
  return 0;
}

CreatedMapping InProcessTransport::createMapping(const std::string& name, std::uint32_t size) {
  for (const auto& [handle, m] : mappings_) {
    if (m.name == name) return {0, true};
  }
  const MappingHandle handle = ++lastMapping_;
  mappings_[handle] = {name, std::vector<std::uint8_t>(size, 0)};
  return {handle, false};
}

std::uint8_t* InProcessTransport::mapView(MappingHandle mapping, std::uint32_t size) {
  const auto it = mappings_.find(mapping);
  if (it == mappings_.end() || it->second.bytes.size() < size) return nullptr;
  ++views_;
  return it->second.bytes.data();
}

void InProcessTransport::unmapView(std::uint8_t*, std::uint32_t) {
  if (views_ > 0) --views_;
}

bool InProcessTransport::sendMessage(ServerWindow window, std::uint32_t message,
                                     std::uintptr_t wParam, std::intptr_t, std::uint32_t,
                                     std::uintptr_t& answer) {
  ++sends_;
  if (window != kWindow || !simulator_.present()) {
    error_ = kInvalidWindowError;
    return false;
  }
  error_ = 0;
  answer = 0;
  if (message != registerMessage(ipc::kMessageName)) return true;
  const auto atom = atoms_.find(static_cast<std::uint16_t>(wParam));
  if (atom == atoms_.end()) return true;
  for (auto& [handle, m] : mappings_) {
    if (m.name == atom->second) {
      answer = simulator_.serveBlock(m.bytes);
      break;
    }
  }
  return true;
}

void InProcessTransport::sleepMilliseconds(std::uint32_t ms) {
  slept_ += ms;
  if (sleepHook_) sleepHook_(ms);
}

}  // namespace aerotrace
