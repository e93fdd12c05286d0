#pragma once

#include "sim/ipc_transport.h"

namespace aerotrace {

// Passes every call to another transport; derive from it to change one call
// (skip the waits in a benchmark, spoil an answer in a test).
class ForwardingTransport : public IpcTransport {
 public:
  explicit ForwardingTransport(IpcTransport& inner) : inner_(inner) {}

  ServerWindow findWindow(const std::string& c) override { return inner_.findWindow(c); }
  std::uint32_t registerMessage(const std::string& n) override { return inner_.registerMessage(n); }
  std::uint32_t currentProcessId() override { return inner_.currentProcessId(); }
  std::uint16_t addAtom(const std::string& n) override { return inner_.addAtom(n); }
  void deleteAtom(std::uint16_t a) override { inner_.deleteAtom(a); }
  CreatedMapping createMapping(const std::string& n, std::uint32_t s) override {
    return inner_.createMapping(n, s);
  }
  std::uint8_t* mapView(MappingHandle m, std::uint32_t s) override { return inner_.mapView(m, s); }
  void unmapView(std::uint8_t* v, std::uint32_t s) override { inner_.unmapView(v, s); }
  void closeMapping(MappingHandle m) override { inner_.closeMapping(m); }
  bool sendMessage(ServerWindow w, std::uint32_t m, std::uintptr_t wp, std::intptr_t lp,
                   std::uint32_t t, std::uintptr_t& a) override {
    return inner_.sendMessage(w, m, wp, lp, t, a);
  }
  std::uint32_t lastError() override { return inner_.lastError(); }
  void sleepMilliseconds(std::uint32_t ms) override { inner_.sleepMilliseconds(ms); }

 protected:
  IpcTransport& inner_;
};

}  // namespace aerotrace
