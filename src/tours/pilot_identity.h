#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tours/vid_store.h"

namespace aerotrace {

inline constexpr const char* kVidIncorrect = "INCORRECT";
inline constexpr const char* kVidIncorrectClosing = "VID incorrect , Closing Aerotrace...";

// The entry field's text as a 32-bit integer: optional leading blanks, an
// optional sign, then decimal digits or a hexadecimal number introduced by
// "$", "x", "X", "0x" or "0X", and nothing after. Any other text, or a value
// that does not fit, reads as 0.
std::int32_t readInteger(std::string_view text);

// A stored VID is used when it has six characters, whatever they are.
bool vidComplete(std::string_view vid);

// The VID read at start; empty when none is stored.
std::string readStoredVid(VidStore& store);

struct VidConfirmation {
  bool accepted = false;
  std::string message;  // "INCORRECT" when refused
};
// The VID window's OK: six characters that read as an integer above 0 are
// taken exactly as typed into `vid` and stored; a store that cannot be
// written leaves `vid` set for this run only, without a word. A refused text
// leaves `vid` alone.
VidConfirmation confirmVid(const std::string& typed, std::string& vid, VidStore& store);

}  // namespace aerotrace
