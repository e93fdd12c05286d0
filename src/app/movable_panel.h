#pragma once

#include <QFrame>
#include <QTimer>
#include <cstdint>
#include <memory>

#include "core/clock.h"

namespace aerotrace {

enum class TDirection { drUp, drDown, drLeft, drRight };

// A panel that slides a set distance in one direction and back, on a timer
// of its own. In the time style the position follows the elapsed time, so a
// motion always takes MoveFullTime; in the step style each tick moves
// MovePerTick pixels. Time comes from a clock seam so motions can be checked
// to the millisecond.
class TantMovablePanel : public QFrame {
  Q_OBJECT
  Q_PROPERTY(bool MoveNewStyle READ MoveNewStyle WRITE SetMoveNewStyle)
  Q_PROPERTY(quint32 MoveFullTime READ MoveFullTime WRITE SetMoveFullTime)
  Q_PROPERTY(quint16 TimerInterval READ TimerInterval WRITE SetTimerInterval)
  Q_PROPERTY(qint32 MovePerTick READ MovePerTick WRITE SetMovePerTick)
  Q_PROPERTY(qint32 MoveLength READ MoveLength WRITE SetMoveLength)
  Q_PROPERTY(bool AutoBack READ AutoBack WRITE SetAutoBack)
  Q_PROPERTY(bool AutoRepeat READ AutoRepeat WRITE SetAutoRepeat)

 public:
  // Without a clock the panel reads the system's tick count.
  explicit TantMovablePanel(QWidget* parent = nullptr, const Clock* clock = nullptr);
  ~TantMovablePanel() override;

  bool MoveNewStyle() const { return moveNewStyle_; }
  std::uint32_t MoveFullTime() const { return moveFullTime_; }
  std::uint16_t TimerInterval() const { return timerInterval_; }
  std::int32_t MovePerTick() const { return movePerTick_; }
  std::int32_t MoveLength() const { return moveLength_; }
  TDirection Direction() const { return direction_; }
  bool AutoBack() const { return autoBack_; }
  bool AutoRepeat() const { return autoRepeat_; }

  virtual void SetMoveNewStyle(bool value);
  void SetMoveFullTime(std::uint32_t value) { moveFullTime_ = value; }
  virtual void SetTimerInterval(std::uint16_t value);  // 0 is stored as 25
  virtual void SetMovePerTick(std::int32_t value);     // 0 or less is stored as 0
  virtual void SetMoveLength(std::int32_t value);      // 0 or less is stored as 0
  void SetDirection(TDirection value) { direction_ = value; }
  void SetAutoBack(bool value) { autoBack_ = value; }
  void SetAutoRepeat(bool value) { autoRepeat_ = value; }

  // Takes the home position and the direction in force, once the layout has
  // placed the panel; later moves and direction changes keep that home.
  void Loaded();

  virtual void DoMove();    // slide out
  virtual void UndoMove();  // slide home
  // Flips the target without starting the timer or telling anyone.
  virtual void Reverse();

  // The timer handlers, public so a test can tick a motion exactly.
  virtual void StepTimer();
  virtual void TimeTimer();

  bool isMoving() const { return moving_; }
  bool isMovedOut() const { return moved_; }
  bool isTimerRunning() const { return timer_.isActive(); }
  int homeTop() const { return homeTop_; }
  int homeLeft() const { return homeLeft_; }

 signals:
  void OnDoMove();    // an outward motion was started
  void OnUndoMove();  // a motion back was started
  void OnMoveEnd();   // a motion reached its end

 protected:
  virtual void SetMoved(bool value);

 private:
  std::uint32_t now() const;
  void tick();
  void endOfMotion();

  std::unique_ptr<Clock> ownClock_;
  const Clock* clock_;
  QTimer timer_;  // FTimer
  bool moveNewStyle_ = false;
  std::uint32_t moveFullTime_ = 1000;
  std::uint16_t timerInterval_ = 25;
  std::int32_t movePerTick_ = 0;
  std::int32_t moveLength_ = 0;
  TDirection direction_ = TDirection::drDown;
  bool autoBack_ = false;
  bool autoRepeat_ = false;

  TDirection activeDirection_ = TDirection::drDown;  // FActiveDirection
  int homeTop_ = 0;                                  // FHomeTop
  int homeLeft_ = 0;                                 // FHomeLeft
  bool moved_ = false;                               // FMoved
  bool moving_ = false;                              // FMoving
  std::uint32_t startTick_ = 0;                      // FStartTick
};

}  // namespace aerotrace
