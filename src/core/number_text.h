#pragma once

#include <cstdint>
#include <string>

namespace aerotrace {

// Nearest integer, halves to the even neighbour. Values beyond the 32-bit
// range saturate; NaN gives 0.
std::int32_t roundHalfEven(double value);

// `value` with exactly `decimals` digits after a "." (none for 0), whatever
// the locale. Rounds the value's shortest decimal form to nearest, a half
// going to the even digit.
// Patterns "0", "0.0", "0.000" are decimals 0, 1, 3. A value that rounds to
// zero is written without a minus sign.
std::string formatFixed(double value, int decimals);

}  // namespace aerotrace
