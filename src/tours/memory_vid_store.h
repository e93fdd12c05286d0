#pragma once

#include <string>

#include "tours/vid_store.h"

namespace aerotrace {

// A VID store in memory; it can be told to refuse writes.
class MemoryVidStore final : public VidStore {
 public:
  explicit MemoryVidStore(std::string vid = {}) : vid_(std::move(vid)) {}
  std::string read() override { return vid_; }
  bool write(const std::string& vid) override {
    if (failing_) return false;
    vid_ = vid;
    ++writes_;
    return true;
  }
  void setFailing(bool failing) { failing_ = failing; }
  int writes() const { return writes_; }

 private:
  std::string vid_;
  bool failing_ = false;
  int writes_ = 0;
};

}  // namespace aerotrace
