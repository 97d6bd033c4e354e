// The fixes of a roster check: their union, and writing them.

#include "game/names.h"
#include "game/roster_check.h"

#include <unordered_set>

namespace game {

std::vector<profile::KeyValue> FixAll(const RosterCheck& check)
{
    std::vector<profile::KeyValue> edits;
    std::unordered_set<std::string> keys;
    for (const Finding& finding : check.findings) {
        for (const profile::KeyValue& edit : finding.fix) {
            if (keys.insert(lowered(edit.key)).second)
                edits.push_back(edit);
        }
    }
    return edits;
}

roster::RosterPlan FixPlan(std::vector<profile::KeyValue> edits)
{
    return [edits = std::move(edits)](const std::vector<profile::KeyValue>&, roster::TextEncoding encoding) {
        roster::RosterEdits planned;
        planned.edits = edits;
        for (profile::KeyValue& kv : planned.edits) {
            if (kv.remove)
                continue;
            std::string refused;
            std::optional<std::string> bytes = roster::encodeText(kv.value, encoding, &refused);
            if (const std::optional<std::string> what = bytes ? profile::unsafeCharacter(*bytes) : std::nullopt) {
                refused = *what;
                bytes.reset();
            }
            if (!bytes) {
                planned.refusal = roster::Refusal{
                    CBT_WORD("roster",
                             "The fix for %1 holds %2, which a %3 roster file cannot hold. Nothing was fixed."),
                    {kv.key, refused, roster::encodingName(encoding)}};
                planned.edits.clear();
                return planned;
            }
            kv.value = std::move(*bytes);
        }
        return planned;
    };
}

roster::SaveOutcome ApplyFixes(const std::string& path, const std::vector<profile::KeyValue>& edits,
                               const std::string& backupStamp, profile::Transaction* record)
{
    if (edits.empty())
        return {};
    return roster::WriteRoster(path, FixPlan(edits), backupStamp, record);
}

} // namespace game
