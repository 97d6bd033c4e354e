#include "roster/text_encoding.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace roster {
namespace {

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

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 character at `i`; returns its length, 0 when invalid
// (overlong forms, surrogates and values past U+10FFFF are invalid).
std::size_t nextUtf8(std::string_view s, std::size_t i, char32_t& c)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    std::size_t len = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
        c = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2, c = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, c = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, c = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size())
        return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return len;
}

std::string describe(char32_t c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
    return buf;
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

TextEncoding detectEncoding(std::string_view fileBytes)
{
    bool ascii = true;
    for (char ch : fileBytes) {
        if (static_cast<unsigned char>(ch) >= 0x80) {
            ascii = false;
            break;
        }
    }
    return (!ascii && isValidUtf8(fileBytes)) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

std::string decodeText(std::string_view bytes, TextEncoding encoding)
{
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
