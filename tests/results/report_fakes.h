#pragma once

// A view that records what the report and history windows are told; the
// addresses handed to the opener are kept by core's RecordingOpener.

#include <string>
#include <vector>

#include "core/recording_opener.h"
#include "monitor/view.h"
#include "quiet_view.h"

namespace aerotrace::testing {

class ReportView final : public QuietView {
 public:
  void showMessage(const std::string& text) override { messages.push_back(text); }

  bool confirmWarning(const std::string& text) override {
    questions.push_back(text);
    return answerOk;
  }
  void setReportBlockShown(bool shown) override { blockShown = shown; }
  bool reportBlockShown() const override { return blockShown; }
  void uploadEnded(const UploadOutcome& outcome) override { uploads.push_back(outcome); }
  void hideReport() override { ++hidden; }
  void showHistory(const std::vector<HistoryRow>& rows) override { histories.push_back(rows); }

  bool answerOk = false;  // the pilot's answer to the next warnings
  bool blockShown = false;
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::vector<UploadOutcome> uploads;
  int hidden = 0;
  std::vector<std::vector<HistoryRow>> histories;
};

}  // namespace aerotrace::testing
