#include <gtest/gtest.h>

#include <QLabel>
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

// Too long for the label: its beginning is shown and its end is cut, not
// both ends.
TEST(MessageWindowTest, AMessageTooLongForTheLabelShowsItsBeginning) {
  QString lines;
  for (int i = 1; i <= 12; ++i) lines += QString("Line %1\n").arg(i);
  TfSMess window;
  QImage longShown;
  QTimer::singleShot(0, &window, [&] {
    longShown = window.lblInfo()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    window.accept();
  });
  window.showMessage(lines.toStdString());

  // The first lines alone, drawn from the label's top in the same label.
  QLabel firstLines(lines.section('\n', 0, 1));
  firstLines.setFont(window.lblInfo()->font());
  firstLines.setStyleSheet(window.lblInfo()->styleSheet());
  firstLines.setPalette(window.lblInfo()->palette());
  firstLines.setWordWrap(true);
  firstLines.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  firstLines.setFixedSize(window.lblInfo()->size());
  const QImage expected = firstLines.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const int top = firstLines.fontMetrics().lineSpacing() * 2;
  ASSERT_NE(expected.copy(0, 0, expected.width(), top),
            expected.copy(0, expected.height() - top, expected.width(), top))
      << "the first lines are drawn there";
  EXPECT_EQ(longShown.copy(0, 0, longShown.width(), top), expected.copy(0, 0, expected.width(), top));

  // A message that fits stays in the label's middle.
  QTimer::singleShot(0, &window, [&] { window.accept(); });
  window.showMessage("No connection with server");
  EXPECT_TRUE(window.lblInfo()->alignment() & Qt::AlignVCenter);
}

TEST(MessageWindowTest, EnterIsOk) {
  TfSMess window;
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    bool shown = false;
    bool closedByKey = false;
    QTimer::singleShot(0, &window, [&] {
      shown = window.isVisible();
      QTest::keyClick(&window, key);
      closedByKey = !window.isVisible();
      if (!closedByKey) window.accept();  // end the wait all the same
    });
    window.showMessage("INCORRECT");
    EXPECT_TRUE(shown);
    EXPECT_TRUE(closedByKey) << key;
  }
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
