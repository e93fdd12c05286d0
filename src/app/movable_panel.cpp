#include "app/movable_panel.h"

namespace aerotrace {

TantMovablePanel::TantMovablePanel(QWidget* parent, const Clock* clock)
    : QFrame(parent), clock_(clock) {
  if (clock_ == nullptr) {
    ownClock_ = makeSystemClock();
    clock_ = ownClock_.get();
  }
  setFrameShape(QFrame::NoFrame);
  setAutoFillBackground(true);
  timer_.setInterval(timerInterval_);
  timer_.stop();
  connect(&timer_, &QTimer::timeout, this, &TantMovablePanel::tick);
  SetMoveNewStyle(moveNewStyle_);
}

TantMovablePanel::~TantMovablePanel() = default;

std::uint32_t TantMovablePanel::now() const { return clock_->tickCount(); }

void TantMovablePanel::SetMoveNewStyle(bool value) { moveNewStyle_ = value; }

void TantMovablePanel::SetTimerInterval(std::uint16_t value) {
  timerInterval_ = value == 0 ? 25 : value;
  timer_.setInterval(timerInterval_);
  SetMoveNewStyle(moveNewStyle_);
}

void TantMovablePanel::SetMovePerTick(std::int32_t value) { movePerTick_ = value > 0 ? value : 0; }

void TantMovablePanel::SetMoveLength(std::int32_t value) { moveLength_ = value > 0 ? value : 0; }

void TantMovablePanel::Loaded() {
  activeDirection_ = direction_;
  homeTop_ = y();
  homeLeft_ = x();
}

void TantMovablePanel::SetMoved(bool value) {
  if (moveNewStyle_ && moving_) {
    if (value != moved_) {
      // Count the new motion as having run for the time the old one still
      // had left, so the panel turns back from where it is.
      startTick_ = 2 * now() - startTick_ - moveFullTime_;
      moved_ = value;
    }
    return;
  }
  moved_ = value;
  startTick_ = now();
}

void TantMovablePanel::Reverse() { SetMoved(!moved_); }

void TantMovablePanel::DoMove() {
  SetMoved(true);
  moving_ = true;
  emit OnDoMove();
  timer_.start();
}

void TantMovablePanel::UndoMove() {
  SetMoved(false);
  moving_ = true;
  emit OnUndoMove();
  timer_.start();
}

void TantMovablePanel::tick() {
  if (moveNewStyle_) {
    TimeTimer();
  } else {
    StepTimer();
  }
}

void TantMovablePanel::TimeTimer() {
  // Elapsed time as a signed difference, so the tick count may wrap.
  std::int64_t elapsed = static_cast<std::int32_t>(now() - startTick_);
  if (elapsed < 0) elapsed = 0;
  const auto full = static_cast<std::int64_t>(moveFullTime_);
  const bool ends = elapsed > full || full == 0;
  if (ends) elapsed = full;
  // A zero duration finishes the motion at once instead of dividing by it.
  const std::int64_t offset = full == 0 ? moveLength_ : std::int64_t{moveLength_} * elapsed / full;
  const int off = static_cast<int>(offset);
  const int len = moveLength_;
  int top = y();
  int left = x();
  switch (activeDirection_) {
    case TDirection::drUp: top = moved_ ? homeTop_ - off : homeTop_ - len + off; break;
    case TDirection::drDown: top = moved_ ? homeTop_ + off : homeTop_ + len - off; break;
    case TDirection::drLeft: left = moved_ ? homeLeft_ - off : homeLeft_ - len + off; break;
    case TDirection::drRight: left = moved_ ? homeLeft_ + off : homeLeft_ + len - off; break;
  }
  move(left, top);
  update();
  if (ends) endOfMotion();
}

void TantMovablePanel::StepTimer() {
  const int s = movePerTick_;
  const bool vertical =
      activeDirection_ == TDirection::drUp || activeDirection_ == TDirection::drDown;
  // +1 when moving out goes down or right, -1 when up or left.
  const int sign =
      activeDirection_ == TDirection::drDown || activeDirection_ == TDirection::drRight ? 1 : -1;
  int top = y();
  int left = x();
  int& pos = vertical ? top : left;
  const int home = vertical ? homeTop_ : homeLeft_;
  bool ends = false;
  if (moved_) {
    const int target = home + sign * moveLength_;
    if (sign * (target - pos) > s) {
      pos += sign * s;
    } else {
      pos = target;
      ends = true;
    }
  } else if (sign * (pos - home) > s) {
    pos -= sign * s;
  } else {
    top = homeTop_;
    left = homeLeft_;
    ends = true;
  }
  move(left, top);
  if (ends) {
    endOfMotion();
  } else {
    update();
  }
}

void TantMovablePanel::endOfMotion() {
  timer_.stop();
  moving_ = false;
  emit OnMoveEnd();
  if (autoRepeat_) {
    if (moved_) {
      UndoMove();
    } else {
      DoMove();
    }
  } else if (autoBack_ && moved_) {
    UndoMove();
  }
}

}  // namespace aerotrace
