// The Windows opener: the shell's "open" verb, in a normal window. The
// shell's answer is not looked at.
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include "core/document_opener.h"

namespace aerotrace {
namespace {

class ShellOpener final : public DocumentOpener {
 public:
  void open(const std::string& url) override {
    (void)ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }
};

}  // namespace

std::unique_ptr<DocumentOpener> createSystemDocumentOpener() {
  return std::make_unique<ShellOpener>();
}

}  // namespace aerotrace
