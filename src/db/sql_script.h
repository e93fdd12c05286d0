#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "db/driver.h"

namespace aerotrace::db {

// The statements of an SQL script, split at the semicolons that stand outside
// quotes and comments; "--" comments and blank statements are dropped.
std::vector<std::string> splitSqlScript(std::string_view script);

// Runs every statement of the script in order. Throws DbError.
void runSqlScript(Driver& driver, std::string_view script);

}  // namespace aerotrace::db
