#include <cstdlib>

#include "store/data_folder.h"

namespace aerotrace {
namespace {

// Wide, so that a folder under a user name outside the ANSI code page works.
const wchar_t* env(const wchar_t* name) {
  const wchar_t* value = _wgetenv(name);
  return value && *value ? value : nullptr;
}

}  // namespace

std::filesystem::path pilotDataFolder() {
  if (const wchar_t* dir = env(L"AEROTRACE_DATA_DIR")) return dir;
  if (const wchar_t* local = env(L"LOCALAPPDATA")) return std::filesystem::path(local) / L"Aerotrace";
  return {};
}

}  // namespace aerotrace
