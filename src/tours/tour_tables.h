#pragma once

#include "db/table_layout.h"

namespace aerotrace {

// The six tables of the tours database as the program reads and writes them.
// sql/mysql/schema.sql and sql/sqlite/schema.sql create them on the servers.
const db::TableLayout& toursTable();
const db::TableLayout& legsTable();
const db::TableLayout& legDetTable();
const db::TableLayout& legRdyTable();
const db::TableLayout& legRdyDetTable();
const db::TableLayout& legRdyFrTable();

}  // namespace aerotrace
