#pragma once

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <functional>

#include "app/checkpoint_grid.h"
#include "app/image_button.h"
#include "app/title_strip.h"
#include "monitor/leg_report.h"

namespace aerotrace {

// The leg report window ("AEROTRACE REPORT"): the flight, fuel, loads, the
// checkpoint rows and the points, with UPLOAD LEG under the block panel when
// the leg missed its minimum.
class TfMaps : public QWidget {
  Q_OBJECT

 public:
  explicit TfMaps(QWidget* parent = nullptr);

  // Fills the window from the leg end's report and shows it at the bar's
  // top-left corner (not modal).
  void showReport(const LegReport& report, const QPoint& barTopLeft);

  void setBlockVisible(bool visible);
  bool blockVisible() const;

  // What the close handling decides; it runs when the window is closed.
  void setCloseHandler(std::function<void()> handler) { closeHandler_ = std::move(handler); }

  CheckpointGrid* sgRes() const { return sgRes_; }
  QLabel* value(const char* name) const;
  ImageButton* imgUpload() const { return imgUpload_; }
  QLabel* pnlBlock() const { return pnlBlock_; }

 signals:
  void uploadPressed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* box(const char* name, const QString& caption, const QPoint& captionAt, const QRect& rect);

  TitleStrip* panel1_;
  CheckpointGrid* sgRes_;
  ImageButton* imgUpload_;
  QLabel* pnlBlock_;
  QTimer timer1_;
  int pendingRows_ = 0;
  std::function<void()> closeHandler_;
};

}  // namespace aerotrace
