#pragma once

#include <string>

namespace aerotrace {

class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  virtual void open(const std::string& url) = 0;
};

}  // namespace aerotrace
