#include "app/grid_scroll.h"

#include <algorithm>

namespace aerotrace {

void GridScroll::setRowCount(int rows) {
  rows_ = std::max(0, rows);
  selected_ = std::clamp(selected_, 0, std::max(0, rows_ - 1));
  clampTop();
}

void GridScroll::setVisibleRows(int rows) {
  visible_ = std::max(1, rows);
  clampTop();
}

void GridScroll::select(int row) {
  if (row < 0 || row >= rows_) return;
  selected_ = row;
  follow();
}

void GridScroll::key(Key k) {
  if (rows_ == 0) return;
  const int last = rows_ - 1;
  switch (k) {
    case Key::Up: selected_ = std::max(0, selected_ - 1); break;
    case Key::Down: selected_ = std::min(last, selected_ + 1); break;
    // A page turns the view and the selection together, as far as they go.
    case Key::PageUp:
      selected_ = std::max(0, selected_ - visible_);
      top_ -= visible_;
      break;
    case Key::PageDown:
      selected_ = std::min(last, selected_ + visible_);
      top_ += visible_;
      break;
    case Key::Home: selected_ = 0; break;
    case Key::End: selected_ = last; break;
  }
  clampTop();
  follow();
}

void GridScroll::scroll(int rows) {
  top_ += rows;
  clampTop();
}

int GridScroll::lastTop() const { return std::max(0, rows_ - visible_); }

void GridScroll::clampTop() { top_ = std::clamp(top_, 0, lastTop()); }

void GridScroll::follow() {
  if (selected_ < top_) top_ = selected_;
  if (selected_ >= top_ + visible_) top_ = selected_ - visible_ + 1;
  clampTop();
}

}  // namespace aerotrace
