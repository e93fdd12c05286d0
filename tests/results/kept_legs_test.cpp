// The legs kept in the pilot's local store and what happens to them: the
// retries (only asked-for legs, only every 5 minutes, never during a leg),
// the start-up offer, and MY LEGS's upload and discard.
#include <gtest/gtest.h>

#include "monitor/leg_result.h"
#include "report_rig.h"
#include "results/outbox_uploads.h"
#include "store/local_store.h"
#include "temp_folder.h"
#include "test_databases.h"

namespace aerotrace::testing {
namespace {

class KeptLegsTest : public ::testing::Test {
 protected:
  KeptLegsTest() : database_(makeTestDatabase(Backend::Sqlite, currentTestName())) {
    rig_.state.keeping.store = LocalStore::open(data_.path());
    rig_.state.legActive = false;
  }

  // A finished leg put in the store as the leg end puts it.
  std::int64_t keep(std::int32_t legId, bool asked) {
    OutboxLeg leg;
    leg.result = legResultOf(rig_.state, innsbruckMunich(), 25);
    leg.result.legId = legId;
    leg.track = trackOf(3);
    const std::int64_t id = store().finishLeg(leg);
    if (asked) store().markAsked(id);
    return id;
  }
  LocalStore& store() { return *rig_.state.keeping.store; }
  std::int64_t rows() {
    return db::toInteger(database_.admin()->run("SELECT count(*) FROM LegRdy", {}).rows[0][0]);
  }

  TestDatabase database_;
  TempFolder data_{"aerotrace-kept-legs"};
  ReportRig rig_{database_.url};
};

TEST_F(KeptLegsTest, AtStartAskedLegsGoQuietlyAndTheOthersAreOffered) {
  keep(1, true);
  keep(2, false);
  keep(3, false);
  rig_.view.answerOk = false;
  afterCatalogueLoad(rig_.context);
  EXPECT_EQ(rig_.view.questions, std::vector<std::string>{"Legs not uploaded: 2. Upload now?"});
  ASSERT_EQ(rig_.view.uploads.size(), 1u);
  EXPECT_TRUE(rig_.view.uploads[0].ok);
  EXPECT_TRUE(rig_.view.uploads[0].queued);
  EXPECT_TRUE(rig_.view.messages.empty());
  EXPECT_EQ(rows(), 1);
  // Cancel kept them, still not asked for: retries leave them alone.
  ASSERT_EQ(store().outbox().size(), 2u);
  rig_.now += LegKeeping::kRetryIntervalMs;
  retryWhenDue(rig_.context);
  EXPECT_EQ(rows(), 1);
}

TEST_F(KeptLegsTest, RetriesComeEveryFiveMinutesAndNeverDuringALeg) {
  afterCatalogueLoad(rig_.context);  // nothing kept yet
  keep(1, true);
  rig_.now += LegKeeping::kRetryIntervalMs - 1;
  retryWhenDue(rig_.context);
  EXPECT_EQ(rows(), 0);
  rig_.now += 1;
  rig_.state.legActive = true;
  retryWhenDue(rig_.context);
  EXPECT_EQ(rows(), 0);
  rig_.state.legActive = false;
  retryWhenDue(rig_.context);
  EXPECT_EQ(rows(), 1);
  EXPECT_TRUE(store().outbox().empty());
}

TEST_F(KeptLegsTest, MyLegsUploadsOrDiscardsAKeptLeg) {
  const std::int64_t sent = keep(1, false);
  const std::int64_t dropped = keep(2, false);
  uploadStoredLeg(rig_.context, sent);
  discardStoredLeg(rig_.context, dropped);
  EXPECT_EQ(rows(), 1);
  EXPECT_TRUE(store().outbox().empty());
  ASSERT_EQ(rig_.view.uploads.size(), 1u);
  EXPECT_TRUE(rig_.view.uploads[0].queued);
  // Gone keys do nothing.
  uploadStoredLeg(rig_.context, dropped);
  EXPECT_EQ(rig_.view.uploads.size(), 1u);
}

}  // namespace
}  // namespace aerotrace::testing
