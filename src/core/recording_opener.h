#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/document_opener.h"

namespace aerotrace {

// An opener that keeps the addresses it is handed, for the replay (which
// prints them) and the tests.
class RecordingOpener final : public DocumentOpener {
 public:
  using Listener = std::function<void(const std::string&)>;

  void open(const std::string& url) override {
    opened_.push_back(url);
    if (listener_) listener_(url);
  }

  const std::vector<std::string>& opened() const { return opened_; }
  void clear() { opened_.clear(); }
  void setListener(Listener listener) { listener_ = std::move(listener); }

 private:
  std::vector<std::string> opened_;
  Listener listener_;
};

}  // namespace aerotrace
