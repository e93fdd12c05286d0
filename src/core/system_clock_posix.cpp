#include <time.h>

#include <chrono>

#include "core/clock.h"

namespace aerotrace {
namespace {

class PosixClock final : public Clock {
 public:
  DateTime utcNow() const override { return fromSysTime(std::chrono::system_clock::now()); }

  DateTime localNow() const override {
    const auto now = std::chrono::system_clock::now();
    const time_t secs = std::chrono::system_clock::to_time_t(now);
    struct tm local {};
    localtime_r(&secs, &local);
    const auto offset = std::chrono::seconds{local.tm_gmtoff};
    return fromSysTime(now + offset);
  }

  std::uint32_t tickCount() const override {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms.count()) & 0xFFFF'FFFFu);
  }
};

}  // namespace

std::unique_ptr<Clock> makeSystemClock() { return std::make_unique<PosixClock>(); }

}  // namespace aerotrace
