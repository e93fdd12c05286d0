#include "core/recording_voice.h"

#include <stdexcept>

namespace aerotrace {

void RecordingVoice::speak(const std::string& text) {
  if (failing_) throw std::runtime_error("speech engine failed");
  spoken_.push_back(text);
  if (listener_) listener_(text);
}

}  // namespace aerotrace
