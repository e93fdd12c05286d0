#include "tours/airport_directory.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>

namespace aerotrace {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Bytes 1..0x20 separate fields the way the classic delimited-text reader
// does; blanks never reach it (they travel as '^').
bool isControl(char c) { return static_cast<unsigned char>(c) <= 0x20; }

std::string caretsToBlanks(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c == '^') c = ' ';
  }
  return out;
}

// A decimal with '.' whatever the locale: blanks around, optional sign,
// digits with an optional fraction, optional exponent. Anything else, or a
// value beyond double range, reads 0.
double decimalOrZero(std::string_view s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && s[b] == ' ') ++b;
  while (e > b && s[e - 1] == ' ') --e;
  s = s.substr(b, e - b);

  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++expDigits;
    if (expDigits == 0) return 0.0;
  }
  if (i != s.size()) return 0.0;

  // from_chars takes no leading '+'; the grammar is already checked.
  if (s.front() == '+') s.remove_prefix(1);
  double value = 0.0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return 0.0;
  return value;
}

// Splits one prepared line (quotes gone, blanks as '^', nothing after a NUL)
// into fields: control characters around fields are skipped, one inside a
// field ends it, and a ';' closing the line adds an empty last field.
void splitFields(std::string_view s, std::vector<std::string_view>& fields) {
  fields.clear();
  const std::size_t n = s.size();
  std::size_t p = 0;
  while (p < n && isControl(s[p])) ++p;
  while (p < n) {
    const std::size_t start = p;
    while (p < n && !isControl(s[p]) && s[p] != ';') ++p;
    fields.push_back(s.substr(start, p - start));
    while (p < n && isControl(s[p])) ++p;
    if (p < n && s[p] == ';') {
      if (p + 1 == n) fields.emplace_back();
      ++p;
      while (p < n && isControl(s[p])) ++p;
    }
  }
}

class LineReader {
 public:
  oAirPort entry(std::string_view line) {
    line = line.substr(0, line.find('\0'));
    prepared_.clear();
    for (const char c : line) {
      if (c == '"') continue;
      prepared_.push_back(c == ' ' ? '^' : c);
    }
    splitFields(prepared_, fields_);

    oAirPort a;
    if (fields_.size() < 8) return a;
    a.Name = caretsToBlanks(fields_[1]);
    a.Icao = caretsToBlanks(fields_[2]);
    a.Latitude = decimalOrZero(caretsToBlanks(fields_[4]));
    a.Longitude = decimalOrZero(caretsToBlanks(fields_[5]));
    return a;
  }

 private:
  std::string prepared_;
  std::vector<std::string_view> fields_;
};

}  // namespace

AirportDirectory::AirportDirectory(std::vector<oAirPort> entries)
    : entries_(std::move(entries)), index_(entries_) {}

AirportDirectory AirportDirectory::load(const std::filesystem::path& file) {
  std::error_code ec;
  const auto status = std::filesystem::status(file, ec);
  if (status.type() == std::filesystem::file_type::not_found) return {};
  if (ec || status.type() == std::filesystem::file_type::directory) {
    throw std::runtime_error("cannot read the airport list " + file.string());
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open the airport list " + file.string());
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw std::runtime_error("cannot read the airport list " + file.string());
  return parse(bytes);
}

AirportDirectory AirportDirectory::parse(std::string_view bytes) {
  std::vector<oAirPort> entries;
  LineReader reader;
  bool header = true;
  std::size_t pos = 0;
  const std::size_t n = bytes.size();
  while (pos < n) {
    std::size_t end = pos;
    while (end < n && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    const std::string_view line = bytes.substr(pos, end - pos);
    // CR LF is one break; a lone CR or LF is one too.
    if (end < n && bytes[end] == '\r') ++end;
    if (end < n && bytes[end] == '\n') ++end;
    pos = end;
    if (header) {
      header = false;
      continue;
    }
    entries.push_back(reader.entry(line));
  }
  return AirportDirectory(std::move(entries));
}

}  // namespace aerotrace
