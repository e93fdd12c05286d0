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
};

}  // namespace aerotrace
