// The history's number reading, status and report pages, and the report's
// close handling against a monitor cycle whose pass is still running.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report_rig.h"
#include "results/leg_history.h"
#include "results/report_handlers.h"
#include "results/report_pages.h"

namespace aerotrace::testing {
namespace {

TEST(HistoryLogicTest, FuelUsedTextReadsAsANumberOrZero) {
  const std::vector<std::pair<std::string, double>> cases{
      {"12.5", 12.5}, {"259.4", 259.4}, {" 7 ", 7},  {"-3.25", -3.25}, {"+4", 4},
      {"", 0},        {"abc", 0},       {"12,5", 0}, {"12.5L", 0},     {"1,234.5", 0},
      {"nan", 0},     {"inf", 0},       {"+-1", 0},  {"-", 0},         {"1e3", 1000},
  };
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(fuelUsedValue(text), value) << text;
}

TEST(HistoryLogicTest, StatusFromTheVerdictAndThePoints) {
  EXPECT_EQ(historyStatus(true, 25), kStatusAccepted);
  EXPECT_EQ(historyStatus(true, 0), kStatusAccepted);
  EXPECT_EQ(historyStatus(false, 0), kStatusRejected);
  EXPECT_EQ(historyStatus(false, 25), kStatusWaiting);
  EXPECT_EQ(historyStatus(false, -5), kStatusWaiting);
}

TEST(HistoryLogicTest, ReportPageByThePrefixOfTheDescription) {
  const ReportPages pages{"secure.example.org", "EU", "7", "plain.example.org", "CE", "A", "B"};
  const std::vector<std::pair<std::string, std::string>> cases{
      {"1) Innsbruck - Munich", "https://secure.example.org/index.php?div=EU&tourid=7&report=yes"},
      {"2) Zurich - Bern",
       "http://plain.example.org/cgi-bin/tours.pl?function=Report&tour=A&division=CE"},
      {"3) Graz - Linz",
       "http://plain.example.org/cgi-bin/tours.pl?function=Report&tour=B&division=CE"},
      {"4) Other", ""},
      {"1)Innsbruck", ""},
      {" 1) Innsbruck", ""},
      {"1)", ""},
      {"", ""},
  };
  for (const auto& [descr, page] : cases) EXPECT_EQ(reportPageOf(descr, pages), page) << descr;
}

TEST(HistoryLogicTest, ReportPageCommandSendsQuotesEscaped) {
  const ReportPages pages{"h\"1", "d", "t", "h2", "d", "t", "t"};
  TfMyLegsState w;
  w.history.resize(2);
  w.history[0].Descr = "1) Quoted";
  w.history[1].Descr = "No prefix";
  w.historyCount = 2;
  RecordingOpener opener;
  ORVANTATOURS1Click(w, 0, opener, pages);
  ORVANTATOURS1Click(w, 1, opener, pages);
  ORVANTATOURS1Click(w, 2, opener, pages);  // a grid row without a record
  EXPECT_EQ(opener.opened(),
            std::vector<std::string>{"https://h%221/index.php?div=d&tourid=t&report=yes"});

  w.historyCount = 0;  // a load that failed or found nothing
  ORVANTATOURS1Click(w, 0, opener, pages);
  EXPECT_EQ(opener.opened().size(), 1u);
}

TEST(HistoryLogicTest, BuiltInReportPagesNameNoRealHost) {
  const ReportPages pages = builtInReportPages();
  for (const std::string& host : {pages.secureHost, pages.plainHost}) {
    EXPECT_NE(host.find("example."), std::string::npos) << host;
  }
}

// Closing the report while a reader pass runs leaves the timer to that
// pass: no tick and no second pass until it has ended.
TEST(ReportCloseTest, ClosingDuringAPassNeverRunsBesideIt) {
  ReportRig rig("sqlite:/nonexistent/tours.sqlite");
  rig.view.blockShown = true;  // no prompt: nothing to store
  rig.cycle.startReaderPass();
  ASSERT_TRUE(rig.cycle.passRunning());

  FormClose(rig.context);
  EXPECT_TRUE(rig.cycle.timerEnabled());
  EXPECT_FALSE(rig.cycle.handlerDueAt().has_value());
  EXPECT_FALSE(rig.cycle.timerFired(rig.now + 1000));
  EXPECT_EQ(rig.launched, 1);
  EXPECT_EQ(rig.ticks, 0);

  rig.cycle.passEnded(rig.now + 1000, {});
  EXPECT_TRUE(rig.cycle.timerFired(rig.now + 1100));
  EXPECT_EQ(rig.ticks, 1);
  EXPECT_EQ(rig.launched, 2);
}

TEST(ReportCloseTest, ClosingAtRestArmsTheTimerFromNow) {
  ReportRig rig("sqlite:/nonexistent/tours.sqlite");
  rig.view.blockShown = true;
  FormClose(rig.context);
  EXPECT_EQ(rig.cycle.handlerDueAt(), rig.now + MonitorCycle::kTimerIntervalMs);
  EXPECT_EQ(rig.launched, 0);
}

}  // namespace
}  // namespace aerotrace::testing
