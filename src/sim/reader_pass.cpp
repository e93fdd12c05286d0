#include "sim/reader_pass.h"

#include <array>
#include <cstring>
#include <optional>

#include "core/messages.h"
#include "sim/conversions.h"
#include "sim/offsets.h"

namespace aerotrace {

namespace {

constexpr std::uint32_t kSimTextOffset = 0x3380;
constexpr std::uint32_t kSimTextSecondsOffset = 0x32FA;
constexpr offsets::Offset kSlew{0x05DC, 2};

// The raw bytes of a read, to be converted by the caller.
struct Raw {
  std::array<std::uint8_t, 8> bytes{};
  std::uint32_t size;
  std::int64_t value() const { return rawInteger(std::span(bytes.data(), size)); }
};

}  // namespace

bool RWFSUIPC::readValue(std::uint32_t offset, std::uint32_t size, void* destination) {
  IpcResult r;
  return ipc_.ipcRead(offset, size, destination, r) && ipc_.ipcProcess(r);
}

ReaderPassResult RWFSUIPC::Execute(FlightData& fd, const ReaderPassInputs& inputs) {
  ReaderPassResult out;
  IpcResult r;
  if (!ipc_.ipcOpen(0, r)) {
    fd.simConnected = false;
    return out;
  }
  fd.simConnected = true;
  out.opened = true;

  // A value is stored only when its read and exchange both succeeded.
  auto read = [&](offsets::Offset o) -> std::optional<std::int64_t> {
    Raw raw{{}, o.size};
    if (!readValue(o.address, o.size, raw.bytes.data())) return std::nullopt;
    return raw.value();
  };

  std::array<std::uint8_t, offsets::kAircraftTitle.size> title{};
  if (readValue(offsets::kAircraftTitle.address, offsets::kAircraftTitle.size, title.data())) {
    fd.aircraftTitle = aircraftTitleFromBytes(title);
  }

  // The outbox rides on the slew read's exchange. The flag is cleared
  // before the bytes are taken, so a text written meanwhile stays pending.
  if (fd.simTextPending) {
    fd.simTextPending = false;
    const std::uint16_t seconds = static_cast<std::uint16_t>(fd.simTextSeconds & 0xFFFF);
    ipc_.ipcWrite(kSimTextOffset, static_cast<std::uint32_t>(fd.simText.size()), fd.simText.data(),
                  r);
    ipc_.ipcWrite(kSimTextSecondsOffset, 2, &seconds, r);
  }

  if (const auto slew = read(kSlew); slew && *slew == 1 && inputs.legActive) {
    const std::uint16_t off = kSlewOff;
    ipc_.ipcWrite(kSlew.address, kSlew.size, &off, r);
    if (inputs.speechEnabled) out.spoken.emplace_back(msg::kSlewNotAllowed);
  }

  if (const auto rate = read(offsets::kSimRate)) {
    fd.simRate = simRateFromRaw(*rate);
    if (fd.simRate > kNormalRate) {
      const std::uint16_t normal = kNormalRate;
      ipc_.ipcWrite(offsets::kSimRate.address, offsets::kSimRate.size, &normal, r);
      if (inputs.speechEnabled) out.spoken.emplace_back(msg::kSimRateTooHigh);
    }
  }

  if (const auto v = read(offsets::kOnGround)) fd.onGround = onGroundFromRaw(*v);
  if (const auto v = read(offsets::kHeading)) fd.heading = headingFromRaw(*v);
  if (const auto v = read(offsets::kIas)) fd.ias = iasFromRaw(*v);
  if (const auto v = read(offsets::kAltitude)) fd.altitude = altitudeFromRaw(*v);
  const auto load = read(offsets::kLoad);
  applyLoadReading(fd, load ? std::optional(static_cast<std::uint32_t>(*load)) : std::nullopt);
  if (const auto v = read(offsets::kQnh)) fd.qnh = qnhFromRaw(*v);
  if (const auto v = read(offsets::kGroundSpeed)) fd.groundSpeed = groundSpeedFromRaw(*v);
  if (const auto v = read(offsets::kLongitude)) fd.longitude = longitudeFromRaw(*v);
  if (const auto v = read(offsets::kLatitude)) fd.latitude = latitudeFromRaw(*v);
  if (const auto v = read(offsets::kEngineType)) fd.engineIsJet = engineIsJetFromRaw(*v);

  fd.fuelTotal = 0;
  for (std::size_t i = 0; i < kTankCount; ++i) {
    if (const auto v = read(offsets::kTanks[i].level)) fd.tanks[i].level = tankLevelFromRaw(*v);
    if (const auto v = read(offsets::kTanks[i].capacity)) {
      fd.tanks[i].capacity = tankCapacityFromRaw(*v);
    }
  }
  fd.fuelTotal = fuelTotalFromTanks(fd.tanks);

  ipc_.ipcClose();
  return out;
}

}  // namespace aerotrace
