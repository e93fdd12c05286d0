#include "app/live_pilot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

#include "app/image_button.h"
#include "app/tf_h.h"
#include "app/title_strip.h"

namespace aerotrace {
namespace {

constexpr int kPollMs = 20;
// Long enough for a window to be drawn, and for the report's rows, which
// come half a second after it shows.
constexpr qint64 kSettleMs = 1000;

void note(const std::string& word, const char* what) {
  std::fprintf(stderr, "aerotrace: pilot: %s: %s\n", word.c_str(), what);
}

}  // namespace

LivePilot::LivePilot(TfH& window, const FlightFile& flight, FlightTime time, QString screenshotDir,
                     QObject* parent)
    : QObject(parent), window_(window), time_(std::move(time)), shotDir_(std::move(screenshotDir)) {
  for (const FlightRow& row : flight.rows()) {
    for (const std::string& word : row.actions) actions_.push_back({row.t, word});
  }
  if (!flight.rows().empty()) endT_ = flight.rows().back().t;

  // The bar alone, in flight: once the panel has gone home after START.
  shots_.push_back({"bar.png", [this] {
                      return startPressedAt_ && clock_.elapsed() - *startPressedAt_ > kSettleMs &&
                             panelStill() && window_.tmLeg()->y() < 0;
                    }});
  shots_.push_back({"report.png", [this] { return reportReadable(); }});
  shots_.push_back({"history.png", [this] {
                      return historyOpenedAt_ && window_.history()->isVisible() &&
                             clock_.elapsed() - *historyOpenedAt_ > kSettleMs;
                    }});

  poll_.setInterval(kPollMs);
  connect(&poll_, &QTimer::timeout, this, &LivePilot::poll);
}

void LivePilot::begin() {
  clock_.start();
  poll_.start();
}

bool LivePilot::panelStill() const { return !window_.tmLeg()->isMoving(); }

bool LivePilot::reportReadable() const {
  return reportSeenAt_ && window_.report()->isVisible() &&
         clock_.elapsed() - *reportSeenAt_ > kSettleMs;
}

void LivePilot::poll() {
  if (dismissModal()) return;
  // A press can open a modal window, whose own event loop polls again:
  // that poll may only dismiss it.
  if (acting_) return;
  acting_ = true;
  act();
  acting_ = false;
}

void LivePilot::act() {
  // The report's moment starts when it shows.
  if (!window_.report()->isVisible()) {
    reportSeenAt_.reset();
  } else if (!reportSeenAt_) {
    reportSeenAt_ = clock_.elapsed();
  }
  for (auto it = shots_.begin(); it != shots_.end();) {
    if (it->ready()) {
      take(it->name);
      it = shots_.erase(it);
    } else {
      ++it;
    }
  }

  // One action a poll, so that the next finds this one's windows up.
  const double now = time_();
  if (next_ < actions_.size() && actions_[next_].t <= now) {
    const Action& a = actions_[next_];
    if (!perform(a.word)) {
      if (now - a.t <= kPatienceSeconds) return;  // wait for the control
      note(a.word, "the control did not appear; nothing pressed");
    }
    ++next_;
    return;
  }

  if (next_ < actions_.size() || now < endT_) return;
  if (!doneAt_) doneAt_ = clock_.elapsed();
  // Time for the last windows to be drawn and pictured.
  if (!shots_.empty() && clock_.elapsed() - *doneAt_ < 3 * kSettleMs) return;
  poll_.stop();
  emit finished();
}

bool LivePilot::perform(const std::string& word) {
  LegPanelWidget* panel = window_.legPanel();
  const bool panelOut = window_.tmLeg()->isMovedOut() && panelStill();
  if (word == "start") {
    auto* start = panel->findChild<QWidget*>("imgStartFl");
    if (!panelOut || !start->isVisible()) return false;
    take("panel.png");
    click(&window_, start);
    startPressedAt_ = clock_.elapsed();
    return true;
  }
  if (word == "next" || word == "prev" || word == "unit") {
    if (!panelOut) return false;
    const char* name = word == "next" ? "imgLegR" : word == "prev" ? "imLegL" : "Label1";
    click(&window_, panel->findChild<QWidget*>(name));
    return true;
  }
  if (word == "upload" || word == "close" || word == "close-upload") {
    if (!reportReadable()) return false;
    TfMaps* report = window_.report();
    if (word == "upload") {
      // Where the button is: under the block panel the press reaches the block.
      click(report, report->imgUpload());
    } else {
      uploadWhenAsked_ = word == "close-upload";
      click(report, report->findChild<TitleStrip*>("Panel1")->closeImage());
    }
    return true;
  }
  if (word == "crash") {
    // As if killed: nothing more is written and nothing is cleaned up.
    std::fflush(nullptr);
    std::_Exit(3);
  }
  InFlightMenu* menu = window_.menu();
  QAction* choice = word == "quit"      ? menu->CloseAEROTRACE1
                    : word == "repeat"    ? menu->Saylastmessage1
                    : word == "text"    ? menu->ext1
                    : word == "speech"  ? menu->Speach1
                    : word == "history" ? menu->MYLEGS1
                                        : nullptr;
  if (choice == nullptr) {
    note(word, "not an action of the pilot");
    return true;
  }
  // Outside this poll, like every press: see click().
  QMetaObject::invokeMethod(choice, &QAction::trigger, Qt::QueuedConnection);
  if (word == "history") historyOpenedAt_ = clock_.elapsed();
  return true;
}

bool LivePilot::dismissModal() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible()) return false;
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    QAbstractButton* answer = box->button(QMessageBox::Cancel) != nullptr
                                  ? box->button(uploadWhenAsked_ ? QMessageBox::Ok
                                                                 : QMessageBox::Cancel)
                                  : box->button(QMessageBox::Ok);
    uploadWhenAsked_ = true;
    if (answer != nullptr) answer->click();
    return true;
  }
  if (auto* message = qobject_cast<TfSMess*>(modal)) {
    click(message, message->findChild<ImageButton*>("Image1"));
    return true;
  }
  return false;
}

void LivePilot::click(QWidget* window, QWidget* control) {
  // Pressed from the event loop, not from this poll: a timer is never fired
  // again while its own handler runs, so a modal window that the press opens
  // could not be dismissed from inside it.
  QMetaObject::invokeMethod(
      this,
      [window = QPointer<QWidget>(window), control = QPointer<QWidget>(control)] {
        if (window && control) pressAt(window, control);
      },
      Qt::QueuedConnection);
}

void LivePilot::pressAt(QWidget* window, QWidget* control) {
  // The press lands on whatever is on top at the control's centre, as the
  // pilot's would.
  const QPoint centre = control->mapTo(window, control->rect().center());
  QWidget* target = window->childAt(centre);
  if (target == nullptr) target = window;
  const QPoint local = target->mapFrom(window, centre);
  const QPoint global = target->mapToGlobal(local);
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}

void LivePilot::take(const QString& name) {
  if (shotDir_.isEmpty()) return;
  QScreen* screen = window_.screen();
  if (screen == nullptr) return;
  const QString path = QDir(shotDir_).filePath(name);
  if (!screen->grabWindow(0).save(path, "PNG")) {
    std::fprintf(stderr, "aerotrace: pilot: cannot save %s\n", path.toLocal8Bit().constData());
  }
}

}  // namespace aerotrace
