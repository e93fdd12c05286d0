#pragma once

#include <QPixmap>
#include <QWidget>
#include <vector>

#include "monitor/history_row.h"

namespace aerotrace {

// The history grid `sgMyLegs`: one row per uploaded leg with its route,
// times, aircraft, fuel, points and status picture. Nothing is drawn while
// the list is empty but the rows' backgrounds.
class HistoryGrid : public QWidget {
 public:
  static constexpr int kLine = 4;

  explicit HistoryGrid(QWidget* parent);

  void setRows(std::vector<HistoryRow> rows);
  const std::vector<HistoryRow>& rows() const { return rows_; }
  int rowCount() const { return rowCount_; }
  int rowHeight() const { return rowHeight_; }
  int selectedRow() const { return selected_; }
  void selectRow(int row);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::vector<HistoryRow> rows_;
  int rowCount_ = 2;
  int rowHeight_ = 48;
  int selected_ = 0;
  QPixmap imgWait_, imgAcc_, imgRej_;
};

}  // namespace aerotrace
