#include "monitor/announcements.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/recording_voice.h"
#include "fixture.h"
#include "monitor/checkpoint_evaluation.h"

namespace aerotrace {
namespace {

using testing::MonitorTest;
using testing::outboxText;
using AnnouncementsTest = MonitorTest;

TEST(SpeechStartUpTest, AvailabilityFollowsTheFactory) {
  struct Case {
    const char* name;
    VoiceFactory factory;
    bool available;
  };
  const Case cases[] = {
      {"voice", [] { return std::make_unique<RecordingVoice>(); }, true},
      {"none", [] { return std::unique_ptr<Voice>(); }, false},
      {"throws", []() -> std::unique_ptr<Voice> { throw std::runtime_error("no engine"); }, false},
      {"no factory", VoiceFactory{}, false},
  };
  for (const Case& c : cases) {
    TfHState s;
    EXPECT_NO_THROW(speechStartUp(s, c.factory)) << c.name;
    EXPECT_EQ(static_cast<bool>(s.speechAvailable), c.available) << c.name;
    EXPECT_EQ(s.voice != nullptr, c.available) << c.name;
    switchSetUp(s);
    EXPECT_EQ(static_cast<bool>(s.speechEnabled), c.available) << c.name;
    EXPECT_TRUE(s.textEnabled) << c.name;
  }
}

TEST_F(AnnouncementsTest, RepeatBeforeAnyMessageSaysNoLastMessage) {
  repeatLastMessage(s_);
  EXPECT_EQ(outboxText(s_.flightData), "No last message");
  EXPECT_EQ(s_.flightData.simTextSeconds, 30);
  EXPECT_EQ(spoken(), std::vector<std::string>{"No last message"});
  EXPECT_EQ(s_.lastMessage.Text, "No last message");
  EXPECT_EQ(s_.lastMessage.Speech, "No last message");
}

TEST_F(AnnouncementsTest, SpeechOffStillKeepsBothFormsForARepeat) {
  s_.speechEnabled = false;
  oLegDet cp;
  cp.Descr = "Overhead VOR";
  cp.Speak = "Overhead the V O R";
  cp.cRange = 1;
  cp.MinAlt = -1000, cp.MaxAlt = 50000, cp.MaxSpd = 999, cp.MaxHdg = 360;
  s_.checkpoints = {cp};
  evaluateCheckpoints(s_, clock_, view_);
  EXPECT_EQ(outboxText(s_.flightData), "Overhead VOR");
  EXPECT_TRUE(spoken().empty());

  switchSpeech(s_);
  s_.flightData.simTextPending = false;
  repeatLastMessage(s_);
  EXPECT_EQ(spoken(), std::vector<std::string>{"Overhead the V O R"});
  EXPECT_EQ(outboxText(s_.flightData), "Overhead VOR");
  EXPECT_TRUE(s_.flightData.simTextPending);
}

TEST_F(AnnouncementsTest, SwitchesFlipAndTheMenuShowsThem) {
  switchText(s_);
  EXPECT_FALSE(s_.textEnabled);
  EXPECT_FALSE(messageMenuChecks(s_).text);
  EXPECT_TRUE(messageMenuChecks(s_).speech);
  repeatLastMessage(s_);
  EXPECT_FALSE(s_.flightData.simTextPending);
  EXPECT_EQ(spoken().size(), 1u);

  // Speech can be switched on without an engine; nothing is then heard.
  TfHState mute;
  speechStartUp(mute, [] { return std::unique_ptr<Voice>(); });
  switchSetUp(mute);
  switchSpeech(mute);
  EXPECT_TRUE(messageMenuChecks(mute).speech);
  EXPECT_NO_THROW(repeatLastMessage(mute));
}

}  // namespace
}  // namespace aerotrace
