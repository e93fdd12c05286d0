#include "standin/standin_simulator.h"

#include <algorithm>
#include <cstring>

#include "sim/inverse_conversions.h"
#include "sim/ipc_protocol.h"
#include "sim/offsets.h"

namespace aerotrace {

namespace {

constexpr std::size_t kSpace = 0x10000;
constexpr std::uint32_t kServerVersionAt = 0x3304;
constexpr std::uint32_t kSimulatorVersionAt = 0x3308;
constexpr std::uint32_t kClientVersionAt = 0x330A;
constexpr std::uint32_t kSlewAt = 0x05DC;
constexpr std::uint32_t kTextAt = 0x3380;
constexpr std::uint32_t kTextSize = 128;
constexpr std::uint32_t kTextSecondsAt = 0x32FA;

template <typename T>
void put(std::vector<std::uint8_t>& image, std::uint32_t at, T v) {
  std::memcpy(image.data() + at, &v, sizeof v);
}

bool overlaps(std::uint32_t at, std::size_t size, std::uint32_t from, std::uint32_t to) {
  return at < to && std::uint64_t{at} + size > from;
}

}  // namespace

StandInSimulator::StandInSimulator(FlightFile flight, StandInOptions options)
    : flight_(std::move(flight)), options_(std::move(options)), image_(kSpace, 0) {}

bool StandInSimulator::present() const { return flight_.sampleAt(t_)[FlightColumn::sim] == 1; }

double StandInSimulator::overridden(Override& o, FlightColumn c, const FlightSample& s) {
  if (o.active && s.lastSetBy(c) > o.row) o.active = false;
  return o.active ? o.value : s[c];
}

void StandInSimulator::refresh() {
  const FlightSample& s = flight_.sampleAt(t_);
  using C = FlightColumn;
  const auto title = rawTitle(s.title);
  std::copy(title.begin(), title.end(), image_.begin() + offsets::kAircraftTitle.address);
  put(image_, offsets::kSimRate.address, static_cast<std::uint16_t>(overridden(rate_, C::rate, s)));
  put(image_, kSlewAt, static_cast<std::uint16_t>(overridden(slew_, C::slew, s)));
  put(image_, offsets::kOnGround.address, rawOnGround(s[C::ground] == 1));
  put(image_, offsets::kHeading.address, rawHeading(s[C::hdg]));
  put(image_, offsets::kIas.address, rawIas(s[C::ias]));
  put(image_, offsets::kAltitude.address, rawAltitude(s[C::alt]));
  put(image_, offsets::kLoad.address, rawLoad(s[C::g]));
  put(image_, offsets::kQnh.address, rawQnh(s[C::qnh]));
  put(image_, offsets::kGroundSpeed.address, rawGroundSpeed(s[C::gs]));
  put(image_, offsets::kLongitude.address, rawLongitude(s[C::lon]));
  put(image_, offsets::kLatitude.address, rawLatitude(s[C::lat]));
  put(image_, offsets::kEngineType.address, rawEngineIsJet(s[C::jet] == 1));
  // All the fuel in the centre tank, the other tanks empty.
  for (const auto& tank : offsets::kTanks) {
    put(image_, tank.level.address, std::uint32_t{0});
    put(image_, tank.capacity.address, std::uint32_t{0});
  }
  const RawTank centre = rawTankHolding(s[C::fuel]);
  put(image_, offsets::kTanks[0].level.address, centre.level);
  put(image_, offsets::kTanks[0].capacity.address, centre.capacity);
  put(image_, kServerVersionAt, options_.serverVersion);
  put(image_, kSimulatorVersionAt, options_.simulatorVersion);
}

void StandInSimulator::read(std::uint32_t offset, std::span<std::uint8_t> out) const {
  std::fill(out.begin(), out.end(), std::uint8_t{0});
  if (offset >= kSpace) return;
  const std::size_t n = std::min<std::size_t>(out.size(), kSpace - offset);
  std::copy_n(image_.begin() + offset, n, out.begin());
}

void StandInSimulator::record(SimWrite w) {
  w.t = t_;
  writes_.push_back(w);
  if (listener_) listener_(writes_.back());
}

void StandInSimulator::emitText() {
  SimWrite w;
  w.what = SimWrite::What::text;
  w.text = pendingText_;
  w.seconds = textSeconds_;
  record(std::move(w));
}

void StandInSimulator::write(std::uint32_t offset, std::span<const std::uint8_t> data,
                             bool& textWritten) {
  const auto u16 = [&] {
    std::uint16_t v = 0;
    std::memcpy(&v, data.data(), std::min<std::size_t>(data.size(), 2));
    return v;
  };
  // The versions are the server's own; the client's version is kept apart
  // so that it never shows through the simulator's version.
  if (offset == kClientVersionAt && data.size() == 2) {
    clientVersion_ = u16();
    return;
  }
  if (overlaps(offset, data.size(), kServerVersionAt, kSimulatorVersionAt + 4)) return;

  if (offset < kSpace) {
    const std::size_t n = std::min<std::size_t>(data.size(), kSpace - offset);
    std::copy_n(data.begin(), n, image_.begin() + offset);
  }
  const int row = flight_.rowAt(t_);
  if (offset == kSlewAt && data.size() == 2) {
    slew_ = {true, u16(), row};
    record({0, SimWrite::What::slew, {}, 0});
  } else if (offset == offsets::kSimRate.address && data.size() == 2) {
    rate_ = {true, u16(), row};
    record({0, SimWrite::What::rate, {}, 0});
  } else if (offset == kTextAt && data.size() <= kTextSize) {
    std::string text(data.begin(), data.end());
    text = text.substr(0, text.find('\0'));
    text.erase(text.find_last_not_of(' ') + 1);
    pendingText_ = text;
    textWritten = true;
  } else if (offset == kTextSecondsAt && data.size() == 2) {
    textSeconds_ = u16();
    // The seconds follow the text and make it show.
    if (textWritten) {
      emitText();
      textWritten = false;
    }
  }
}

std::uint32_t StandInSimulator::serveBlock(std::span<std::uint8_t> block) {
  ++blocksServed_;
  refresh();
  bool textWritten = false;
  std::uint32_t answer = 0;
  std::size_t pos = 0;
  for (;;) {
    if (pos + 4 > block.size()) break;
    const std::uint32_t id = ipc::load32(&block[pos]);
    if (id == 0) {
      answer = 1;
      break;
    }
    const std::size_t header = id == ipc::kReadId ? ipc::kReadHeader : ipc::kWriteHeader;
    if ((id != ipc::kReadId && id != ipc::kWriteId) || pos + header > block.size()) break;
    const std::uint32_t offset = ipc::load32(&block[pos + 4]);
    const std::uint32_t size = ipc::load32(&block[pos + 8]);
    if (size > block.size() - pos - header) break;
    const auto data = block.subspan(pos + header, size);
    if (id == ipc::kReadId) {
      read(offset, data);
    } else {
      write(offset, data, textWritten);
    }
    pos += header + size;
  }
  if (textWritten) emitText();
  return answer;
}

}  // namespace aerotrace
