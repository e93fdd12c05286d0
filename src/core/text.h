#pragma once

#include <string>
#include <string_view>

namespace aerotrace {

// Removes leading and trailing blanks and control characters (bytes up to
// 0x20), the way the program trims texts before comparing them.
std::string trimmed(std::string_view s);

// Every occurrence of `from` replaced by `to`, scanning left to right.
std::string replacedAll(std::string_view s, std::string_view from, std::string_view to);

// ASCII letters turned to capitals; other bytes unchanged.
std::string upperAscii(std::string_view s);

// Texts are 8-bit bytes as the database and the simulator hand them over.
// Where UTF-8 is needed (speech, windows, JSON), bytes that already are UTF-8
// pass unchanged and any other text is taken as Latin-1.
bool isUtf8(std::string_view s);
std::string toUtf8(std::string_view s);

}  // namespace aerotrace
