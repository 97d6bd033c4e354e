#include "roster/set_values.h"

#include "roster/scale.h"

#include <algorithm>

namespace roster {

RosterFile::BotEdits PlanSetValues(const std::vector<BotIndex>& bots, const std::vector<FieldSetting>& fields,
                                   std::mt19937& random)
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
            const int position = low == high ? low : std::uniform_int_distribution<int>(low, high)(random);
            edit.values[box] = BoxTextForPosition(field, position);
            edit.changed[box] = true;
        }
        edits.emplace_back(bot, std::move(edit));
    }
    return edits;
}

} // namespace roster
