#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "standin/flight_file.h"

namespace aerotrace {

class TfH;

// A pilot who flies a flight file's actions in the running program: each
// action, at its time of the flight, becomes a click on the control or a
// choice from the menu, as soon as the control can be reached; modal
// messages are dismissed as soon as they are shown, and "Upload now?" is
// answered as the action says (any other question OK); quit closes the
// program from its menu and crash ends it at once, as if killed. Along the way it saves pictures of the screen
// (the panel before START, the bar in flight, the report, MY LEGS) when a
// folder is given. After the last row it closes the program.
class LivePilot : public QObject {
  Q_OBJECT

 public:
  using FlightTime = std::function<double()>;  // seconds of the flight so far

  // How long past its time an action waits for its control, in the flight's
  // seconds, before it is dropped.
  static constexpr double kPatienceSeconds = 30;

  LivePilot(TfH& window, const FlightFile& flight, FlightTime time, QString screenshotDir,
            QObject* parent = nullptr);

  void begin();

 signals:
  // Every action is done or dropped and the flight has played out.
  void finished();

 private:
  struct Action {
    double t;
    std::string word;
  };
  // A picture to take once its moment has come.
  struct Shot {
    QString name;
    std::function<bool()> ready;
  };

  void poll();
  void act();
  // Presses or chooses what the action names; false while it cannot yet.
  bool perform(const std::string& word);
  bool dismissModal();
  bool panelStill() const;
  bool reportReadable() const;
  void click(QWidget* window, QWidget* control);
  static void pressAt(QWidget* window, QWidget* control);
  void take(const QString& name);

  TfH& window_;
  std::vector<Action> actions_;
  std::size_t next_ = 0;
  double endT_ = 0;
  FlightTime time_;
  QString shotDir_;
  std::vector<Shot> shots_;
  QTimer poll_;
  QElapsedTimer clock_;  // real time, for what the eye needs
  std::optional<qint64> startPressedAt_, reportSeenAt_, historyOpenedAt_;
  std::optional<qint64> doneAt_;
  // A question that no action answers is answered OK.
  bool uploadWhenAsked_ = true;
  bool acting_ = false;
};

}  // namespace aerotrace
