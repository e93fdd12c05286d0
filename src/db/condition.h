#pragma once

#include <string>
#include <utility>
#include <vector>

#include "db/value.h"

namespace aerotrace::db {

// A row condition: column = value terms joined by AND. The values go to the
// server as bound parameters, so quotes or SQL inside them are only data.
// The empty condition selects every row.
class Condition {
 public:
  struct Term {
    std::string column;
    Value value;
  };

  Condition() = default;
  static Condition equals(std::string column, Value value) {
    return Condition().andEquals(std::move(column), std::move(value));
  }
  Condition& andEquals(std::string column, Value value) {
    terms_.push_back({std::move(column), std::move(value)});
    return *this;
  }

  bool empty() const { return terms_.empty(); }
  const std::vector<Term>& terms() const { return terms_; }

 private:
  std::vector<Term> terms_;
};

}  // namespace aerotrace::db
