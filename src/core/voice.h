#pragma once

#include <memory>
#include <string>

namespace aerotrace {

// The speech engine. speak() returns at once; a text handed over while another
// is being spoken waits behind it. Failures stay inside: the pilot is never
// told that speech went wrong.
class Voice {
 public:
  virtual ~Voice() = default;
  virtual void speak(const std::string& text) = 0;
};

// The platform's speech engine, or nullptr when none can be reached.
std::unique_ptr<Voice> createSystemVoice();

}  // namespace aerotrace
