#include "standin/sim_write.h"

#include "eventlog/event_line.h"

namespace aerotrace {

namespace {

const char* whatName(SimWrite::What w) {
  switch (w) {
    case SimWrite::What::text: return "text";
    case SimWrite::What::slew: return "slew";
    case SimWrite::What::rate: return "rate";
  }
  return "";
}

}  // namespace

std::string simWriteEventLine(const SimWrite& w) {
  EventJson e = eventObject(w.t, "sim-write");
  e["what"] = whatName(w.what);
  if (w.what == SimWrite::What::text) {
    e["text"] = jsonText(w.text);
    e["seconds"] = w.seconds;
  }
  return eventLine(e);
}

}  // namespace aerotrace
