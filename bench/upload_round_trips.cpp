// What one upload costs on a MariaDB server: the statements it sends and the
// time it takes, for tracks of 10, 100 and 1,000 samples. The track goes in
// batched multi-row inserts, so the statement count stays flat as the track
// grows. Starts a throwaway server of its own (the tests' script) on
// 127.0.0.1 and writes through the program's least-privilege account.
//
//   upload_round_trips [uploads per size]
//
// Statements are the server's status counters (GLOBAL: the upload's own
// session ends with it), less what reading the counters itself costs.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/datetime.h"
#include "db/connection.h"
#include "db/sql_script.h"
#include "results/leg_result.h"
#include "results/result_store.h"

namespace {

using namespace aerotrace;
using Steady = std::chrono::steady_clock;

std::string readFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + p.string());
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class Server {
 public:
  Server()
      : dir_(std::filesystem::temp_directory_path() /
             ("aerotrace-bench-mariadb-" + std::to_string(getpid()))) {
    if (std::system(command("start").c_str()) != 0) {
      throw std::runtime_error("the MariaDB server did not start");
    }
    std::istringstream env(readFile(dir_ / "env"));
    for (std::string line; std::getline(env, line);) {
      const auto eq = line.find('=');
      if (eq != std::string::npos) settings_[line.substr(0, eq)] = line.substr(eq + 1);
    }
  }
  ~Server() { std::system(command("stop").c_str()); }
  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  std::string url(const std::string& who, const std::string& database) const {
    return "mysql://" + settings_.at(who + "_user") + ":" + settings_.at(who + "_password") +
           "@127.0.0.1:" + settings_.at("port") + "/" + database;
  }

 private:
  std::string command(const char* action) const {
    return std::string("bash '") + AEROTRACE_MARIADB_SCRIPT + "' " + action + " '" + dir_.string() +
           "' >/dev/null 2>&1";
  }

  std::filesystem::path dir_;
  std::map<std::string, std::string> settings_;
};

struct Counters {
  long long questions = 0, executes = 0, prepares = 0;
};

Counters counters(db::Driver& admin) {
  Counters c;
  const db::StatementResult r = admin.run(
      "SELECT VARIABLE_NAME, VARIABLE_VALUE FROM information_schema.GLOBAL_STATUS WHERE "
      "VARIABLE_NAME IN ('QUESTIONS', 'COM_STMT_EXECUTE', 'COM_STMT_PREPARE')",
      {});
  for (const auto& row : r.rows) {
    const std::string name = db::toText(row[0]);
    const long long v = db::toInteger(row[1]);
    if (name == "QUESTIONS") c.questions = v;
    if (name == "COM_STMT_EXECUTE") c.executes = v;
    if (name == "COM_STMT_PREPARE") c.prepares = v;
  }
  return c;
}

Counters operator-(const Counters& a, const Counters& b) {
  return {a.questions - b.questions, a.executes - b.executes, a.prepares - b.prepares};
}

std::vector<oRoute> track(std::size_t samples) {
  std::vector<oRoute> t(samples);
  for (std::size_t i = 0; i < samples; ++i) {
    t[i].Latitude = 47.26 + 0.001 * static_cast<double>(i);
    t[i].Longitude = 11.35 + 0.001 * static_cast<double>(i);
    t[i].Alt = 5000;
    t[i].GrndSp = 160;
    t[i].Hdg = 45;
    t[i].QNH = "1013";
  }
  return t;
}

LegResult result(std::int32_t legId) {
  LegResult r;
  r.legId = legId;
  r.VID = "123456";
  r.Descr = "1) Innsbruck - Munich";
  r.Dep = "LOWI";
  r.Dest = "EDDM";
  r.tour_id = 1;
  r.Points = 25;
  r.MaxPoints = 30;
  r.DepDate = r.DepTime = encode({2026, 5, 1, 8, 15, 0, 0});
  r.ArrTime = encode({2026, 5, 1, 9, 2, 0, 0});
  r.GForceMax = "1.250";
  r.GForceMin = "-0.500";
  r.GForceLnd = "0.300";
  r.FuelUsed = "259.4";
  r.AirPlane = "C172";
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  const int uploads = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  try {
    Server server;
    {
      auto root = db::makeDriver(server.url("admin", "mysql"));
      if (!root->connect(std::chrono::seconds(5))) throw std::runtime_error("no admin login");
      root->run("CREATE DATABASE bench CHARACTER SET latin1", {});
    }
    auto admin = db::makeDriver(server.url("admin", "bench"));
    if (!admin->connect(std::chrono::seconds(5))) throw std::runtime_error("no admin login");
    const std::filesystem::path sql = AEROTRACE_SQL_DIR;
    db::runSqlScript(*admin, readFile(sql / "mysql" / "schema.sql"));
    db::runSqlScript(*admin, readFile(sql / "mysql" / "grants.sql"));

    // What reading the counters adds by itself.
    const Counters a = counters(*admin);
    const Counters overhead = counters(*admin) - a;

    TfD d(server.url("app", "bench"));
    std::printf("%-8s %-9s %10s %14s %14s %12s\n", "samples", "upload", "questions", "stmt_execute",
                "stmt_prepare", "median ms");
    std::int32_t legId = 100;
    for (const std::size_t samples : {std::size_t{10}, std::size_t{100}, std::size_t{1000}}) {
      const std::vector<oRoute> points = track(samples);
      // The first upload of a leg appends its row; every later one edits it
      // and replaces the track.
      for (const bool first : {true, false}) {
        std::vector<double> ms;
        Counters last;
        for (int i = 0; i < uploads; ++i) {
          const std::int32_t leg = first ? ++legId : legId;
          const Counters before = counters(*admin);
          const auto t0 = Steady::now();
          const StoredResult stored = storeLegResult(d, result(leg), points);
          ms.push_back(std::chrono::duration<double, std::milli>(Steady::now() - t0).count());
          last = counters(*admin) - before - overhead;
          if (stored.trackRows != static_cast<std::int32_t>(samples)) {
            throw std::runtime_error("track rows missing");
          }
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%-8zu %-9s %10lld %14lld %14lld %12.2f\n", samples, first ? "first" : "again",
                    last.questions, last.executes, last.prepares, ms[ms.size() / 2]);
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "upload_round_trips: %s\n", e.what());
    return 1;
  }
  return 0;
}
