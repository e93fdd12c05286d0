#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "db/value.h"

namespace aerotrace::db {

// What one statement gave back.
struct StatementResult {
  std::vector<std::string> columns;      // names of the selected columns
  std::vector<std::vector<Value>> rows;  // every row, in the server's order
  std::int64_t affectedRows = 0;
  std::int64_t insertId = 0;  // key the server gave the last inserted row
};

// One connection to one database. Statements use "?" placeholders and
// backtick-quoted identifiers (both servers accept them); values always travel
// as bound parameters, never as SQL text.
class Driver {
 public:
  virtual ~Driver() = default;

  // Waits at most `timeout` for the server; a server that is down, refuses
  // the login or does not answer leaves the connection closed: false, no
  // error.
  virtual bool connect(std::chrono::seconds timeout) = 0;
  virtual void disconnect() = 0;
  virtual bool connected() const = 0;

  // Runs one statement with its parameters bound in order. Throws DbError.
  virtual StatementResult run(const std::string& sql, const std::vector<Value>& params) = 0;

  // A unit of statements that the server applies whole or not at all.
  // Throw DbError.
  virtual void begin() = 0;
  virtual void commit() = 0;
  virtual void rollback() = 0;
};

}  // namespace aerotrace::db
