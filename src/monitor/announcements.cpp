#include "monitor/announcements.h"

#include "core/messages.h"
#include "monitor/output.h"

namespace aerotrace {

void speechStartUp(TfHState& s, const VoiceFactory& makeVoice) {
  s.voice.reset();
  try {
    if (makeVoice) s.voice = makeVoice();
  } catch (...) {
    s.voice.reset();
  }
  s.speechAvailable = s.voice != nullptr;
}

void switchSetUp(TfHState& s) {
  s.speechEnabled = s.speechAvailable;
  s.textEnabled = true;
}

void announce(TfHState& s, const oLstMes& message, int seconds) {
  if (s.textEnabled) showSimText(s, message.Text, seconds);
  if (s.speechEnabled) speakText(s, message.Speech);
  s.lastMessage = message;
}

void repeatLastMessage(TfHState& s) {
  if (s.lastMessage.Text.empty()) {
    s.lastMessage.Text = msg::kNoLastMessage;
    s.lastMessage.Speech = msg::kNoLastMessage;
  }
  if (s.textEnabled) showSimText(s, s.lastMessage.Text, msg::kRepeatSeconds);
  if (s.speechEnabled) speakText(s, s.lastMessage.Speech);
}

void switchText(TfHState& s) { s.textEnabled = !s.textEnabled; }

void switchSpeech(TfHState& s) { s.speechEnabled = !s.speechEnabled; }

MessageMenuChecks messageMenuChecks(const TfHState& s) {
  return {static_cast<bool>(s.textEnabled), static_cast<bool>(s.speechEnabled)};
}

}  // namespace aerotrace
