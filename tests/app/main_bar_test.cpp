#include "app/main_bar.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace aerotrace {
namespace {

TEST(MainBarTest, LampColoursAndTheTitleDoubleClick) {
  QWidget window;
  MainBar bar(&window);
  EXPECT_EQ(bar.size(), QSize(71, 20));
  EXPECT_EQ(bar.lampColour(), QColor(150, 15, 14));
  bar.setLinkLamp(true);
  EXPECT_EQ(bar.lampColour(), QColor(0, 128, 0));
  bar.setLinkLamp(false);
  EXPECT_EQ(bar.lampColour(), QColor(128, 0, 0));
  QSignalSpy repeat(&bar, &MainBar::titleDoubleClicked);
  window.show();
  QTest::mouseDClick(bar.Label5(), Qt::LeftButton);
  EXPECT_EQ(repeat.count(), 1);
  EXPECT_EQ(bar.Label5()->text(), "Aerotrace");
}

TEST(MainBarTest, MenuItemsInOrderWithSeparatorsAndChecks) {
  QWidget window;
  InFlightMenu menu(&window);
  QStringList top;
  for (QAction* a : menu.actions()) top << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(top, (QStringList{"Message", "-", "MY LEGS", "-", "Close AEROTRACE"}));
  QStringList sub;
  for (QAction* a : menu.Message1->actions()) sub << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(sub, (QStringList{"Repeat last message", "-", "Text", "Speach"}));
  menu.setChecks(true, false);
  EXPECT_TRUE(menu.ext1->isChecked());
  EXPECT_FALSE(menu.Speach1->isChecked());
}

// The icons are white: the menus must be dark whatever the system's look,
// or the icons vanish on a light one.
TEST(MainBarTest, TheMenusAreDarkUnderTheirWhiteIcons) {
  QWidget window;
  InFlightMenu menu(&window);
  for (QMenu* m : {static_cast<QMenu*>(&menu), menu.Message1}) {
    m->ensurePolished();
    m->adjustSize();
    const QImage drawn = m->grab().toImage();
    ASSERT_FALSE(drawn.isNull());
    EXPECT_EQ(QColor(drawn.pixel(drawn.width() - 4, 3)), QColor(48, 48, 48)) << m->objectName().toStdString();
  }
  const QImage icon = menu.MYLEGS1->icon().pixmap(16, 16).toImage();
  EXPECT_EQ(QColor(icon.pixel(7, 3)), QColor(Qt::white)) << "the icon drawn on it";
}

TEST(MainBarTest, OnlyTheBarAndThePanelInsideTheWindowAreVisible) {
  const QRect bar(0, 0, 71, 20);
  // Collapsed, panel at home above the window.
  EXPECT_EQ(visibleRegion(bar, {0, -365, 431, 365}, {71, 20}), QRegion(bar));
  // Extended: the window is the panel's size plus the bar.
  const QRegion out = visibleRegion(bar, {0, 20, 431, 365}, {431, 385});
  EXPECT_TRUE(out.contains(QPoint(5, 5)));
  EXPECT_TRUE(out.contains(QPoint(400, 300)));
  EXPECT_FALSE(out.contains(QPoint(200, 10))) << "beside the bar clicks go through";
  // Halfway down only the part already inside the window shows.
  const QRegion half = visibleRegion(bar, {0, -173, 431, 365}, {431, 385});
  EXPECT_TRUE(half.contains(QPoint(200, 100)));
  EXPECT_FALSE(half.contains(QPoint(200, 250)));
}

}  // namespace
}  // namespace aerotrace
