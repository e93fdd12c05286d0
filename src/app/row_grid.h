#pragma once

#include <QRect>
#include <QWidget>

#include "app/grid_scroll.h"

class QPainter;

namespace aerotrace {

// A grid of one column, rows of one height with 4-pixel lines between them
// and one row selected, as the report and MY LEGS show them. It has no
// scroll bars: the wheel scrolls it, and the arrow, Page Up / Page Down,
// Home and End keys move the selection, which the view follows. It never
// has fewer than one row.
class RowGrid : public QWidget {
 public:
  static constexpr int kLine = 4;

  int rowCount() const { return scroll_.rowCount(); }
  void setRowCount(int count);
  int rowHeight() const { return rowHeight_; }
  int selectedRow() const { return scroll_.selectedRow(); }
  // Selects an existing row and brings it into view.
  void selectRow(int row);
  // The first row in view, and how many fit whole.
  int topRow() const { return scroll_.topRow(); }
  int visibleRows() const { return scroll_.visibleRows(); }

 protected:
  RowGrid(QWidget* parent, int rowHeight, int rowCount);

  void setRowHeight(int height);
  // Draws row `row` into `cell`, its background included.
  virtual void drawRow(QPainter& p, int row, const QRect& cell, bool selected) = 0;

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fitRows();

  GridScroll scroll_;
  int rowHeight_;
  int wheelRest_ = 0;  // a wheel's turn short of a whole notch
};

}  // namespace aerotrace
