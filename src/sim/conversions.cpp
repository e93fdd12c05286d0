#include "sim/conversions.h"

#include <array>

#include "core/text.h"

namespace aerotrace {

std::int64_t rawInteger(std::span<const std::uint8_t> bytes) {
  std::array<std::uint8_t, 8> buf{};
  const std::size_t n = bytes.size() < buf.size() ? bytes.size() : buf.size();
  for (std::size_t i = 0; i < n; ++i) buf[i] = bytes[i];
  std::uint64_t u = 0;
  for (std::size_t i = 0; i < buf.size(); ++i) u |= std::uint64_t{buf[i]} << (8 * i);
  return static_cast<std::int64_t>(u);
}

std::string aircraftTitleFromBytes(std::span<const std::uint8_t> bytes) {
  std::string title;
  title.reserve(bytes.size());
  for (std::uint8_t b : bytes) {
    if (b != 0) title.push_back(static_cast<char>(b));
  }
  return replacedAll(title, ".acf", "");
}

namespace {
double real(std::int64_t r) { return static_cast<double>(r); }
}  // namespace

double simRateFromRaw(std::int64_t r) { return real(r); }
Flag onGroundFromRaw(std::int64_t r) { return r == 1; }
double headingFromRaw(std::int64_t r) { return real(r) * 360.0 / 4294967296.0; }
double iasFromRaw(std::int64_t r) { return real(r) / 128.0; }
double altitudeFromRaw(std::int64_t r) {
  return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(r)));
}
double qnhFromRaw(std::int64_t r) { return real(r) / 16.0; }
double groundSpeedFromRaw(std::int64_t r) { return real(r) / 65536.0 * 1.94384449; }
double longitudeFromRaw(std::int64_t r) { return real(r) * 360.0 / 18446744073709551616.0; }
double latitudeFromRaw(std::int64_t r) { return real(r) * 90.0 / 42957189152768000.0; }
Flag engineIsJetFromRaw(std::int64_t r) { return r == 1; }
double tankLevelFromRaw(std::int64_t r) { return real(r) * 100.0 / 8388608.0; }
double tankCapacityFromRaw(std::int64_t r) { return real(r); }

void applyLoadReading(FlightData& fd, std::optional<std::uint32_t> raw) {
  if (raw) fd.gLoad = (static_cast<double>(*raw) - 624.0) / 624.0;
  double v = fd.gLoad;
  if (v > 99.9999) v -= 105.0;
  if (v > 80.0 && v < 100.0) v = -6.0;
  fd.gLoad = v;
  if (fd.gMax < fd.gLoad) fd.gMax = fd.gLoad;
  if (fd.gMin > fd.gLoad) fd.gMin = fd.gLoad;
}

double fuelTotalFromTanks(const std::array<FuelTank, kTankCount>& tanks) {
  double sum = 0;
  for (const FuelTank& t : tanks) {
    if (t.level > 0) sum += t.capacity / 100.0 * t.level;
  }
  return sum * 3.78541178;
}

}  // namespace aerotrace
