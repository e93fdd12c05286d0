#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>
#include <string>

#include "app/image_button.h"
#include "app/rounded_box.h"
#include "tours/leg_display.h"

namespace aerotrace {

// The fields of the leg panel `tmLeg`: position, aircraft, fuel, the selected
// leg's information and route, the arrows and START or "FUEL OVERLOAD". It
// only shows what it is given and reports the pilot's presses.
class LegPanelWidget : public QWidget {
  Q_OBJECT

 public:
  explicit LegPanelWidget(QWidget* parent);

  void showLegDisplay(const LegDisplay& display);
  void setFuelUnitLabels(const std::string& label);
  void setAirport(const std::string& icao, const std::string& name);
  void setAircraft(const std::string& title);
  void setFuelFigure(const std::string& text);
  void focusRoute();

  // The labels a left drag on moves the whole window, and those that open
  // the bar's menu on a right click.
  QList<QWidget*> dragLabels() const;
  QList<QWidget*> menuLabels() const;

 signals:
  void previousLegPressed();
  void nextLegPressed();
  void fuelUnitPressed();
  void startPressed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* caption(const QString& text, int x, int y);
  QLabel* value(const char* name, const QRect& box, int pixelSize, Qt::Alignment align);

  RoundedBox* shFuel_;
  RoundedBox* shFuelMax_;
  QLabel* label9_;   // airport code
  QLabel* label2_;   // airport name
  QLabel* label7_;   // aircraft
  QLabel* label1_;   // fuel on board
  QLabel* label11_;  // its unit
  QLabel* label10_;  // destination
  QLabel* label8_;   // max fuel
  QLabel* label21_;  // its unit
  QLabel* label4_;   // minimum points
  QLabel* label13_;  // total points
  QPlainTextEdit* memo1_;
  QLabel* lblTourSel_;
  QLabel* lblLegSel_;
  ImageButton* imLegL_;
  ImageButton* imgLegR_;
  ImageButton* imgStartFl_;
  QLabel* startCaption_;  // "START FLIGHT"
  QLabel* pnlOverl_;
};

}  // namespace aerotrace
