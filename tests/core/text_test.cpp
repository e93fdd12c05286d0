#include "core/text.h"

#include <gtest/gtest.h>

namespace aerotrace {
namespace {

TEST(TextTest, TrimAndReplace) {
  EXPECT_EQ(trimmed(" \t NULL \r\n"), "NULL");
  EXPECT_EQ(trimmed("   "), "");
  EXPECT_EQ(trimmed("a b"), "a b");
  EXPECT_EQ(replacedAll("x.acfy.acf", ".acf", ""), "xy");
  EXPECT_EQ(replacedAll("aaa", "aa", "b"), "ba");  // left to right, no overlap
  EXPECT_EQ(upperAscii("null\xE9"), "NULL\xE9");
}

TEST(TextTest, Latin1BecomesUtf8AndUtf8StaysAsItIs) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain", "plain"},
      {"Z\xFCrich", "Z\xC3\xBCrich"},        // Latin-1 u-umlaut
      {"Z\xC3\xBCrich", "Z\xC3\xBCrich"},    // already UTF-8
      {"\xC3", "\xC3\x83"},                  // a lone lead byte is Latin-1
      {"\xE2\x82\xAC 5", "\xE2\x82\xAC 5"},  // the euro sign in UTF-8
      {std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& [in, out] : cases) {
    EXPECT_EQ(toUtf8(in), out) << in;
    EXPECT_TRUE(isUtf8(toUtf8(in)));
  }
}

}  // namespace
}  // namespace aerotrace
