#pragma once

// The player's language for what the roster marked (roster/words.h): a
// field's label, a scale word, a column's title, a refusal's pattern.

#include <QString>

#include <string_view>

namespace platform {

// A text the roster marked for the player, in the player's language; any
// other text (a number, a name) comes back as it is.
QString rosterWord(std::string_view text);

} // namespace platform
