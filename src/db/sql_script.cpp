#include "db/sql_script.h"

namespace aerotrace::db {

std::vector<std::string> splitSqlScript(std::string_view script) {
  std::vector<std::string> out;
  std::string current;
  auto flush = [&] {
    const auto first = current.find_first_not_of(" \t\r\n");
    if (first != std::string::npos) {
      const auto last = current.find_last_not_of(" \t\r\n");
      out.push_back(current.substr(first, last - first + 1));
    }
    current.clear();
  };
  for (std::size_t i = 0; i < script.size(); ++i) {
    const char c = script[i];
    if (c == '-' && i + 1 < script.size() && script[i + 1] == '-') {
      while (i < script.size() && script[i] != '\n') ++i;
      current += '\n';
      continue;
    }
    if (c == '\'' || c == '"' || c == '`') {
      // A quoted run ends at its closing quote; a doubled quote or a
      // backslash escape stays inside.
      current += c;
      for (++i; i < script.size(); ++i) {
        current += script[i];
        if (script[i] == '\\' && c != '`' && i + 1 < script.size()) {
          current += script[++i];
        } else if (script[i] == c) {
          if (i + 1 < script.size() && script[i + 1] == c) {
            current += script[++i];
          } else {
            break;
          }
        }
      }
      continue;
    }
    if (c == ';') {
      flush();
      continue;
    }
    current += c;
  }
  flush();
  return out;
}

void runSqlScript(Driver& driver, std::string_view script) {
  for (const std::string& statement : splitSqlScript(script)) driver.run(statement, {});
}

}  // namespace aerotrace::db
