#include "app/title_strip.h"

#include <QMouseEvent>

#include "app/window_look.h"
#include "app/window_move.h"

namespace aerotrace {

TitleStrip::TitleStrip(const QString& caption, bool withClose, QWidget* parent)
    : QFrame(parent), moveStarter_(startWindowMove) {
  setFixedHeight(kHeight);
  look::fill(this, look::kGrey80);
  icon_ = new QLabel(this);
  icon_->setPixmap(QPixmap(":/artwork/icon.png"));
  icon_->setGeometry(10, (kHeight - 20) / 2, 20, 20);
  caption_ = new QLabel(caption, this);
  caption_->setFont(look::font(11, true));
  caption_->setStyleSheet("color: white;");
  caption_->setGeometry(38, 0, 300, kHeight);
  icon_->installEventFilter(this);
  caption_->installEventFilter(this);
  if (withClose) {
    close_ = new ImageButton(":/artwork/close.png", this);
    connect(close_, &ImageButton::pressed, this, [this] { window()->close(); });
  }
}

void TitleStrip::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  if (close_ != nullptr) close_->move(width() - 16 - 12, (kHeight - 16) / 2);
  caption_->setFixedWidth(std::max(0, width() - 38 - (close_ ? 40 : 10)));
}

void TitleStrip::pressed(Qt::MouseButton button) {
  if (button == Qt::LeftButton && moveStarter_) moveStarter_(window());
}

void TitleStrip::mousePressEvent(QMouseEvent* event) {
  pressed(event->button());
  event->accept();
}

bool TitleStrip::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == icon_ || watched == caption_) && event->type() == QEvent::MouseButtonPress) {
    pressed(static_cast<QMouseEvent*>(event)->button());
    return true;
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace aerotrace
