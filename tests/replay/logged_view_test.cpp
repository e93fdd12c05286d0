#include "replay/logged_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quiet_view.h"

namespace aerotrace {
namespace {

// Windows that note what reaches them and what the log held at that moment.
class Windows final : public testing::QuietView {
 public:
  explicit Windows(const std::vector<std::string>& logLines) : log_(logLines) {}
  std::string title() const override { return "BAR TITLE"; }
  void showMessage(const std::string& text) override { seen("message " + text); }
  void showError(const std::string& text) override { seen("error " + text); }
  void extendPanel() override { seen("out"); }
  PanelGeometry panelGeometry() const override { return {-200, {431, 365}, {700, 46}, {700, 46}}; }
  bool confirmWarning(const std::string& text) override {
    seen("warning " + text);
    return true;
  }
  bool reportBlockShown() const override { return true; }

  std::vector<std::string> calls;  // each with the log's length when it came

 private:
  void seen(const std::string& what) { calls.push_back(what + " @" + std::to_string(log_.size())); }
  const std::vector<std::string>& log_;
};

TEST(LoggedViewTest, ShowsOnBothLogFirstAndAsksOnlyTheWindows) {
  std::vector<std::string> lines;
  EventLog log([&lines](const std::string& line) { lines.push_back(line); }, [] { return 1.5; });
  Windows windows(lines);
  LoggedView view(windows, log);

  view.showMessage("Checkpoint Kufstein missed");
  view.showError("Cannot reach the tours database");
  view.extendPanel();
  EXPECT_TRUE(view.confirmWarning("Upload now?"));
  EXPECT_EQ(view.title(), "BAR TITLE");
  EXPECT_EQ(view.panelGeometry().panelTop, -200);  // the log alone would say the panel is out
  EXPECT_TRUE(view.reportBlockShown());

  // A modal window waits on the pilot: the log holds the line already.
  EXPECT_EQ(windows.calls, (std::vector<std::string>{"message Checkpoint Kufstein missed @1",
                                                     "error Cannot reach the tours database @2",
                                                     "out @3", "warning Upload now? @3"}));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], R"({"t":1.5,"event":"message","text":"Checkpoint Kufstein missed"})");
  EXPECT_EQ(lines[2], R"({"t":1.5,"event":"panel","state":"out"})");
}

}  // namespace
}  // namespace aerotrace
