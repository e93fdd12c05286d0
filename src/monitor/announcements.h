#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/voice.h"
#include "monitor/tfh_state.h"

namespace aerotrace {

using VoiceFactory = std::function<std::unique_ptr<Voice>()>;

// Makes the voice once, when the main window is created. A factory that
// fails (nullptr or an exception) leaves the program without speech and says
// nothing about it.
void speechStartUp(TfHState& s, const VoiceFactory& makeVoice);

// Once the pilot is known: speech on when there is a voice, text on.
void switchSetUp(TfHState& s);

// Announces a monitor message under the Text and Speech switches and keeps
// it as the last message.
void announce(TfHState& s, const oLstMes& message, int seconds);

// "Repeat last message" (also the double click on the bar's title).
void repeatLastMessage(TfHState& s);

// The "Text" and "Speach" menu items.
void switchText(TfHState& s);
void switchSpeech(TfHState& s);

struct MessageMenuChecks {
  bool text = false;
  bool speech = false;
};
// The check marks the message menu shows when it opens.
MessageMenuChecks messageMenuChecks(const TfHState& s);

}  // namespace aerotrace
