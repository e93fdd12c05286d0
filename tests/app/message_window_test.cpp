#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <vector>

#include "app/tf_smess.h"
#include "app/title_strip.h"

namespace aerotrace {
namespace {

// Presses OK as soon as the modal wait has begun, and notes what was shown.
void dismissWhenShown(TfSMess& window, std::vector<QString>& seen) {
  QTimer::singleShot(0, &window, [&] {
    seen.push_back(window.lblInfo()->text());
    QTest::mouseClick(window.Image1(), Qt::RightButton);  // any button will do
  });
}

TEST(MessageWindowTest, EachMessageWaitsForOkInTheSameWindow) {
  TfSMess window;
  std::vector<QString> seen;
  dismissWhenShown(window, seen);
  window.showMessage("No connection with server");
  EXPECT_FALSE(window.isVisible());
  dismissWhenShown(window, seen);
  window.showMessage("Leg details NOT uploaded.\r\rTry again");
  EXPECT_EQ(seen, (std::vector<QString>{"No connection with server",
                                        "Leg details NOT uploaded.\n\nTry again"}));
}

TEST(MessageWindowTest, ALongMessageIsCutNotGrown) {
  TfSMess window;
  std::vector<QString> seen;
  dismissWhenShown(window, seen);
  window.showMessage(std::string(2000, 'W') + " the end");
  EXPECT_EQ(window.size(), QSize(328, 236));
  EXPECT_EQ(window.lblInfo()->size(), QSize(273, 110));
  EXPECT_TRUE(window.lblInfo()->wordWrap());
}

TEST(MessageWindowTest, Latin1BytesShowAsTheirLetters) {
  TfSMess window;
  std::vector<QString> seen;
  dismissWhenShown(window, seen);
  window.showMessage("Tour Z\xFCrich Leg 1 uploaded...");
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], QString::fromUtf8("Tour Z\xC3\xBCrich Leg 1 uploaded..."));
}

TEST(TitleStripTest, OnlyTheLeftButtonDragsAndTheCloseImageClosesOnAny) {
  QWidget window;
  window.resize(400, 300);
  auto* strip = new TitleStrip("LEG RESULT", true, &window);
  strip->setGeometry(0, 0, 400, TitleStrip::kHeight);
  int moves = 0;
  strip->setMoveStarter([&](QWidget* w) {
    EXPECT_EQ(w, &window);
    ++moves;
  });
  window.show();
  QTest::mousePress(strip, Qt::RightButton, {}, QPoint(200, 20));
  QTest::mousePress(strip->caption(), Qt::MiddleButton, {}, QPoint(5, 5));
  EXPECT_EQ(moves, 0);
  QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(200, 20));
  QTest::mousePress(strip->caption(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mousePress(strip->icon(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(moves, 3);

  ASSERT_NE(strip->closeImage(), nullptr);
  EXPECT_EQ(strip->closeImage()->size(), QSize(16, 16));
  EXPECT_EQ(strip->closeImage()->geometry().right(), 400 - 12 - 1);
  QTest::mousePress(strip->closeImage(), Qt::RightButton);
  EXPECT_FALSE(window.isVisible());
}

TEST(TitleStripTest, TheMessageWindowHasNoCloseImage) {
  TfSMess window;
  EXPECT_EQ(window.Panel1()->closeImage(), nullptr);
  EXPECT_EQ(window.Panel1()->caption()->text(), "INFO");
  EXPECT_EQ(window.Panel1()->height(), 41);
  EXPECT_EQ(window.Image1()->size(), QSize(61, 41));
}

}  // namespace
}  // namespace aerotrace
