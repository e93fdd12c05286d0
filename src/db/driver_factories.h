#pragma once

#include <memory>
#include <string>

#include "db/driver.h"
#include "db/mariadb_driver.h"

namespace aerotrace::db {

// The drivers of this build. A build made without a client library (the
// MinGW cross-build has neither) gets nullptr, and the connection then fails
// as quietly as a server that is down.
std::unique_ptr<Driver> makeSqliteDriver(std::string path);
std::unique_ptr<Driver> makeMariaDbDriver(MariaDbSettings settings);

}  // namespace aerotrace::db
