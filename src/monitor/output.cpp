#include "monitor/output.h"

#include <algorithm>

namespace aerotrace {

void speakText(TfHState& s, const std::string& text) {
  if (!s.voice) return;
  try {
    s.voice->speak(text);
  } catch (...) {
    // Speech is a courtesy; a broken engine must never disturb the flight.
  }
}

bool showSimText(TfHState& s, const std::string& text, std::int32_t seconds) {
  FlightData& fd = s.flightData;
  constexpr std::size_t kChars = 127;
  const std::size_t n = std::min(text.size(), kChars);
  std::copy_n(text.begin(), n, fd.simText.begin());
  std::fill(fd.simText.begin() + static_cast<std::ptrdiff_t>(n),
            fd.simText.begin() + static_cast<std::ptrdiff_t>(kChars), ' ');
  fd.simTextSeconds = seconds;
  fd.simTextPending = true;
  return true;
}

}  // namespace aerotrace
