#include "sim/inverse_conversions.h"

#include <algorithm>
#include <cmath>

namespace aerotrace {

namespace {

constexpr double kTwo32 = 4294967296.0;
constexpr double kTwo64 = 18446744073709551616.0;
constexpr double kGallonLitres = 3.78541178;

std::uint32_t unsigned32(double v) {
  const double r = std::round(v);
  if (r <= 0) return 0;
  if (r >= kTwo32 - 1) return 0xFFFFFFFFu;
  return static_cast<std::uint32_t>(r);
}

std::int64_t signed64(double v) {
  // Kept inside the signed range so that the cast is defined.
  const double r = std::round(v);
  if (r >= 9.2233720368547748e18) return INT64_MAX;
  if (r <= -9.2233720368547758e18) return INT64_MIN;
  return static_cast<std::int64_t>(r);
}

}  // namespace

std::uint32_t rawHeading(double degrees) {
  double d = std::fmod(degrees, 360.0);
  if (d < 0) d += 360.0;
  const double r = std::round(d / 360.0 * kTwo32);
  return r >= kTwo32 ? 0u : static_cast<std::uint32_t>(r);
}

std::uint32_t rawIas(double knots) { return unsigned32(knots * 128.0); }

std::uint32_t rawAltitude(double feet) {
  const double r = std::clamp(std::round(feet), -2147483648.0, 2147483647.0);
  return static_cast<std::uint32_t>(static_cast<std::int32_t>(r));
}

std::uint16_t rawQnh(double hectopascals) {
  return static_cast<std::uint16_t>(
      std::min<std::uint32_t>(unsigned32(hectopascals * 16.0), 0xFFFF));
}

std::uint32_t rawGroundSpeed(double knots) { return unsigned32(knots / 1.94384449 * 65536.0); }

std::int64_t rawLongitude(double degrees) {
  double d = std::fmod(degrees + 180.0, 360.0);
  if (d < 0) d += 360.0;
  return signed64((d - 180.0) / 360.0 * kTwo64);
}

std::int64_t rawLatitude(double degrees) { return signed64(degrees * 42957189152768000.0 / 90.0); }

std::uint16_t rawOnGround(bool onGround) { return onGround ? 1 : 0; }
std::uint8_t rawEngineIsJet(bool jet) { return jet ? 1 : 0; }

std::uint32_t rawLoad(double g) {
  if (g >= -1.0) return unsigned32((std::min(g, 80.0) + 1.0) * 624.0);
  // (r - 624) / 624 above 99.9999 loses 105 in the rule.
  if (g > -5.0) return unsigned32((g + 106.0) * 624.0);
  return unsigned32(91.0 * 624.0);  // lands in the rule's -6 band
}

RawTank rawTankHolding(double litres) {
  if (!(litres > 0)) return {};
  const double gallons = litres / kGallonLitres;
  const double capacity = std::max(1.0, std::ceil(gallons));
  return {unsigned32(gallons / capacity * 8388608.0), unsigned32(capacity)};
}

std::vector<std::uint8_t> rawTitle(const std::string& title) {
  std::vector<std::uint8_t> buf(256, 0);
  const std::size_t n = std::min<std::size_t>(title.size(), 255);
  std::copy_n(title.begin(), n, buf.begin());
  return buf;
}

}  // namespace aerotrace
