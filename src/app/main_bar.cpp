#include "app/main_bar.h"

#include <QEvent>
#include <QPainter>

#include "app/window_look.h"

namespace aerotrace {

MainBar::MainBar(QWidget* parent) : QFrame(parent) {
  setObjectName("pnlMain");
  setGeometry(0, 0, kWidth, kHeight);
  look::fill(this, look::kGrey48);
  setCursor(Qt::PointingHandCursor);
  label5_ = new QLabel("Aerotrace", this);
  label5_->setObjectName("Label5");
  label5_->setGeometry(16, -1, 51, 22);
  label5_->setAlignment(Qt::AlignCenter);
  label5_->setFont(look::font(9, true));  // "Aerotrace" within the label's 51 pixels
  label5_->setStyleSheet("color: white;");
  label5_->setCursor(Qt::PointingHandCursor);
  label5_->installEventFilter(this);
}

void MainBar::setLinkLamp(bool connected) {
  lamp_ = connected ? QColor(0, 128, 0) : QColor(128, 0, 0);
  update();
}

void MainBar::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(lamp_);
  p.drawEllipse(QRect(3, 4, 10, 12));  // imgSimConn
}

bool MainBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == label5_ && event->type() == QEvent::MouseButtonDblClick) {
    emit titleDoubleClicked();
    return true;
  }
  return QFrame::eventFilter(watched, event);
}

InFlightMenu::InFlightMenu(QWidget* parent) : QMenu(parent) {
  setObjectName("puInFlMenu");
  // The program's dark look, on the submenu too: the white icons would
  // vanish on a light system menu (Windows draws its menus white).
  setStyleSheet(
      "QMenu { background: rgb(48, 48, 48); color: white; border: 1px solid rgb(80, 80, 80); }"
      " QMenu::item:selected { background: rgb(80, 80, 80); }"
      " QMenu::item:disabled { color: rgb(160, 160, 160); }"
      " QMenu::separator { height: 1px; background: rgb(80, 80, 80); margin: 3px 6px; }");
  Message1 = addMenu(QIcon(":/artwork/menu-message.png"), "Message");
  Message1->setObjectName("Message1");
  Saylastmessage1 = Message1->addAction("Repeat last message");
  Saylastmessage1->setObjectName("Saylastmessage1");
  Message1->addSeparator()->setObjectName("N3");
  ext1 = Message1->addAction("Text");
  ext1->setObjectName("ext1");
  ext1->setCheckable(true);
  Speach1 = Message1->addAction("Speach");
  Speach1->setObjectName("Speach1");
  Speach1->setCheckable(true);
  addSeparator();
  MYLEGS1 = addAction(QIcon(":/artwork/menu-legs.png"), "MY LEGS");
  MYLEGS1->setObjectName("MYLEGS1");
  addSeparator();
  CloseAEROTRACE1 = addAction(QIcon(":/artwork/menu-close.png"), "Close AEROTRACE");
  CloseAEROTRACE1->setObjectName("CloseAEROTRACE1");
}

void InFlightMenu::setChecks(bool text, bool speech) {
  ext1->setChecked(text);
  Speach1->setChecked(speech);
}

QRegion visibleRegion(const QRect& bar, const QRect& panel, const QSize& window) {
  const QRect inside(QPoint(0, 0), window);
  return QRegion(bar.intersected(inside)).united(QRegion(panel.intersected(inside)));
}

}  // namespace aerotrace
