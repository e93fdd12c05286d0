#include "results/report_handlers.h"

#include <optional>
#include <string>

#include "core/text.h"
#include "results/leg_result.h"
#include "results/outbox_uploads.h"

namespace aerotrace {
namespace {

const char* const kUploadFailed = "Leg details NOT uploaded.\r\rTry again";
const char* const kUploadPending = "Leg not uploaded.\nUpload now?";

UploadOutcome failed(ReportContext& c, bool told = false) {
  const UploadOutcome outcome;
  if (!told) c.view.uploadEnded(outcome);
  c.view.showMessage(kUploadFailed);
  c.view.setReportBlockShown(false);
  return outcome;
}

}  // namespace

UploadOutcome imgUploadMouseDown(ReportContext& c) {
  TfHState& s = c.state;
  // A press that comes late (a double click, a press queued behind a reader
  // pass) finds the leg settled or the upload already running: it does
  // nothing, so a result is never written twice or with no leg.
  if (!s.legActive || s.activeLegId <= 0 || c.view.reportBlockShown()) return {};
  c.view.setReportBlockShown(true);
  // The leg list may have been reloaded after the leg was abandoned.
  const oLeg* selected = s.selectedLeg();
  if (!selected) return failed(c);
  const oLeg leg = *selected;

  // The result as the leg end kept it; without a leg end, as it stands now.
  std::optional<OutboxLeg>& kept = s.keeping.reportLeg;
  if (!kept) {
    kept.emplace();
    kept->result = legResultOf(s, leg, c.points);
    kept->track = s.track;
    kept->tourName = leg.TourName;
    kept->tourLink = leg.TourLink;
  }
  const UploadOutcome outcome = uploadKeptLeg(c, *kept, false);
  if (!outcome.ok) return failed(c, true);

  s.legActive = false;
  s.activeLegId = 0;
  s.keeping.reportLeg.reset();
  const std::string page = replacedAll(leg.TourLink, "\"", "%22");
  if (!page.empty()) c.opener.open(page);
  c.view.showMessage("Tour " + leg.TourName + " Leg " + leg.Descr + " uploaded...");
  // The block stays: the leg is settled and the window closes.
  FormClose(c);
  return outcome;
}

void FormClose(ReportContext& c) {
  TfHState& s = c.state;
  if (s.legActive && !c.view.reportBlockShown() && c.view.confirmWarning(kUploadPending)) {
    imgUploadMouseDown(c);
  }
  s.track.clear();
  // While a pass runs, the cycle leaves the timer to the pass's end, so this
  // never starts a second pass beside it.
  c.cycle.enableTimer(c.nowMs());
  s.airportIcao.clear();
  s.legActive = false;
  // A result not uploaded stays in the local store for the next start.
  s.keeping.reportLeg.reset();
  c.view.hideReport();
}

}  // namespace aerotrace
