// The Windows VID store: the registry of the current user.

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "tours/registry_vid_store.h"

namespace aerotrace {
namespace {

// The key is written with a closing backslash; the registry calls want the
// path without it.
std::string keyPath(const std::string& subKey) {
  std::string p = subKey;
  while (!p.empty() && p.back() == '\\') p.pop_back();
  return p;
}

}  // namespace

std::string RegistryVidStore::read() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath(subKey_).c_str(), 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS) {
    return {};
  }
  std::string vid;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key, kValueName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0) {
    // One byte more: a value stored without its terminating zero still
    // ends inside the buffer.
    std::vector<char> buf(size + 1, '\0');
    DWORD got = size;
    if (RegQueryValueExA(key, kValueName, nullptr, &type, reinterpret_cast<BYTE*>(buf.data()),
                         &got) == ERROR_SUCCESS) {
      // The text ends at its first zero.
      vid.assign(buf.data(), ::strnlen(buf.data(), std::min<std::size_t>(got, size)));
    }
  }
  // A value of another type (a number, say) reads as no VID: the pilot is
  // asked for one instead of the start-up failing.
  RegCloseKey(key);
  return vid;
}

bool RegistryVidStore::write(const std::string& vid) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath(subKey_).c_str(), 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG set =
      RegSetValueExA(key, kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(vid.c_str()),
                     static_cast<DWORD>(vid.size() + 1));
  RegCloseKey(key);
  return set == ERROR_SUCCESS;
}

std::unique_ptr<VidStore> createSystemVidStore() { return std::make_unique<RegistryVidStore>(); }

}  // namespace aerotrace
