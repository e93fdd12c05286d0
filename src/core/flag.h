#pragma once

#include <cstdint>

namespace aerotrace {

// A truth value kept as a 32-bit integer: -1 for true, 0 for false, and any
// non-zero value reads as true. The records and the flight-data block store
// their flags this way.
class Flag {
 public:
  constexpr Flag() = default;
  constexpr Flag(bool value) : raw_(value ? -1 : 0) {}  // NOLINT: implicit on purpose
  Flag(int) = delete;  // say true/false, or fromRaw for a stored integer

  static constexpr Flag fromRaw(std::int32_t raw) {
    Flag f;
    f.raw_ = raw;
    return f;
  }

  constexpr explicit operator bool() const { return raw_ != 0; }
  constexpr std::int32_t raw() const { return raw_; }

  // Flags compare by truth, not by their stored integers.
  friend constexpr bool operator==(Flag a, Flag b) {
    return static_cast<bool>(a) == static_cast<bool>(b);
  }

 private:
  std::int32_t raw_ = 0;
};

static_assert(sizeof(Flag) == 4);

}  // namespace aerotrace
