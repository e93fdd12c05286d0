#pragma once

#include <string_view>

#include "db/connection.h"
#include "db/table.h"

namespace aerotrace {

// The data module: the connection and one table object per table. It does
// nothing by itself; every unit of work connects, uses a table and
// disconnects again.
struct TfD {
  explicit TfD(std::string_view url);

  db::Connection Con;
  db::Table tbTours;
  db::Table tbLegs;
  db::Table tbLegDet;
  db::Table tbLegRdy;
  db::Table tbLegRdyDet;
  db::Table tbLegRdyFR;
};

}  // namespace aerotrace
