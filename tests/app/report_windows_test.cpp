#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "app/tf_maps.h"
#include "app/tf_my_legs.h"

namespace aerotrace {
namespace {

LegReport report(bool block) {
  LegReport r;
  r.total = 20;
  r.points = "20";
  r.block = block;
  r.fuelStart = "3000";
  r.fuelUsed = "195";
  r.fuelEnd = "2805";
  r.date = "01-01-2026";
  r.plane = "Demo Caravan";
  r.dep = "LOWI";
  r.arr = "EDDM";
  r.depTime = "12:00";
  r.arrTime = "12:28";
  r.gMin = "-0.500";
  r.gMax = "0.349";
  r.gTouch = "0.349";
  r.rows = {{"Kufstein", " Wrong speed. ", "10"},
            {"Rosenheim", "Passed.", "10"},
            {"Munich", "Passed.", "10"}};
  return r;
}

TEST(ReportWindowTest, FilledAtTheBarAndTheGridTakesItsRowsHalfASecondLater) {
  TfMaps window;
  window.showReport(report(false), QPoint(120, 80));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.pos(), QPoint(120, 80));
  EXPECT_EQ(window.size(), QSize(677, 405));
  EXPECT_EQ(window.value("lblTot")->text(), "20");
  EXPECT_EQ(window.value("lblFuelUsed")->text(), "195");
  EXPECT_EQ(window.value("lblGMin")->text(), "-0.500");
  EXPECT_EQ(window.value("lblArrTime")->text(), "12:28");
  EXPECT_TRUE(window.imgUpload()->isVisible());
  EXPECT_FALSE(window.blockVisible());
  EXPECT_EQ(window.sgRes()->rowCount(), 2) << "the grid's first row count";
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.sgRes()->rowCount() == 3; }, 5000));

  QSignalSpy upload(&window, &TfMaps::uploadPressed);
  QTest::mousePress(window.imgUpload(), Qt::LeftButton);
  EXPECT_EQ(upload.count(), 1);
}

TEST(ReportWindowTest, TheBlockCoversTheUploadButtonAndClosingRunsTheHandler) {
  TfMaps window;
  int closed = 0;
  window.setCloseHandler([&] { ++closed; });
  window.showReport(report(true), QPoint(0, 0));
  EXPECT_TRUE(window.blockVisible());
  EXPECT_FALSE(window.imgUpload()->isVisible());
  EXPECT_EQ(window.pnlBlock()->text(), "Not enough points. Try again.");
  window.setBlockVisible(false);
  EXPECT_TRUE(window.imgUpload()->isVisible());
  window.close();
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(window.isVisible());

  // A leg without checkpoints keeps one empty row.
  LegReport empty = report(false);
  empty.rows.clear();
  window.showReport(empty, QPoint(0, 0));
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.sgRes()->rowCount() == 1; }, 5000));
}

TEST(HistoryWindowTest, LoadsOnceAfterEachOpeningAndHandsTheSelectedRow) {
  TfMyLegs window;
  int loads = 0;
  std::vector<int> pages;
  window.setLoader([&] { ++loads; });
  window.setReportPageHandler([&](int row) { pages.push_back(row); });
  window.open();
  EXPECT_EQ(loads, 0) << "the load waits half a second";
  EXPECT_TRUE(QTest::qWaitFor([&] { return loads == 1; }, 5000));
  window.open();  // already open: brought forward, not loaded again
  QTest::qWait(700);
  EXPECT_EQ(loads, 1);

  HistoryRow row;
  row.leg.Descr = "1) Innsbruck - Munich";
  row.leg.Status = 2;
  window.showRows({row, row});
  EXPECT_EQ(window.sgMyLegs()->rowCount(), 2);
  window.sgMyLegs()->selectRow(1);
  window.ORVANTATOURS1()->trigger();
  EXPECT_EQ(pages, std::vector<int>{1});

  window.showRows({});
  EXPECT_EQ(window.sgMyLegs()->rowCount(), 1) << "an empty list keeps one blank row";
  window.close();
  window.open();
  EXPECT_TRUE(QTest::qWaitFor([&] { return loads == 2; }, 5000));
}

}  // namespace
}  // namespace aerotrace
