#include "profile/utf16.h"

#include <cstdint>

namespace profile {
namespace {

void append(std::string& out, char32_t c)
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

void appendUnit(std::string& out, char32_t unit)
{
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

} // namespace

std::string utf8FromUtf16le(std::string_view units, std::string* oddByte)
{
    std::string out;
    out.reserve(units.size() * 3 / 2);
    const std::size_t count = units.size() / 2;
    auto unitAt = [&](std::size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(units[2 * i])
                                     | (static_cast<unsigned char>(units[2 * i + 1]) << 8));
    };
    for (std::size_t i = 0; i < count; ++i) {
        const char32_t u = unitAt(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < count) {
            const char32_t next = unitAt(i + 1);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                append(out, 0x10000 + ((u - 0xD800) << 10) + (next - 0xDC00));
                ++i;
                continue;
            }
        }
        append(out, u); // a lone surrogate too: three bytes, and back again
    }
    if (oddByte)
        *oddByte = units.size() % 2 ? std::string(1, units.back()) : std::string();
    return out;
}

bool utf16leFromUtf8(std::string_view text, std::string& units)
{
    units.clear();
    units.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size();) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        std::size_t len = 0;
        char32_t c = 0;
        char32_t min = 0;
        if (b0 < 0x80)
            len = 1, c = b0;
        else if ((b0 & 0xE0) == 0xC0)
            len = 2, c = b0 & 0x1F, min = 0x80;
        else if ((b0 & 0xF0) == 0xE0)
            len = 3, c = b0 & 0x0F, min = 0x800;
        else if ((b0 & 0xF8) == 0xF0)
            len = 4, c = b0 & 0x07, min = 0x10000;
        else
            return false;
        if (i + len > text.size())
            return false;
        for (std::size_t k = 1; k < len; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if ((b & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (b & 0x3F);
        }
        if (c < min || c > 0x10FFFF)
            return false;
        if (c >= 0x10000) {
            appendUnit(units, 0xD800 + ((c - 0x10000) >> 10));
            appendUnit(units, 0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            appendUnit(units, c);
        }
        i += len;
    }
    return true;
}

} // namespace profile
