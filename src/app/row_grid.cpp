#include "app/row_grid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace aerotrace {

RowGrid::RowGrid(QWidget* parent, int rowHeight, int rowCount)
    : QWidget(parent), rowHeight_(std::max(1, rowHeight)) {
  // Clicks, the wheel and Tab give it the keys.
  setFocusPolicy(Qt::WheelFocus);
  scroll_.setRowCount(std::max(1, rowCount));
  fitRows();
}

void RowGrid::setRowCount(int count) {
  scroll_.setRowCount(std::max(1, count));
  update();
}

void RowGrid::selectRow(int row) {
  fitRows();
  scroll_.select(row);
  update();
}

void RowGrid::setRowHeight(int height) {
  rowHeight_ = std::max(1, height);
  fitRows();
  update();
}

// The geometry of a hidden grid can change without a resize event, so the
// fit is taken again wherever it counts.
void RowGrid::fitRows() { scroll_.setVisibleRows((height() + kLine) / (rowHeight_ + kLine)); }

void RowGrid::paintEvent(QPaintEvent*) {
  fitRows();
  QPainter p(this);
  const int pitch = rowHeight_ + kLine;
  for (int r = scroll_.topRow(), y = 0; r < scroll_.rowCount() && y <= height(); ++r, y += pitch) {
    const QRect cell(0, y, width(), rowHeight_);
    p.save();
    drawRow(p, r, cell, r == scroll_.selectedRow());
    p.restore();
  }
}

void RowGrid::mousePressEvent(QMouseEvent* event) {
  const int y = static_cast<int>(event->position().y());
  if (y >= 0) selectRow(scroll_.topRow() + y / (rowHeight_ + kLine));
  QWidget::mousePressEvent(event);
}

void RowGrid::wheelEvent(QWheelEvent* event) {
  // 120 is one notch of a wheel; finer wheels and touchpads send parts.
  wheelRest_ += event->angleDelta().y();
  const int notches = wheelRest_ / 120;
  wheelRest_ -= notches * 120;
  if (notches != 0) {
    fitRows();
    scroll_.scroll(-notches * QApplication::wheelScrollLines());
    update();
  }
  event->accept();
}

void RowGrid::keyPressEvent(QKeyEvent* event) {
  GridScroll::Key key;
  switch (event->key()) {
    case Qt::Key_Up: key = GridScroll::Key::Up; break;
    case Qt::Key_Down: key = GridScroll::Key::Down; break;
    case Qt::Key_PageUp: key = GridScroll::Key::PageUp; break;
    case Qt::Key_PageDown: key = GridScroll::Key::PageDown; break;
    case Qt::Key_Home: key = GridScroll::Key::Home; break;
    case Qt::Key_End: key = GridScroll::Key::End; break;
    default: QWidget::keyPressEvent(event); return;
  }
  fitRows();
  scroll_.key(key);
  update();
  event->accept();
}

void RowGrid::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  fitRows();
}

}  // namespace aerotrace
