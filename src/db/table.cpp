#include "db/table.h"

#include <limits>
#include <utility>

#include "db/db_error.h"

namespace aerotrace::db {
namespace {

const Value kNull{};

}  // namespace

Table::Table(Connection& connection, TableLayout layout)
    : connection_(connection), layout_(std::move(layout)) {
  key_ = column(layout_.key);
}

std::size_t Table::column(std::string_view name) const {
  const auto i = layout_.indexOf(name);
  if (!i) throw DbError("table " + layout_.name + " has no column " + std::string(name));
  return *i;
}

// Names reach SQL only after they matched a declared column, in the declared
// spelling, so no text from outside is ever part of a statement.
std::string Table::quoted(std::string_view identifier) const {
  return "`" + layout_.columns[column(identifier)].name + "`";
}

void Table::requireOpen() const {
  if (state_ == State::Closed) throw DbError("table " + layout_.name + " is not open");
}

void Table::setFilterSQL(Condition condition) {
  close();
  for (const Condition::Term& t : condition.terms()) column(t.column);
  filter_ = std::move(condition);
}

void Table::setOrderFields(std::vector<std::string> columns) {
  for (const std::string& c : columns) column(c);
  order_ = std::move(columns);
}

void Table::open() {
  close();
  std::string sql = "SELECT ";
  for (std::size_t i = 0; i < layout_.columns.size(); ++i) {
    if (i) sql += ", ";
    sql += "`" + layout_.columns[i].name + "`";
  }
  sql += " FROM `" + layout_.name + "`";
  std::vector<Value> params;
  for (std::size_t i = 0; i < filter_.terms().size(); ++i) {
    sql += i ? " AND " : " WHERE ";
    sql += quoted(filter_.terms()[i].column) + " = ?";
    params.push_back(filter_.terms()[i].value);
  }
  for (std::size_t i = 0; i < order_.size(); ++i) {
    sql += i ? ", " : " ORDER BY ";
    sql += quoted(order_[i]);
  }
  StatementResult result = connection_.driver().run(sql, params);
  rows_ = std::move(result.rows);
  current_ = 0;
  state_ = State::Browse;
}

void Table::close() {
  state_ = State::Closed;
  rows_.clear();
  buffer_.clear();
  changed_.clear();
  current_ = 0;
}

void Table::first() {
  requireOpen();
  cancel();
  current_ = 0;
}

void Table::next() {
  requireOpen();
  cancel();
  if (current_ < rows_.size()) ++current_;
}

bool Table::eof() const { return state_ == State::Closed || current_ >= rows_.size(); }

std::int32_t Table::recordCount() const {
  requireOpen();
  return static_cast<std::int32_t>(rows_.size());
}

std::int32_t Table::recNo() const {
  requireOpen();
  return static_cast<std::int32_t>(current_ + 1);
}

void Table::append() {
  requireOpen();
  buffer_.assign(layout_.columns.size(), Value{});
  changed_.assign(layout_.columns.size(), false);
  state_ = State::Insert;
}

void Table::edit() {
  requireOpen();
  if (state_ == State::Insert || state_ == State::Edit) return;
  if (current_ >= rows_.size()) throw DbError("table " + layout_.name + ": no current row to edit");
  buffer_ = rows_[current_];
  changed_.assign(layout_.columns.size(), false);
  state_ = State::Edit;
}

void Table::cancel() {
  if (state_ == State::Insert || state_ == State::Edit) state_ = State::Browse;
  buffer_.clear();
  changed_.clear();
}

void Table::post() {
  requireOpen();
  Driver& driver = connection_.driver();
  if (state_ == State::Insert) {
    std::string names, marks;
    std::vector<Value> params;
    for (std::size_t i = 0; i < buffer_.size(); ++i) {
      if (!changed_[i]) continue;
      names += (names.empty() ? "`" : ", `") + layout_.columns[i].name + "`";
      marks += marks.empty() ? "?" : ", ?";
      params.push_back(buffer_[i]);
    }
    if (params.empty()) {  // every column at its default: a NULL key makes the server pick one
      names = "`" + layout_.key + "`";
      marks = "?";
      params.emplace_back();
    }
    const StatementResult r = driver.run(
        "INSERT INTO `" + layout_.name + "` (" + names + ") VALUES (" + marks + ")", params);
    if (!changed_[key_]) buffer_[key_] = std::int64_t{r.insertId};
    rows_.push_back(std::move(buffer_));
    current_ = rows_.size() - 1;
  } else if (state_ == State::Edit) {
    std::string sets;
    std::vector<Value> params;
    for (std::size_t i = 0; i < buffer_.size(); ++i) {
      if (!changed_[i]) continue;
      sets += (sets.empty() ? "`" : ", `") + layout_.columns[i].name + "` = ?";
      params.push_back(buffer_[i]);
    }
    if (!params.empty()) {
      params.push_back(rows_[current_][key_]);
      driver.run("UPDATE `" + layout_.name + "` SET " + sets + " WHERE `" + layout_.key + "` = ?",
                 params);
    }
    rows_[current_] = std::move(buffer_);
  }
  buffer_.clear();
  changed_.clear();
  state_ = State::Browse;
}

void Table::remove() {
  requireOpen();
  cancel();
  if (current_ >= rows_.size())
    throw DbError("table " + layout_.name + ": no current row to delete");
  connection_.driver().run("DELETE FROM `" + layout_.name + "` WHERE `" + layout_.key + "` = ?",
                           {rows_[current_][key_]});
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(current_));
}

