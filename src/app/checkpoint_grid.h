#pragma once

#include <vector>

#include "app/row_grid.h"
#include "monitor/leg_report.h"

namespace aerotrace {

// The report's checkpoint grid `sgRes`: rows 52 pixels high with 4-pixel
// lines, each row a checkpoint's name, outcome and points. Rows without a
// checkpoint show only their background.
class CheckpointGrid : public RowGrid {
 public:
  static constexpr int kRowHeight = 52;

  explicit CheckpointGrid(QWidget* parent);

  void setRows(std::vector<LegReportRow> rows) { rows_ = std::move(rows), update(); }

 protected:
  void drawRow(QPainter& p, int row, const QRect& cell, bool selected) override;

 private:
  std::vector<LegReportRow> rows_;
};

}  // namespace aerotrace
