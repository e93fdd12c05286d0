#include "db/mariadb_driver.h"

#include <mysql.h>

#include <cstring>
#include <memory>
#include <utility>

#include "db/db_error.h"
#include "db/driver_factories.h"

namespace aerotrace::db {
namespace {

struct StatementCloser {
  void operator()(MYSQL_STMT* s) const { mysql_stmt_close(s); }
};
struct ResultFreer {
  void operator()(MYSQL_RES* r) const { mysql_free_result(r); }
};

[[noreturn]] void fail(MYSQL_STMT* st, const char* what) {
  throw DbError(std::string(what) + ": " + mysql_stmt_error(st));
}

MYSQL_TIME toMysqlTime(const Temporal& t) {
  MYSQL_TIME m;
  std::memset(&m, 0, sizeof m);
  const DateTimeParts p = decode(t.value);
  if (t.kind != Temporal::Kind::Time) {
    m.year = static_cast<unsigned>(p.year);
    m.month = static_cast<unsigned>(p.month);
    m.day = static_cast<unsigned>(p.day);
  }
  if (t.kind != Temporal::Kind::Date) {
    m.hour = static_cast<unsigned>(p.hour);
    m.minute = static_cast<unsigned>(p.minute);
    m.second = static_cast<unsigned>(p.second);
  }
  m.time_type = t.kind == Temporal::Kind::Date   ? MYSQL_TIMESTAMP_DATE
                : t.kind == Temporal::Kind::Time ? MYSQL_TIMESTAMP_TIME
                                                 : MYSQL_TIMESTAMP_DATETIME;
  return m;
}

Value fromMysqlTime(const MYSQL_TIME& m) {
  Temporal t;
  double day = 0;
  if (m.time_type != MYSQL_TIMESTAMP_TIME && m.year > 0 && m.month > 0 && m.day > 0) {
    day = encode(
        {static_cast<int>(m.year), static_cast<int>(m.month), static_cast<int>(m.day), 0, 0, 0, 0});
  }
  // A TIME column may exceed a day; count it in days all the same.
  const double seconds =
      m.hour * 3600.0 + m.minute * 60.0 + m.second + static_cast<double>(m.second_part) / 1e6;
  double time = seconds / 86400.0;
  if (m.neg) time = -time;
  t.value = day + time;
  t.kind = m.time_type == MYSQL_TIMESTAMP_DATE   ? Temporal::Kind::Date
           : m.time_type == MYSQL_TIMESTAMP_TIME ? Temporal::Kind::Time
                                                 : Temporal::Kind::DateTime;
  return t;
}

// Parameter buffers that outlive mysql_stmt_execute.
struct Params {
  explicit Params(const std::vector<Value>& values)
      : binds(values.size()),
        ints(values.size()),
        reals(values.size()),
        times(values.size()),
        lengths(values.size()) {
    for (std::size_t i = 0; i < values.size(); ++i) {
      MYSQL_BIND& b = binds[i];
      std::memset(&b, 0, sizeof b);
      const Value& v = values[i];
      if (const auto* n = std::get_if<std::int64_t>(&v)) {
        ints[i] = *n;
        b.buffer_type = MYSQL_TYPE_LONGLONG;
        b.buffer = &ints[i];
      } else if (const auto* d = std::get_if<double>(&v)) {
        reals[i] = *d;
        b.buffer_type = MYSQL_TYPE_DOUBLE;
        b.buffer = &reals[i];
      } else if (const auto* s = std::get_if<std::string>(&v)) {
        lengths[i] = s->size();
        b.buffer_type = MYSQL_TYPE_STRING;
        b.buffer = const_cast<char*>(s->data());
        b.buffer_length = s->size();
        b.length = &lengths[i];
      } else if (const auto* t = std::get_if<Temporal>(&v)) {
        times[i] = toMysqlTime(*t);
        b.buffer_type = t->kind == Temporal::Kind::Date   ? MYSQL_TYPE_DATE
                        : t->kind == Temporal::Kind::Time ? MYSQL_TYPE_TIME
                                                          : MYSQL_TYPE_DATETIME;
        b.buffer = &times[i];
      } else {
        b.buffer_type = MYSQL_TYPE_NULL;
      }
    }
  }
  std::vector<MYSQL_BIND> binds;
  std::vector<long long> ints;
  std::vector<double> reals;
  std::vector<MYSQL_TIME> times;
  std::vector<unsigned long> lengths;
};

// One fetched row's buffers, typed after the result's columns.
struct Columns {
  enum class As { Integer, Real, Time, Text };

