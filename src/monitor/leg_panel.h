#pragma once

// The leg panel's handlers: the tour catalogue and the legs loaded into the
// main window's state, the leg display refresh, the arrows and the fuel unit
// switch. Each runs on the window thread.

#include "monitor/tfh_state.h"
#include "monitor/view.h"
#include "tours/tour_data.h"

namespace aerotrace {

// Fills `tours`; a server that cannot be reached leaves it empty without a
// word. A failing read after connecting is shown as a message.
void loadTourCatalogue(TfHState& s, TfD& d, View& view);

// Rebuilds `legs` for `airportIcao` and refreshes the display when it holds a
// leg. Without a connection: "No connection with server", and the display
// keeps what it showed. A failing read after connecting is shown as a message
// and keeps the legs read until then, without a refresh.
void loadLegs(TfHState& s, TfD& d, View& view);

void refreshLegDisplay(const TfHState& s, View& view);

// The arrows: one leg on or back, stopping at the ends; then a refresh.
void nextLeg(TfHState& s, View& view);
void previousLeg(TfHState& s, View& view);

// The next fuel unit, its label on both unit labels, then a refresh.
void switchFuelUnit(TfHState& s, View& view);

}  // namespace aerotrace
