#include "tours/tour_data.h"

#include "tours/tour_tables.h"

namespace aerotrace {

TfD::TfD(std::string_view url)
    : Con(db::Connection::fromUrl(url)),
      tbTours(Con, toursTable()),
      tbLegs(Con, legsTable()),
      tbLegDet(Con, legDetTable()),
      tbLegRdy(Con, legRdyTable()),
      tbLegRdyDet(Con, legRdyDetTable()),
      tbLegRdyFR(Con, legRdyFrTable()) {}

}  // namespace aerotrace
