#include "results/report_pages.h"

#include "core/text.h"

namespace aerotrace {

ReportPages builtInReportPages() {
  return {AEROTRACE_REPORT_HOST_1, AEROTRACE_REPORT_DIVISION_1, AEROTRACE_REPORT_TOUR_1,
          AEROTRACE_REPORT_HOST_2, AEROTRACE_REPORT_DIVISION_2, AEROTRACE_REPORT_TOUR_2,
          AEROTRACE_REPORT_TOUR_3};
}

std::string reportPageOf(std::string_view descr, const ReportPages& p) {
  const std::string_view prefix = descr.substr(0, 3);
  const auto plainPage = [&p](const std::string& tour) {
    return "http://" + p.plainHost + "/cgi-bin/tours.pl?function=Report&tour=" + tour +
           "&division=" + p.division2;
  };
  if (prefix == "1) ") {
    return "https://" + p.secureHost + "/index.php?div=" + p.division1 + "&tourid=" + p.tour1 +
           "&report=yes";
  }
  if (prefix == "2) ") return plainPage(p.tour2);
  if (prefix == "3) ") return plainPage(p.tour3);
  return {};
}

void ORVANTATOURS1Click(const TfMyLegsState& w, std::int32_t selectedRow, DocumentOpener& opener,
                        const ReportPages& pages) {
  if (w.historyCount == 0) return;
  if (selectedRow < 0 || static_cast<std::size_t>(selectedRow) >= w.history.size()) return;
  const std::string page = replacedAll(
      reportPageOf(w.history[static_cast<std::size_t>(selectedRow)].Descr, pages), "\"", "%22");
  if (!page.empty()) opener.open(page);
}

}  // namespace aerotrace
