#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "core/document_opener.h"

namespace aerotrace {

// An opener that tells a listener each address before the system opens it
// (the program's event log listens). Without a system opener the addresses
// are only heard; without a listener nobody hears them.
class HeardOpener final : public DocumentOpener {
 public:
  using Listener = std::function<void(const std::string&)>;
  HeardOpener(std::unique_ptr<DocumentOpener> system, Listener listener)
      : system_(std::move(system)), listener_(std::move(listener)) {}

  void open(const std::string& url) override {
    if (listener_) listener_(url);
    if (system_) system_->open(url);
  }

 private:
  std::unique_ptr<DocumentOpener> system_;
  Listener listener_;
};

}  // namespace aerotrace
