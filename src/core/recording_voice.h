#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/voice.h"

namespace aerotrace {

// A voice that keeps what it is asked to say: the replay prints it, the tests
// read it. It can also be told to fail, to check that failures stay silent.
class RecordingVoice final : public Voice {
 public:
  using Listener = std::function<void(const std::string&)>;

  void speak(const std::string& text) override;

  const std::vector<std::string>& spoken() const { return spoken_; }
  void clear() { spoken_.clear(); }
  void setFailing(bool failing) { failing_ = failing; }
  void setListener(Listener listener) { listener_ = std::move(listener); }

 private:
  std::vector<std::string> spoken_;
  Listener listener_;
  bool failing_ = false;
};

}  // namespace aerotrace
