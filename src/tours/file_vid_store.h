#pragma once

#include <filesystem>
#include <string>

#include "tours/vid_store.h"

namespace aerotrace {

// The VID as the line "VID=<value>" of a small settings file; other lines of
// the file are kept when the VID is written.
class FileVidStore final : public VidStore {
 public:
  explicit FileVidStore(std::filesystem::path file) : file_(std::move(file)) {}
  std::string read() override;
  bool write(const std::string& vid) override;

  // $XDG_CONFIG_HOME/ORVANTAESTRIA/Aerotrace.conf, or under ~/.config when
  // XDG_CONFIG_HOME is not set to an absolute path; empty without either.
  static std::filesystem::path defaultPath();

 private:
  std::filesystem::path file_;
};

}  // namespace aerotrace
