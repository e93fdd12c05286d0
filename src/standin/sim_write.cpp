#include "standin/sim_write.h"

#include <charconv>
#include <cstdio>

namespace aerotrace {

namespace {

void appendJsonString(std::string& out, const std::string& s) {
  out += '"';
  for (char c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", u);
      out += buf;
    } else {
      out += c;
    }
  }
  out += '"';
}

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
  char num[32];
  const auto r = std::to_chars(num, num + sizeof num, w.t);
  std::string out = "{\"t\":";
  out.append(num, r.ptr);
  out += ",\"event\":\"sim-write\",\"what\":\"";
  out += whatName(w.what);
  out += '"';
  if (w.what == SimWrite::What::text) {
    out += ",\"text\":";
    appendJsonString(out, w.text);
    out += ",\"seconds\":" + std::to_string(w.seconds);
  }
  out += '}';
  return out;
}

}  // namespace aerotrace
