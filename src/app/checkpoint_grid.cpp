#include "app/checkpoint_grid.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "app/qt_text.h"
#include "app/window_look.h"

namespace aerotrace {

CheckpointGrid::CheckpointGrid(QWidget* parent) : QWidget(parent) {
  setObjectName("sgRes");
  look::fill(this, look::kGrey32);
}

void CheckpointGrid::setRowCount(int count) {
  rowCount_ = std::max(1, count);
  selected_ = std::min(selected_, rowCount_ - 1);
  update();
}

void CheckpointGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (int r = 0; r < rowCount_; ++r) {
    const QRect cell(0, r * (kRowHeight + kLine), width(), kRowHeight);
    if (cell.top() > height()) break;
    const QColor background = r == selected_ ? look::kGrey64
                              : r % 2 == 1   ? QColor(85, 85, 85)
                                             : QColor(82, 82, 82);
    p.fillRect(cell, background);
    if (r >= static_cast<int>(rows_.size())) continue;
    const LegReportRow& row = rows_[static_cast<std::size_t>(r)];
    QFont font = look::font(13, true);
    font.setPointSize(10);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(cell.left() + 5, cell.top(), cell.width() - 60, 24),
               Qt::AlignLeft | Qt::AlignTop, toQt(row.descr));
    p.setPen(look::kCaptionGrey);
    p.drawText(QRect(cell.left() + 5, cell.top() + 25, cell.width() - 60, 24),
               Qt::AlignLeft | Qt::AlignTop, toQt(row.result));
    font.setPointSize(14);
    p.setFont(font);
    p.setPen(Qt::white);
    // Right-aligned so that the points and one blank end at the cell's edge.
    const QString points = toQt(row.points) + " ";
    const int w = p.fontMetrics().horizontalAdvance(points);
    p.drawText(QPoint(cell.right() + 1 - w, cell.top() + 10 + p.fontMetrics().ascent()), points);
  }
}

void CheckpointGrid::mousePressEvent(QMouseEvent* event) {
  const int r = static_cast<int>(event->position().y()) / (kRowHeight + kLine);
  if (r >= 0 && r < rowCount_) {
    selected_ = r;
    update();
  }
}

}  // namespace aerotrace
