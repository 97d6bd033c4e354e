#pragma once

// UTF-8 encoding and decoding, shared by the UTF-16 file support and the
// roster's text codec.

#include <cstddef>
#include <string>
#include <string_view>

namespace profile {

void appendUtf8(std::string& out, char32_t c);

// Decodes the character at `i`; returns its length, or 0 when the bytes
// there are not UTF-8 (overlong forms and values past U+10FFFF never are;
// surrogates only when `allowSurrogates`, as in generalized UTF-8).
std::size_t nextUtf8(std::string_view text, std::size_t i, char32_t& c, bool allowSurrogates = false);

} // namespace profile
