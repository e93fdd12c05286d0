#pragma once

#include <string>

#include "core/datetime.h"

namespace aerotrace {

// Date and time texts as the windows show them, with "-" / "/" and ":" as
// separators whatever the locale.
std::string formatDayMonthYear(DateTime t);  // "dd-mm-yyyy"
std::string formatYearMonthDay(DateTime t);  // "YYYY/MM/DD"
std::string formatHourMinute(DateTime t);    // "HH:MM"

}  // namespace aerotrace
