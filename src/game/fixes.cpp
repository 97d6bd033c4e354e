// The fixes of a roster check: their union, and writing them; the looks
// of bots, written the same way.

#include "game/key_text.h"
#include "game/names.h"
#include "game/roster_check.h"
#include "profile/profile_file.h"

#include <algorithm>
#include <unordered_set>

namespace game {
namespace {

const char* const FixUnheld
    = CBT_WORD("roster", "The fix for %1 holds %2, which a %3 roster file cannot hold. Nothing was fixed.");

// The edits with their values in the file's encoding, or a refusal of the
// first value it cannot hold: `pattern` with the key, the character and
// the encoding.
roster::RosterEdits encoded(std::vector<profile::KeyValue> edits, roster::TextEncoding encoding,
                            std::string_view pattern)
{
    roster::RosterEdits planned;
    for (profile::KeyValue& kv : edits) {
        if (kv.remove)
            continue;
        std::string refused;
        std::optional<std::string> bytes = roster::encodeText(kv.value, encoding, &refused);
        if (const std::optional<std::string> what = bytes ? profile::unsafeCharacter(*bytes) : std::nullopt) {
            refused = *what;
            bytes.reset();
        }
        if (!bytes) {
            planned.refusal = roster::Refusal{std::string(pattern), {kv.key, refused, roster::encodingName(encoding)}};
            return planned;
        }
        kv.value = std::move(*bytes);
    }
    planned.edits = std::move(edits);
    return planned;
}

} // namespace

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

roster::SaveOutcome ApplyFixes(const std::string& path, const std::vector<profile::KeyValue>& edits,
                               const std::string& backupStamp, profile::Transaction* record)
{
    if (edits.empty())
        return {};
    return roster::WriteRoster(path, FixPlan(edits), backupStamp, record);
}

roster::RosterPlan FixPlan(std::vector<profile::KeyValue> edits)
{
    return [edits = std::move(edits)](const std::vector<profile::KeyValue>&, roster::TextEncoding encoding) {
        return encoded(edits, encoding, FixUnheld);
    };
}

roster::RosterPlan FixFindingsPlan(std::vector<Finding> chosen, const Declarations* install)
{
    return [chosen = std::move(chosen), install](const std::vector<profile::KeyValue>& entries,
                                                 roster::TextEncoding encoding) {
        const RosterCheck now = CheckRoster(entries, encoding, install);
        std::vector<profile::KeyValue> edits;
        std::unordered_set<std::string> keys;
        for (const Finding& finding : now.findings) {
            const bool wanted = std::any_of(chosen.begin(), chosen.end(), [&](const Finding& c) {
                return c.kind == finding.kind && sameName(c.key, finding.key);
            });
            for (const profile::KeyValue& edit : wanted ? finding.fix : std::vector<profile::KeyValue>{}) {
                if (sameName(edit.key, finding.key) && keys.insert(lowered(edit.key)).second)
                    edits.push_back(edit);
            }
        }
        return encoded(std::move(edits), encoding, FixUnheld);
    };
}

roster::RosterPlan AppearancePlan(std::vector<roster::BotIndex> bots, std::array<std::string, LookKeys.size()> chosen)
{
    return [bots = std::move(bots), chosen = std::move(chosen)](const std::vector<profile::KeyValue>& entries,
                                                                roster::TextEncoding encoding) {
        // Each key's first line, as the game reads it.
        std::unordered_map<std::string, std::string> held;
        for (const profile::KeyValue& entry : entries)
            held.try_emplace(lowered(entry.key), textOf(entry.value, encoding));
        std::vector<profile::KeyValue> edits;
        for (const roster::BotIndex bot : bots) {
            const auto name = held.find(lowered(roster::FormKey(roster::NamePrefix, bot)));
            if (name == held.end() || name->second.find_first_not_of(" \t") == std::string::npos) {
                roster::RosterEdits refused;
                refused.refusal = roster::Refusal{
                    CBT_WORD("roster", "Bot %1 is no longer named in the roster file. Nothing was changed."),
                    {std::to_string(bot)}};
                return refused;
            }
            for (std::size_t look = 0; look < LookKeys.size(); ++look) {
                const std::string key = roster::FormKey(std::string(LookKeys[look]) + "[", bot);
                const auto now = held.find(lowered(key));
                // Names are the game's, alike in any case.
                if (now == held.end() ? chosen[look].empty() : sameName(now->second, chosen[look]))
                    continue;
                edits.push_back({key, chosen[look]});
            }
        }
        return encoded(std::move(edits), encoding,
                       CBT_WORD("roster", "%1 would hold %2, which a %3 roster file cannot hold. Nothing was changed."));
    };
}

} // namespace game
