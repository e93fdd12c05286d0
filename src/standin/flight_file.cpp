#include "standin/flight_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <optional>

namespace aerotrace {

namespace {

constexpr std::array<const char*, kNumberColumns + 2> kNames = {
    "lat", "lon", "alt", "ias",  "gs",   "hdg", "ground", "fuel",
    "g",   "qnh", "jet", "slew", "rate", "sim", "title",  "action"};

// A header cell: a column of the file, or the time.
struct HeaderCell {
  bool isTime = false;
  FlightColumn column{};
};

std::string_view trimmed(std::string_view s) {
  const auto b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  const auto e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

std::vector<std::string_view> cells(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t start = 0;
  for (;;) {
    const auto comma = line.find(',', start);
    out.push_back(trimmed(line.substr(start, comma - start)));
    if (comma == std::string_view::npos) return out;
    start = comma + 1;
  }
}

std::optional<double> number(std::string_view s) {
  double v = 0;
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

class Parser {
 public:
  explicit Parser(const std::string& fileName) : file_(fileName) {}

  [[noreturn]] void fail(int line, std::size_t column, std::string_view name,
                         const std::string& what) const {
    std::string m = file_ + ": line " + std::to_string(line);
    if (column > 0) m += ", column " + std::to_string(column);
    if (!name.empty()) m += " (" + std::string(name) + ")";
    throw FlightFileError(m + ": " + what);
  }

  void header(int line, std::string_view text) {
    const auto names = cells(text);
    for (std::size_t i = 0; i < names.size(); ++i) {
      HeaderCell cell;
      if (names[i] == "t") {
        cell.isTime = true;
      } else {
        const auto it = std::find(kNames.begin(), kNames.end(), names[i]);
        if (it == kNames.end()) {
          fail(line, i + 1, names[i], "unknown column \"" + std::string(names[i]) + "\"");
        }
        cell.column = static_cast<FlightColumn>(it - kNames.begin());
      }
      for (std::size_t j = 0; j < i; ++j) {
        if (names[j] == names[i]) fail(line, i + 1, names[i], "column named twice");
      }
      header_.push_back(cell);
      names_.emplace_back(names[i]);
    }
    const bool hasTime =
        std::any_of(header_.begin(), header_.end(), [](const HeaderCell& c) { return c.isTime; });
    if (!hasTime) fail(line, 0, "t", "no \"t\" column");
  }

  std::size_t columnOf(FlightColumn c) const {
    for (std::size_t i = 0; i < header_.size(); ++i) {
      if (!header_[i].isTime && header_[i].column == c) return i + 1;
    }
    return 0;
  }

  FlightRow row(int line, std::string_view text, const FlightRow* previous, int index) {
    const auto values = cells(text);
    if (values.size() > header_.size()) {
      fail(line, header_.size() + 1, "", "more cells than the header names");
    }
    FlightRow row;
    row.line = line;
    row.held = previous != nullptr ? previous->held : FlightFile::defaults();
    bool haveTime = false;
    for (std::size_t i = 0; i < values.size(); ++i) {
      const std::string_view v = values[i];
      const HeaderCell& h = header_[i];
      if (h.isTime) {
        const auto t = number(v);
        if (!t) fail(line, i + 1, "t", v.empty() ? "no time" : quoted(v) + " is not a number");
        if (previous != nullptr && *t < previous->t) {
          fail(line, i + 1, "t", "time goes backwards");
        }
        row.t = *t;
        haveTime = true;
        continue;
      }
      if (v.empty()) continue;  // holds the previous value
      const auto c = static_cast<std::size_t>(h.column);
      if (h.column == FlightColumn::action) {
        std::size_t start = 0;
        while ((start = v.find_first_not_of(" \t", start)) != std::string_view::npos) {
          const auto end = v.find_first_of(" \t", start);
          row.actions.emplace_back(v.substr(start, end - start));
          start = end;
        }
        continue;
      }
      if (h.column == FlightColumn::title) {
        row.held.title.assign(v);
      } else {
        const auto n = number(v);
        if (!n) fail(line, i + 1, names_[i], quoted(v) + " is not a number");
        checkRange(line, i + 1, h.column, *n);
        row.held.numbers[c] = *n;
      }
      row.held.setBy[c] = index;
    }
    if (!haveTime) fail(line, 0, "t", "no time");
    return row;
  }

 private:
  // Appended piece by piece: GCC 12 at -O3 takes the same text built with
  // operator+ for overlapping copies (-Wrestrict) and stops the build.
  static std::string quoted(std::string_view v) {
    std::string q;
    q.reserve(v.size() + 2);
    q += '"';
    q += v;
    q += '"';
    return q;
  }

  void checkRange(int line, std::size_t column, FlightColumn c, double v) const {
    const char* name = kNames[static_cast<std::size_t>(c)];
    switch (c) {
      case FlightColumn::ground:
      case FlightColumn::jet:
      case FlightColumn::sim:
        if (v != 0 && v != 1) fail(line, column, name, "must be 0 or 1");
        break;
      case FlightColumn::slew:
      case FlightColumn::rate:
        if (v < 0 || v > 65535 || v != std::floor(v)) {
          fail(line, column, name, "must be a whole number from 0 to 65535");
        }
        break;
      default: break;
    }
  }

  std::string file_;
  std::vector<HeaderCell> header_;
  std::vector<std::string> names_;
};

}  // namespace

const char* FlightFile::columnName(FlightColumn c) { return kNames[static_cast<std::size_t>(c)]; }

const FlightSample& FlightFile::defaults() {
  static const FlightSample d = [] {
    FlightSample s;
    s.numbers[static_cast<std::size_t>(FlightColumn::rate)] = 256;
    s.numbers[static_cast<std::size_t>(FlightColumn::sim)] = 1;
    s.setBy.fill(-1);
    return s;
  }();
  return d;
}

FlightFile FlightFile::parse(std::string_view text, const std::string& fileName) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  Parser parser(fileName);
  FlightFile file;
  bool haveHeader = false;
  int line = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto nl = text.find('\n', start);
    std::string_view l =
        text.substr(start, nl == std::string_view::npos ? text.size() - start : nl - start);
    start = nl == std::string_view::npos ? text.size() + 1 : nl + 1;
    ++line;
    if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
    if (trimmed(l).empty() || l.front() == '#') continue;
    if (!haveHeader) {
      parser.header(line, l);
      file.actionColumn_ = parser.columnOf(FlightColumn::action);
      haveHeader = true;
      continue;
    }
    const FlightRow* previous = file.rows_.empty() ? nullptr : &file.rows_.back();
    file.rows_.push_back(parser.row(line, l, previous, static_cast<int>(file.rows_.size())));
  }
  if (!haveHeader) parser.fail(std::max(line, 1), 0, "t", "no header line");
  return file;
}

FlightFile FlightFile::load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw FlightFileError(path + ": cannot be read");
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return parse(text, path);
}

int FlightFile::rowAt(double t) const {
  // The last row whose time has come.
  const auto it = std::upper_bound(rows_.begin(), rows_.end(), t,
                                   [](double v, const FlightRow& r) { return v < r.t; });
  return static_cast<int>(it - rows_.begin()) - 1;
}

const FlightSample& FlightFile::sampleAt(double t) const {
  const int i = rowAt(t);
  return i < 0 ? defaults() : rows_[static_cast<std::size_t>(i)].held;
}

}  // namespace aerotrace
