#pragma once

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QRegion>

namespace aerotrace {

// The bar `pnlMain`: the simulator-link lamp and the title label, which
// doubles as the wait countdown.
class MainBar : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kWidth = 71;
  static constexpr int kHeight = 20;

  explicit MainBar(QWidget* parent);

  // Green when the last pass reached the simulator, maroon when not; red
  // until the first tick.
  void setLinkLamp(bool connected);
  QColor lampColour() const { return lamp_; }

  QLabel* Label5() const { return label5_; }

 signals:
  void titleDoubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QColor lamp_{150, 15, 14};
  QLabel* label5_;
};

// The bar's context menu `puInFlMenu`.
class InFlightMenu : public QMenu {
  Q_OBJECT

 public:
  explicit InFlightMenu(QWidget* parent);

  // Sets the check marks of "Text" and "Speach" as the menu opens.
  void setChecks(bool text, bool speech);

  QAction* Saylastmessage1;
  QAction* ext1;
  QAction* Speach1;
  QAction* MYLEGS1;
  QAction* CloseAEROTRACE1;
  QMenu* Message1;
};

// What of the main window can be seen and clicked: the bar, and the panel
// where it lies inside the window. Everything else lets clicks through to the
// simulator below.
QRegion visibleRegion(const QRect& bar, const QRect& panel, const QSize& window);

}  // namespace aerotrace
