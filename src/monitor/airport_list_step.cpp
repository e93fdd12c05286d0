#include "monitor/airport_list_step.h"

#include <exception>

namespace aerotrace {

void loadAirportsAtStart(TfHState& s, const std::filesystem::path& file, View& view) {
  try {
    s.airports = AirportDirectory::load(file);
  } catch (const std::exception&) {
    s.airports = {};
    view.showMessage(kAirportsUnreadable);
  }
}

}  // namespace aerotrace
