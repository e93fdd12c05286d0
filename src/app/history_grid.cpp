#include "app/history_grid.h"

#include <QPainter>

#include "app/qt_text.h"
#include "app/window_look.h"

namespace aerotrace {
namespace {

QFont rowFont(int points) {
  QFont f = look::font(16, true);
  f.setPointSize(points);
  return f;
}

}  // namespace

HistoryGrid::HistoryGrid(QWidget* parent)
    : RowGrid(parent, 48, 2),
      imgWait_(":/artwork/status-waiting.png"),
      imgAcc_(":/artwork/status-accepted.png"),
      imgRej_(":/artwork/status-rejected.png") {
  setObjectName("sgMyLegs");
  look::fill(this, look::kGrey64);
}

void HistoryGrid::setRows(std::vector<HistoryRow> rows) {
  rows_ = std::move(rows);
  // Three lines of the row font make a row.
  setRowHeight(3 * QFontMetrics(rowFont(10)).height());
  setRowCount(static_cast<int>(rows_.size()));
}

void HistoryGrid::drawRow(QPainter& p, int r, const QRect& cell, bool selected) {
  const int w = width();
  const QColor background = selected     ? look::kGrey64
                            : r % 2 == 0 ? QColor(85, 85, 85)
                                         : QColor(82, 82, 82);
  p.fillRect(cell, background);
  if (r >= static_cast<int>(rows_.size())) return;
  const HistoryRow& row = rows_[static_cast<std::size_t>(r)];
  const int L = cell.left(), T = cell.top(), R = cell.right() + 1, B = cell.bottom() + 1;

  p.setFont(rowFont(10));
  const int h = p.fontMetrics().height();
  const auto at = [&](int x, int y, const QString& text) {
    p.drawText(QPoint(x, y + p.fontMetrics().ascent()), text);
  };
  p.setPen(Qt::white);
  at(L, T, toQt(row.leg.Descr));
  p.setFont(rowFont(14));
  at(L + 10, T + h, toQt(row.leg.Dep + " - " + row.leg.Dest));

  p.setFont(rowFont(10));
  p.setPen(look::kCaptionGrey);
  int x = w / 3 + L;
  at(x, T, "Date ");
  at(x, T + h, "Time Dep ");
  at(x, T + 2 * h, "Time Arr ");
  x += p.fontMetrics().horizontalAdvance("Time Arr  ");
  p.setPen(Qt::white);
  at(x, T, toQt(row.date));
  at(x, T + h, toQt(row.depTime));
  at(x, T + 2 * h, toQt(row.arrTime));

  p.setPen(look::kCaptionGrey);
  x = (w / 3) * 2 + L;
  at(x, T, "Aircr.");
  at(x, T + 2 * h, "Fuel. ");
  x += p.fontMetrics().horizontalAdvance("Fuel.  ");
  p.setPen(Qt::white);
  at(x, T, toQt(row.leg.AirPlane));
  at(x, T + 2 * h, toQt(row.fuel));

  p.setFont(rowFont(18));
  const QString points = QString::number(row.leg.Points);
  const int tw = p.fontMetrics().horizontalAdvance(points);
  const int th = p.fontMetrics().height();
  at(R - 60 - tw, T + (B - T) / 2 - th / 2, points);

  if (row.pending) {
    // Kept on this computer: the server has not got it yet.
    p.setFont(rowFont(9));
    p.setPen(QColor(230, 160, 40));
    const QString text = "NOT UPLOADED";
    // On the line of the fuel, below the points.
    at(R - 20 - p.fontMetrics().horizontalAdvance(text), T + 2 * h, text);
    return;
  }
  const QPixmap* picture = row.leg.Status == 0   ? &imgWait_
                           : row.leg.Status == 1 ? &imgAcc_
                           : row.leg.Status == 2 ? &imgRej_
                                                 : nullptr;
  if (picture != nullptr) p.drawPixmap(R - 40, T + 10, *picture);
}

}  // namespace aerotrace
