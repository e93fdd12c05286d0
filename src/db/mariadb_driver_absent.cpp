#include "db/driver_factories.h"

namespace aerotrace::db {

std::unique_ptr<Driver> makeMariaDbDriver(MariaDbSettings) { return nullptr; }

}  // namespace aerotrace::db
