#pragma once

// A key line's value as the game reads it: one pair of outer quotes off, up
// to a NUL, spaces at the ends off, in UTF-8. Internal to this room.

#include "profile/profile.h"
#include "roster/text_encoding.h"

#include <string>
#include <string_view>

namespace game {

inline std::string textOf(std::string_view raw, roster::TextEncoding encoding)
{
    if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') && raw.back() == raw.front())
        raw = raw.substr(1, raw.size() - 2);
    return roster::decodeText(profile::trimSpaces(raw.substr(0, raw.find('\0'))), encoding);
}

} // namespace game
