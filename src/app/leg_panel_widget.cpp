#include "app/leg_panel_widget.h"

#include <QEvent>
#include <utility>

#include "app/qt_text.h"
#include "app/window_look.h"

namespace aerotrace {

LegPanelWidget::LegPanelWidget(QWidget* parent) : QWidget(parent) {
  setGeometry(0, 0, 431, 365);
  // The route group lies partly under the leg info group: make it first.
  new RoundedBox(look::kGrey48, {8, 188, 417, 125}, this);
  new RoundedBox(look::kGrey48, {8, 4, 417, 110}, this);
  new RoundedBox(look::kGrey48, {8, 116, 417, 117}, this);
  new RoundedBox(look::kGrey48, {8, 318, 417, 39}, this);

  caption("Position", 19, 9);
  label9_ = value("Label9", {16, 28, 81, 29}, 15, Qt::AlignCenter);
  label2_ = value("Label2", {104, 28, 317, 29}, 15, Qt::AlignLeft | Qt::AlignVCenter);
  label2_->setWordWrap(true);
  caption("Aircraft", 18, 60);
  label7_ = value("Label7", {16, 76, 289, 29}, 15, Qt::AlignLeft | Qt::AlignVCenter);
  caption("Fuel", 314, 60);
  shFuel_ = new RoundedBox(look::kGrey32, {309, 76, 112, 29}, this);
  shFuel_->setObjectName("shFuel");
  label1_ = value("Label1", {309, 76, 70, 29}, 15, Qt::AlignRight | Qt::AlignVCenter);
  label11_ = value("Label11", {382, 76, 36, 29}, 12, Qt::AlignLeft | Qt::AlignVCenter);

  caption("LEG INFO", 18, 123);
  caption("Destination", 106, 123);
  label10_ = value("Label10", {104, 140, 129, 29}, 15, Qt::AlignCenter);
  caption("Max fuel ", 106, 173);
  shFuelMax_ = new RoundedBox(look::kGrey32, {104, 189, 129, 29}, this);
  shFuelMax_->setObjectName("shFuelMax");
  label8_ = value("Label8", {104, 189, 88, 29}, 19, Qt::AlignRight | Qt::AlignVCenter);
  label21_ = value("Label21", {196, 189, 36, 29}, 12, Qt::AlignLeft | Qt::AlignVCenter);
  caption("Minimum points", 266, 123);
  label4_ = value("Label4", {264, 140, 129, 29}, 19, Qt::AlignCenter);
  caption("Total points", 266, 173);
  label13_ = value("Label13", {264, 189, 129, 29}, 19, Qt::AlignCenter);

  caption("ROUTE", 18, 227);
  new RoundedBox(look::kGrey32, {64, 225, 329, 80}, this);
  memo1_ = new QPlainTextEdit(this);
  memo1_->setObjectName("Memo1");
  memo1_->setReadOnly(true);
  memo1_->setFrameShape(QFrame::NoFrame);
  memo1_->setGeometry(77, 234, 304, 62);
  memo1_->setFont(look::font(12));
  memo1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo1_->setStyleSheet("QPlainTextEdit { color: white; background: rgb(32, 32, 32); }");

  imLegL_ = new ImageButton(":/artwork/arrow-left.png", this);
  imLegL_->setObjectName("imLegL");
  imLegL_->move(16, 319);
  // The Tour and Leg captions sit small in their boxes' corners, the names
  // below them.
  lblTourSel_ = value("lblTourSel", {64, 322, 161, 30}, 13, Qt::AlignHCenter | Qt::AlignBottom);
  lblTourSel_->setWordWrap(true);
  lblLegSel_ = value("lblLegSel", {227, 322, 58, 30}, 11, Qt::AlignHCenter | Qt::AlignBottom);
  lblLegSel_->setWordWrap(true);
  for (auto [text, x] : {std::pair{"Tour", 66}, std::pair{"Leg", 229}}) {
    QLabel* c = caption(text, x, 322);
    c->setFont(look::font(9));
    c->adjustSize();
    c->raise();
  }
  imgLegR_ = new ImageButton(":/artwork/arrow-right.png", this);
  imgLegR_->setObjectName("imgLegR");
  imgLegR_->move(288, 319);
  new RoundedBox(look::kGrey32, {344, 319, 79, 37}, this);
  imgStartFl_ = new ImageButton(":/artwork/start.png", this);
  imgStartFl_->setObjectName("imgStartFl");
  imgStartFl_->setToolTip("Start LEG");
  imgStartFl_->move(347, 321);
  // The caption sits over the right part of the start picture, which leaves
  // it clear; a press on it is a press on START.
  startCaption_ = caption("START FLIGHT", 382, 321);
  startCaption_->setObjectName("lblStartFl");
  startCaption_->setWordWrap(true);
  startCaption_->setFont(look::font(10, true));
  startCaption_->setStyleSheet("color: white;");
  startCaption_->setGeometry(382, 321, 40, 32);
  startCaption_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  startCaption_->setAttribute(Qt::WA_TransparentForMouseEvents);
  pnlOverl_ = new QLabel("FUEL OVERLOAD", this);
  pnlOverl_->setObjectName("pnlOverl");
  pnlOverl_->setGeometry(332, 319, 91, 37);
  pnlOverl_->setAlignment(Qt::AlignCenter);
  pnlOverl_->setWordWrap(true);
  pnlOverl_->setFont(look::font(13, true));
  pnlOverl_->setStyleSheet("color: white; background: rgb(32, 32, 32);");
  pnlOverl_->hide();

  // Placeholders until the first refresh.
  label9_->setText("----");
  label2_->setText("No airport yet");
  label7_->setText("-");
  label1_->setText("0");
  label11_->setText("Ltr");
  label21_->setText("Ltr");

  connect(imLegL_, &ImageButton::pressed, this, [this] { emit previousLegPressed(); });
  connect(imgLegR_, &ImageButton::pressed, this, [this] { emit nextLegPressed(); });
  connect(imgStartFl_, &ImageButton::pressed, this, [this] { emit startPressed(); });
  for (QWidget* w : {static_cast<QWidget*>(shFuel_), static_cast<QWidget*>(shFuelMax_),
                     static_cast<QWidget*>(label1_), static_cast<QWidget*>(label11_),
                     static_cast<QWidget*>(label8_), static_cast<QWidget*>(label21_)}) {
    w->setCursor(Qt::PointingHandCursor);
    w->setAttribute(Qt::WA_Hover);
    w->installEventFilter(this);
  }
}

QLabel* LegPanelWidget::caption(const QString& text, int x, int y) {
  auto* label = new QLabel(text, this);
  label->setFont(look::font(11));
  label->setStyleSheet("color: rgb(160, 160, 160);");
  label->move(x, y);
  label->adjustSize();
  return label;
}

QLabel* LegPanelWidget::value(const char* name, const QRect& box, int pixelSize,
                              Qt::Alignment align) {
  if (std::string_view(name) != "Label1" && std::string_view(name) != "Label8" &&
      std::string_view(name) != "Label11" && std::string_view(name) != "Label21") {
    new RoundedBox(look::kGrey32, box, this);
  }
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->setGeometry(box.adjusted(4, 0, -4, 0));
  label->setAlignment(align);
  label->setFont(look::font(pixelSize, true));
  label->setStyleSheet("color: white;");
  return label;
}

void LegPanelWidget::showLegDisplay(const LegDisplay& d) {
  if (d.tourName) lblTourSel_->setText(toQt(*d.tourName));
  if (d.legName) lblLegSel_->setText(toQt(*d.legName));
  if (d.fuel) label1_->setText(toQt(*d.fuel));
  label10_->setText(toQt(d.destination));
  label8_->setText(toQt(d.maxFuel));
  label4_->setText(toQt(d.minimumPoints));
  label13_->setText(toQt(d.totalPoints));
  memo1_->setPlainText(toQt(d.route));
  imgStartFl_->setVisible(d.startVisible);
  startCaption_->setVisible(d.startVisible);
  pnlOverl_->setVisible(d.overloadVisible);
}

void LegPanelWidget::setFuelUnitLabels(const std::string& label) {
  label11_->setText(toQt(label));
  label21_->setText(toQt(label));
  memo1_->setFocus();
}

void LegPanelWidget::setAirport(const std::string& icao, const std::string& name) {
  label9_->setText(toQt(icao));
  label2_->setText(toQt(name));
}

void LegPanelWidget::setAircraft(const std::string& title) { label7_->setText(toQt(title)); }

void LegPanelWidget::setFuelFigure(const std::string& text) { label1_->setText(toQt(text)); }

void LegPanelWidget::focusRoute() { memo1_->setFocus(); }

QList<QWidget*> LegPanelWidget::dragLabels() const {
  return {label2_, label9_, label7_, label10_, label4_, label13_, lblTourSel_, lblLegSel_};
}

QList<QWidget*> LegPanelWidget::menuLabels() const {
  return {label2_, label7_, label10_, label4_, label13_, lblTourSel_, lblLegSel_, pnlOverl_};
}

bool LegPanelWidget::eventFilter(QObject* watched, QEvent* event) {
  const bool fuelBox = watched == label1_ || watched == label11_ || watched == shFuel_;
  const bool maxBox = watched == label8_ || watched == label21_ || watched == shFuelMax_;
  if (!fuelBox && !maxBox) return QWidget::eventFilter(watched, event);
  RoundedBox* box = fuelBox ? shFuel_ : shFuelMax_;
  switch (event->type()) {
    case QEvent::Enter: box->setColour(look::kGrey64); break;
    case QEvent::Leave: box->setColour(look::kGrey32); break;
    case QEvent::MouseButtonPress: emit fuelUnitPressed(); return true;
    default: break;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace aerotrace
