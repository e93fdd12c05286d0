#pragma once

// One reader pass: open the link, copy the simulator into the flight-data
// block, send the queued simulator text and the slew and rate corrections,
// close the link. Every read is its own exchange.

#include <string>
#include <vector>

#include "sim/flight_data.h"
#include "sim/ipc_client.h"

namespace aerotrace {

// What the pass reads of the main window's state, taken when it starts.
struct ReaderPassInputs {
  bool legActive = false;
  bool speechEnabled = false;
};

struct ReaderPassResult {
  bool opened = false;
  // The warnings to speak, in order. The pass runs off the window thread,
  // and the voice is touched only there, so the caller speaks them.
  std::vector<std::string> spoken;
};

class RWFSUIPC {
 public:
  static constexpr std::uint16_t kSlewOff = 0;
  static constexpr std::uint16_t kNormalRate = 256;

  explicit RWFSUIPC(IpcClient& ipc) : ipc_(ipc) {}

  // Leaves re-arming the monitor timer to the caller, which does it as soon
  // as this returns.
  ReaderPassResult Execute(FlightData& fd, const ReaderPassInputs& inputs);

 private:
  // One read and its exchange; false leaves `destination` as it was.
  bool readValue(std::uint32_t offset, std::uint32_t size, void* destination);

  IpcClient& ipc_;
};

}  // namespace aerotrace
