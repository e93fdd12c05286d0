#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "core/voice.h"

namespace aerotrace {

// A voice that tells a listener each text before the engine speaks it (the
// program's event log listens). Without an engine the texts are only heard,
// and the voice still counts as one that works; without a listener nobody
// hears them.
class HeardVoice final : public Voice {
 public:
  using Listener = std::function<void(const std::string&)>;
  HeardVoice(std::unique_ptr<Voice> engine, Listener listener)
      : engine_(std::move(engine)), listener_(std::move(listener)) {}

  void speak(const std::string& text) override {
    if (listener_) listener_(text);
    if (engine_) engine_->speak(text);
  }

 private:
  std::unique_ptr<Voice> engine_;
  Listener listener_;
};

}  // namespace aerotrace
