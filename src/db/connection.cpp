#include "db/connection.h"

#include <utility>

#include "db/connection_url.h"
#include "db/db_error.h"
#include "db/driver_factories.h"

namespace aerotrace::db {

std::unique_ptr<Driver> makeDriver(std::string_view url) {
  const auto parsed = parseConnectionUrl(url);
  if (!parsed) return nullptr;
  if (parsed->kind == ConnectionUrl::Kind::Sqlite) {
    return makeSqliteDriver(parsed->path);
  }
  return makeMariaDbDriver(MariaDbSettings{parsed->host, parsed->port, parsed->user,
                                           parsed->password, parsed->database});
}

Connection::Connection(std::unique_ptr<Driver> driver) : driver_(std::move(driver)) {}

Connection Connection::fromUrl(std::string_view url) { return Connection(makeDriver(url)); }

bool Connection::connect() { return driver_ && driver_->connect(ConnectionTimeout); }

bool Connection::Connected() const { return driver_ && driver_->connected(); }

void Connection::disconnect() {
  if (driver_) driver_->disconnect();
}

Driver& Connection::driver() {
  if (!Connected()) throw DbError("not connected to the database");
  return *driver_;
}

}  // namespace aerotrace::db
