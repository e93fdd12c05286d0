#pragma once

#include "db/table_spec.h"

namespace aerotrace {

// The six tables of the tours database as the program reads and writes them.
// sql/mysql/schema.sql and sql/sqlite/schema.sql create them on the servers.
const db::TableSpec& toursTable();
const db::TableSpec& legsTable();
const db::TableSpec& legDetTable();
const db::TableSpec& legRdyTable();
const db::TableSpec& legRdyDetTable();
const db::TableSpec& legRdyFrTable();

}  // namespace aerotrace
