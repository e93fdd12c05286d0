#pragma once

// The stand-in simulator: plays a flight file and answers request blocks the
// way the simulator's interface module would, serving the raw values of the
// flight at the current flight time and taking the program's writes. It
// knows nothing of transports: a socket server or an in-process transport
// hands it the blocks.

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "standin/flight_file.h"
#include "standin/sim_write.h"

namespace aerotrace {

struct StandInOptions {
  std::uint32_t serverVersion = 0x49990000;
  // The mark 0xFADE in the upper half, the simulator's code in the lower.
  std::uint32_t simulatorVersion = 0xFADE000A;
  std::string serverClass = "FS98MAIN";
};

class StandInSimulator {
 public:
  explicit StandInSimulator(FlightFile flight, StandInOptions options = {});

  const FlightFile& flight() const { return flight_; }
  StandInOptions& options() { return options_; }
  const StandInOptions& options() const { return options_; }

  void setTime(double seconds) { t_ = seconds; }
  double time() const { return t_; }
  // The flight's `sim` column: whether the simulator is running now.
  bool present() const;

  // Fills every read record of the block and applies every write record, in
  // order. Returns the answer of the message: 1, or 0 when the block cannot
  // be walked (no terminator, a record running past the end, an unknown
  // identifier); records before that point are answered.
  std::uint32_t serveBlock(std::span<std::uint8_t> block);

  const std::vector<SimWrite>& writes() const { return writes_; }
  void setWriteListener(std::function<void(const SimWrite&)> listener) {
    listener_ = std::move(listener);
  }
  std::uint16_t clientVersion() const { return clientVersion_; }
  std::uint64_t blocksServed() const { return blocksServed_; }

 private:
  // A value written by the program, standing until a later row of the
  // flight gives that column a value.
  struct Override {
    bool active = false;
    std::uint16_t value = 0;
    int row = -1;  // the row that stood when it was written
  };

  void refresh();
  void read(std::uint32_t offset, std::span<std::uint8_t> out) const;
  void write(std::uint32_t offset, std::span<const std::uint8_t> data, bool& textWritten);
  void emitText();
  void record(SimWrite w);
  static double overridden(Override& o, FlightColumn c, const FlightSample& s);

  FlightFile flight_;
  StandInOptions options_;
  double t_ = 0;
  std::vector<std::uint8_t> image_;  // the whole offset space
  Override slew_, rate_;
  std::string pendingText_;
  int textSeconds_ = 0;
  std::uint16_t clientVersion_ = 0;
  std::uint64_t blocksServed_ = 0;
  std::vector<SimWrite> writes_;
  std::function<void(const SimWrite&)> listener_;
};

}  // namespace aerotrace
