// The Linux voice: speech-dispatcher through libspeechd. Messages are queued
// at message priority, so a new text waits until the previous one is spoken.
#include <libspeechd.h>

#include <string>

#include "core/voice.h"

namespace aerotrace {
namespace {

bool isUtf8(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t len = c < 0x80           ? 1
                      : (c >> 5) == 0x6  ? 2
                      : (c >> 4) == 0xE  ? 3
                      : (c >> 3) == 0x1E ? 4
                                         : 0;
    if (len == 0 || i + len > s.size()) return false;
    for (std::size_t k = 1; k < len; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return false;
    }
    i += len;
  }
  return true;
}

// Texts come as 8-bit bytes; speech-dispatcher wants UTF-8. Bytes that are not
// UTF-8 already are taken as Latin-1.
std::string toUtf8(const std::string& s) {
  if (isUtf8(s)) return s;
  std::string out;
  out.reserve(s.size() * 2);
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out.push_back(ch);
    } else {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

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
