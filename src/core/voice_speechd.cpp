// The Linux voice: speech-dispatcher through libspeechd. Messages are queued
// at message priority, so a new text waits until the previous one is spoken.
#include <libspeechd.h>

#include <string>

#include "core/text.h"
#include "core/voice.h"

namespace aerotrace {
namespace {

class SpeechDispatcherVoice final : public Voice {
 public:
  explicit SpeechDispatcherVoice(SPDConnection* connection) : connection_(connection) {}
  ~SpeechDispatcherVoice() override { spd_close(connection_); }
  SpeechDispatcherVoice(const SpeechDispatcherVoice&) = delete;
  SpeechDispatcherVoice& operator=(const SpeechDispatcherVoice&) = delete;

  void speak(const std::string& text) override {
    // A refused message is dropped without a word, like any speech failure.
    (void)spd_say(connection_, SPD_MESSAGE, toUtf8(text).c_str());
  }

 private:
  SPDConnection* connection_;
};

}  // namespace

std::unique_ptr<Voice> createSystemVoice() {
  char* error = nullptr;
  // The address comes from SPEECHD_ADDRESS when set, else the user's daemon,
  // which is started when it is not running.
  SPDConnection* connection =
      spd_open2("aerotrace", "main", nullptr, SPD_MODE_THREADED, nullptr, 1, &error);
  if (error != nullptr) free(error);
  if (connection == nullptr) return nullptr;
  return std::make_unique<SpeechDispatcherVoice>(connection);
}

}  // namespace aerotrace
