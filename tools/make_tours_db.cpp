// Builds an SQLite tours database from SQL scripts, run in the order given:
//   aerotrace-make-tours-db OUT.sqlite schema.sql [seed.sql ...]
// An existing OUT is replaced.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "db/db_error.h"
#include "db/sql_script.h"
#include "db/sqlite_driver.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUT.sqlite SCRIPT.sql...\n", argv[0]);
    return 2;
  }
  const std::filesystem::path out = argv[1];
  std::filesystem::path temp = out;
  temp += ".new";
  std::error_code ec;
  std::filesystem::create_directories(out.parent_path(), ec);
  std::filesystem::remove(temp, ec);
  std::ofstream(temp, std::ios::binary).flush();  // the driver opens existing files only

  try {
    aerotrace::db::SqliteDriver db(temp.string());
    if (!db.connect(std::chrono::seconds(5))) {
      std::fprintf(stderr, "cannot open %s\n", temp.string().c_str());
      return 1;
    }
    db.begin();
    for (int i = 2; i < argc; ++i) {
      std::ifstream in(argv[i], std::ios::binary);
      if (!in) {
        std::fprintf(stderr, "cannot read %s\n", argv[i]);
        return 1;
      }
      std::stringstream text;
      text << in.rdbuf();
      aerotrace::db::runSqlScript(db, text.str());
    }
    db.commit();
  } catch (const aerotrace::db::DbError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  std::filesystem::rename(temp, out, ec);
  if (ec) {
    std::fprintf(stderr, "cannot write %s: %s\n", out.string().c_str(), ec.message().c_str());
    return 1;
  }
  return 0;
}
