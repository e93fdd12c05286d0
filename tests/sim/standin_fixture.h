#pragma once

// The real client on the in-process stand-in simulator, playing a small
// flight given as CSV text.

#include <gtest/gtest.h>

#include <string>

#include "sim/ipc_client.h"
#include "standin/flight_file.h"
#include "standin/in_process_transport.h"
#include "standin/standin_simulator.h"

namespace aerotrace::testing {

class StandInTest : public ::testing::Test {
 protected:
  explicit StandInTest(const std::string& flight = "t\n0\n", StandInOptions options = {})
      : sim_(FlightFile::parse(flight, "flight.csv"), std::move(options)),
        transport_(sim_),
        client_(transport_) {}

  IpcResult open() {
    IpcResult r = IpcResult::ok;
    client_.ipcOpen(0, r);
    return r;
  }

  StandInSimulator sim_;
  InProcessTransport transport_;
  IpcClient client_;
};

}  // namespace aerotrace::testing
