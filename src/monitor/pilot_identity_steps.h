#pragma once

// The show handling's steps around the pilot's VID: read it from the store
// at start, and after the VID window had its chance, go on only with a
// complete one.

#include "monitor/tfh_state.h"
#include "monitor/view.h"
#include "tours/vid_store.h"

namespace aerotrace {

void readVidAtStart(TfHState& s, VidStore& store);

// True when `vid` has six characters; otherwise shows "VID incorrect ,
// Closing Aerotrace..." and is false: the program then ends.
bool vidReadyOrClosing(const TfHState& s, View& view);

}  // namespace aerotrace
