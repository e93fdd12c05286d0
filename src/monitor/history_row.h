#pragma once

#include <string>

#include "core/records.h"

namespace aerotrace {

// One line of the pilot's leg history: the loaded record and the texts the
// list draws for it.
struct HistoryRow {
  oLegRdy leg;
  std::string date;     // DepDate, "YYYY/MM/DD"
  std::string depTime;  // "HH:MM"
  std::string arrTime;  // "HH:MM"
  std::string fuel;     // FuelUsed, "0.0" + " Ltr."
  // A leg in the pilot's local store that the server does not hold yet.
  bool pending = false;
  std::int64_t storedId = 0;
};

}  // namespace aerotrace
