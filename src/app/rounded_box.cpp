#include "app/rounded_box.h"

#include <QPainter>

namespace aerotrace {

RoundedBox::RoundedBox(const QColor& colour, const QRect& geometry, QWidget* parent)
    : QFrame(parent), colour_(colour) {
  setGeometry(geometry);
}

void RoundedBox::setColour(const QColor& colour) {
  colour_ = colour;
  update();
}

void RoundedBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(colour_);
  p.drawRoundedRect(rect(), 6, 6);
}

}  // namespace aerotrace
