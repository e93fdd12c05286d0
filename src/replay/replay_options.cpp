#include "replay/replay_options.h"

#include <charconv>
#include <cmath>

namespace aerotrace {
namespace {

bool digits(const std::string& s, std::size_t at, std::size_t n, int& out) {
  if (at + n > s.size()) return false;
  out = 0;
  for (std::size_t i = at; i < at + n; ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    out = out * 10 + (s[i] - '0');
  }
  return true;
}

template <typename T>
std::optional<T> numberArg(const std::string& v) {
  T out{};
  const auto r = std::from_chars(v.data(), v.data() + v.size(), out);
  if (r.ec != std::errc() || r.ptr != v.data() + v.size()) return std::nullopt;
  return out;
}

int daysIn(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

std::optional<DateTime> parseUtcInstant(const std::string& text) {
  DateTimeParts p;
  if (!digits(text, 0, 4, p.year) || text.size() < 19 || text[4] != '-' ||
      !digits(text, 5, 2, p.month) || text[7] != '-' || !digits(text, 8, 2, p.day) ||
      (text[10] != 'T' && text[10] != 't' && text[10] != ' ') || !digits(text, 11, 2, p.hour) ||
      text[13] != ':' || !digits(text, 14, 2, p.minute) || text[16] != ':' ||
      !digits(text, 17, 2, p.second)) {
    return std::nullopt;
  }
  std::size_t at = 19;
  if (at < text.size() && text[at] == '.') {
    ++at;
    int scale = 100;
    const std::size_t first = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
      p.millisecond += (text[at] - '0') * scale;
      scale /= 10;
      ++at;
    }
    if (at == first) return std::nullopt;
  }
  if (at < text.size() && (text[at] == 'Z' || text[at] == 'z')) ++at;
  if (at != text.size()) return std::nullopt;
  if (p.year < 1900 || p.month < 1 || p.month > 12 || p.day < 1 ||
      p.day > daysIn(p.year, p.month) || p.hour > 23 || p.minute > 59 || p.second > 59) {
    return std::nullopt;
  }
  return encode(p);
}

ReplayOptions parseReplayArguments(const std::vector<std::string>& args) {
  ReplayOptions o;
  o.start = *parseUtcInstant("2026-01-01T12:00:00Z");
  const auto fail = [](const std::string& what) { throw ReplayInputError(what); };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) fail(a + " wants a value");
      return args[++i];
    };
    if (a == "--tours") {
      o.toursUrl = value();
    } else if (a == "--airports") {
      o.airportsPath = value();
    } else if (a == "--vid") {
      o.vid = value();
    } else if (a == "--start") {
      const std::string& v = value();
      const auto t = parseUtcInstant(v);
      if (!t) fail("--start wants a UTC instant such as 2026-01-01T12:00:00Z, not \"" + v + "\"");
      o.start = *t;
    } else if (a == "--utc-offset") {
      const std::string& v = value();
      const auto m = numberArg<int>(v);
      if (!m || *m < -24 * 60 || *m > 24 * 60) {
        fail("--utc-offset wants whole minutes from -1440 to 1440, not \"" + v + "\"");
      }
      o.utcOffsetMinutes = *m;
    } else if (a == "--tick") {
      const std::string& v = value();
      const auto s = numberArg<double>(v);
      // The timer alone takes 0.1 s from a pass to the next tick.
      if (!s || !std::isfinite(*s) || *s < 0.1 || *s > 3600) {
        fail("--tick wants seconds from 0.1 to 3600, not \"" + v + "\"");
      }
      o.tickSeconds = *s;
    } else if (a == "--data-dir") {
      o.dataDir = value();
      if (o.dataDir.empty()) fail("--data-dir wants a folder");
    } else if (a == "--summary") {
      o.summary = true;
    } else if (a.starts_with("--") || !o.flightPath.empty()) {
      fail("unknown argument \"" + a + "\"");
    } else {
      o.flightPath = a;
    }
  }
  if (o.flightPath.empty()) fail("no flight file given");
  return o;
}

}  // namespace aerotrace
