#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <string>
#include <vector>

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

// What moves a grid: a key, or turns of the wheel (down when negative, as
// the wheel reports them).
struct Move {
  Qt::Key key = Qt::Key_unknown;
  int notches = 0;
};

void apply(RowGrid* grid, const Move& m) {
  if (m.key != Qt::Key_unknown) {
    QTest::keyClick(grid, m.key);
    return;
  }
  const QPointF at(grid->width() / 2.0, grid->height() / 2.0);
  QWheelEvent wheel(at, grid->mapToGlobal(at), QPoint(), QPoint(0, 120 * m.notches), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(grid, &wheel);
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

// A leg of 20 checkpoints: six rows fit, the rest are reached by the keys
// and the wheel, with no scroll bar.
TEST(ReportWindowTest, TwentyCheckpointsScrollByKeysAndWheel) {
  LegReport r = report(false);
  r.rows.clear();
  for (int i = 1; i <= 20; ++i) r.rows.push_back({"Checkpoint " + std::to_string(i), "Passed.", "5"});
  TfMaps window;
  window.showReport(r, QPoint(0, 0));
  CheckpointGrid* grid = window.sgRes();
  ASSERT_TRUE(QTest::qWaitFor([&] { return grid->rowCount() == 20; }, 5000));
  ASSERT_EQ(grid->visibleRows(), 6);  // 349 pixels of 52-pixel rows and 4-pixel lines
  const int lines = QApplication::wheelScrollLines();

  struct Step {
    const char* what;
    Move move;
    int selected, top;
  };
  const Step steps[] = {
      {"End", {Qt::Key_End}, 19, 14},
      {"Home", {Qt::Key_Home}, 0, 0},
      {"Page Down", {Qt::Key_PageDown}, 6, 6},
      {"Down", {Qt::Key_Down}, 7, 6},
      {"Up", {Qt::Key_Up}, 6, 6},
      {"wheel down", {Qt::Key_unknown, -1}, 6, 6 + lines},
      {"wheel far down", {Qt::Key_unknown, -20}, 6, 14},
      {"Up, out of view", {Qt::Key_Up}, 5, 5},
      {"Page Up", {Qt::Key_PageUp}, 0, 0},
      {"wheel up at the top", {Qt::Key_unknown, 1}, 0, 0},
      {"End", {Qt::Key_End}, 19, 14},
      {"Down at the end", {Qt::Key_Down}, 19, 14},
  };
  for (const Step& step : steps) {
    apply(grid, step.move);
    EXPECT_EQ(grid->selectedRow(), step.selected) << step.what;
    EXPECT_EQ(grid->topRow(), step.top) << step.what;
  }

  // The last checkpoint, selected, is drawn whole as the grid's sixth row.
  const QImage drawn = grid->grab().toImage();
  const int pitch = CheckpointGrid::kRowHeight + RowGrid::kLine;
  EXPECT_EQ(QColor(drawn.pixel(150, 5 * pitch + CheckpointGrid::kRowHeight - 2)), QColor(64, 64, 64));
  EXPECT_LT(5 * pitch + CheckpointGrid::kRowHeight, grid->height());

  // A new report starts from its first checkpoint.
  window.showReport(r, QPoint(0, 0));
  EXPECT_EQ(grid->selectedRow(), 0);
  EXPECT_EQ(grid->topRow(), 0);
}

// MY LEGS with 40 legs: the keys reach the oldest, and the report page
// command follows the selection.
TEST(HistoryWindowTest, FortyLegsScrollAndTheSelectedOneGetsItsPage) {
  TfMyLegs window;
  std::vector<int> pages;
  window.setReportPageHandler([&](int row) { pages.push_back(row); });
  window.open();
  std::vector<HistoryRow> rows(40);
  for (int i = 0; i < 40; ++i) rows[static_cast<std::size_t>(i)].leg.Descr = "1) Leg " + std::to_string(i);
  window.showRows(rows);
  HistoryGrid* grid = window.sgMyLegs();
  const int visible = grid->visibleRows();
  ASSERT_GT(visible, 1);
  ASSERT_LT(visible, 40);
  EXPECT_EQ(visible, (grid->height() + RowGrid::kLine) / (grid->rowHeight() + RowGrid::kLine));

  apply(grid, {Qt::Key_End});
  EXPECT_EQ(grid->selectedRow(), 39);
  EXPECT_EQ(grid->topRow(), 40 - visible);
  window.ORVANTATOURS1()->trigger();
  apply(grid, {Qt::Key_unknown, 1});
  EXPECT_EQ(grid->topRow(), 40 - visible - QApplication::wheelScrollLines());
  EXPECT_EQ(grid->selectedRow(), 39) << "the wheel leaves the selection";
  apply(grid, {Qt::Key_PageUp});
  EXPECT_EQ(grid->selectedRow(), 39 - visible);
  // A click picks the row under it, in the scrolled view.
  QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(10, grid->rowHeight() + RowGrid::kLine + 5));
  EXPECT_EQ(grid->selectedRow(), grid->topRow() + 1);
  window.ORVANTATOURS1()->trigger();
  EXPECT_EQ(pages, (std::vector<int>{39, grid->topRow() + 1}));
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
