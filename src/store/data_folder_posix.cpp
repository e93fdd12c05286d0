#include <cstdlib>
#include <string>

#include "store/data_folder.h"

namespace aerotrace {
namespace {

std::string env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

std::filesystem::path pilotDataFolder() {
  if (const std::string dir = env("AEROTRACE_DATA_DIR"); !dir.empty()) return dir;
  if (const std::string xdg = env("XDG_DATA_HOME"); !xdg.empty()) {
    return std::filesystem::path(xdg) / "aerotrace";
  }
  if (const std::string home = env("HOME"); !home.empty()) {
    return std::filesystem::path(home) / ".local" / "share" / "aerotrace";
  }
  return {};
}

}  // namespace aerotrace
