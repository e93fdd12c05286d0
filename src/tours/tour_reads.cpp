#include "tours/tour_reads.h"

#include "db/db_error.h"

namespace aerotrace {
namespace {

// Closes the table and the connection however the unit of work ends.
class UnitOfWork {
 public:
  UnitOfWork(TfD& d, db::Table& table) : d_(d), table_(table) {}
  ~UnitOfWork() {
    table_.close();
    d_.Con.disconnect();
  }
  UnitOfWork(const UnitOfWork&) = delete;
  UnitOfWork& operator=(const UnitOfWork&) = delete;

 private:
  TfD& d_;
  db::Table& table_;
};

std::size_t rowIndex(const db::Table& t) { return static_cast<std::size_t>(t.recNo() - 1); }

}  // namespace

bool readTourCatalogue(TfD& d, std::vector<oTours>& out) {
  UnitOfWork work(d, d.tbTours);
  d.Con.connect();
  if (!d.Con.Connected()) return false;
  db::Table& t = d.tbTours;
  t.setFilterSQL({});
  t.open();
  out.assign(static_cast<std::size_t>(t.recordCount()), oTours{});
  for (t.first(); !t.eof(); t.next()) {
    oTours& tour = out[rowIndex(t)];
    tour.TourId = t.asInteger("tour_id");
    tour.TourName = t.asString("tour_name");
    tour.Link = t.asString("Link");
  }
  return true;
}

bool readLegsOfAirport(TfD& d, const std::string& icao, std::vector<oLeg>& out) {
  UnitOfWork work(d, d.tbLegs);
  d.Con.connect();
  if (!d.Con.Connected()) return false;
  db::Table& t = d.tbLegs;
  t.setFilterSQL(db::Condition::equals("Dep", icao));
  t.setOrderFields({"tour_id"});
  t.open();
  for (; !t.eof(); t.next()) {
    oLeg leg;
    leg.Id = t.asInteger("id");
    leg.Descr = t.asString("Descr");
    leg.Dep = t.asString("Dep");
    leg.Dest = t.asString("Dest");
    leg.Route = t.asString("Route");
    leg.MaxFuel = t.asInteger("MaxFuel");
    leg.Points = t.asInteger("Points");
    leg.MaxPoints = t.asInteger("MaxPoints");
    leg.TourId = t.asInteger("tour_id");
    out.push_back(std::move(leg));
  }
  return true;
}

std::vector<oLegDet> readCheckpoints(TfD& d, std::int32_t legId) {
  UnitOfWork work(d, d.tbLegDet);
  if (!d.Con.Connected()) d.Con.connect();
  db::Table& t = d.tbLegDet;
  t.setFilterSQL(db::Condition::equals("LegId", std::int64_t{legId}));
  t.open();
  t.first();
  std::vector<oLegDet> out(static_cast<std::size_t>(t.recordCount()));
  for (; !t.eof(); t.next()) {
    oLegDet& cp = out[rowIndex(t)];
    cp.Points = t.asInteger("Points");
    cp.Descr = t.asString("Descr");
    cp.Speak = t.asString("Speak");
    cp.Latitude = t.asFloat("Latitude");
    cp.Longitude = t.asFloat("Longtitude");
    cp.cRange = t.asFloat("cRange");
    cp.MinAlt = t.asInteger("MinAlt");
    cp.MaxAlt = t.asInteger("MaxAlt");
    cp.MinSpd = t.asInteger("MinSpd");
    cp.MaxSpd = t.asInteger("MaxSpd");
    cp.MinHdg = t.asInteger("MinHdg");
    cp.MaxHdg = t.asInteger("MaxHdg");
    cp.CheckPoint = t.asBoolean("CheckPoint");
    cp.MustLand = t.asBoolean("MustLand");
    cp.WaitMin = t.asInteger("WaitMin");
  }
  return out;
}

std::vector<LegRdyRow> readLegHistory(TfD& d, const std::string& vid) {
  UnitOfWork work(d, d.tbLegRdy);
  d.Con.connect();
  db::Table& t = d.tbLegRdy;
  t.setFiltered(false);
  t.setFilterSQL(db::Condition::equals("VID", vid));
  t.open();
  t.setFiltered(true);
  t.first();
  std::vector<LegRdyRow> out(static_cast<std::size_t>(t.recordCount()));
  for (; !t.eof(); t.next()) {
    LegRdyRow& r = out[rowIndex(t)];
    r.LegRdyid = t.asInteger("LegRdyid");
    r.legId = t.asInteger("legId");
    r.Descr = t.asString("Descr");
    r.Points = t.asInteger("Points");
    r.MaxPoints = t.asInteger("MaxPoints");
    r.VID = t.asString("VID");
    r.Try = t.asInteger("try");
    r.Dep = t.asString("Dep");
    r.Dest = t.asString("Dest");
    r.Route = t.asString("Route");
    r.DepDate = t.asDateTime("DepDate");
    r.DepTime = t.asDateTime("DepTime");
    r.ArrTime = t.asDateTime("ArrTime");
    r.LegAccepted = t.asBoolean("LegAccepted");
    r.AirPlane = t.asString("AirPlane");
    r.GForceMax = t.asString("GForceMax");
    r.GForceMin = t.asString("GForceMin");
    r.GForceLnd = t.asString("GForceLnd");
    r.FuelUsed = t.asString("FuelUsed");
    r.tour_id = t.asInteger("tour_id");
  }
  t.setFiltered(false);
  return out;
}

}  // namespace aerotrace
