#pragma once

#include <chrono>
#include <memory>
#include <string_view>

#include "db/driver.h"

namespace aerotrace::db {

// The connection the table objects share. Connecting never raises: a server
// that is down, a refused login, a server that does not answer within
// ConnectionTimeout, or settings that name no database at all leave
// Connected() false.
class Connection {
 public:
  // `driver` may be empty (unusable settings): every connect then fails.
  explicit Connection(std::unique_ptr<Driver> driver);
  // From a "mysql://..." or "sqlite:..." text (see connection_url.h).
  static Connection fromUrl(std::string_view url);

  std::chrono::seconds ConnectionTimeout{5};

  bool connect();
  bool Connected() const;
  void disconnect();

  // The open connection's driver; raises DbError while not connected.
  Driver& driver();

 private:
  std::unique_ptr<Driver> driver_;
};

std::unique_ptr<Driver> makeDriver(std::string_view url);

}  // namespace aerotrace::db
