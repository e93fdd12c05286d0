#include "tours/airport_directory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "tours/airport_scan.h"

namespace aerotrace {
namespace {

using namespace std::string_literals;

const std::string kHeader = "id;name;icao;country;latitude;longitude;elevation;type\r\n";

AirportDirectory withHeader(const std::string& body) {
  return AirportDirectory::parse(kHeader + body);
}

void expectEntry(const oAirPort& a, const std::string& name, const std::string& icao, double lat,
                 double lon) {
  EXPECT_EQ(a.Name, name);
  EXPECT_EQ(a.Icao, icao);
  EXPECT_EQ(a.Latitude, lat);
  EXPECT_EQ(a.Longitude, lon);
}

TEST(AirportLine, WellFormedLineFillsTheEntry) {
  const auto dir = withHeader("1;Some Field;ABCD;X;12.5;-3.5;100;Y\r\n");
  ASSERT_EQ(dir.size(), 1u);
  expectEntry(dir[0], "Some Field", "ABCD", 12.5, -3.5);
}

struct LineCase {
  const char* what;
  std::string line;
  std::string name, icao;
  double lat, lon;
};

TEST(AirportLine, FieldSplitting) {
  const LineCase cases[] = {
      {"comma decimal reads 0", "1;Some Field;ABCD;X;12,5;-3.5;100;Y", "Some Field", "ABCD", 0,
       -3.5},
      {"seven fields give an empty entry", "1;Some Field;ABCD;X;12.5;-3.5;100", "", "", 0, 0},
      {"a closing ';' adds an eighth, empty field", "1;N;C;X;1.5;2.5;0;", "N", "C", 1.5, 2.5},
      {"a ';' followed by a control character adds none", "1;N;C;X;1.5;2.5;0;\t", "", "", 0, 0},
      {"adjacent separators give empty fields", ";N;;;1.5;2.5;;", "N", "", 1.5, 2.5},
      {"quotes are removed, not quoting", "\"1\";\"Some Field\";\"AB\"CD\";X;\"12.5\";-3.5;1;Y",
       "Some Field", "ABCD", 12.5, -3.5},
      {"a quoted separator still separates", "1;\"A;B\";C;X;1.5;2.5;0;T", "A", "B", 0, 1.5},
      {"a tab inside a name splits it and shifts the rest", "1;Some\tField;ABCD;X;12.5;-3.5;100;Y",
       "Some", "Field", 0, 12.5},
      {"control characters around separators are skipped", "\t1\t;\x01N;C\x1f;X;1.5;2.5;0;T", "N",
       "C", 1.5, 2.5},
      {"a NUL ends the line", "1;N;C;X;1.5;2.5\0;0;T"s, "", "", 0, 0},
      {"a NUL in a name ends the line", "1;Na\0me;C;X;1.5;2.5;0;T"s, "", "", 0, 0},
      {"'^' reads as a blank in taken fields", "1;North^Field;A^B;X;^1.5^;2.5;0;T", "North Field",
       "A B", 1.5, 2.5},
      {"bytes above 0x7f are text, not separators", "1;Z\xfcrich \xe9;LSZH;X;47.46;8.55;0;T",
       "Z\xfcrich \xe9", "LSZH", 47.46, 8.55},
      {"extra fields are ignored", "1;N;C;X;1.5;2.5;0;T;more;and more", "N", "C", 1.5, 2.5},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.what);
    const auto dir = withHeader(c.line + "\r\n");
    ASSERT_EQ(dir.size(), 1u);
    expectEntry(dir[0], c.name, c.icao, c.lat, c.lon);
  }
}

TEST(AirportLine, NumberGrammar) {
  struct NumberCase {
    const char* text;
    double value;
  };
  const NumberCase cases[] = {
      {"12.5", 12.5},  {"-3.25", -3.25}, {"+7", 7},     {"12.", 12},      {".5", 0.5},
      {"-.5", -0.5},   {"007", 7},       {"1e3", 1000}, {"1E+2", 100},    {"2.5e-1", 0.25},
      {" 4.5  ", 4.5}, {"-0", 0},        {"12,5", 0},   {"1,000.5", 0},   {"1 000", 0},
      {"nan", 0},      {"NaN", 0},       {"inf", 0},    {"-infinity", 0}, {"0x1A", 0},
      {"", 0},         {".", 0},         {"-", 0},      {"+-1", 0},       {"--1", 0},
      {"1e", 0},       {"1e+", 0},       {"e5", 0},     {".e5", 0},       {"1.2.3", 0},
      {"12a", 0},      {"1e999", 0},     {"-1e999", 0}, {"1e-400", 0},    {"1_0", 0},
      {"5d", 0},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.text);
    const auto dir = withHeader("1;N;C;X;"s + c.text + ";" + c.text + ";0;T");
    ASSERT_EQ(dir.size(), 1u);
    EXPECT_EQ(dir[0].Latitude, c.value);
    EXPECT_EQ(dir[0].Longitude, c.value);
    EXPECT_EQ(dir[0].Name, "N");  // the number never costs the rest of the entry
  }
}

