#pragma once

// A transport whose server is a stand-in simulator in the same process: the
// block is plain memory and a send is a direct call, so the real client and
// reader pass run deterministically on one thread, with no sockets.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sim/ipc_transport.h"
#include "standin/standin_simulator.h"

namespace aerotrace {

class InProcessTransport final : public IpcTransport {
 public:
  // What a send to a server window that has gone reports, as on Windows.
  static constexpr std::uint32_t kInvalidWindowError = 1400;

  explicit InProcessTransport(StandInSimulator& simulator, std::uint32_t processId = 0x4D2);

  // The waits of the protocol cost no real time here; a hook can move a
  // simulated clock by them.
  void setSleepHook(std::function<void(std::uint32_t)> hook) { sleepHook_ = std::move(hook); }
  std::uint64_t sleptMilliseconds() const { return slept_; }
  std::uint64_t sends() const { return sends_; }

  // What is held open now, to check that nothing is left behind.
  std::size_t liveAtoms() const { return atoms_.size(); }
  std::size_t liveMappings() const { return mappings_.size(); }
  std::size_t liveViews() const { return views_; }

  ServerWindow findWindow(const std::string& className) override;
  std::uint32_t registerMessage(const std::string& name) override;
  std::uint32_t currentProcessId() override { return processId_; }
  std::uint16_t addAtom(const std::string& name) override;
  void deleteAtom(std::uint16_t atom) override { atoms_.erase(atom); }
  CreatedMapping createMapping(const std::string& name, std::uint32_t size) override;
  std::uint8_t* mapView(MappingHandle mapping, std::uint32_t size) override;
  void unmapView(std::uint8_t* view, std::uint32_t size) override;
  void closeMapping(MappingHandle mapping) override { mappings_.erase(mapping); }
  bool sendMessage(ServerWindow window, std::uint32_t message, std::uintptr_t wParam,
                   std::intptr_t lParam, std::uint32_t timeoutMs, std::uintptr_t& answer) override;
  std::uint32_t lastError() override { return error_; }
  void sleepMilliseconds(std::uint32_t ms) override;

 private:
  static constexpr ServerWindow kWindow = 1;
  struct Mapping {
    std::string name;
    std::vector<std::uint8_t> bytes;
  };

  StandInSimulator& simulator_;
  std::uint32_t processId_;
  std::vector<std::string> messages_;
  std::map<std::uint16_t, std::string> atoms_;
  std::map<MappingHandle, Mapping> mappings_;
  MappingHandle lastMapping_ = 0;
  std::size_t views_ = 0;
  std::uint32_t error_ = 0;
  std::uint64_t slept_ = 0;
  std::uint64_t sends_ = 0;
  std::function<void(std::uint32_t)> sleepHook_;
};

}  // namespace aerotrace
