#include "app/leg_panel_widget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

namespace aerotrace {
namespace {

QString text(const QWidget& panel, const char* name) {
  return panel.findChild<QLabel*>(name)->text();
}

TEST(LegPanelWidgetTest, ShowsTheDisplayAndKeepsFieldsLeftOpen) {
  QWidget host;
  LegPanelWidget panel(&host);
  LegDisplay d;
  d.tourName = "Alpine Hops";
  d.legName = "LOWI-EDDM";
  d.fuel = "812";
  d.destination = "EDDM";
  d.maxFuel = "900";
  d.minimumPoints = "20";
  d.totalPoints = "30";
  d.route = "KUFSTEIN ROSENHEIM";
  d.startVisible = true;
  panel.showLegDisplay(d);
  host.show();
  EXPECT_EQ(text(panel, "lblTourSel"), "Alpine Hops");
  EXPECT_EQ(text(panel, "Label10"), "EDDM");
  EXPECT_EQ(text(panel, "Label8"), "900");
  EXPECT_EQ(text(panel, "Label1"), "812");
  EXPECT_EQ(panel.findChild<QPlainTextEdit*>("Memo1")->toPlainText(), "KUFSTEIN ROSENHEIM");
  EXPECT_TRUE(panel.findChild<QWidget*>("imgStartFl")->isVisible());
  EXPECT_FALSE(panel.findChild<QWidget*>("pnlOverl")->isVisible());

  // The empty state: the names and the fuel figure stay, the rest is cleared.
  panel.showLegDisplay(LegDisplay{});
  EXPECT_EQ(text(panel, "lblTourSel"), "Alpine Hops");
  EXPECT_EQ(text(panel, "lblLegSel"), "LOWI-EDDM");
  EXPECT_EQ(text(panel, "Label1"), "812");
  EXPECT_EQ(text(panel, "Label10"), "");
  EXPECT_FALSE(panel.findChild<QWidget*>("imgStartFl")->isVisible());

  d.startVisible = false;
  d.overloadVisible = true;
  panel.showLegDisplay(d);
  EXPECT_TRUE(panel.findChild<QWidget*>("pnlOverl")->isVisible());
  EXPECT_EQ(panel.findChild<QLabel*>("pnlOverl")->text(), "FUEL OVERLOAD");

  panel.setFuelUnitLabels("Gal");
  EXPECT_EQ(text(panel, "Label11"), "Gal");
  EXPECT_EQ(text(panel, "Label21"), "Gal");
}

TEST(LegPanelWidgetTest, EverySixFuelPartsSwitchTheUnitAndBoxesLightOnHover) {
  QWidget host;
  LegPanelWidget panel(&host);
  host.show();
  QSignalSpy unit(&panel, &LegPanelWidget::fuelUnitPressed);
  for (const char* name : {"Label1", "Label11", "shFuel", "Label8", "Label21", "shFuelMax"}) {
    QTest::mousePress(panel.findChild<QWidget*>(name), Qt::RightButton);
  }
  EXPECT_EQ(unit.count(), 6);

  auto* shFuel = panel.findChild<RoundedBox*>("shFuel");
  auto* shFuelMax = panel.findChild<RoundedBox*>("shFuelMax");
  QEvent enter(QEvent::Enter), leave(QEvent::Leave);
  QApplication::sendEvent(panel.findChild<QWidget*>("Label11"), &enter);
  EXPECT_EQ(shFuel->colour(), QColor(64, 64, 64));
  EXPECT_EQ(shFuelMax->colour(), QColor(32, 32, 32));
  QApplication::sendEvent(panel.findChild<QWidget*>("Label1"), &leave);
  EXPECT_EQ(shFuel->colour(), QColor(32, 32, 32));
  QApplication::sendEvent(panel.findChild<QWidget*>("Label21"), &enter);
  EXPECT_EQ(shFuelMax->colour(), QColor(64, 64, 64));
}

TEST(LegPanelWidgetTest, ArrowsAndStartReportTheirPresses) {
  QWidget host;
  LegPanelWidget panel(&host);
  host.show();
  QSignalSpy prev(&panel, &LegPanelWidget::previousLegPressed);
  QSignalSpy next(&panel, &LegPanelWidget::nextLegPressed);
  QSignalSpy start(&panel, &LegPanelWidget::startPressed);
  QTest::mousePress(panel.findChild<QWidget*>("imLegL"), Qt::LeftButton);
  QTest::mousePress(panel.findChild<QWidget*>("imgLegR"), Qt::MiddleButton);
  QTest::mousePress(panel.findChild<QWidget*>("imgLegR"), Qt::LeftButton);
  QTest::mousePress(panel.findChild<QWidget*>("imgStartFl"), Qt::RightButton);
  EXPECT_EQ(prev.count(), 1);
  EXPECT_EQ(next.count(), 2);
  EXPECT_EQ(start.count(), 1);
}

TEST(LegPanelWidgetTest, StartFlightStandsBesideStartAndAPressOnItStarts) {
  QWidget host;
  host.resize(431, 365);
  LegPanelWidget panel(&host);
  LegDisplay d;
  d.startVisible = true;
  panel.showLegDisplay(d);
  host.show();
  auto* caption = panel.findChild<QLabel*>("lblStartFl");
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->text(), "START FLIGHT");
  EXPECT_TRUE(caption->isVisible());
  const QRect start = panel.findChild<QWidget*>("imgStartFl")->geometry();
  EXPECT_TRUE(QRect(344, 319, 79, 37).contains(caption->geometry())) << "in START's box";
  EXPECT_TRUE(start.intersects(caption->geometry()));

  // Through the window system, as the pilot presses: the caption lets the
  // press through to START under it.
  QSignalSpy started(&panel, &LegPanelWidget::startPressed);
  QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {},
                    caption->mapTo(&host, caption->rect().center()));
  EXPECT_EQ(started.count(), 1);

  d.startVisible = false;
  d.overloadVisible = true;
  panel.showLegDisplay(d);
  EXPECT_FALSE(caption->isVisible()) << "no caption without its control";
}

}  // namespace
}  // namespace aerotrace
