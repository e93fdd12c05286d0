#include "db/value.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string_view>

namespace aerotrace::db {
namespace {

std::string_view withoutBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

template <typename T>
std::optional<T> parseWhole(std::string_view s) {
  s = withoutBlanks(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  T value{};
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return std::nullopt;
  return value;
}

// Digits at s[pos, pos+n), or -1.
int digits(std::string_view s, std::size_t pos, std::size_t n) {
  if (pos + n > s.size()) return -1;
  int v = 0;
  for (std::size_t i = pos; i < pos + n; ++i) {
    if (s[i] < '0' || s[i] > '9') return -1;
    v = v * 10 + (s[i] - '0');
  }
  return v;
}

// "HH:MM:SS[.fff...]" at the start of s.
std::optional<double> timeOfDay(std::string_view s) {
  const int h = digits(s, 0, 2), m = digits(s, 3, 2), sec = digits(s, 6, 2);
  if (h < 0 || m < 0 || sec < 0 || s[2] != ':' || s[5] != ':') return std::nullopt;
  int ms = 0;
  if (s.size() > 8) {
    if (s[8] != '.') return std::nullopt;
    int scale = 100;
    for (std::size_t i = 9; i < s.size() && i < 12; ++i) {
      if (s[i] < '0' || s[i] > '9') return std::nullopt;
      ms += (s[i] - '0') * scale;
      scale /= 10;
    }
  }
  return encode({1899, 12, 30, h, m, sec, ms});
}

std::optional<DateTime> parseDateTime(std::string_view s) {
  s = withoutBlanks(s);
  if (s.size() >= 8 && s[2] == ':') return timeOfDay(s);
  const int y = digits(s, 0, 4), mo = digits(s, 5, 2), d = digits(s, 8, 2);
  if (y < 0 || mo < 1 || d < 1 || s[4] != '-' || s[7] != '-') return std::nullopt;
  const DateTime day = encode({y, mo, d, 0, 0, 0, 0});
  if (s.size() == 10) return day;
  if (s[10] != ' ' && s[10] != 'T') return std::nullopt;
  const auto t = timeOfDay(s.substr(11));
  if (!t) return std::nullopt;
  return day + *t;
}

std::int64_t saturated(double d) {
  if (std::isnan(d)) return 0;
  if (d >= 9.2e18) return std::numeric_limits<std::int64_t>::max();
  if (d <= -9.2e18) return std::numeric_limits<std::int64_t>::min();
  return std::llround(d);
}

}  // namespace

bool isNull(const Value& v) { return std::holds_alternative<std::monostate>(v); }

std::int64_t toInteger(const Value& v) {
  if (const auto* i = std::get_if<std::int64_t>(&v)) return *i;
  if (const auto* d = std::get_if<double>(&v)) return saturated(*d);
  if (const auto* s = std::get_if<std::string>(&v)) {
    if (auto i = parseWhole<std::int64_t>(*s)) return *i;
    if (auto d = parseWhole<double>(*s)) return saturated(*d);
    return 0;
  }
  if (const auto* t = std::get_if<Temporal>(&v)) return saturated(t->value);
  return 0;
}

double toFloat(const Value& v) {
  if (const auto* i = std::get_if<std::int64_t>(&v)) return static_cast<double>(*i);
  if (const auto* d = std::get_if<double>(&v)) return *d;
  if (const auto* s = std::get_if<std::string>(&v)) return parseWhole<double>(*s).value_or(0.0);
  if (const auto* t = std::get_if<Temporal>(&v)) return t->value;
  return 0;
}

std::string toText(const Value& v) {
  if (const auto* i = std::get_if<std::int64_t>(&v)) return std::to_string(*i);
  if (const auto* d = std::get_if<double>(&v)) {
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, *d);
    return ec == std::errc() ? std::string(buf, end) : std::string();
  }
  if (const auto* s = std::get_if<std::string>(&v)) return *s;
  if (const auto* t = std::get_if<Temporal>(&v)) return temporalText(*t);
  return {};
}

bool toBoolean(const Value& v) {
  if (const auto* s = std::get_if<std::string>(&v)) {
    const std::string_view t = withoutBlanks(*s);
    if (t.size() == 4 && (t[0] | 0x20) == 't' && (t[1] | 0x20) == 'r' && (t[2] | 0x20) == 'u' &&
        (t[3] | 0x20) == 'e') {
      return true;
    }
    return toFloat(v) != 0;
  }
  return toFloat(v) != 0;
}

DateTime toDateTime(const Value& v) {
  if (const auto* t = std::get_if<Temporal>(&v)) return t->value;
  if (const auto* s = std::get_if<std::string>(&v)) return parseDateTime(*s).value_or(0.0);
  return toFloat(v);
}

std::string temporalText(const Temporal& t) {
  const DateTimeParts p = decode(t.value);
  char buf[32];
  switch (t.kind) {
    case Temporal::Kind::Date:
      std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", p.year, p.month, p.day);
      break;
    case Temporal::Kind::Time:
      std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", p.hour, p.minute, p.second);
      break;
    case Temporal::Kind::DateTime:
      std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day,
                    p.hour, p.minute, p.second);
      break;
  }
  return buf;
}

}  // namespace aerotrace::db
