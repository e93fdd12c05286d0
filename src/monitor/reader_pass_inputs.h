#pragma once

#include "monitor/tfh_state.h"
#include "sim/reader_pass.h"

namespace aerotrace {

// The two state fields the reader pass reads, taken on the window thread as
// the pass starts so that the pass never reads the state while it changes.
inline ReaderPassInputs readerPassInputs(const TfHState& s) {
  return {static_cast<bool>(s.legActive), static_cast<bool>(s.speechEnabled)};
}

}  // namespace aerotrace
