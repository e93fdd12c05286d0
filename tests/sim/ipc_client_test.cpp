#include "sim/ipc_client.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "sim/forwarding_transport.h"
#include "standin_fixture.h"

namespace aerotrace::testing {
namespace {

constexpr std::uint32_t kTitle = 0x3D00;
constexpr std::uint32_t kAltitude = 0x3324;

const char* kFlight =
    "t,alt,title,sim\n"
    "0,1234,Test Plane,1\n"
    "10,,,0\n"
    "20,,,1\n";

class IpcClientTest : public StandInTest {
 protected:
  IpcClientTest() : StandInTest(kFlight) {}

  // One read and its exchange.
  IpcResult readAltitude(std::int32_t& out) {
    IpcResult r;
    if (!client_.ipcRead(kAltitude, 4, &out, r)) return r;
    client_.ipcProcess(r);
    return r;
  }
};

TEST_F(IpcClientTest, OpenHandshakesOnceAndASecondOpenLeavesTheLinkWorking) {
  ASSERT_EQ(open(), IpcResult::ok);
  EXPECT_EQ(sim_.blocksServed(), 1u);  // both versions came at the first attempt
  EXPECT_EQ(transport_.sleptMilliseconds(), 100u);
  EXPECT_EQ(sim_.clientVersion(), IpcClient::kClientVersion);
  EXPECT_EQ(client_.serverVersion(), sim_.options().serverVersion);
  EXPECT_EQ(client_.simulatorVersion(), sim_.options().simulatorVersion & 0xFFFF);

  EXPECT_EQ(open(), IpcResult::alreadyOpen);
  std::int32_t alt = 0;
  EXPECT_EQ(readAltitude(alt), IpcResult::ok);
  EXPECT_EQ(alt, 1234);

  client_.ipcClose();
  EXPECT_EQ(transport_.liveAtoms() + transport_.liveMappings() + transport_.liveViews(), 0u);
  client_.ipcClose();  // closing a closed link is harmless
}

TEST_F(IpcClientTest, NoServerGivesTwoAtOnceWithNothingLeftBehind) {
  sim_.setTime(10);
  EXPECT_EQ(open(), IpcResult::noServer);
  EXPECT_FALSE(client_.isOpen());
  EXPECT_EQ(transport_.sends(), 0u);
  EXPECT_EQ(transport_.sleptMilliseconds(), 0u);
  EXPECT_EQ(transport_.liveAtoms() + transport_.liveMappings() + transport_.liveViews(), 0u);
}

TEST_F(IpcClientTest, ABlockOfTheSameNameRefusesTheOpenWithFive) {
  IpcClient other(transport_);  // same process, so the same block name
  ASSERT_EQ(open(), IpcResult::ok);
  IpcResult r;
  EXPECT_FALSE(other.ipcOpen(0, r));
  EXPECT_EQ(r, IpcResult::mappingFailed);
  std::int32_t alt = 0;
  EXPECT_EQ(readAltitude(alt), IpcResult::ok);  // ours was not touched
  EXPECT_EQ(alt, 1234);
}

TEST_F(IpcClientTest, CallsOnAClosedLinkGiveNine) {
  IpcResult r;
  std::uint8_t b = 0;
  EXPECT_FALSE(client_.ipcRead(kAltitude, 1, &b, r));
  EXPECT_EQ(r, IpcResult::notOpen);
  EXPECT_FALSE(client_.ipcWrite(kAltitude, 1, &b, r));
  EXPECT_EQ(r, IpcResult::notOpen);
  EXPECT_FALSE(client_.ipcProcess(r));
  EXPECT_EQ(r, IpcResult::notOpen);
}

TEST_F(IpcClientTest, SpaceLimitCountsHeaderDataAndTerminator) {
  struct Case {
    bool isRead;
    std::uint32_t size;
    IpcResult expected;
  };
  const Case cases[] = {
      {true, 32492, IpcResult::ok},
      {true, 32493, IpcResult::noSpace},
      {false, 32496, IpcResult::ok},
      {false, 32497, IpcResult::noSpace},
      {true, 0xFFFFFFFF, IpcResult::noSpace},  // must not wrap into "fits"
      {false, 0xFFFFFFF4, IpcResult::noSpace},
  };
  ASSERT_EQ(open(), IpcResult::ok);
  std::vector<std::uint8_t> buf(32500, 0);
  for (const Case& c : cases) {
    IpcResult r;
    const bool ok = c.isRead ? client_.ipcRead(0x1000, c.size, buf.data(), r)
                             : client_.ipcWrite(0x1000, c.size, buf.data(), r);
    EXPECT_EQ(r, c.expected) << c.isRead << " " << c.size;
    EXPECT_EQ(ok, c.expected == IpcResult::ok);
    if (ok) {
      EXPECT_EQ(client_.queuedBytes(), (c.isRead ? 16u : 12u) + c.size);
      ASSERT_TRUE(client_.ipcProcess(r)) << code(r);
    }
  }
  // A full queue refuses one record more.
  IpcResult r;
  ASSERT_TRUE(client_.ipcRead(0x1000, 32492 - 16, buf.data(), r));
  EXPECT_FALSE(client_.ipcRead(0x1000, 1, buf.data(), r));
  EXPECT_EQ(r, IpcResult::noSpace);
  EXPECT_TRUE(client_.ipcRead(0x1000, 0, nullptr, r));
}

TEST_F(IpcClientTest, EmptyProcessGivesTenAndSendsNothing) {
  ASSERT_EQ(open(), IpcResult::ok);
  const auto sends = transport_.sends();
  IpcResult r;
  EXPECT_FALSE(client_.ipcProcess(r));
  EXPECT_EQ(r, IpcResult::emptyQueue);
  EXPECT_EQ(transport_.sends(), sends);
}

TEST_F(IpcClientTest, ReadOfSizeZeroIsABareHeaderAndCopiesNothing) {
  ASSERT_EQ(open(), IpcResult::ok);
  std::uint32_t untouched = 0xDEADBEEF;
  IpcResult r;
  ASSERT_TRUE(client_.ipcRead(kAltitude, 0, &untouched, r));
  EXPECT_EQ(client_.queuedBytes(), 16u);
  EXPECT_TRUE(client_.ipcProcess(r));
  EXPECT_EQ(untouched, 0xDEADBEEF);
}

TEST_F(IpcClientTest, FailedExchangeLosesTheBatchAndTheNextStartsAtTheBlockStart) {
  ASSERT_EQ(open(), IpcResult::ok);
  const auto slept = transport_.sleptMilliseconds();
  sim_.setTime(10);  // the simulator goes away with the link open
  std::int32_t alt = -1;
  EXPECT_EQ(readAltitude(alt), IpcResult::sendFailed);
  EXPECT_EQ(alt, -1);
  EXPECT_EQ(client_.queuedBytes(), 0u);
  EXPECT_EQ(transport_.sleptMilliseconds() - slept, 1000u);  // ten sends, ten waits

  sim_.setTime(20);
  EXPECT_EQ(readAltitude(alt), IpcResult::ok);
  EXPECT_EQ(alt, 1234);
}

// A transport whose sends time out without a system error.
class TimingOut final : public ForwardingTransport {
 public:
  using ForwardingTransport::ForwardingTransport;
  bool timeOut = false;
  bool sendMessage(ServerWindow w, std::uint32_t m, std::uintptr_t wp, std::intptr_t lp,
                   std::uint32_t t, std::uintptr_t& a) override {
    return !timeOut && ForwardingTransport::sendMessage(w, m, wp, lp, t, a);
  }
  std::uint32_t lastError() override { return timeOut ? 0 : inner_.lastError(); }
};

TEST_F(IpcClientTest, TenTimedOutSendsGiveEleven) {
  TimingOut t(transport_);
  IpcClient client(t);
  IpcResult r;
  ASSERT_TRUE(client.ipcOpen(0, r));
  t.timeOut = true;
  std::int32_t alt = 0;
  ASSERT_TRUE(client.ipcRead(kAltitude, 4, &alt, r));
  EXPECT_FALSE(client.ipcProcess(r));
  EXPECT_EQ(r, IpcResult::sendTimedOut);
}

TEST(IpcClientNameTest, BlockNameIsUpperCaseHexWithoutLeadingZeros) {
  EXPECT_EQ(IpcClient::blockName(1234), "FsasmLib:IPC:4D2:1");
  EXPECT_EQ(IpcClient::blockName(0xABCDEF), "FsasmLib:IPC:ABCDEF:1");
}

// Handshakes against servers of other versions and classes.
TEST(IpcHandshakeTest, AcceptsOnlyNewEnoughServersOfTheRightSimulator) {
  struct Case {
    std::uint32_t server;
    std::uint32_t simulator;
    const char* serverClass;
    std::uint32_t requested;
    IpcResult expected;
    std::uint64_t exchanges;
  };
  const Case cases[] = {
      {0x19980004, 0xFADE0007, "UIPCMAIN", 0, IpcResult::serverTooOld, 1},
      {0x19980004, 0xFADE0007, "FS98MAIN", 0, IpcResult::serverTooOldFs98, 1},
      {0x19980005, 0xFADE0007, "FS98MAIN", 0, IpcResult::ok, 1},
      {0x19980005, 0xBEEF0007, "UIPCMAIN", 0, IpcResult::serverTooOld, 1},
      {0x19980005, 0xFADE0007, "FS98MAIN", 7, IpcResult::ok, 1},
      {0x19980005, 0xFADE0007, "FS98MAIN", 8, IpcResult::wrongSimulator, 1},
      // A server that never fills in its version is asked five times.
      {0, 0xFADE0007, "FS98MAIN", 0, IpcResult::serverTooOldFs98, 5},
      {0xFFFFFFFF, 0xFADE0001, "UIPCMAIN", 0, IpcResult::ok, 1},  // unsigned comparison
  };
  for (const Case& c : cases) {
    StandInSimulator sim(FlightFile::parse("t\n0\n", "f.csv"),
                         {c.server, c.simulator, c.serverClass});
    InProcessTransport transport(sim);
    IpcClient client(transport);
    IpcResult r;
    const bool ok = client.ipcOpen(c.requested, r);
    EXPECT_EQ(r, c.expected) << std::hex << c.server << " " << c.simulator << " " << c.serverClass;
    EXPECT_EQ(ok, c.expected == IpcResult::ok);
    EXPECT_EQ(client.isOpen(), ok);
    EXPECT_EQ(sim.blocksServed(), c.exchanges);
    EXPECT_EQ(transport.sleptMilliseconds(), 100 * c.exchanges);
    if (!ok) {
      EXPECT_EQ(transport.liveAtoms() + transport.liveMappings() + transport.liveViews(), 0u);
    }
  }
}

// A server that rewrites the answer after serving it.
class Spoiling final : public ForwardingTransport {
 public:
  using ForwardingTransport::ForwardingTransport;
  std::uint8_t* view = nullptr;
  std::function<void(std::uint8_t*)> spoil;
  std::uintptr_t answer = 1;

