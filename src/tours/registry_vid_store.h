#pragma once

#include <string>

#include "tours/vid_store.h"

namespace aerotrace {

// The VID as the string value "VID" of a key under HKEY_CURRENT_USER.
// Reading never creates the key; writing creates it when missing. The value
// is never deleted.
class RegistryVidStore final : public VidStore {
 public:
  static constexpr const char* kProgramKey = "Software\\ORVANTAESTRIA\\Aerotrace\\";
  static constexpr const char* kValueName = "VID";

  explicit RegistryVidStore(std::string subKey = kProgramKey) : subKey_(std::move(subKey)) {}
  std::string read() override;
  bool write(const std::string& vid) override;

 private:
  std::string subKey_;
};

}  // namespace aerotrace
