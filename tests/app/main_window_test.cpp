// The main window over the real monitor: a stand-in simulator in the process
// plays an aircraft parked at Innsbruck, the demo tours database lists its
// legs, and the pilot presses START.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <vector>

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

TEST_F(MainWindowTest, AnAirportListThatCannotBeReadIsToldOnceAndTheStartGoesOn) {
  // A folder where the file should be; as root no permission bit keeps a
  // file from being read, so the folder stands for both.
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("aerotrace-airports-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder / "airports.csv");
  TfHParts p = parts("123456");
  p.airportsPath = (folder / "airports.csv").string();
  TfH window(std::move(p));
  std::vector<QString> shown;
  QTimer dismisser;
  QObject::connect(&dismisser, &QTimer::timeout, [&] {
    if (!window.messages()->isVisible()) return;
    shown.push_back(window.messages()->lblInfo()->text());
    window.messages()->accept();
  });
  dismisser.start(20);
  window.show();
  EXPECT_TRUE(window.FormShow());
  EXPECT_EQ(shown, std::vector<QString>{"airports.csv cannot be read"});
  EXPECT_TRUE(window.state().airports.empty());
  EXPECT_TRUE(window.state().textEnabled) << "the start went on";
  // Parked at Innsbruck, but with no airport known no panel comes out.
  QTest::qWait(500);
  EXPECT_LT(window.tmLeg()->y(), 0);
  EXPECT_EQ(shown.size(), 1u);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace aerotrace
