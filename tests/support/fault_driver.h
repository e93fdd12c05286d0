#pragma once

// A database driver that wraps a real one and fails where a test says: the
// server gone when a transaction begins, or the answer to a commit lost
// after the server applied it (the connection dropped between the two).

#include <memory>
#include <string>
#include <vector>

#include "db/db_error.h"
#include "db/driver.h"

namespace aerotrace::testing {

struct DriverFaults {
  int beginsRefused = 0;  // the next n transactions find the server gone
  int answersLost = 0;    // the next n commits are applied, then the line drops
  int commits = 0;        // commits the server applied
};

class FaultDriver final : public db::Driver {
 public:
  FaultDriver(std::unique_ptr<db::Driver> real, std::shared_ptr<DriverFaults> faults)
      : real_(std::move(real)), faults_(std::move(faults)) {}

  bool connect(std::chrono::seconds timeout) override { return real_->connect(timeout); }
  void disconnect() override { real_->disconnect(); }
  bool connected() const override { return real_->connected(); }
  db::StatementResult run(const std::string& sql, const std::vector<db::Value>& params) override {
    return real_->run(sql, params);
  }
  void begin() override {
    if (faults_->beginsRefused > 0) {
      --faults_->beginsRefused;
      throw db::DbError("Can't connect to server (test)");
    }
    real_->begin();
  }
  void commit() override {
    real_->commit();
    ++faults_->commits;
    if (faults_->answersLost > 0) {
      --faults_->answersLost;
      real_->disconnect();
      throw db::DbError("Lost connection to server during query (test)");
    }
  }
  void rollback() override { real_->rollback(); }

 private:
  std::unique_ptr<db::Driver> real_;
  std::shared_ptr<DriverFaults> faults_;
};

}  // namespace aerotrace::testing
