#include "app/image_button.h"

#include <QPixmap>

namespace aerotrace {

ImageButton::ImageButton(const QString& resource, QWidget* parent) : QLabel(parent) {
  const QPixmap picture(resource);
  setPixmap(picture);
  setFixedSize(picture.size());
  setCursor(Qt::PointingHandCursor);
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
  emit pressed(event->button());
  event->accept();
}

}  // namespace aerotrace
