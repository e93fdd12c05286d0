#pragma once

#include <QLabel>
#include <QMouseEvent>
#include <QString>

namespace aerotrace {

// A picture that acts on a press of any mouse button, with a hand cursor.
class ImageButton : public QLabel {
  Q_OBJECT

 public:
  ImageButton(const QString& resource, QWidget* parent = nullptr);

 signals:
  void pressed(Qt::MouseButton button);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace aerotrace
