#pragma once

// A fresh folder under the system's temporary folder, removed with what it
// holds when the object goes.

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace aerotrace::testing {

class TempFolder {
 public:
  explicit TempFolder(const std::string& prefix = "aerotrace-test") {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            (prefix + "-" + std::to_string(rd()) + "-" + std::to_string(rd()));
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace aerotrace::testing
