#include "roster/text_encoding.h"

#include <algorithm>

#include "profile/utf8.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace roster {
namespace {

using profile::appendUtf8;
using profile::nextUtf8;

// Unicode for the bytes 0x80 to 0x9F; the rest of the code page equals its
// byte value. 0x81, 0x8D, 0x8F, 0x90 and 0x9D are undefined in the code page
// and map to the C1 control of the same number, so that no byte is lost.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t windows1252ToUnicode(unsigned char b)
{
    return (b >= 0x80 && b <= 0x9F) ? HighControls[b - 0x80] : char32_t{b};
}

std::optional<unsigned char> unicodeToWindows1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

// The character as the player typed it, and its code point for one that
// does not show (a combining mark, a zero-width space): "\"Ł\" (U+0141)".
std::string describe(char32_t c)
{
    char number[16];
    std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(c));
    std::string text = "\"";
    appendUtf8(text, c);
    return text.append("\" (").append(number).append(")");
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    char32_t c = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t len = nextUtf8(bytes, i, c);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

namespace {

// Whether the 64 bytes at `p` are all ASCII, checked a word at a time.
bool asciiBlock(const char* p)
{
    std::uint64_t seen = 0;
    for (int k = 0; k < 8; ++k) {
        std::uint64_t word = 0;
        std::memcpy(&word, p + 8 * k, 8);
        seen |= word;
    }
    return (seen & 0x8080808080808080u) == 0;
}

} // namespace

TextEncoding detectEncoding(std::string_view fileBytes)
{
    // A save reads the whole file through here: runs of ASCII are passed a
    // block at a time, and the first byte that is not UTF-8 decides.
    bool ascii = true;
    char32_t c = 0;
    for (std::size_t i = 0; i < fileBytes.size();) {
        if (i + 64 <= fileBytes.size() && asciiBlock(fileBytes.data() + i)) {
            i += 64;
        } else if (static_cast<unsigned char>(fileBytes[i]) < 0x80) {
            ++i;
        } else {
            const std::size_t len = nextUtf8(fileBytes, i, c);
            if (len == 0)
                return TextEncoding::Windows1252;
            ascii = false;
            i += len;
        }
    }
    return ascii ? TextEncoding::Windows1252 : TextEncoding::Utf8;
}

std::string decodeText(std::string_view bytes, TextEncoding encoding)
{
    // Plain ASCII reads alike in every encoding: most values are numbers.
    if (std::all_of(bytes.begin(), bytes.end(), [](char ch) { return static_cast<unsigned char>(ch) < 0x80; }))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    if (encoding == TextEncoding::Windows1252) {
        for (char ch : bytes)
            appendUtf8(out, windows1252ToUnicode(static_cast<unsigned char>(ch)));
        return out;
    }
    char32_t c = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t len = nextUtf8(bytes, i, c);
        if (len == 0) { // only a cut can leave a partial character here
            ++i;
            continue;
        }
        appendUtf8(out, c);
        i += len;
    }
    return out;
}

std::optional<std::string> encodeText(std::string_view utf8, TextEncoding encoding, std::string* refused)
{
    std::string out;
    out.reserve(utf8.size());
    char32_t c = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t len = nextUtf8(utf8, i, c);
        if (len == 0) {
            if (refused)
                *refused = "an invalid character";
            return std::nullopt;
        }
        if (encoding == TextEncoding::Utf8) {
            out.append(utf8.substr(i, len));
        } else if (const auto b = unicodeToWindows1252(c)) {
            out += static_cast<char>(*b);
        } else {
            if (refused)
                *refused = describe(c);
            return std::nullopt;
        }
        i += len;
    }
    return out;
}

const char* encodingName(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf8 ? "UTF-8" : "Windows-1252";
}

} // namespace roster
