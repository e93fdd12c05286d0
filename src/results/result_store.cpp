#include "results/result_store.h"

#include <algorithm>
#include <limits>
#include <string>

#include "db/condition.h"
#include "db/driver.h"

namespace aerotrace {
namespace {

// Closes both tables and the connection however the upload ends, and rolls
// back what was not committed. A connection that is already gone has been
// rolled back by the server; the rollback's own failure is then expected.
class UploadWork {
 public:
  explicit UploadWork(TfD& d) : d_(d) {}
  ~UploadWork() {
    if (driver_ && !committed_) {
      try {
        driver_->rollback();
      } catch (...) {  // nothing left to undo
      }
    }
    d_.tbLegRdy.close();
    d_.tbLegRdyFR.close();
    d_.Con.disconnect();
  }
  UploadWork(const UploadWork&) = delete;
  UploadWork& operator=(const UploadWork&) = delete;

  void begin() {
    driver_ = &d_.Con.driver();
    driver_->begin();
  }
  void commit() {
    driver_->commit();
    committed_ = true;
  }

 private:
  TfD& d_;
  db::Driver* driver_ = nullptr;
  bool committed_ = false;
};

const std::vector<std::string>& trackColumns() {
  static const std::vector<std::string> columns{
      "LegRdyId", "Latitude", "Longitude", "Alt", "GrndSp", "Hdg", "Com1", "Nav1", "Nav2", "QNH"};
  return columns;
}

std::vector<db::Value> trackRow(std::int32_t legRdyId, const oRoute& p) {
  return {std::int64_t{legRdyId},
          p.Latitude,
          p.Longitude,
          std::int64_t{p.Alt},
          std::int64_t{p.GrndSp},
          std::int64_t{p.Hdg},
          p.Com1,
          p.Nav1,
          p.Nav2,
          p.QNH};
}

std::int32_t nextTry(std::int32_t stored) {
  return stored == std::numeric_limits<std::int32_t>::max() ? stored : stored + 1;
}

}  // namespace

StoredResult storeLegResult(TfD& d, const LegResult& result, const std::vector<oRoute>& track,
                            const StoreOptions& options) {
  UploadWork work(d);
  if (!d.Con.Connected()) d.Con.connect();
  work.begin();

  StoredResult stored;
  db::Table& legRdy = d.tbLegRdy;
  legRdy.setFiltered(false);
  legRdy.setFilterSQL(
      db::Condition::equals("legId", std::int64_t{result.legId}).andEquals("VID", result.VID));
  legRdy.setFiltered(true);
  legRdy.open();
  legRdy.first();
  stored.tryCount = legRdy.recordCount() == 1 ? nextTry(legRdy.asInteger("try")) : 1;
  // A single stored row whose try is 0 or empty thus gets a new row beside it.
  if (stored.tryCount == 1) {
    legRdy.append();
  } else {
    legRdy.edit();
  }
  legRdy.setInteger("legId", result.legId);
  legRdy.setString("VID", result.VID);
  legRdy.setString("Descr", result.Descr);
  legRdy.setString("Dep", result.Dep);
  legRdy.setString("Dest", result.Dest);
  legRdy.setInteger("tour_id", result.tour_id);
  legRdy.setString("Route", result.Route);
  legRdy.setInteger("Points", result.Points);
  legRdy.setInteger("MaxPoints", result.MaxPoints);
  legRdy.setInteger("try", stored.tryCount);
  legRdy.setDateTime("DepDate", result.DepDate);
  legRdy.setDateTime("DepTime", result.DepTime);
  legRdy.setDateTime("ArrTime", result.ArrTime);
  legRdy.setString("GForceMax", result.GForceMax);
  legRdy.setString("GForceMin", result.GForceMin);
  legRdy.setString("GForceLnd", result.GForceLnd);
  legRdy.setString("FuelUsed", result.FuelUsed);
  legRdy.setString("AirPlane", result.AirPlane);
  legRdy.post();
  stored.legRdyId = legRdy.asInteger("LegRdyid");
  legRdy.close();

  db::Table& points = d.tbLegRdyFR;
  points.setFiltered(false);
  points.setFilterSQL(db::Condition::equals("LegRdyId", std::int64_t{stored.legRdyId}));
  points.setFiltered(true);
  points.removeFiltered();
  const std::size_t batch = std::max<std::size_t>(options.trackBatchRows, 1);
  for (std::size_t from = 0; from < track.size(); from += batch) {
    const std::size_t to = std::min(track.size(), from + batch);
    std::vector<std::vector<db::Value>> rows;
    rows.reserve(to - from);
    for (std::size_t i = from; i < to; ++i) rows.push_back(trackRow(stored.legRdyId, track[i]));
    points.insertRows(trackColumns(), std::move(rows));
    if (options.afterTrackBatch) options.afterTrackBatch(to);
  }
  points.close();

  work.commit();
  stored.trackRows = static_cast<std::int32_t>(track.size());
  return stored;
}

}  // namespace aerotrace
