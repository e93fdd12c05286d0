#include "monitor/output.h"

#include <algorithm>
#include <map>

namespace aerotrace {
namespace {

std::map<const TfHState*, SimTextListening::Listener>& simTextListeners() {
  static std::map<const TfHState*, SimTextListening::Listener> listeners;
  return listeners;
}

}  // namespace

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
  const auto& listeners = simTextListeners();
  if (const auto it = listeners.find(&s); it != listeners.end()) {
    std::string shown(fd.simText.data(), kChars);
    shown.erase(shown.find_last_not_of(' ') + 1);
    it->second(shown, seconds);
  }
  return true;
}

SimTextListening::SimTextListening(const TfHState& s, Listener listener) : state_(&s) {
  simTextListeners()[state_] = std::move(listener);
}

SimTextListening::~SimTextListening() { simTextListeners().erase(state_); }

}  // namespace aerotrace
