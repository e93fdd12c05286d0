#pragma once

#include <string>

namespace aerotrace {

// A write of the program that reached the stand-in simulator.
struct SimWrite {
  enum class What { text, slew, rate };
  double t = 0;  // flight time, seconds
  What what = What::text;
  std::string text;  // for a text: without its padding
  int seconds = 0;   // for a text: how long it is shown
};

// The `sim-write` event line (JSON, no newline).
std::string simWriteEventLine(const SimWrite& w);

}  // namespace aerotrace
