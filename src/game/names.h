#pragma once

// Object names as the game compares and splits them: ASCII letters in either
// case alike; "Package.Item", where the item follows the last dot. Internal
// to this room.

#include <algorithm>
#include <string>
#include <string_view>

namespace game {

inline char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

inline std::string lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), lowerAscii);
    return out;
}

inline bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

// "SoldierSkins" of "SoldierSkins.blkt"; empty without a dot.
inline std::string_view packageOf(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(0, dot);
}

// "blkt" of "SoldierSkins.blkt"; the whole name without a dot.
inline std::string_view itemOf(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? name : name.substr(dot + 1);
}

} // namespace game
