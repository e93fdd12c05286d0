#include "app/window_look.h"

#include <QPalette>

namespace aerotrace::look {

QFont font(int pixelSize, bool bold) {
  QFont f("Segoe UI Semibold");
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  return f;
}

void fill(QWidget* widget, const QColor& colour) {
  QPalette p = widget->palette();
  p.setColor(QPalette::Window, colour);
  widget->setPalette(p);
  widget->setAutoFillBackground(true);
}

void makeBorderless(QWidget* window) {
  window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint |
                         Qt::WindowStaysOnTopHint);
}

}  // namespace aerotrace::look
