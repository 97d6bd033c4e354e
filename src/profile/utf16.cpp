#include "profile/utf16.h"

#include "profile/utf8.h"


namespace profile {
namespace {

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
                appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (next - 0xDC00));
                ++i;
                continue;
            }
        }
        appendUtf8(out, u); // a lone surrogate too: three bytes, and back again
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
        char32_t c = 0;
        const std::size_t len = nextUtf8(text, i, c, /*allowSurrogates=*/true);
        if (len == 0)
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
