#pragma once

#include <cstdint>
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

}  // namespace aerotrace
