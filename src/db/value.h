#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "core/datetime.h"

namespace aerotrace::db {

// A date, a time of day or both, as the server's column types tell them apart.
struct Temporal {
  enum class Kind { Date, Time, DateTime };
  DateTime value = 0;
  Kind kind = Kind::DateTime;
};

// One value bound to a statement or read from a row. std::monostate is NULL.
using Value = std::variant<std::monostate, std::int64_t, double, std::string, Temporal>;

bool isNull(const Value& v);

// Reads a value in the type the caller asks for. NULL gives 0, an empty text
// or false; a text is read as a number or a date-time where it is one, else 0.
std::int64_t toInteger(const Value& v);
double toFloat(const Value& v);
std::string toText(const Value& v);
bool toBoolean(const Value& v);
DateTime toDateTime(const Value& v);

// "YYYY-MM-DD", "HH:MM:SS" or "YYYY-MM-DD HH:MM:SS", as SQL writes them;
// fractions of a second are dropped.
std::string temporalText(const Temporal& t);

}  // namespace aerotrace::db