TEST(AirportFile, LineBreaksOfEveryKind) {
  const std::string a = "1;Alpha;AAAA;X;1;2;0;T";
  const std::string b = "2;Bravo;BBBB;X;3;4;0;T";
  const std::string bodies[] = {a + "\r\n" + b + "\r\n", a + "\n" + b + "\n", a + "\r" + b + "\r",
                                a + "\r" + b + "\n",     a + "\n" + b,        a + "\r\n" + b};
  const std::string headerBreaks[] = {"\r\n", "\n", "\r"};
  for (const std::string& brk : headerBreaks) {
    for (const std::string& body : bodies) {
      SCOPED_TRACE(::testing::PrintToString(brk + body));
      const auto dir = AirportDirectory::parse("id;name" + brk + body);
      ASSERT_EQ(dir.size(), 2u);
      expectEntry(dir[0], "Alpha", "AAAA", 1, 2);
      expectEntry(dir[1], "Bravo", "BBBB", 3, 4);
    }
  }
}

TEST(AirportFile, EmptyLinesAreEmptyEntries) {
  const std::string a = "1;Alpha;AAAA;X;1;2;0;T";
  struct Case {
    std::string bytes;
    std::vector<std::string> names;  // "" marks an empty entry
  };
  const Case cases[] = {
      {kHeader + a + "\r\n\r\n" + a + "\r\n", {"Alpha", "", "Alpha"}},
      {kHeader + a + "\n\r" + a, {"Alpha", "", "Alpha"}},  // LF then CR: two breaks
      {kHeader + "\r\n", {""}},
      {kHeader + a + "\r\n\r\n", {"Alpha", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.bytes));
    const auto dir = AirportDirectory::parse(c.bytes);
    ASSERT_EQ(dir.size(), c.names.size());
    for (std::size_t i = 0; i < c.names.size(); ++i) {
      if (c.names[i].empty()) {
        expectEntry(dir[i], "", "", 0, 0);
      } else {
        expectEntry(dir[i], "Alpha", "AAAA", 1, 2);
      }
    }
  }
}

TEST(AirportFile, HeaderIsDroppedWhateverItHolds) {
  const auto dir = AirportDirectory::parse("1;Looks;LIKE;X;1;2;0;T\n2;Real;REAL;X;3;4;0;T\n");
  ASSERT_EQ(dir.size(), 1u);
  EXPECT_EQ(dir[0].Icao, "REAL");

  for (const std::string& bytes : {""s, "\r\n"s, "id;name;icao\r\n"s, "id;name;icao"s, "\n"s}) {
    SCOPED_TRACE(::testing::PrintToString(bytes));
    const auto d = AirportDirectory::parse(bytes);
    EXPECT_TRUE(d.empty());
    EXPECT_FALSE(d.nearest(0, 0));
  }
}

class AirportFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        std::filesystem::path(::testing::TempDir()) /
        ("aerotrace-airports-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::filesystem::path dir_;
};

TEST_F(AirportFileOnDisk, LoadReadsTheBytesAsParseDoes) {
  const std::string bytes = kHeader + "1;Alpha^One;AAAA;X;1.5;2;0;T\r2;Bravo\t;B;X;3;4;0;T";
  const auto file = dir_ / "airports.csv";
  std::ofstream(file, std::ios::binary) << bytes;
  const auto loaded = AirportDirectory::load(file);
  const auto parsed = AirportDirectory::parse(bytes);
  ASSERT_EQ(loaded.size(), 2u);
  ASSERT_EQ(parsed.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    expectEntry(loaded[i], parsed[i].Name, parsed[i].Icao, parsed[i].Latitude, parsed[i].Longitude);
  }
  expectEntry(loaded[0], "Alpha One", "AAAA", 1.5, 2);
}

TEST_F(AirportFileOnDisk, MissingFileIsAnEmptyDirectoryAndAFolderIsAnError) {
  const auto missing = AirportDirectory::load(dir_ / "no-such-file.csv");
  EXPECT_TRUE(missing.empty());
  EXPECT_THROW(AirportDirectory::load(dir_), std::runtime_error);

  const auto file = dir_ / "empty.csv";
  std::ofstream(file, std::ios::binary).flush();
  EXPECT_TRUE(AirportDirectory::load(file).empty());
}

TEST(AirportFile, WorldListLoads) {
  const auto dir = AirportDirectory::load(AEROTRACE_WORLD_AIRPORTS);
  ASSERT_EQ(dir.size(), 11438u) << AEROTRACE_WORLD_AIRPORTS;
  expectEntry(dir[0], "00CA airfield", "00CA", 35.354799, -116.885498);
  for (const oAirPort& a : dir.entries()) {
    ASSERT_FALSE(a.Icao.empty()) << a.Name;
    ASSERT_LE(std::fabs(a.Latitude), 90.0) << a.Name;
  }
}

// Lines counted another way: every CR LF as LF, then every lone CR as LF.
std::size_t lineCount(const std::string& bytes) {
  std::string s;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    s.push_back(bytes[i] == '\r' ? '\n' : bytes[i]);
  }
  std::size_t n = static_cast<std::size_t>(std::count(s.begin(), s.end(), '\n'));
  if (!s.empty() && s.back() != '\n') ++n;
  return n;
}

TEST(AirportFile, RandomBytesNeverBreakTheReader) {
  // Mostly the bytes the reader gives meaning to, so that lines with eight or
  // more fields and half-valid numbers come up often.
  const std::string alphabet = "\r\n;;;;\"\t \0^.-+eE0123456789,xNUL\x7f\x80\xff"s;
  std::mt19937_64 rng(20240611);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<std::size_t> length(0, 3000);
  std::uniform_int_distribution<int> anyByte(0, 255);
  std::size_t filled = 0;
  for (int round = 0; round < 300; ++round) {
    std::string bytes(length(rng), '\0');
    for (char& c : bytes) {
      c = (round % 5 == 0) ? static_cast<char>(anyByte(rng)) : alphabet[pick(rng)];
    }
    const auto dir = AirportDirectory::parse(bytes);
    const std::size_t lines = lineCount(bytes);
    ASSERT_EQ(dir.size(), lines == 0 ? 0 : lines - 1) << "round " << round;
    for (const oAirPort& a : dir.entries()) filled += a.Latitude != 0 || !a.Name.empty();
    for (const double lat : {0.0, 1.0}) {
      ASSERT_EQ(dir.nearest(lat, lat), nearestByScan(dir.entries(), lat, lat)) << round;
    }
  }
  EXPECT_GT(filled, 100u);  // the rounds did reach the field reader
}

}  // namespace
}  // namespace aerotrace
