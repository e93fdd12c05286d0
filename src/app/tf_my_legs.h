#pragma once

#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "app/history_grid.h"
#include "app/title_strip.h"

namespace aerotrace {

// "MY LEGS": the legs kept in the pilot's local store, then the pilot's
// uploaded legs. Opening it (while hidden) shows it and loads the list once,
// half a second later; "ORVANTA TOURS" opens the tour's report page for the
// selected row, "UPLOAD LEG" and "DISCARD LEG" act on a kept one.
class TfMyLegs : public QWidget {
  Q_OBJECT

 public:
  explicit TfMyLegs(QWidget* parent = nullptr);

  // The load, run by the window's timer after each opening.
  void setLoader(std::function<void()> load) { load_ = std::move(load); }
  // The context command for the selected row.
  void setReportPageHandler(std::function<void(int row)> handler) {
    reportPage_ = std::move(handler);
  }

  // The commands on a leg kept in the local store: upload it, discard it;
  // `kept` tells whether a row is one.
  void setStoredLegHandlers(std::function<void(int row)> upload,
                            std::function<void(int row)> discard,
                            std::function<bool(int row)> kept);

  // "MY LEGS" from the bar's menu.
  void open();
  // The list loaded again at once, while the window is open.
  void reload() {
    if (isVisible() && load_) load_();
  }
  void showRows(std::vector<HistoryRow> rows) { sgMyLegs_->setRows(std::move(rows)); }

  HistoryGrid* sgMyLegs() const { return sgMyLegs_; }
  QAction* ORVANTATOURS1() const { return orvantaTours1_; }
  QAction* uploadLeg() const { return uploadLeg_; }
  QAction* discardLeg() const { return discardLeg_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  TitleStrip* panel2_;
  HistoryGrid* sgMyLegs_;
  QMenu* menu_;
  QAction* orvantaTours1_;
  QAction* uploadLeg_;
  QAction* discardLeg_;
  QTimer timer1_;
  std::function<void()> load_;
  std::function<void(int)> reportPage_;
  std::function<void(int)> uploadStored_;
  std::function<void(int)> discardStored_;
  std::function<bool(int)> kept_;
};

}  // namespace aerotrace
