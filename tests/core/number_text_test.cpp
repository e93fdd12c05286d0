#include "core/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>
#include <limits>

namespace aerotrace {
namespace {

TEST(NumberTextTest, RoundHalfEven) {
  const std::pair<double, int> cases[] = {
      {0.5, 0},    {1.5, 2},    {2.5, 2},        {-0.5, 0}, {-1.5, -2},  {-2.5, -2},
      {2.4999, 2}, {2.5001, 3}, {1013.25, 1013}, {-0.4, 0}, {99.5, 100},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(roundHalfEven(value), expected) << value;
}

TEST(NumberTextTest, RoundSaturatesAndIgnoresNan) {
  EXPECT_EQ(roundHalfEven(1e12), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(roundHalfEven(-1e12), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(NumberTextTest, FixedPatterns) {
  struct Case {
    double value;
    int decimals;
    const char* text;
  };
  const Case cases[] = {
      {0, 0, "0"},
      {2.5, 0, "2"},
      {3.5, 0, "4"},
      {1234567.4, 0, "1234567"},
      {-12.6, 0, "-13"},
      {0.05, 1, "0.0"},
      {0.15, 1, "0.2"},
      {0.25, 1, "0.2"},
      {0.35, 1, "0.4"},
      {12.0, 1, "12.0"},
      {99.96, 1, "100.0"},
      {-1.474359, 3, "-1.474"},
      {0.0256410, 3, "0.026"},
      {1.0, 3, "1.000"},
      {-0.0004, 3, "0.000"},
      {-0.0, 1, "0.0"},
      {0.0005, 3, "0.000"},
      {0.0015, 3, "0.002"},
      {1e20, 0, "100000000000000000000"},
      {123.456, 1, "123.5"},
      {9.9996, 3, "10.000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(formatFixed(c.value, c.decimals), c.text) << c.value << " / " << c.decimals;
  }
}

TEST(NumberTextTest, DecimalPointWhateverTheLocale) {
  // A comma-decimal locale must not leak into the texts. scripts/setup makes
  // the Linux one; Windows knows it by its own name.
  const char* old = std::setlocale(LC_ALL, nullptr);
  const std::string saved = old ? old : "C";
  bool switched = false;
  for (const char* name : {"de_DE.UTF-8", "German_Germany.1252"}) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      switched = true;
      break;
    }
  }
  ASSERT_TRUE(switched) << "no comma-decimal locale on this machine (scripts/setup makes one)";
  char cText[16];
  std::snprintf(cText, sizeof cText, "%.1f", 1.5);
  EXPECT_STREQ(cText, "1,5") << "the C library's own texts follow the locale";
  EXPECT_EQ(formatFixed(1.5, 1), "1.5");
  EXPECT_EQ(formatFixed(-2.25, 3), "-2.250");
  EXPECT_EQ(formatFixed(1234567.25, 2), "1234567.25");
  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace aerotrace
