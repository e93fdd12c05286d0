#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/datetime.h"
#include "db/condition.h"
#include "db/connection.h"
#include "db/table_layout.h"
#include "db/value.h"

namespace aerotrace::db {

// One table of the database as a cursor over the rows that the last open
// selected. Open fetches the whole selection; edits, appends and deletes go
// to the server at once (post, remove) and keep the fetched rows in step.
// Every operation that needs the server raises DbError when it fails.
class Table {
 public:
  Table(Connection& connection, TableLayout layout);

  const TableLayout& layout() const { return layout_; }

  // The row condition of the next open; stays until assigned again, also
  // across closes and disconnects. Assigning it closes the table.
  void setFilterSQL(Condition condition);
  const Condition& FilterSQL() const { return filter_; }
  // Columns by which the next open orders the rows, ascending.
  void setOrderFields(std::vector<std::string> columns);
  // Client-side filtering; no filter expression exists, so it hides nothing.
  void setFiltered(bool on) { filtered_ = on; }
  bool Filtered() const { return filtered_; }

  void open();
  void close();
  bool isOpen() const { return state_ != State::Closed; }

  void first();
  void next();
  // True after next has moved beyond the last row, or when nothing was selected.
  bool eof() const;
  std::int32_t recordCount() const;
  // 1 for the first row; the number of rows + 1 while past the last.
  std::int32_t recNo() const;

  // A new row, or changes to the current one, written to the server by post.
  // Moving (first, next) or cancel drops a row that was not posted.
  void append();
  void edit();
  void post();
  void cancel();
  // Deletes the current row on the server; the next row becomes current.
  void remove();

  // Set operations, one statement each whatever the number of rows, for the
  // units of work that write many rows at once.
  // Deletes on the server every row the row condition selects; an open table
  // is left past its last row. Returns the number of rows deleted.
  std::int64_t removeFiltered();
  // Inserts `rows` (values of `columns`, in that order) in one statement,
  // texts cut to their column's size as setString does. Nothing is sent for
  // no rows. The fetched rows of an open table stay as they were.
  void insertRows(const std::vector<std::string>& columns, std::vector<std::vector<Value>> rows);

  // Columns of the current row (or of the row being edited). NULL reads as 0,
  // an empty text or false; so does every column while past the last row.
  bool isNull(std::string_view column) const;
  std::int32_t asInteger(std::string_view column) const;
  std::string asString(std::string_view column) const;
  double asFloat(std::string_view column) const;
  bool asBoolean(std::string_view column) const;
  DateTime asDateTime(std::string_view column) const;

  // Only between append or edit and post. A text longer than its column is cut
  // to the column's size; a date-time keeps only the date or the time part
  // where the column holds only one.
  void setInteger(std::string_view column, std::int32_t value);
  void setString(std::string_view column, std::string_view value);
  void setFloat(std::string_view column, double value);
  void setBoolean(std::string_view column, bool value);
  void setDateTime(std::string_view column, DateTime value);
  void setNull(std::string_view column);

 private:
  enum class State { Closed, Browse, Insert, Edit };

  std::size_t column(std::string_view name) const;
  const Value& read(std::string_view name) const;
  void write(std::string_view name, Value value);
  void requireOpen() const;
  std::string quoted(std::string_view identifier) const;

  Connection& connection_;
  TableLayout layout_;
  std::size_t key_ = 0;
  Condition filter_;
  std::vector<std::string> order_;
  bool filtered_ = false;

  State state_ = State::Closed;
  std::vector<std::vector<Value>> rows_;
  std::size_t current_ = 0;
  std::vector<Value> buffer_;  // the row being appended or edited
  std::vector<bool> changed_;
};

}  // namespace aerotrace::db
