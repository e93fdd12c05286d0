#pragma once

// The network's tour report pages, opened from the history's context menu.
// The description of a leg starts with "1) ", "2) " or "3) ", which names
// the tour series and so the page.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/document_opener.h"
#include "results/leg_history.h"

namespace aerotrace {

struct ReportPages {
  std::string secureHost;  // "1) ", over https
  std::string division1;
  std::string tour1;
  std::string plainHost;  // "2) " and "3) ", over http
  std::string division2;
  std::string tour2;
  std::string tour3;
};

// The settings of this build (CMake cache variables AEROTRACE_REPORT_*).
ReportPages builtInReportPages();

// The page for a leg description; empty for any other beginning.
std::string reportPageOf(std::string_view descr, const ReportPages& pages);

// The context-menu command "ORVANTA TOURS" on the row `selectedRow` (from 0)
// of the last load: its page, double quotes sent as "%22". Nothing while the
// last load found nothing, or for a row without a record.
void ORVANTATOURS1Click(const TfMyLegsState& w, std::int32_t selectedRow, DocumentOpener& opener,
                        const ReportPages& pages);

}  // namespace aerotrace
