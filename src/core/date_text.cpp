#include "core/date_text.h"

#include <cstdio>

namespace aerotrace {
namespace {

std::string twoDigits(int v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", v);
  return buf;
}

std::string fourDigits(int v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d", v);
  return buf;
}

}  // namespace

std::string formatDayMonthYear(DateTime t) {
  const DateTimeParts p = decode(t);
  return twoDigits(p.day) + "-" + twoDigits(p.month) + "-" + fourDigits(p.year);
}

std::string formatYearMonthDay(DateTime t) {
  const DateTimeParts p = decode(t);
  return fourDigits(p.year) + "/" + twoDigits(p.month) + "/" + twoDigits(p.day);
}

std::string formatHourMinute(DateTime t) {
  const DateTimeParts p = decode(t);
  return twoDigits(p.hour) + ":" + twoDigits(p.minute);
}

}  // namespace aerotrace