  explicit Columns(const MYSQL_FIELD* fields, std::size_t n)
      : as(n), binds(n), ints(n), reals(n), times(n), texts(n), lengths(n), nulls(n), errors(n) {
    for (std::size_t i = 0; i < n; ++i) {
      MYSQL_BIND& b = binds[i];
      std::memset(&b, 0, sizeof b);
      b.length = &lengths[i];
      b.is_null = &nulls[i];
      b.error = &errors[i];
      switch (fields[i].type) {
        case MYSQL_TYPE_TINY:
        case MYSQL_TYPE_SHORT:
        case MYSQL_TYPE_LONG:
        case MYSQL_TYPE_INT24:
        case MYSQL_TYPE_LONGLONG:
        case MYSQL_TYPE_YEAR:
          as[i] = As::Integer;
          b.buffer_type = MYSQL_TYPE_LONGLONG;
          b.buffer = &ints[i];
          b.is_unsigned = (fields[i].flags & UNSIGNED_FLAG) != 0;
          break;
        case MYSQL_TYPE_FLOAT:
        case MYSQL_TYPE_DOUBLE:
          as[i] = As::Real;
          b.buffer_type = MYSQL_TYPE_DOUBLE;
          b.buffer = &reals[i];
          break;
        case MYSQL_TYPE_DATE:
        case MYSQL_TYPE_TIME:
        case MYSQL_TYPE_DATETIME:
        case MYSQL_TYPE_TIMESTAMP:
          as[i] = As::Time;
          b.buffer_type = fields[i].type;
          b.buffer = &times[i];
          break;
        default:  // texts, decimals, bits: their text form
          as[i] = As::Text;
          texts[i].resize(256);
          b.buffer_type = MYSQL_TYPE_STRING;
          b.buffer = texts[i].data();
          b.buffer_length = texts[i].size();
          break;
      }
    }
  }

  std::vector<Value> row(MYSQL_STMT* st) {
    std::vector<Value> out;
    out.reserve(as.size());
    for (std::size_t i = 0; i < as.size(); ++i) {
      if (nulls[i]) {
        out.emplace_back(std::monostate{});
        continue;
      }
      switch (as[i]) {
        case As::Integer: out.emplace_back(std::int64_t{ints[i]}); break;
        case As::Real: out.emplace_back(reals[i]); break;
        case As::Time: out.push_back(fromMysqlTime(times[i])); break;
        case As::Text: {
          if (lengths[i] <= texts[i].size()) {
            out.emplace_back(std::string(texts[i].data(), lengths[i]));
            break;
          }
          // Longer than the buffer: fetch this column again, whole.
          std::string whole(lengths[i], '\0');
          MYSQL_BIND b;
          std::memset(&b, 0, sizeof b);
          unsigned long length = 0;
          b.buffer_type = MYSQL_TYPE_STRING;
          b.buffer = whole.data();
          b.buffer_length = whole.size();
          b.length = &length;
          if (mysql_stmt_fetch_column(st, &b, static_cast<unsigned>(i), 0) != 0) {
            fail(st, "fetch");
          }
          whole.resize(length);
          out.emplace_back(std::move(whole));
          break;
        }
      }
    }
    return out;
  }

