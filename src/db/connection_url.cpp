#include "db/connection_url.h"

#include <charconv>

namespace aerotrace::db {
namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::string> percentDecoded(std::string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '%') {
      out += s[i];
      continue;
    }
    if (i + 2 >= s.size()) return std::nullopt;
    const int hi = hexDigit(s[i + 1]), lo = hexDigit(s[i + 2]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out += static_cast<char>(hi * 16 + lo);
    i += 2;
  }
  return out;
}

}  // namespace

std::optional<ConnectionUrl> parseConnectionUrl(std::string_view url) {
  ConnectionUrl u;
  if (url.starts_with("sqlite:")) {
    u.kind = ConnectionUrl::Kind::Sqlite;
    u.path = std::string(url.substr(7));
    if (u.path.empty()) return std::nullopt;
    return u;
  }
  constexpr std::string_view scheme = "mysql://";
  if (!url.starts_with(scheme)) return std::nullopt;
  std::string_view rest = url.substr(scheme.size());
  u.kind = ConnectionUrl::Kind::MySql;

  // The password may hold "@" only escaped, so the last "@" ends it.
  const std::size_t at = rest.rfind('@');
  if (at != std::string_view::npos) {
    const std::string_view credentials = rest.substr(0, at);
    const std::size_t colon = credentials.find(':');
    auto user = percentDecoded(credentials.substr(0, colon));
    if (!user) return std::nullopt;
    u.user = *user;
    if (colon != std::string_view::npos) {
      auto password = percentDecoded(credentials.substr(colon + 1));
      if (!password) return std::nullopt;
      u.password = *password;
    }
    rest = rest.substr(at + 1);
  }

  const std::size_t slash = rest.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  std::string_view hostPort = rest.substr(0, slash);
  u.database = std::string(rest.substr(slash + 1));
  if (u.database.empty() || u.database.find('/') != std::string::npos) return std::nullopt;

  const std::size_t colon = hostPort.rfind(':');
  if (colon != std::string_view::npos) {
    const std::string_view port = hostPort.substr(colon + 1);
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (ec != std::errc() || end != port.data() + port.size() || value == 0 || value > 65535) {
      return std::nullopt;
    }
    u.port = static_cast<std::uint16_t>(value);
    hostPort = hostPort.substr(0, colon);
  }
  if (hostPort.empty()) return std::nullopt;
  u.host = std::string(hostPort);
  return u;
}

}  // namespace aerotrace::db
