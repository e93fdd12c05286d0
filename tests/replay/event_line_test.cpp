#include "eventlog/event_line.h"

#include <gtest/gtest.h>

#include "standin/sim_write.h"

namespace aerotrace {
namespace {

TEST(EventLineTest, TextsBecomeValidJsonWhateverTheirBytes) {
  const struct {
    std::string bytes, json;
  } cases[] = {
      {"plain", "plain"},
      {"Z\xC3\xBCrich", "Z\xC3\xBCrich"},              // UTF-8 stays
      {"Z\xFCrich", "Z\xC3\xBCrich"},                  // Latin-1 ü
      {"\xC3\xBC \xFC", "\xC3\x83\xC2\xBC \xC3\xBC"},  // not UTF-8 as a whole: every byte Latin-1
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},    // a surrogate is not UTF-8
      {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                // nor an overlong form
      {"\xE2\x82", "\xC3\xA2\xC2\x82"},                // nor a cut sequence
  };
  for (const auto& c : cases) {
    EXPECT_EQ(jsonText(c.bytes), c.json) << c.bytes;
    EventJson e = eventObject(1.5, "speak");
    e["text"] = jsonText(c.bytes);
    EXPECT_EQ(EventJson::parse(eventLine(e))["text"], c.json);
  }
}

TEST(EventLineTest, TimeAndEventComeFirstThenTheFieldsInTheirOrder) {
  EventJson e = eventObject(0.2, "simtext");
  e["text"] = "Say \"hi\"";
  e["seconds"] = 30;
  EXPECT_EQ(eventLine(e), R"({"t":0.2,"event":"simtext","text":"Say \"hi\"","seconds":30})");

  SimWrite w{3, SimWrite::What::text,
             "Gr\xFC\xDF"
             "e",
             10};
  EXPECT_EQ(simWriteEventLine(w),
            "{\"t\":3.0,\"event\":\"sim-write\",\"what\":\"text\",\"text\":\"Gr\xC3\xBC\xC3\x9F"
            "e\",\"seconds\":10}");
}

}  // namespace
}  // namespace aerotrace
