#pragma once

#include <stdexcept>
#include <string>

namespace aerotrace::db {

// Raised by every operation but connect when the server cannot be reached or
// rejects a statement; the text is the server's or the driver's message.
class DbError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace aerotrace::db