  std::vector<As> as;
  std::vector<MYSQL_BIND> binds;
  std::vector<long long> ints;
  std::vector<double> reals;
  std::vector<MYSQL_TIME> times;
  std::vector<std::string> texts;
  std::vector<unsigned long> lengths;
  std::vector<my_bool> nulls;
  std::vector<my_bool> errors;
};

}  // namespace

MariaDbDriver::MariaDbDriver(MariaDbSettings settings) : settings_(std::move(settings)) {}

MariaDbDriver::~MariaDbDriver() { disconnect(); }

bool MariaDbDriver::connect(std::chrono::seconds timeout) {
  disconnect();
  MYSQL* m = mysql_init(nullptr);
  if (!m) return false;
  // The connect time-out covers the TCP connect and the greeting; the read and
  // write time-outs keep a server that stops answering later from hanging us.
  const auto seconds = static_cast<unsigned>(timeout.count());
  mysql_options(m, MYSQL_OPT_CONNECT_TIMEOUT, &seconds);
  mysql_options(m, MYSQL_OPT_READ_TIMEOUT, &seconds);
  mysql_options(m, MYSQL_OPT_WRITE_TIMEOUT, &seconds);
  const unsigned protocol = MYSQL_PROTOCOL_TCP;  // "localhost" would mean the local socket
  mysql_options(m, MYSQL_OPT_PROTOCOL, &protocol);
  mysql_options(m, MYSQL_SET_CHARSET_NAME, "latin1");
  if (!mysql_real_connect(m, settings_.host.c_str(), settings_.user.c_str(),
                          settings_.password.c_str(), settings_.database.c_str(), settings_.port,
                          nullptr, 0)) {
    mysql_close(m);
    return false;
  }
  mysql_ = m;
  return true;
}

void MariaDbDriver::disconnect() {
  if (mysql_) mysql_close(mysql_);
  mysql_ = nullptr;
}

StatementResult MariaDbDriver::run(const std::string& sql, const std::vector<Value>& params) {
  if (!mysql_) throw DbError("not connected");
  std::unique_ptr<MYSQL_STMT, StatementCloser> st(mysql_stmt_init(mysql_));
  if (!st) throw DbError(std::string("statement: ") + mysql_error(mysql_));
  if (mysql_stmt_prepare(st.get(), sql.data(), sql.size()) != 0) fail(st.get(), "prepare");
  if (mysql_stmt_param_count(st.get()) != params.size()) {
    throw DbError("bind: parameter count does not match the statement");
  }
  Params bound(params);
  if (!params.empty() && mysql_stmt_bind_param(st.get(), bound.binds.data()) != 0) {
    fail(st.get(), "bind");
  }
  if (mysql_stmt_execute(st.get()) != 0) fail(st.get(), "execute");

  StatementResult result;
  std::unique_ptr<MYSQL_RES, ResultFreer> meta(mysql_stmt_result_metadata(st.get()));
  if (!meta) {
    result.affectedRows = static_cast<std::int64_t>(mysql_stmt_affected_rows(st.get()));
    result.insertId = static_cast<std::int64_t>(mysql_stmt_insert_id(st.get()));
    return result;
  }
  const unsigned n = mysql_num_fields(meta.get());
  const MYSQL_FIELD* fields = mysql_fetch_fields(meta.get());
  for (unsigned i = 0; i < n; ++i) result.columns.emplace_back(fields[i].name);
  if (mysql_stmt_store_result(st.get()) != 0) fail(st.get(), "store");
  Columns columns(fields, n);
  if (mysql_stmt_bind_result(st.get(), columns.binds.data()) != 0) fail(st.get(), "bind");
  for (;;) {
    const int rc = mysql_stmt_fetch(st.get());
    if (rc == MYSQL_NO_DATA) break;
    if (rc != 0 && rc != MYSQL_DATA_TRUNCATED) fail(st.get(), "fetch");
    result.rows.push_back(columns.row(st.get()));
  }
  return result;
}

void MariaDbDriver::begin() { run("START TRANSACTION", {}); }
void MariaDbDriver::commit() { run("COMMIT", {}); }
void MariaDbDriver::rollback() { run("ROLLBACK", {}); }

std::unique_ptr<Driver> makeMariaDbDriver(MariaDbSettings settings) {
  return std::make_unique<MariaDbDriver>(std::move(settings));
}

}  // namespace aerotrace::db
