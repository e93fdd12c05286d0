#include "standin/standin_simulator.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <vector>

#include "sim/ipc_protocol.h"

namespace aerotrace {
namespace {

// A block built by the client's own queue.
class Block {
 public:
  Block() : bytes_(ipc::kBlockSize, 0xEE) { queue_.attach(bytes_.data()); }
  ipc::RequestQueue& queue() { return queue_; }
  std::vector<std::uint8_t>& bytes() { return bytes_; }
  std::uint32_t serve(StandInSimulator& sim) {
    queue_.terminate();
    const std::uint32_t answer = sim.serveBlock(bytes_);
    if (answer == 1) {
      EXPECT_TRUE(queue_.copyAnswer());
    }
    queue_.clear();
    return answer;
  }

 private:
  std::vector<std::uint8_t> bytes_;
  ipc::RequestQueue queue_;
};

std::uint16_t readSlew(StandInSimulator& sim) {
  Block b;
  std::uint16_t v = 0xFFFF;
  b.queue().addRead(0x05DC, 2, &v);
  EXPECT_EQ(b.serve(sim), 1u);
  return v;
}

void writeSlew(StandInSimulator& sim, std::uint16_t v) {
  Block b;
  b.queue().addWrite(0x05DC, 2, &v);
  EXPECT_EQ(b.serve(sim), 1u);
}

TEST(StandInSimulatorTest, AWriteStandsUntilALaterRowGivesThatColumnAValue) {
  StandInSimulator sim(FlightFile::parse("t,slew,ias\n0,1,\n10,,50\n20,1,\n", "f.csv"));
  sim.setTime(1);
  EXPECT_EQ(readSlew(sim), 1);
  writeSlew(sim, 0);
  EXPECT_EQ(readSlew(sim), 0);
  sim.setTime(15);  // a row without a slew value
  EXPECT_EQ(readSlew(sim), 0);
  sim.setTime(25);
  EXPECT_EQ(readSlew(sim), 1);
}

TEST(StandInSimulatorTest, WritesBecomeSimWriteEventLines) {
  StandInSimulator sim(FlightFile::parse("t\n0\n", "f.csv"));
  sim.setTime(12.5);
  std::array<char, 128> text{};
  text.fill(' ');
  const char* said = "Say \"hi\"\\ now";
  std::memcpy(text.data(), said, std::strlen(said));
  text[127] = 0;
  const std::uint16_t seconds = 30, rate = 256, slew = 0;
  Block b;
  b.queue().addWrite(0x3380, 128, text.data());
  b.queue().addWrite(0x32FA, 2, &seconds);
  b.queue().addWrite(0x0C1A, 2, &rate);
  b.queue().addWrite(0x05DC, 2, &slew);
  ASSERT_EQ(b.serve(sim), 1u);
  ASSERT_EQ(sim.writes().size(), 3u);
  EXPECT_EQ(
      simWriteEventLine(sim.writes()[0]),
      R"({"t":12.5,"event":"sim-write","what":"text","text":"Say \"hi\"\\ now","seconds":30})");
  EXPECT_EQ(simWriteEventLine(sim.writes()[1]), R"({"t":12.5,"event":"sim-write","what":"rate"})");
  EXPECT_EQ(simWriteEventLine(sim.writes()[2]), R"({"t":12.5,"event":"sim-write","what":"slew"})");
}

TEST(StandInSimulatorTest, ClientVersionNeverShowsThroughTheSimulatorVersion) {
  StandInSimulator sim(FlightFile::parse("t\n0\n", "f.csv"));
  for (int round = 0; round < 2; ++round) {
    Block b;
    std::uint32_t server = 0, simulator = 0;
    const std::uint16_t client = 2005;
    b.queue().addRead(0x3304, 4, &server);
    b.queue().addRead(0x3308, 4, &simulator);
    b.queue().addWrite(0x330A, 2, &client);
    ASSERT_EQ(b.serve(sim), 1u);
    EXPECT_EQ(server, sim.options().serverVersion);
    EXPECT_EQ(simulator, sim.options().simulatorVersion);
  }
  EXPECT_EQ(sim.clientVersion(), 2005);
}

TEST(StandInSimulatorTest, ABlockThatCannotBeWalkedIsAnsweredWithZero) {
  StandInSimulator sim(FlightFile::parse("t,alt\n0,1000\n", "f.csv"));
  using Bytes = std::vector<std::uint8_t>;
  auto put = [](Bytes& b, std::size_t at, std::uint32_t v) { std::memcpy(b.data() + at, &v, 4); };
  struct Case {
    const char* what;
    std::function<void(Bytes&)> make;
  };
  const Case cases[] = {
      {"read running past the end",
       [&](Bytes& b) {
         put(b, 0, 1);
         put(b, 8, ipc::kBlockSize);
       }},
      {"unknown identifier", [&](Bytes& b) { put(b, 0, 7); }},
      {"no terminator",
       [&](Bytes& b) {
         for (std::size_t at = 0; at + 12 <= b.size(); at += 12) {
           put(b, at, 2);
           put(b, at + 4, 0x4000);
           put(b, at + 8, 0);
         }
       }},
  };
  for (const Case& c : cases) {
    Bytes b(ipc::kBlockSize, 0xEE);
    c.make(b);
    EXPECT_EQ(sim.serveBlock(b), 0u) << c.what;
  }
}

TEST(StandInSimulatorTest, ReadsOutsideTheOffsetSpaceGiveZeros) {
  StandInSimulator sim(FlightFile::parse("t\n0\n", "f.csv"));
  Block b;
  std::array<std::uint8_t, 64> far{}, edge{};
  far.fill(0xAA);
  edge.fill(0xAA);
  b.queue().addRead(0xFFFFFFF0, 64, far.data());
  b.queue().addRead(0xFFF0, 64, edge.data());  // half inside
  ASSERT_EQ(b.serve(sim), 1u);
  EXPECT_EQ(far, (std::array<std::uint8_t, 64>{}));
  EXPECT_EQ(edge[63], 0);
}

}  // namespace
}  // namespace aerotrace