  std::uint8_t* mapView(MappingHandle m, std::uint32_t s) override {
    return view = ForwardingTransport::mapView(m, s);
  }
  bool sendMessage(ServerWindow w, std::uint32_t m, std::uintptr_t wp, std::intptr_t lp,
                   std::uint32_t t, std::uintptr_t& a) override {
    const bool ok = ForwardingTransport::sendMessage(w, m, wp, lp, t, a);
    if (ok && spoil) {
      spoil(view);
      a = answer;
    }
    return ok;
  }
};

TEST_F(IpcClientTest, ASpoiledAnswerIsRefusedAndCopiesNothing) {
  struct Case {
    const char* what;
    std::function<void(std::uint8_t*)> spoil;
    std::uintptr_t answer;
    IpcResult expected;
  };
  // Two reads: 4 bytes of altitude at 0, then 2 bytes at 20.
  auto put = [](std::uint8_t* p, std::uint32_t v) { std::memcpy(p, &v, 4); };
  const Case cases[] = {
      {"answer 0", [](std::uint8_t*) {}, 0, IpcResult::badAnswer},
      {"unknown identifier", [&](std::uint8_t* b) { put(b + 20, 3); }, 1, IpcResult::corruptAnswer},
      {"identifier of a write", [&](std::uint8_t* b) { put(b + 20, 2); }, 1,
       IpcResult::corruptAnswer},
      {"terminator early", [&](std::uint8_t* b) { put(b + 20, 0); }, 1, IpcResult::corruptAnswer},
      {"byte count too large", [&](std::uint8_t* b) { put(b + 8, 0x7FFFFFFF); }, 1,
       IpcResult::corruptAnswer},
      {"byte count past the block", [&](std::uint8_t* b) { put(b + 28, 40000); }, 1,
       IpcResult::corruptAnswer},
      {"byte count smaller", [&](std::uint8_t* b) { put(b + 8, 2); }, 1, IpcResult::corruptAnswer},
      {"upper identifier bits only", [&](std::uint8_t* b) { put(b, 0x7700'0001); }, 1,
       IpcResult::ok},
  };
  for (const Case& c : cases) {
    Spoiling t(transport_);
    IpcClient client(t);
    IpcResult r;
    ASSERT_TRUE(client.ipcOpen(0, r));
    t.spoil = c.spoil;
    t.answer = c.answer;
    // Destinations of exactly the queued size: a copy by the server's count
    // would run past them (the sanitizer build catches that).
    auto alt = std::make_unique<std::array<std::uint8_t, 4>>();
    auto two = std::make_unique<std::array<std::uint8_t, 2>>();
    alt->fill(0xAA);
    two->fill(0xBB);
    ASSERT_TRUE(client.ipcRead(kAltitude, 4, alt->data(), r));
    ASSERT_TRUE(client.ipcRead(kTitle, 2, two->data(), r));
    EXPECT_EQ(client.ipcProcess(r), c.expected == IpcResult::ok) << c.what;
    EXPECT_EQ(r, c.expected) << c.what;
    if (c.expected == IpcResult::ok) {
      std::int32_t v;
      std::memcpy(&v, alt->data(), 4);
      EXPECT_EQ(v, 1234);
      EXPECT_EQ(std::string(two->begin(), two->end()), "Te");
    } else {
      EXPECT_EQ((*alt)[0], 0xAA) << c.what;
      EXPECT_EQ((*two)[0], 0xBB) << c.what;
    }
    EXPECT_EQ(client.queuedBytes(), 0u);
  }
}

}  // namespace
}  // namespace aerotrace::testing
