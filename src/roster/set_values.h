#pragma once

// Setting fields of many bots at once: the same position for every bot, or
// a position of its own for each, drawn between two bounds on the control's
// steps. What the Set Values dialog asks for, as plain data.

#include "roster/roster.h"

#include <cstdint>
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

// The draws of one Set Values: every position between two bounds as likely
// as the others, and the same seed giving the same draws on every system
// (SplitMix64, with the uneven rest of the range drawn again).
class ValueDraws {
public:
    explicit ValueDraws(std::uint64_t seed) : state_(seed) {}
    int between(int lowest, int highest);

private:
    std::uint64_t next();
    std::uint64_t state_;
};

// The edits that set `fields` of every bot in `bots`, in that order, with
// the names left alone: what RosterFile::SaveBots writes. Each bot draws
// its own position of each field, field after field.
RosterFile::BotEdits PlanSetValues(const std::vector<BotIndex>& bots, const std::vector<FieldSetting>& fields,
                                   ValueDraws& draws);

} // namespace roster
