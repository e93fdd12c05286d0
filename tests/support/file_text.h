#pragma once

// A file's bytes, for tests that read back what a program wrote; empty when
// the file is missing.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace aerotrace::testing {

inline std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace aerotrace::testing
