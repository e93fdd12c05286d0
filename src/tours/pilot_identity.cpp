#include "tours/pilot_identity.h"

namespace aerotrace {
namespace {

int digitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9') v = c - '0';
  if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
  return v < base ? v : -1;
}

}  // namespace

std::int32_t readInteger(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  int base = 10;
  if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= s.size()) return 0;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t value = 0;
  for (; i < s.size(); ++i) {
    const int d = digitValue(s[i], base);
    if (d < 0) return 0;
    value = value * base + d;
    if (value > limit) return 0;
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

bool vidComplete(std::string_view vid) { return vid.size() == 6; }

std::string readStoredVid(VidStore& store) { return store.read(); }

VidConfirmation confirmVid(const std::string& typed, std::string& vid, VidStore& store) {
  if (typed.size() != 6 || readInteger(typed) <= 0) return {false, kVidIncorrect};
  vid = typed;
  store.write(typed);
  return {true, {}};
}

}  // namespace aerotrace
