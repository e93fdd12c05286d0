#include "app/tf_h.h"

#include <QCursor>
#include <QEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <clocale>

#include "app/qt_text.h"
#include "app/window_look.h"
#include "app/window_move.h"
#include "monitor/airport_list_step.h"
#include "monitor/announcements.h"
#include "monitor/leg_panel.h"
#include "monitor/leg_start.h"
#include "monitor/monitor_tick.h"
#include "monitor/output.h"
#include "monitor/pilot_identity_steps.h"
#include "monitor/reader_pass_inputs.h"
#include "results/outbox_uploads.h"
#include "results/report_handlers.h"
#include "results/report_pages.h"

namespace aerotrace {
namespace {

constexpr int kPanelWidth = 431;
constexpr int kPanelHeight = 365;

// Number texts never follow the machine's locale: "." is the decimal point.
void setNumberFormat() { std::setlocale(LC_NUMERIC, "C"); }

}  // namespace

TfH::TfH(TfHParts parts, QWidget* parent)
    : QWidget(parent),
      parts_(std::move(parts)),
      logged_(parts_.log ? std::make_unique<LoggedView>(*this, *parts_.log) : nullptr),
      d_(parts_.toursUrl),
      ipc_(*parts_.transport),
      pass_(ipc_),
      monitor_{s_, d_, *parts_.clock, view(), {}} {
  setObjectName("TfH");
  setWindowTitle("AEROTRACE");
  look::makeBorderless(this);
  // The colour that the mask keeps out of sight.
  look::fill(this, QColor(64, 128, 128));

  tmLeg_ = new TantMovablePanel(
      this, parts_.motionClock ? parts_.motionClock.get() : parts_.clock.get());
  tmLeg_->setObjectName("tmLeg");
  tmLeg_->setGeometry(0, -kPanelHeight, kPanelWidth, kPanelHeight);
  look::fill(tmLeg_, look::kGrey64);
  tmLeg_->SetMoveNewStyle(true);
  tmLeg_->SetMoveFullTime(300);
  tmLeg_->SetMoveLength(385);
  tmLeg_->Loaded();
  tmLeg_->installEventFilter(this);
  legPanel_ = new LegPanelWidget(tmLeg_);
  pnlMain_ = new MainBar(this);
  pnlMain_->raise();
  menu_ = new InFlightMenu(this);

  // FormCreate: the number format, the bar alone, the voice, the first pass.
  setNumberFormat();
  resize(MainBar::kWidth, MainBar::kHeight);
  s_.lastSampleLatitude = 0;
  s_.lastSampleLongitude = 0;
  speechStartUp(s_, parts_.voice);
  if (parts_.dataFolder) openLocalStore(s_, *parts_.dataFolder);
  driver_ = std::make_unique<QtCycleDriver>(
      [this] {
        setNumberFormat();
        timerHandlerWork(monitor_);
        // Between passes, as all database work: the outbox's retries.
        retryWhenDue(*report_);
      },
      [this] { return readerPassInputs(s_); },
      // On the worker: the flight-data block is all it touches.
      [this](const ReaderPassInputs& inputs) { return pass_.Execute(s_.flightData, inputs); },
      [this](const std::string& text) { speakText(s_, text); }, this);
  monitor_.disableTimer = [this] { driver_->disableTimer(); };
  report_ = std::make_unique<ReportContext>(
      ReportContext{s_,
                    d_,
                    view(),
                    *parts_.opener,
                    driver_->cycle(),
                    [this] { return static_cast<std::int64_t>(parts_.clock->tickCount()); },
                    0,
                    {}});

  tfMaps_ = new TfMaps(this);
  tfVid_ = new TfVID(
      s_.vid, *parts_.vids, [this](const std::string& text) { view().showMessage(text); }, this);
  tfMyLegs_ = new TfMyLegs(this);
  tfSMess_ = new TfSMess(this);

  connect(legPanel_, &LegPanelWidget::startPressed, this,
          [this] { handle([this] { imgStartFlMouseDown(monitor_); }, "start"); });
  connect(legPanel_, &LegPanelWidget::nextLegPressed, this,
          [this] { handle([this] { nextLeg(s_, view()); }); });
  connect(legPanel_, &LegPanelWidget::previousLegPressed, this,
          [this] { handle([this] { previousLeg(s_, view()); }); });
  connect(legPanel_, &LegPanelWidget::fuelUnitPressed, this,
          [this] { handle([this] { switchFuelUnit(s_, view()); }); });
  connect(pnlMain_, &MainBar::titleDoubleClicked, this,
          [this] { handle([this] { repeatLastMessage(s_); }); });
  connect(menu_->Saylastmessage1, &QAction::triggered, this,
          [this] { handle([this] { repeatLastMessage(s_); }); });
  connect(menu_->ext1, &QAction::triggered, this, [this] { handle([this] { switchText(s_); }); });
  connect(menu_->Speach1, &QAction::triggered, this,
          [this] { handle([this] { switchSpeech(s_); }); });
  connect(menu_->MYLEGS1, &QAction::triggered, tfMyLegs_, &TfMyLegs::open);
  connect(menu_->CloseAEROTRACE1, &QAction::triggered, this, &QWidget::close);

  connect(tfMaps_, &TfMaps::uploadPressed, this,
          [this] { handle([this] { imgUploadMouseDown(*report_); }, "upload"); });
  tfMaps_->setCloseHandler([this] { handle([this] { FormClose(*report_); }, "close"); });
  tfMyLegs_->setLoader([this] {
    try {
      std::vector<OutboxLeg> pending;
      keepWith(s_, view(), [&](LocalStore& store) { pending = store.outbox(); });
      loadHistory(history_, d_, s_.vid, view(), pending);
    } catch (const std::exception& e) {
      view().showError(e.what());
    }
  });
  // A kept leg's commands, then the list again.
  const auto storedLeg = [this](int row) -> std::int64_t {
    const auto at = static_cast<std::size_t>(row);
    return row >= 0 && at < history_.storedIds.size() ? history_.storedIds[at] : 0;
  };
  tfMyLegs_->setStoredLegHandlers(
      [this, storedLeg](int row) {
        const std::int64_t id = storedLeg(row);
        if (id != 0) handle([this, id] { uploadStoredLeg(*report_, id); tfMyLegs_->reload(); });
      },
      [this, storedLeg](int row) {
        const std::int64_t id = storedLeg(row);
        if (id != 0) handle([this, id] { discardStoredLeg(*report_, id); tfMyLegs_->reload(); });
      },
      [storedLeg](int row) { return storedLeg(row) != 0; });
  tfMyLegs_->setReportPageHandler(
      [this](int row) { ORVANTATOURS1Click(history_, row, *parts_.opener, builtInReportPages()); });

  // The bar and the labels bound to it drag the window and open the menu.
  for (QWidget* w : {static_cast<QWidget*>(pnlMain_), static_cast<QWidget*>(pnlMain_->Label5())}) {
    w->installEventFilter(this);
  }
  for (QWidget* w : legPanel_->dragLabels()) w->installEventFilter(this);
  for (QWidget* w : legPanel_->menuLabels()) w->installEventFilter(this);

  if (parts_.log) {
    simTexts_ = std::make_unique<SimTextListening>(
        s_, [log = parts_.log](const std::string& text, std::int32_t seconds) {
          log->simTextQueued(text, seconds);
        });
  }

  driver_->start();
  updateMask();
}

TfH::~TfH() = default;

bool TfH::FormShow() {
  move(QCursor::pos());
  s_.fuelUnit = 0;
  readVidAtStart(s_, *parts_.vids);
  loadAirportsAtStart(s_, parts_.airportsPath, view());
  if (s_.vid.size() != 6) tfVid_->exec();
  if (!vidReadyOrClosing(s_, view())) return false;
  driver_->enableTimer();
  switchSetUp(s_);
  loadTourCatalogue(s_, d_, view());
  // What the local store has to say and send, once the program is up: its
  // questions and messages are modal, and come between reader passes.
  QMetaObject::invokeMethod(
      this,
      [this] {
        handle([this] {
          tellStoreUnusable(s_, view());
          afterCatalogueLoad(*report_);
        });
      },
      Qt::QueuedConnection);
  return true;
}

void TfH::handle(std::function<void()> action, std::string_view once) {
  driver_->whenNoPass(std::move(action), once);
}

std::string TfH::title() const { return pnlMain_->Label5()->text().toStdString(); }

void TfH::setTitle(const std::string& text) { pnlMain_->Label5()->setText(toQt(text)); }

void TfH::showMessage(const std::string& text) { tfSMess_->showMessage(text); }

void TfH::showError(const std::string& text) {
  QMessageBox::critical(this, "AEROTRACE", toQt(text));
}

void TfH::showLegDisplay(const LegDisplay& display) { legPanel_->showLegDisplay(display); }

void TfH::setFuelUnitLabels(const std::string& label) { legPanel_->setFuelUnitLabels(label); }

void TfH::setLinkLamp(bool connected) { pnlMain_->setLinkLamp(connected); }

void TfH::setFuelFigure(const std::string& text) { legPanel_->setFuelFigure(text); }

void TfH::setAircraftLabel(const std::string& text) { legPanel_->setAircraft(text); }

void TfH::setAirportLabels(const std::string& name, const std::string& icao) {
  legPanel_->setAirport(icao, name);
}

void TfH::focusRoute() { legPanel_->focusRoute(); }

PanelGeometry TfH::panelGeometry() const {
  return {tmLeg_->y(),
          {kPanelWidth, kPanelHeight},
          {MainBar::kWidth, MainBar::kHeight},
          {width(), height()}};
}

void TfH::extendPanel() { tmLeg_->DoMove(); }

void TfH::retractPanel() { tmLeg_->UndoMove(); }

void TfH::setWindowSize(WindowSize size) {
  resize(size.width, size.height);
  updateMask();
  repaint();
}

void TfH::showReport(const LegReport& report) {
  report_->points = report.total;
  tfMaps_->showReport(report, pos());
}

bool TfH::confirmWarning(const std::string& text) {
  return QMessageBox::warning(tfMaps_, "AEROTRACE", toQt(text),
                              QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void TfH::setReportBlockShown(bool shown) { tfMaps_->setBlockVisible(shown); }

bool TfH::reportBlockShown() const { return tfMaps_->blockVisible(); }

void TfH::hideReport() { tfMaps_->hide(); }

void TfH::showHistory(const std::vector<HistoryRow>& rows) { tfMyLegs_->showRows(rows); }

void TfH::updateMask() {
  setMask(aerotrace::visibleRegion(pnlMain_->geometry(), tmLeg_->geometry(), size()));
}

void TfH::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  updateMask();
}

void TfH::openMenu(const QPoint& globalPos) {
  const MessageMenuChecks checks = messageMenuChecks(s_);
  menu_->setChecks(checks.text, checks.speech);
  menu_->popup(globalPos);
}

bool TfH::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tmLeg_) {
    // The panel slides through the window: what can be seen follows it.
    if (event->type() == QEvent::Move) updateMask();
    return QWidget::eventFilter(watched, event);
  }
  if (event->type() != QEvent::MouseButtonPress) return QWidget::eventFilter(watched, event);
  auto* mouse = static_cast<QMouseEvent*>(event);
  auto* widget = qobject_cast<QWidget*>(watched);
  const bool dragger = watched == pnlMain_ || watched == pnlMain_->Label5() ||
                       legPanel_->dragLabels().contains(widget);
  const bool menuOwner = watched == pnlMain_ || watched == pnlMain_->Label5() ||
                         legPanel_->menuLabels().contains(widget);
  if (mouse->button() == Qt::LeftButton && dragger) {
    startWindowMove(this);
    return true;
  }
  if (mouse->button() == Qt::RightButton && menuOwner) {
    openMenu(mouse->globalPosition().toPoint());
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace aerotrace
