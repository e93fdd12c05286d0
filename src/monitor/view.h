#pragma once

#include <string>

namespace aerotrace {

// What the monitor shows the pilot. The Qt windows implement it, and so does
// the event log that the replay prints.
class View {
 public:
  virtual ~View() = default;

  // The bar's title label, which doubles as the wait countdown.
  virtual std::string title() const = 0;
  virtual void setTitle(const std::string& text) = 0;
};

}  // namespace aerotrace
