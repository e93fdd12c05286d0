#include "tours/file_vid_store.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace aerotrace {
namespace {

constexpr std::string_view kKey = "VID=";

std::vector<std::string> readLines(const std::filesystem::path& file) {
  std::vector<std::string> lines;
  std::ifstream in(file, std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace

std::filesystem::path FileVidStore::defaultPath() {
  std::filesystem::path base;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && *xdg && std::filesystem::path(xdg).is_absolute()) {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    base = std::filesystem::path(home) / ".config";
  } else {
    return {};
  }
  return base / "ORVANTAESTRIA" / "Aerotrace.conf";
}

std::string FileVidStore::read() {
  if (file_.empty()) return {};
  for (const std::string& line : readLines(file_)) {
    if (line.starts_with(kKey)) return line.substr(kKey.size());
  }
  return {};
}

bool FileVidStore::write(const std::string& vid) {
  if (file_.empty() || vid.find_first_of("\r\n") != std::string::npos) return false;
  std::error_code ec;
  std::filesystem::create_directories(file_.parent_path(), ec);
  if (ec) return false;

  std::vector<std::string> lines = readLines(file_);
  bool replaced = false;
  for (std::string& line : lines) {
    if (line.starts_with(kKey)) {
      line = std::string(kKey) + vid;
      replaced = true;
      break;
    }
  }
  if (!replaced) lines.push_back(std::string(kKey) + vid);

  // Written beside the file and renamed over it, so a failed write never
  // leaves half a file behind.
  std::filesystem::path temp = file_;
  temp += ".new";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) out << line << '\n';
    out.flush();
    if (!out) {
      std::filesystem::remove(temp, ec);
      return false;
    }
  }
  std::filesystem::rename(temp, file_, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace aerotrace
