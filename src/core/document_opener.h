#pragma once

#include <memory>
#include <string>

namespace aerotrace {

// Hands a web address (or a document) to the system, which opens it in the
// program the user has chosen for it. open() returns at once; whether that
// works is never examined.
class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  virtual void open(const std::string& url) = 0;
};

// The platform's opener: the shell's "open" verb on Windows, xdg-open on
// Linux.
std::unique_ptr<DocumentOpener> createSystemDocumentOpener();

}  // namespace aerotrace
