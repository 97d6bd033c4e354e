#pragma once

// Files that start with the UTF-16LE byte-order mark are read by the game as
// UTF-16. The engine edits them in a lossless 8-bit form: every 16-bit unit
// sequence maps to generalized UTF-8 (a lone surrogate is kept as its own
// three-byte sequence) and back to exactly the same units, so lines that a
// write does not touch keep their bytes.

#include <string>
#include <string_view>

namespace profile {

inline constexpr std::string_view Utf16LeMark = "\xFF\xFE";

// The units after the mark, as generalized UTF-8. An odd last byte cannot be
// a unit; it is handed back in `oddByte` to be put back as it was.
std::string utf8FromUtf16le(std::string_view units, std::string* oddByte);

// The inverse. Refuses (returns false) text that is not generalized UTF-8.
bool utf16leFromUtf8(std::string_view text, std::string& units);

} // namespace profile
