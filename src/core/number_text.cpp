#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace aerotrace {

std::int32_t roundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  // nearbyint follows the default rounding mode: to nearest, ties to even.
  const double r = std::nearbyint(value);
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  constexpr double kMin = std::numeric_limits<std::int32_t>::min();
  if (r >= kMax) return std::numeric_limits<std::int32_t>::max();
  if (r <= kMin) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(r);
}

std::string formatFixed(double value, int decimals) {
  if (decimals < 0) decimals = 0;
  std::array<char, 64> buf{};
  if (!std::isfinite(value)) {
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    return std::string(buf.data(), res.ptr);
  }
  // Round the shortest decimal form of the value, not its exact binary
  // expansion: 0.35 shows as "0.4", as a reader expects, while a true half
  // still goes to the even digit (0.25 -> "0.2"). Never looks at the locale.
  const auto res =
      std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific);
  const std::string_view sci(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
  const bool negative = sci.front() == '-';
  const std::size_t ePos = sci.find('e');
  std::string digits;
  for (char c : sci.substr(0, ePos)) {
    if (c >= '0' && c <= '9') digits.push_back(c);
  }
  int exponent = 0;
  std::from_chars(sci.data() + ePos + (sci[ePos + 1] == '+' ? 2 : 1), sci.data() + sci.size(),
                  exponent);

  // digits[0] stands for 10^exponent; keep those down to 10^-decimals.
  const long keep = static_cast<long>(exponent) + 1 + decimals;
  std::string kept;
  bool roundUp = false;
  if (keep >= 0) {
    const auto k = static_cast<std::size_t>(keep);
    kept = digits.substr(0, std::min(k, digits.size()));
    kept.append(k > digits.size() ? k - digits.size() : 0, '0');
    if (k < digits.size()) {
      const std::string_view rest = std::string_view(digits).substr(k);
      const bool moreThanHalf =
          rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string::npos);
      const bool half = rest[0] == '5' && !moreThanHalf;
      const bool lastOdd = !kept.empty() && ((kept.back() - '0') % 2 == 1);
      roundUp = moreThanHalf || (half && lastOdd);
    }
  }
  if (roundUp) {
    std::size_t i = kept.size();
    while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
    if (i == 0) {
      kept.insert(kept.begin(), '1');
    } else {
      ++kept[i - 1];
    }
  }
  const auto places = static_cast<std::size_t>(decimals);
  if (kept.size() < places + 1) kept.insert(0, places + 1 - kept.size(), '0');
  std::string out;
  if (negative && kept.find_first_not_of('0') != std::string::npos) out.push_back('-');
  out.append(kept, 0, kept.size() - places);
  if (places > 0) {
    out.push_back('.');
    out.append(kept, kept.size() - places, places);
  }
  return out;
}

}  // namespace aerotrace
