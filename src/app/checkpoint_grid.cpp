#include "app/checkpoint_grid.h"

#include <QPainter>

#include "app/qt_text.h"
#include "app/window_look.h"

namespace aerotrace {

CheckpointGrid::CheckpointGrid(QWidget* parent) : RowGrid(parent, kRowHeight, 2) {
  setObjectName("sgRes");
  look::fill(this, look::kGrey32);
}

void CheckpointGrid::drawRow(QPainter& p, int r, const QRect& cell, bool selected) {
  const QColor background = selected     ? look::kGrey64
                            : r % 2 == 1 ? QColor(85, 85, 85)
                                         : QColor(82, 82, 82);
  p.fillRect(cell, background);
  if (r >= static_cast<int>(rows_.size())) return;
  const LegReportRow& row = rows_[static_cast<std::size_t>(r)];
  QFont font = look::font(13, true);
  font.setPointSize(10);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRect(cell.left() + 5, cell.top(), cell.width() - 60, 24), Qt::AlignLeft | Qt::AlignTop,
             toQt(row.descr));
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

}  // namespace aerotrace
