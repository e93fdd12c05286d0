#include "monitor/pilot_identity_steps.h"

#include "tours/pilot_identity.h"

namespace aerotrace {

void readVidAtStart(TfHState& s, VidStore& store) { s.vid = readStoredVid(store); }

bool vidReadyOrClosing(const TfHState& s, View& view) {
  if (vidComplete(s.vid)) return true;
  view.showMessage(kVidIncorrectClosing);
  return false;
}

}  // namespace aerotrace
