#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aerotrace::db {

// A column in the type the program reads and writes it in.
enum class ColumnType { Integer, SmallInt, Float, String, Text, Boolean, Date, Time };

struct ColumnDef {
  std::string name;
  ColumnType type = ColumnType::Integer;
  std::size_t size = 0;  // characters of a String column; written texts are cut to it
};

// A table as the program declares it: the columns it selects and writes, and
// the key by which an edited or deleted row is found again.
struct TableLayout {
  std::string name;
  std::string key;
  std::vector<ColumnDef> columns;

  // Index of the column, names compared without regard to case.
  std::optional<std::size_t> indexOf(std::string_view column) const;
};

}  // namespace aerotrace::db
