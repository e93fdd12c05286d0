#pragma once

#include <QColor>
#include <QFrame>

namespace aerotrace {

// A filled rounded rectangle: the group panels and value boxes of the windows.
class RoundedBox : public QFrame {
 public:
  RoundedBox(const QColor& colour, const QRect& geometry, QWidget* parent);

  void setColour(const QColor& colour);
  QColor colour() const { return colour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_;
};

}  // namespace aerotrace
