#pragma once

// How the roster file's bytes become the window's text and back. The game's
// older releases write Windows-1252 and newer ones UTF-8 without a byte-order
// mark; either way a value read and written back must come out byte for byte
// as it went in, and a character the file cannot hold is refused, never
// replaced by "?".

#include <optional>
#include <string>
#include <string_view>

namespace roster {

enum class TextEncoding { Windows1252, Utf8 };

// UTF-8 when the bytes are valid UTF-8 and hold at least one non-ASCII byte;
// Windows-1252 otherwise (every byte sequence is valid Windows-1252). A
// UTF-16 file reaches the roster as UTF-8 and is written back as UTF-16.
TextEncoding detectEncoding(std::string_view fileBytes);

bool isValidUtf8(std::string_view bytes);

// File bytes to UTF-8. Windows-1252 maps all 256 byte values, the five that
// the code page leaves undefined to the C1 controls of the same number. A
// UTF-8 text cut in the middle of a character loses that partial character.
std::string decodeText(std::string_view bytes, TextEncoding encoding);

// UTF-8 to file bytes, or nothing when a character cannot be held; then
// `refused` names the first such character, in quotes and as U+XXXX.
std::optional<std::string> encodeText(std::string_view utf8, TextEncoding encoding, std::string* refused = nullptr);

const char* encodingName(TextEncoding encoding);

} // namespace roster
