#pragma once

#include <QPixmap>
#include <vector>

#include "app/row_grid.h"
#include "monitor/history_row.h"

namespace aerotrace {

// The history grid `sgMyLegs`: one row per uploaded leg with its route,
// times, aircraft, fuel, points and status picture. Nothing is drawn while
// the list is empty but the rows' backgrounds.
class HistoryGrid : public RowGrid {
 public:
  explicit HistoryGrid(QWidget* parent);

  void setRows(std::vector<HistoryRow> rows);
  const std::vector<HistoryRow>& rows() const { return rows_; }

 protected:
  void drawRow(QPainter& p, int row, const QRect& cell, bool selected) override;

 private:
  std::vector<HistoryRow> rows_;
  QPixmap imgWait_, imgAcc_, imgRej_;
};

}  // namespace aerotrace
