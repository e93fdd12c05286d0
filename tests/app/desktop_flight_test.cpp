// The real program under a virtual X display flies the demo leg over the
// stand-in simulator on a fresh copy of the SQLite demo database, the pilot's
// actions performed by the program itself (scripts/fly-desktop). Its event
// log must judge the leg as the replay does, and its screenshots must show
// the bar, the panel and the report and nothing else of its window: the
// display's root is magenta, a colour the program never draws.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const fs::path kOut = AEROTRACE_FLIGHT_OUT;
const QRgb kRoot = qRgb(255, 0, 255);

constexpr int kBarWidth = 71, kBarHeight = 20;
constexpr int kPanelWidth = 431, kPanelHeight = 365;
constexpr int kReportWidth = 677, kReportHeight = 405;

std::vector<json> readLog(const fs::path& file) {
  std::vector<json> events;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) events.push_back(json::parse(line));
  }
  return events;
}

// What both must agree on: the leg started, its checkpoints, the report's
// scores, the upload and the history list, without times of day or fuel
// figures, which depend on the tick at which things happen.
json judgement(const std::vector<json>& log) {
  json out = json::array();
  for (const json& e : log) {
    const std::string name = e["event"];
    if (name == "start") {
      out.push_back({{"start", e["leg"]}});
    } else if (name == "checkpoint") {
      out.push_back({{"checkpoint", e["index"]}, {"descr", e["descr"]}, {"ok", e["ok"]}});
    } else if (name == "report") {
      json rows = json::array();
      for (const json& r : e["rows"]) rows.push_back({r["descr"], r["result"], r["points"]});
      out.push_back({{"report", e["points"]}, {"block", e["block"]}, {"dep", e["dep"]},
                     {"arr", e["arr"]}, {"plane", e["plane"]}, {"rows", rows}});
    } else if (name == "upload") {
      out.push_back({{"upload", e["ok"]}, {"legRdyId", e["legRdyId"]}, {"try", e["try"]}});
    } else if (name == "history") {
      json rows = json::array();
      for (const json& r : e["rows"]) rows.push_back({r["legId"], r["points"], r["status"]});
      out.push_back({{"history", rows}});
    }
  }
  return out;
}

// The smallest rectangle holding every pixel that is not the root's.
QRect drawn(const QImage& shot) {
  QRect box;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      if (shot.pixel(x, y) != kRoot) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

int rootPixels(const QImage& shot, const QRect& area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) n += shot.pixel(x, y) == kRoot ? 1 : 0;
  }
  return n;
}

class DesktopFlightTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string command = std::string("'") + AEROTRACE_FLY_DESKTOP + "' --headless --build '" +
                                AEROTRACE_BUILD_DIR + "' --out '" + kOut.string() + "' --speed " +
                                AEROTRACE_FLIGHT_SPEED + " '" + AEROTRACE_DEMO_FLIGHT +
                                "' >/dev/null";
    status_ = std::system(command.c_str());
  }

  void SetUp() override { ASSERT_EQ(status_, 0) << "see " << (kOut / "aerotrace.log"); }

  static QImage shot(const char* name) {
    QImage image(QString::fromStdString((kOut / name).string()));
    return image.convertToFormat(QImage::Format_RGB32);
  }

  static int status_;
};

int DesktopFlightTest::status_ = -1;

TEST_F(DesktopFlightTest, TheProgramJudgesTheDemoLegAsTheReplayDoes) {
  const std::vector<json> log = readLog(kOut / "events.jsonl");
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front()["event"], "lamp");
  EXPECT_EQ(log.front()["connected"], true);

  const json desktop = judgement(log);
  const json replay = judgement(readLog(AEROTRACE_REPLAY_EVENTS));
  ASSERT_EQ(replay.size(), 7u);  // start, three checkpoints, report, upload, history
  EXPECT_EQ(desktop, replay) << desktop.dump(1);

  // The simulator got the checkpoints' texts from the program.
  int texts = 0;
  for (const json& e : readLog(kOut / "simulator.jsonl")) texts += e["what"] == "text" ? 1 : 0;
  EXPECT_EQ(texts, 4);  // three checkpoints and "Ready to go."
}

TEST_F(DesktopFlightTest, OnlyTheBarAndThePanelAreDrawn) {
  // In flight: the bar alone, with its lamp green.
  const QImage bar = shot("bar.png");
  ASSERT_FALSE(bar.isNull());
  const QRect barRect = drawn(bar);
  ASSERT_EQ(barRect.size(), QSize(kBarWidth, kBarHeight));
  EXPECT_EQ(rootPixels(bar, barRect), 0);
  EXPECT_EQ(QColor(bar.pixel(barRect.topLeft() + QPoint(8, 10))), QColor(0, 128, 0));

  // At the gate: the panel out under the bar. The window spans both, but
  // beside the narrow bar it lets the screen show through.
  const QImage panel = shot("panel.png");
  ASSERT_FALSE(panel.isNull());
  const QRect panelArea(barRect.left(), barRect.bottom() + 1, kPanelWidth, kPanelHeight);
  EXPECT_EQ(drawn(panel), barRect | panelArea);
  EXPECT_EQ(rootPixels(panel, barRect), 0);
  EXPECT_EQ(rootPixels(panel, panelArea), 0);
  const QRect besideBar(barRect.right() + 1, barRect.top(), kPanelWidth - kBarWidth, kBarHeight);
  EXPECT_EQ(rootPixels(panel, besideBar), besideBar.width() * besideBar.height());
}

TEST_F(DesktopFlightTest, TheReportOpensAtTheBar) {
  const QImage report = shot("report.png");
  ASSERT_FALSE(report.isNull());
  const QRect barRect = drawn(shot("bar.png"));
  EXPECT_EQ(drawn(report), QRect(barRect.topLeft(), QSize(kReportWidth, kReportHeight)));
}

}  // namespace
