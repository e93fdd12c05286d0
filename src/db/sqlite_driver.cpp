#include "db/sqlite_driver.h"

#include <sqlite3.h>

#include <utility>

#include "db/db_error.h"
#include "db/driver_factories.h"

namespace aerotrace::db {
namespace {

struct StatementCloser {
  void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementCloser>;

[[noreturn]] void fail(sqlite3* db, const char* what) {
  throw DbError(std::string(what) + ": " + sqlite3_errmsg(db));
}

void bind(sqlite3* db, sqlite3_stmt* st, int index, const Value& v) {
  int rc = SQLITE_OK;
  if (const auto* i = std::get_if<std::int64_t>(&v)) {
    rc = sqlite3_bind_int64(st, index, *i);
  } else if (const auto* d = std::get_if<double>(&v)) {
    rc = sqlite3_bind_double(st, index, *d);
  } else if (const auto* s = std::get_if<std::string>(&v)) {
    rc = sqlite3_bind_text(st, index, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
  } else if (const auto* t = std::get_if<Temporal>(&v)) {
    // SQLite keeps dates and times as their SQL texts.
    const std::string text = temporalText(*t);
    rc = sqlite3_bind_text(st, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  } else {
    rc = sqlite3_bind_null(st, index);
  }
  if (rc != SQLITE_OK) fail(db, "bind");
}

Value column(sqlite3_stmt* st, int i) {
  switch (sqlite3_column_type(st, i)) {
    case SQLITE_INTEGER: return std::int64_t{sqlite3_column_int64(st, i)};
    case SQLITE_FLOAT: return sqlite3_column_double(st, i);
    case SQLITE_NULL: return std::monostate{};
    default: {
      const auto* bytes = static_cast<const char*>(sqlite3_column_blob(st, i));
      const int n = sqlite3_column_bytes(st, i);
      return std::string(bytes ? bytes : "", static_cast<std::size_t>(n));
    }
  }
}

}  // namespace

SqliteDriver::SqliteDriver(std::string path, SqliteFileMode mode)
    : path_(std::move(path)), mode_(mode) {}

SqliteDriver::~SqliteDriver() { disconnect(); }

bool SqliteDriver::connect(std::chrono::seconds timeout) {
  try {
    open(timeout);
    return true;
  } catch (const DbError&) {
    return false;
  }
}

void SqliteDriver::open(std::chrono::seconds timeout) {
  disconnect();
  sqlite3* db = nullptr;
  const int flags = SQLITE_OPEN_READWRITE | (mode_.create ? SQLITE_OPEN_CREATE : 0);
  const auto refuse = [&db](SqliteOpenError::Reason reason, const char* what) {
    const std::string text = std::string(what) + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
    sqlite3_close(db);
    throw SqliteOpenError(reason, text);
  };
  if (sqlite3_open_v2(path_.c_str(), &db, flags, nullptr) != SQLITE_OK) {
    refuse(SqliteOpenError::Reason::Other, "open");
  }
  sqlite3_extended_result_codes(db, 1);
  // Another process writing the file makes us wait as long as a server may;
  // a file of our own held by another copy is refused at once.
  sqlite3_busy_timeout(db, mode_.ownFile ? 0 : static_cast<int>(timeout.count() * 1000));
  const auto reasonOf = [](int rc) {
    switch (rc & 0xff) {
      case SQLITE_NOTADB: return SqliteOpenError::Reason::NotADatabase;
      case SQLITE_BUSY:
      case SQLITE_LOCKED: return SqliteOpenError::Reason::InUse;
      default: return SqliteOpenError::Reason::Other;
    }
  };
  if (mode_.ownFile) {
    // The exclusive mode keeps the lock from the first write on until the
    // file is closed; the empty write transaction takes it now. A crash
    // releases it with the process.
    for (const char* sql : {"PRAGMA locking_mode=EXCLUSIVE", "PRAGMA journal_mode=WAL",
                            "PRAGMA synchronous=FULL", "BEGIN IMMEDIATE", "COMMIT"}) {
      const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
      if (rc != SQLITE_OK) refuse(reasonOf(rc), sql);
    }
  }
  // A file that is not a database shows only at the first read.
  const int rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) refuse(reasonOf(rc), "read");
  db_ = db;
}

void SqliteDriver::disconnect() {
  if (db_) sqlite3_close(db_);
  db_ = nullptr;
}

StatementResult SqliteDriver::run(const std::string& sql, const std::vector<Value>& params) {
  if (!db_) throw DbError("not connected");
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &raw, nullptr) !=
      SQLITE_OK) {
    fail(db_, "prepare");
  }
  Statement st(raw);
  if (!st) throw DbError("prepare: empty statement");
  if (sqlite3_bind_parameter_count(st.get()) != static_cast<int>(params.size())) {
    throw DbError("bind: parameter count does not match the statement");
  }
  for (std::size_t i = 0; i < params.size(); ++i) {
    bind(db_, st.get(), static_cast<int>(i + 1), params[i]);
  }

  StatementResult result;
  const int n = sqlite3_column_count(st.get());
  for (int i = 0; i < n; ++i) result.columns.emplace_back(sqlite3_column_name(st.get(), i));
  for (;;) {
    const int rc = sqlite3_step(st.get());
    if (rc == SQLITE_DONE) break;
    if (rc != SQLITE_ROW) fail(db_, "step");
    std::vector<Value> row;
    row.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) row.push_back(column(st.get(), i));
    result.rows.push_back(std::move(row));
  }
  if (n == 0) {
    result.affectedRows = sqlite3_changes64(db_);
    result.insertId = sqlite3_last_insert_rowid(db_);
  }
  return result;
}

void SqliteDriver::begin() { run("BEGIN", {}); }
void SqliteDriver::commit() { run("COMMIT", {}); }
void SqliteDriver::rollback() { run("ROLLBACK", {}); }

std::unique_ptr<Driver> openOwnSqliteFile(const std::string& path) {
  auto driver = std::make_unique<SqliteDriver>(path, SqliteFileMode{true, true});
  driver->open(std::chrono::seconds(0));
  return driver;
}

std::unique_ptr<Driver> makeSqliteDriver(std::string path) {
  return std::make_unique<SqliteDriver>(std::move(path));
}

}  // namespace aerotrace::db
