#pragma once

#include <QFrame>
#include <QLabel>
#include <QString>
#include <functional>

#include "app/image_button.h"

namespace aerotrace {

// The strip along the top of every borderless window: icon, caption and, for
// most windows, a close image. A left press on the strip, its caption or its
// icon drags the window; other buttons do nothing there. Any press on the
// close image closes the window.
class TitleStrip : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kHeight = 41;

  TitleStrip(const QString& caption, bool withClose, QWidget* parent);

  QLabel* caption() const { return caption_; }
  QLabel* icon() const { return icon_; }
  ImageButton* closeImage() const { return close_; }

  // How a drag is started; the platform's move unless a test says otherwise.
  void setMoveStarter(std::function<void(QWidget*)> starter) { moveStarter_ = std::move(starter); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void pressed(Qt::MouseButton button);

  QLabel* icon_;
  QLabel* caption_;
  ImageButton* close_ = nullptr;
  std::function<void(QWidget*)> moveStarter_;
};

}  // namespace aerotrace