std::int64_t Table::removeFiltered() {
  std::string sql = "DELETE FROM `" + layout_.name + "`";
  std::vector<Value> params;
  for (std::size_t i = 0; i < filter_.terms().size(); ++i) {
    sql += i ? " AND " : " WHERE ";
    sql += quoted(filter_.terms()[i].column) + " = ?";
    params.push_back(filter_.terms()[i].value);
  }
  const StatementResult r = connection_.driver().run(sql, params);
  cancel();
  rows_.clear();
  current_ = 0;
  return r.affectedRows;
}

void Table::insertRows(const std::vector<std::string>& columns,
                       std::vector<std::vector<Value>> rows) {
  if (rows.empty()) return;
  if (columns.empty()) throw DbError("table " + layout_.name + ": insert of rows without columns");
  std::vector<const ColumnDef*> used;
  std::string names;
  for (const std::string& c : columns) {
    used.push_back(&layout_.columns[column(c)]);
    names += (names.empty() ? "`" : ", `") + used.back()->name + "`";
  }
  std::string marks = "(";
  for (std::size_t i = 0; i < columns.size(); ++i) marks += i ? ", ?" : "?";
  marks += ")";

  std::string sql = "INSERT INTO `" + layout_.name + "` (" + names + ") VALUES ";
  std::vector<Value> params;
  params.reserve(rows.size() * columns.size());
  for (std::size_t r = 0; r < rows.size(); ++r) {
    std::vector<Value>& row = rows[r];
    if (row.size() != columns.size()) {
      throw DbError("table " + layout_.name + ": a row does not match its columns");
    }
    for (std::size_t i = 0; i < row.size(); ++i) {
      auto* text = std::get_if<std::string>(&row[i]);
      if (text && used[i]->type == ColumnType::String && text->size() > used[i]->size) {
        text->resize(used[i]->size);
      }
      params.push_back(std::move(row[i]));
    }
    if (r) sql += ", ";
    sql += marks;
  }
  connection_.driver().run(sql, params);
}

const Value& Table::read(std::string_view name) const {
  requireOpen();
  const std::size_t i = column(name);
  if (state_ == State::Insert || state_ == State::Edit) return buffer_[i];
  if (current_ >= rows_.size()) return kNull;
  return rows_[current_][i];
}

bool Table::isNull(std::string_view column) const { return db::isNull(read(column)); }

std::int32_t Table::asInteger(std::string_view column) const {
  const std::int64_t v = toInteger(read(column));
  // Values wider than the program's 32-bit integers saturate rather than wrap.
  if (v > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (v < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(v);
}

std::string Table::asString(std::string_view column) const { return toText(read(column)); }
double Table::asFloat(std::string_view column) const { return toFloat(read(column)); }
bool Table::asBoolean(std::string_view column) const { return toBoolean(read(column)); }
DateTime Table::asDateTime(std::string_view column) const { return toDateTime(read(column)); }

void Table::write(std::string_view name, Value value) {
  requireOpen();
  if (state_ != State::Insert && state_ != State::Edit) {
    throw DbError("table " + layout_.name + ": append or edit before writing " + std::string(name));
  }
  const std::size_t i = column(name);
  buffer_[i] = std::move(value);
  changed_[i] = true;
}

void Table::setInteger(std::string_view column, std::int32_t value) {
  write(column, std::int64_t{value});
}

void Table::setString(std::string_view col, std::string_view value) {
  const ColumnDef& c = layout_.columns[column(col)];
  if (c.type == ColumnType::String && value.size() > c.size) value = value.substr(0, c.size);
  write(col, std::string(value));
}

void Table::setFloat(std::string_view column, double value) { write(column, value); }

void Table::setBoolean(std::string_view column, bool value) {
  write(column, std::int64_t{value ? 1 : 0});
}

void Table::setDateTime(std::string_view col, DateTime value) {
  const ColumnType type = layout_.columns[column(col)].type;
  Temporal t{value, Temporal::Kind::DateTime};
  if (type == ColumnType::Date) t.kind = Temporal::Kind::Date;
  if (type == ColumnType::Time) t.kind = Temporal::Kind::Time;
  write(col, t);
}

void Table::setNull(std::string_view column) { write(column, Value{}); }

}  // namespace aerotrace::db
