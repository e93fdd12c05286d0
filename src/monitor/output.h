#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "monitor/tfh_state.h"

namespace aerotrace {

// The two ways a message leaves the program. Neither looks at the Text and
// Speech switches: the callers do.

// Hands the text to the voice; does nothing without one, and a failing voice
// is ignored.
void speakText(TfHState& s, const std::string& text);

// Puts the text in the simulator outbox for the next reader pass: padded with
// blanks, cut to 127 characters, the last byte left zero; a text not yet sent
// is replaced.
bool showSimText(TfHState& s, const std::string& text, std::int32_t seconds);

// Hears every text put in the outbox of one state, as it stands there
// without its padding, while the object lives (the replay's event log
// listens). Window thread only, like the outbox's writer.
class SimTextListening {
 public:
  using Listener = std::function<void(const std::string& text, std::int32_t seconds)>;
  SimTextListening(const TfHState& s, Listener listener);
  ~SimTextListening();
  SimTextListening(const SimTextListening&) = delete;
  SimTextListening& operator=(const SimTextListening&) = delete;

 private:
  const TfHState* state_;
};

}  // namespace aerotrace
