#include "db/table_layout.h"

namespace aerotrace::db {
namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

std::optional<std::size_t> TableLayout::indexOf(std::string_view column) const {
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (sameIgnoringCase(columns[i].name, column)) return i;
  }
  return std::nullopt;
}

}  // namespace aerotrace::db
