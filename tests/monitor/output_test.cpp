#include "monitor/output.h"

#include <gtest/gtest.h>

#include "fixture.h"

namespace aerotrace {
namespace {

using testing::MonitorTest;
using testing::outboxText;
using OutputTest = MonitorTest;

TEST_F(OutputTest, ShortTextIsPaddedTo127BlanksAndAZero) {
  EXPECT_TRUE(showSimText(s_, "0123456789", 30));
  const FlightData& fd = s_.flightData;
  EXPECT_EQ(std::string(fd.simText.data(), 10), "0123456789");
  EXPECT_EQ(std::string(fd.simText.data() + 10, 117), std::string(117, ' '));
  EXPECT_EQ(fd.simText[127], '\0');
  EXPECT_EQ(fd.simTextSeconds, 30);
  EXPECT_TRUE(fd.simTextPending);
}

TEST_F(OutputTest, LongTextIsCutAt127AndTheLastByteStaysZero) {
  std::string text(200, 'x');
  text[126] = 'E';
  text[127] = 'L';
  showSimText(s_, text, 10);
  const FlightData& fd = s_.flightData;
  EXPECT_EQ(std::string(fd.simText.data(), 127), text.substr(0, 127));
  EXPECT_EQ(fd.simText[127], '\0');
}

TEST_F(OutputTest, ALaterTextReplacesOneNotYetSent) {
  showSimText(s_, "a much longer first message", 30);
  showSimText(s_, "second", 10);
  EXPECT_EQ(outboxText(s_.flightData), "second");
  EXPECT_EQ(s_.flightData.simTextSeconds, 10);
}

TEST_F(OutputTest, SpeechFailuresAndAMissingVoiceAreSilent) {
  voice_->setFailing(true);
  EXPECT_NO_THROW(speakText(s_, "lost"));
  voice_->setFailing(false);
  speakText(s_, "heard");
  EXPECT_EQ(spoken(), std::vector<std::string>{"heard"});
  s_.voice.reset();
  EXPECT_NO_THROW(speakText(s_, "nobody"));
}

}  // namespace
}  // namespace aerotrace
