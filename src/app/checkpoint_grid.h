#pragma once

#include <QWidget>
#include <vector>

#include "monitor/leg_report.h"

namespace aerotrace {

// The report's checkpoint grid `sgRes`: one column, rows 52 pixels high with
// 4-pixel lines, each row a checkpoint's name, outcome and points. Rows
// without a checkpoint show only their background.
class CheckpointGrid : public QWidget {
 public:
  static constexpr int kRowHeight = 52;
  static constexpr int kLine = 4;

  explicit CheckpointGrid(QWidget* parent);

  void setRows(std::vector<LegReportRow> rows) { rows_ = std::move(rows), update(); }
  // The grid never has fewer than one row.
  void setRowCount(int count);
  int rowCount() const { return rowCount_; }
  int selectedRow() const { return selected_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::vector<LegReportRow> rows_;
  int rowCount_ = 2;
  int selected_ = 0;
};

}  // namespace aerotrace
