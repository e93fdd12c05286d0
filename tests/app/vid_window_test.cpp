#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "app/tf_vid.h"
#include "tours/memory_vid_store.h"

namespace aerotrace {
namespace {

// Types into the VID window once it is open, presses OK, and closes it if it
// is still open afterwards, noting what it saw.
struct VidSession {
  std::string typed;
  bool fieldEmptyAtShow = false;
  bool openAfterOk = false;
  QString fieldAfterOk;
};

void play(TfVID& window, VidSession& session) {
  QTimer::singleShot(0, &window, [&] {
    session.fieldEmptyAtShow = window.Edit1()->text().isEmpty();
    QTest::keyClicks(window.Edit1(), QString::fromStdString(session.typed));
    QTest::mouseClick(window.Image1(), Qt::LeftButton);
    session.openAfterOk = window.isVisible();
    session.fieldAfterOk = window.Edit1()->text();
    if (window.isVisible()) QTest::mouseClick(window.Image2(), Qt::LeftButton);
  });
}

TEST(VidWindowTest, AcceptsAndStoresOrRefusesWithIncorrect) {
  const struct {
    std::string typed;
    bool accepted;
  } cases[] = {
      {"123456", true},  {" 12345", true},  {"$1A2B3", true},  {"12345", false},
      {"000000", false}, {"-12345", false}, {"12a456", false},
  };
  for (const auto& c : cases) {
    std::string vid;
    MemoryVidStore store;
    std::vector<std::string> messages;
    TfVID window(vid, store, [&](const std::string& m) { messages.push_back(m); });
    VidSession session;
    session.typed = c.typed;
    play(window, session);
    window.exec();
    EXPECT_TRUE(session.fieldEmptyAtShow) << c.typed;
    EXPECT_EQ(!session.openAfterOk, c.accepted) << c.typed;
    if (c.accepted) {
      EXPECT_EQ(vid, c.typed);
      EXPECT_EQ(store.read(), c.typed);
      EXPECT_TRUE(messages.empty());
    } else {
      EXPECT_EQ(vid, "");
      EXPECT_EQ(messages, std::vector<std::string>{"INCORRECT"}) << c.typed;
      EXPECT_EQ(session.fieldAfterOk.toStdString(), c.typed) << "the text stays in the field";
    }
  }
}

TEST(VidWindowTest, EnterInTheFieldIsOk) {
  std::string vid;
  MemoryVidStore store;
  std::vector<std::string> messages;
  TfVID window(vid, store, [&](const std::string& m) { messages.push_back(m); });
  bool openAfterWrongEnter = false;
  QTimer::singleShot(0, &window, [&] {
    QTest::keyClicks(window.Edit1(), "12345");
    QTest::keyClick(window.Edit1(), Qt::Key_Return);
    openAfterWrongEnter = window.isVisible();
    window.Edit1()->clear();
    QTest::keyClicks(window.Edit1(), "654321");
    QTest::keyClick(window.Edit1(), Qt::Key_Enter);
    if (window.isVisible()) QTest::mouseClick(window.Image2(), Qt::LeftButton);  // end the wait
  });
  window.exec();
  EXPECT_TRUE(openAfterWrongEnter);
  EXPECT_EQ(messages, std::vector<std::string>{"INCORRECT"});
  EXPECT_EQ(vid, "654321");
  EXPECT_EQ(store.read(), "654321");
}

TEST(VidWindowTest, HoldsSixCharactersAndCloseChangesNothing) {
  std::string vid = "old";
  MemoryVidStore store;
  TfVID window(vid, store, {});
  QTimer::singleShot(0, &window, [&] {
    QTest::keyClicks(window.Edit1(), "12345678");
    EXPECT_EQ(window.Edit1()->text(), "123456");
    QTest::mouseClick(window.Image2(), Qt::RightButton);
  });
  window.exec();
  EXPECT_EQ(vid, "old");
  EXPECT_EQ(store.read(), "");
}

}  // namespace
}  // namespace aerotrace
