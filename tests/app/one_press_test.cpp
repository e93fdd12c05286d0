// One press, one action: START and UPLOAD LEG pressed twice while a reader
// pass runs (the presses wait for its end), or double-clicked, act once.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "replay/event_log.h"
#include "window_rig.h"

namespace aerotrace {
namespace {

enum class Press { TwiceDuringAPass, DoubleClickDuringAPass };

const char* nameOf(Press how) {
  return how == Press::TwiceDuringAPass ? "two presses during a pass" : "a double click";
}

class OnePressTest : public ::testing::Test {
 protected:
  OnePressTest()
      : log_([this](const std::string& line) { events_.push_back(EventJson::parse(line)); },
             [] { return 0.0; }) {}

  std::unique_ptr<TfH> openAtTheGate() {
    events_.clear();
    TfHParts p = rig_.parts("123456");
    opener_ = static_cast<RecordingOpener*>(p.opener.get());
    p.log = &log_;
    auto window = std::make_unique<TfH>(std::move(p));
    window->show();
    EXPECT_TRUE(window->FormShow());
    // Modal messages are answered as soon as they show.
    dismisser_ = std::make_unique<QTimer>();
    QObject::connect(dismisser_.get(), &QTimer::timeout, [w = window.get()] {
      if (w->messages()->isVisible()) w->messages()->accept();
    });
    dismisser_->start(20);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->tmLeg()->y() == 20; }, 10000));
    return window;
  }

  // Both presses land while a pass runs, so both wait for its end.
  static void pressTwice(TfH& window, QWidget* control, Press how) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.cycle().passRunning(); }, 5000));
    if (how == Press::TwiceDuringAPass) {
      QTest::mousePress(control, Qt::LeftButton);
      QTest::mousePress(control, Qt::LeftButton);
      ASSERT_TRUE(window.cycle().passRunning()) << "both presses came during one pass";
    } else {
      // Through the window system, which makes the second press a double click.
      QWidget* top = control->window();
      QTest::mouseDClick(top->windowHandle(), Qt::LeftButton, {},
                         control->mapTo(top, control->rect().center()));
    }
  }

  long count(const char* event) const {
    return std::count_if(events_.begin(), events_.end(),
                         [&](const EventJson& e) { return e["event"] == event; });
  }

  testing::WindowRig rig_{"one-press"};
  std::vector<EventJson> events_;
  EventLog log_;
  RecordingOpener* opener_ = nullptr;
  std::unique_ptr<QTimer> dismisser_;
};

TEST_F(OnePressTest, StartPressedTwiceStartsTheLegOnce) {
  for (Press how : {Press::TwiceDuringAPass, Press::DoubleClickDuringAPass}) {
    auto window = openAtTheGate();
    QWidget* start = window->legPanel()->findChild<QWidget*>("imgStartFl");
    ASSERT_TRUE(start->isVisible());
    pressTwice(*window, start, how);
    ASSERT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(window->state().legActive); }, 5000))
        << nameOf(how);
    QTest::qWait(400);  // several cycles: room for a second start
    EXPECT_EQ(count("start"), 1) << nameOf(how);
  }
}

TEST_F(OnePressTest, UploadPressedTwiceUploadsOnce) {
  for (Press how : {Press::TwiceDuringAPass, Press::DoubleClickDuringAPass}) {
    auto window = openAtTheGate();
    QTest::mousePress(window->legPanel()->findChild<QWidget*>("imgStartFl"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(window->state().legActive); }, 5000));
    // The leg ends where it stands, with enough points to upload.
    LegReport report;
    report.total = 30;
    report.points = "30";
    window->showReport(report);
    ASSERT_TRUE(window->report()->imgUpload()->isVisible());

    pressTwice(*window, window->report()->imgUpload(), how);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->report()->isVisible(); }, 10000))
        << nameOf(how);
    QTest::qWait(400);
    EXPECT_EQ(count("upload"), 1) << nameOf(how);
    EXPECT_EQ(opener_->opened().size(), 1u) << nameOf(how);
    const long confirmed = std::count_if(events_.begin(), events_.end(), [](const EventJson& e) {
      return e["event"] == "message" && e["text"].get<std::string>().ends_with("uploaded...");
    });
    EXPECT_EQ(confirmed, 1) << nameOf(how);
    EXPECT_EQ(window->state().activeLegId, 0) << nameOf(how);
  }
}

}  // namespace
}  // namespace aerotrace
