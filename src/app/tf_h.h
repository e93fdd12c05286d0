#pragma once

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/leg_panel_widget.h"
#include "app/main_bar.h"
#include "app/movable_panel.h"
#include "app/qt_cycle_driver.h"
#include "app/tf_maps.h"
#include "app/tf_my_legs.h"
#include "app/tf_smess.h"
#include "app/tf_vid.h"
#include "core/clock.h"
#include "core/document_opener.h"
#include "monitor/announcements.h"
#include "monitor/output.h"
#include "monitor/monitor_context.h"
#include "monitor/tfh_state.h"
#include "monitor/view.h"
#include "results/leg_history.h"
#include "replay/event_log.h"
#include "replay/logged_view.h"
#include "results/report_context.h"
#include "sim/ipc_client.h"
#include "sim/ipc_transport.h"
#include "sim/reader_pass.h"
#include "tours/tour_data.h"
#include "tours/vid_store.h"

namespace aerotrace {

// What the main window is made of, handed in so tests can use their own.
struct TfHParts {
  std::unique_ptr<Clock> clock;
  // What the panel's motion counts in; the monitor's clock when none.
  std::unique_ptr<Clock> motionClock;
  std::unique_ptr<IpcTransport> transport;
  std::unique_ptr<VidStore> vids;
  std::unique_ptr<DocumentOpener> opener;
  VoiceFactory voice;
  std::string toursUrl;
  std::string airportsPath;  // airports.csv
  // The pilot's data folder, where the local store is kept; none: no store
  // (an empty folder is one that could not be told, which the pilot hears of).
  std::optional<std::filesystem::path> dataFolder;
  // When given, everything shown, spoken or put in the simulator's outbox
  // is also written to it.
  EventLog* log = nullptr;
};

// The main window: a narrow always-on-top bar with the leg panel sliding out
// under it. It owns the program's state and the other windows and shows
// what the monitor decides; only the bar and the panel can be seen and
// clicked, the rest lets clicks through to the simulator below.
class TfH : public QWidget, public View {
  Q_OBJECT

 public:
  explicit TfH(TfHParts parts, QWidget* parent = nullptr);
  ~TfH() override;

  // The show handling: at the mouse cursor, the pilot's VID, the airports,
  // then the monitor timer and the tour catalogue. False when the program
  // must end (no valid VID).
  bool FormShow();

  TfHState& state() { return s_; }
  QtCycleDriver& cycle() { return *driver_; }
  MainBar* bar() const { return pnlMain_; }
  TantMovablePanel* tmLeg() const { return tmLeg_; }
  LegPanelWidget* legPanel() const { return legPanel_; }
  TfMaps* report() const { return tfMaps_; }
  TfMyLegs* history() const { return tfMyLegs_; }
  TfSMess* messages() const { return tfSMess_; }
  InFlightMenu* menu() const { return menu_; }

  // View
  std::string title() const override;
  void setTitle(const std::string& text) override;
  void showMessage(const std::string& text) override;
  void showError(const std::string& text) override;
  void showLegDisplay(const LegDisplay& display) override;
  void setFuelUnitLabels(const std::string& label) override;
  void setLinkLamp(bool connected) override;
  void setFuelFigure(const std::string& text) override;
  void setAircraftLabel(const std::string& text) override;
  void setAirportLabels(const std::string& name, const std::string& icao) override;
  void focusRoute() override;
  PanelGeometry panelGeometry() const override;
  void extendPanel() override;
  void retractPanel() override;
  void setWindowSize(WindowSize size) override;
  void showReport(const LegReport& report) override;
  bool confirmWarning(const std::string& text) override;
  void setReportBlockShown(bool shown) override;
  bool reportBlockShown() const override;
  void uploadEnded(const UploadOutcome&) override {}
  void hideReport() override;
  void showHistory(const std::vector<HistoryRow>& rows) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Where the monitor and the handlers show things: the windows, or the
  // windows and the event log.
  View& view() { return logged_ ? static_cast<View&>(*logged_) : *this; }
  void updateMask();
  void openMenu(const QPoint& globalPos);
  // A pilot's handler, run between reader passes; `once` names a press
  // that counts once however often it comes while a pass runs.
  void handle(std::function<void()> action, std::string_view once = {});

  TfHParts parts_;
  std::unique_ptr<LoggedView> logged_;
  TfHState s_;
  TfD d_;
  TfMyLegsState history_;
  IpcClient ipc_;
  RWFSUIPC pass_;
  MonitorContext monitor_;
  std::unique_ptr<QtCycleDriver> driver_;
  std::unique_ptr<ReportContext> report_;
  std::unique_ptr<SimTextListening> simTexts_;

  MainBar* pnlMain_;
  TantMovablePanel* tmLeg_;
  LegPanelWidget* legPanel_;
  InFlightMenu* menu_;
  // The other windows, made once in their order and kept until the end.
  TfMaps* tfMaps_;
  TfVID* tfVid_;
  TfMyLegs* tfMyLegs_;
  TfSMess* tfSMess_;
};

}  // namespace aerotrace
