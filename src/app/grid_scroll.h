#pragma once

// Which rows of a grid without scroll bars are in view and which one is
// selected, and how the keys and the wheel move them: the keys move the
// selection and the view follows it; the wheel moves the view alone.

namespace aerotrace {

class GridScroll {
 public:
  enum class Key { Up, Down, PageUp, PageDown, Home, End };

  // Both keep the selection and the view within the rows.
  void setRowCount(int rows);
  // The rows that fit whole into the grid's height (at least one).
  void setVisibleRows(int rows);

  int rowCount() const { return rows_; }
  int visibleRows() const { return visible_; }
  int topRow() const { return top_; }
  int selectedRow() const { return selected_; }

  // Selects the row, when there is one, and brings it into view.
  void select(int row);
  void key(Key k);
  // Moves the view by the given rows (down when positive); the selection
  // stays where it is, in view or not.
  void scroll(int rows);

 private:
  int lastTop() const;
  void clampTop();
  void follow();

  int rows_ = 0;
  int visible_ = 1;
  int top_ = 0;
  int selected_ = 0;
};

}  // namespace aerotrace
