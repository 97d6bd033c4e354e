#include "roster/set_values.h"

#include "roster/scale.h"

#include <algorithm>

namespace roster {

std::uint64_t ValueDraws::next()
{
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

int ValueDraws::between(int lowest, int highest)
{
    const auto range = static_cast<std::uint64_t>(static_cast<std::int64_t>(highest) - lowest) + 1;
    const std::uint64_t uneven = (UINT64_MAX - range + 1) % range; // 2^64 mod range
    std::uint64_t draw = next();
    while (draw < uneven)
        draw = next();
    return static_cast<int>(lowest + static_cast<std::int64_t>(draw % range));
}

RosterFile::BotEdits PlanSetValues(const std::vector<BotIndex>& bots, const std::vector<FieldSetting>& fields,
                                   ValueDraws& draws)
{
    RosterFile::BotEdits edits;
    for (BotIndex bot : bots) {
        BotEdit edit;
        edit.nameChanged = false;
        for (const FieldSetting& setting : fields) {
            const auto box = static_cast<std::size_t>(setting.box);
            const RosterField& field = RosterFields[box];
            const int low = std::clamp(std::min(setting.lowest, setting.highest), field.minimum, field.maximum);
            const int high = std::clamp(std::max(setting.lowest, setting.highest), field.minimum, field.maximum);
            const int position = low == high ? low : draws.between(low, high);
            edit.values[box] = BoxTextForPosition(field, position);
            edit.changed[box] = true;
        }
        edits.emplace_back(bot, std::move(edit));
    }
    return edits;
}

} // namespace roster
