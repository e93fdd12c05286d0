#include "app/tf_maps.h"

#include <QCloseEvent>

#include "app/qt_text.h"
#include "app/rounded_box.h"
#include "app/window_look.h"

namespace aerotrace {

TfMaps::TfMaps(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("TfMaps");
  setWindowTitle("AEROTRACE REPORT");
  look::makeBorderless(this);
  setFixedSize(677, 405);
  look::fill(this, look::kGrey64);

  panel1_ = new TitleStrip("LEG RESULT", true, this);
  panel1_->setObjectName("Panel1");
  panel1_->setGeometry(0, 0, width(), TitleStrip::kHeight);

  sgRes_ = new CheckpointGrid(this);
  sgRes_->setGeometry(8, 48, 241, 349);

  new RoundedBox(look::kGrey48, {258, 48, 411, 130}, this);
  box("lblDate", "Date", {268, 54}, {268, 70, 120, 26});
  box("lblPlane", "Plane", {396, 54}, {396, 70, 264, 26});
  box("lblDep", "Departure", {268, 106}, {268, 122, 60, 26});
  box("lblDepTime", "Time", {334, 106}, {334, 122, 60, 26});
  box("lblArr", "Arrival", {402, 106}, {402, 122, 60, 26});
  box("lblArrTime", "Time", {468, 106}, {468, 122, 60, 26});

  new RoundedBox(look::kGrey48, {258, 184, 203, 146}, this);
  new RoundedBox(look::kGrey48, {466, 184, 203, 146}, this);
  const char* fuel[] = {"lblFuelStart", "lblFuelUsed", "lblFuelEnd"};
  const char* fuelCaption[] = {"Start", "Used", "End"};
  const char* g[] = {"lblGMin", "lblGMax", "lblGTouch"};
  const char* gCaption[] = {"MIN", "MAX", "Touch"};
  for (int i = 0; i < 3; ++i) {
    const int y = 206 + i * 40;
    box(fuel[i], fuelCaption[i], {268, y + 5}, {330, y, 80, 26});
    auto* unit = new QLabel("Ltr", this);
    unit->setStyleSheet("color: rgb(160, 160, 160);");
    unit->setFont(look::font(11));
    unit->setGeometry(416, y, 40, 26);
    box(g[i], gCaption[i], {476, y + 5}, {540, y, 110, 26});
  }
  box("lblTot", "POINTS", {268, 360}, {330, 340, 160, 57})->setFont(look::font(32, true));
  value("lblTot")->setText("0");

  new RoundedBox(look::kGrey32, {504, 336, 161, 57}, this);
  imgUpload_ = new ImageButton(":/artwork/upload.png", this);
  imgUpload_->setObjectName("imgUpload");
  imgUpload_->setToolTip("UPLOAD LEG");
  imgUpload_->move(504 + (161 - 120) / 2, 336 + (57 - 32) / 2);
  connect(imgUpload_, &ImageButton::pressed, this, [this] { emit uploadPressed(); });

  // Over the button: while it shows, the button is hidden and unreachable.
  pnlBlock_ = new QLabel("Not enough points. Try again.", this);
  pnlBlock_->setObjectName("pnlBlock");
  pnlBlock_->setGeometry(504, 336, 161, 57);
  pnlBlock_->setAlignment(Qt::AlignCenter);
  pnlBlock_->setWordWrap(true);
  pnlBlock_->setFont(look::font(12, true));
  pnlBlock_->setStyleSheet("color: white; background: rgb(32, 32, 32);");
  pnlBlock_->hide();

  timer1_.setSingleShot(true);
  timer1_.setInterval(500);
  connect(&timer1_, &QTimer::timeout, this, [this] { sgRes_->setRowCount(pendingRows_); });
}

QLabel* TfMaps::box(const char* name, const QString& caption, const QPoint& captionAt,
                    const QRect& rect) {
  auto* c = new QLabel(caption, this);
  c->setStyleSheet("color: rgb(160, 160, 160);");
  c->setFont(look::font(11));
  c->move(captionAt);
  c->adjustSize();
  new RoundedBox(look::kGrey32, rect, this);
  auto* v = new QLabel(this);
  v->setObjectName(name);
  v->setGeometry(rect.adjusted(4, 0, -4, 0));
  v->setAlignment(Qt::AlignCenter);
  v->setFont(look::font(13, true));
  v->setStyleSheet("color: white;");
  return v;
}

QLabel* TfMaps::value(const char* name) const { return findChild<QLabel*>(name); }

void TfMaps::showReport(const LegReport& r, const QPoint& barTopLeft) {
  value("lblTot")->setText(toQt(r.points));
  setBlockVisible(r.block);
  value("lblFuelStart")->setText(toQt(r.fuelStart));
  value("lblFuelUsed")->setText(toQt(r.fuelUsed));
  value("lblFuelEnd")->setText(toQt(r.fuelEnd));
  value("lblDate")->setText(toQt(r.date));
  value("lblPlane")->setText(toQt(r.plane));
  value("lblDep")->setText(toQt(r.dep));
  value("lblArr")->setText(toQt(r.arr));
  value("lblDepTime")->setText(toQt(r.depTime));
  value("lblArrTime")->setText(toQt(r.arrTime));
  value("lblGMin")->setText(toQt(r.gMin));
  value("lblGMax")->setText(toQt(r.gMax));
  value("lblGTouch")->setText(toQt(r.gTouch));
  sgRes_->setRows(r.rows);
  // A new leg's checkpoints start from the first; the grid takes their
  // count half a second after the show.
  sgRes_->selectRow(0);
  pendingRows_ = static_cast<int>(r.rows.size());
  move(barTopLeft);
  show();
  raise();
  sgRes_->setFocus();  // the keys scroll the checkpoints
  timer1_.start();
}

void TfMaps::setBlockVisible(bool visible) {
  pnlBlock_->setVisible(visible);
  imgUpload_->setVisible(!visible);
}

bool TfMaps::blockVisible() const { return pnlBlock_->isVisible(); }

void TfMaps::closeEvent(QCloseEvent* event) {
  if (closeHandler_) closeHandler_();
  event->accept();
}

}  // namespace aerotrace
