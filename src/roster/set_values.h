#pragma once

// Setting fields of many bots at once: the same position for every bot, or
// a position of its own for each, drawn between two bounds on the control's
// steps. What the Set Values dialog asks for, as plain data.

#include "roster/roster.h"

#include <random>
#include <vector>

namespace roster {

// One included field: its value box (a box with a control) and the
// positions to draw from, both ends included. `lowest` equal to `highest`
// gives every bot that position; bounds given the wrong way round are taken
// the right way round, and both are held to the control's range.
struct FieldSetting {
    int box;
    int lowest;
    int highest;
};

// The edits that set `fields` of every bot in `bots`, in that order, with
// the names left alone: what RosterFile::SaveBots writes. Each bot draws
// its own position of each field from `random`, field after field.
RosterFile::BotEdits PlanSetValues(const std::vector<BotIndex>& bots, const std::vector<FieldSetting>& fields,
                                   std::mt19937& random);

} // namespace roster
