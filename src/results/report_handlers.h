#pragma once

// The report window's two handlers: the upload button and the close
// handling. Both run on the window thread; their modal dialogs block it.

#include "monitor/upload_outcome.h"
#include "results/report_context.h"

namespace aerotrace {

// The upload button. Covers the button, stores the report's result and track
// as the leg end kept them (one transaction; the leg leaves the local store
// once the server holds it), then settles the leg, opens the tour's page,
// confirms and closes the report. On any failure: "Leg details NOT
// uploaded." and the button is offered again, with the state untouched.
// With no leg waiting for its upload, or while the button is covered, a
// press does nothing at all.
UploadOutcome imgUploadMouseDown(ReportContext& c);

// The close handling, whatever closes the report: offers an upload still
// pending (a result not uploaded stays in the local store), then ends the
// leg for good (track emptied, monitoring re-armed,
// airport forgotten, leg flag cleared) and hides the window.
void FormClose(ReportContext& c);

}  // namespace aerotrace
