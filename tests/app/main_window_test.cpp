// The main window over the real monitor: a stand-in simulator in the process
// plays an aircraft parked at Innsbruck, the demo tours database lists its
// legs, and the pilot presses START.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "window_rig.h"

namespace aerotrace {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  TfHParts parts(const std::string& vid) { return rig_.parts(vid); }
  testing::WindowRig rig_{"main-window"};
};

TEST_F(MainWindowTest, ParkedAtAnAirportThePanelOffersItsLegsAndStartFliesOne) {
  TfH window(parts("123456"));
  window.show();
  EXPECT_EQ(window.size(), QSize(71, 20)) << "the bar alone at first";
  ASSERT_TRUE(window.FormShow());

  ASSERT_TRUE(QTest::qWaitFor([&] { return window.tmLeg()->y() == 20; }, 10000));
  EXPECT_EQ(window.size(), QSize(431, 385));
  EXPECT_EQ(window.legPanel()->findChild<QLabel*>("Label9")->text(), "LOWI");
  EXPECT_EQ(window.legPanel()->findChild<QLabel*>("Label7")->text(), "Test Plane");
  EXPECT_EQ(window.bar()->lampColour(), QColor(0, 128, 0));
  EXPECT_TRUE(window.mask().contains(QPoint(200, 200)));
  EXPECT_FALSE(window.mask().contains(QPoint(200, 10))) << "beside the bar clicks go through";
  ASSERT_FALSE(window.state().legs.empty());
  EXPECT_TRUE(window.legPanel()->findChild<QWidget*>("imgStartFl")->isVisible());

  QTest::mousePress(window.legPanel()->findChild<QWidget*>("imgStartFl"), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(window.state().legActive); }, 5000));
  EXPECT_EQ(window.state().activeLegId, window.state().legs[0].Id);
  EXPECT_FALSE(window.state().checkpoints.empty());
  EXPECT_EQ(window.size(), QSize(71, 20)) << "the window shrinks to the bar at once";
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.tmLeg()->y() == -365; }, 5000));
}

TEST_F(MainWindowTest, TheMenuShowsTheSwitchesAndRepeatSpeaks) {
  TfH window(parts("123456"));
  window.show();
  ASSERT_TRUE(window.FormShow());
  EXPECT_TRUE(window.state().textEnabled);
  EXPECT_TRUE(window.state().speechEnabled);
  window.menu()->ext1->trigger();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window.state().textEnabled; }, 5000));
  window.menu()->Saylastmessage1->trigger();
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return window.state().lastMessage.Text == "No last message"; }, 5000));
  EXPECT_FALSE(window.state().flightData.simTextPending) << "text is off";
}

}  // namespace
}  // namespace aerotrace
