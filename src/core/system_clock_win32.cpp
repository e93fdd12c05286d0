#include <windows.h>

#include "core/clock.h"

namespace aerotrace {
namespace {

DateTime fromSystemTime(const SYSTEMTIME& st) {
  DateTimeParts p;
  p.year = st.wYear;
  p.month = st.wMonth;
  p.day = st.wDay;
  p.hour = st.wHour;
  p.minute = st.wMinute;
  p.second = st.wSecond;
  p.millisecond = st.wMilliseconds;
  return encode(p);
}

class Win32Clock final : public Clock {
 public:
  DateTime utcNow() const override {
    SYSTEMTIME st;
    GetSystemTime(&st);
    return fromSystemTime(st);
  }

  DateTime localNow() const override {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return fromSystemTime(st);
  }

  std::uint32_t tickCount() const override { return GetTickCount(); }
};

}  // namespace

std::unique_ptr<Clock> makeSystemClock() { return std::make_unique<Win32Clock>(); }

}  // namespace aerotrace
