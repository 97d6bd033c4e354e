// The fixes of a roster check: their union, and writing them.

#include "game/names.h"
#include "game/roster_check.h"
#include "profile/profile_file.h"

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

roster::SaveOutcome ApplyFixes(const std::string& path, const std::vector<profile::KeyValue>& edits,
                               const std::string& backupStamp, profile::Transaction* record)
{
    roster::SaveOutcome outcome;
    if (edits.empty())
        return outcome;
    bool backedUp = false;
    const auto prepare = [&](const profile::LoadedFile& file, std::vector<profile::KeyValue>& values) {
        if (file.state != profile::FileState::Read) { // a fix never makes the roster anew
            outcome = roster::SaveOutcome::vanished(roster::Gone::File);
            return false;
        }
        const roster::TextEncoding encoding
            = file.utf16 ? roster::TextEncoding::Utf8 : roster::detectEncoding(file.document.bytes());
        values = edits;
        for (profile::KeyValue& kv : values) {
            if (kv.remove)
                continue;
            std::string refused;
            std::optional<std::string> bytes = roster::encodeText(kv.value, encoding, &refused);
            if (const std::optional<std::string> what = bytes ? profile::unsafeCharacter(*bytes) : std::nullopt) {
                refused = *what;
                bytes.reset();
            }
            if (!bytes) {
                outcome = roster::SaveOutcome::refusal(
                    kv.key, CBT_WORD("roster", "The fix for %1 holds %2, which a %3 roster file cannot hold. Nothing was fixed."),
                    {kv.key, refused, roster::encodingName(encoding)});
                return false;
            }
            kv.value = std::move(*bytes);
        }
        if (!backupStamp.empty() && !backedUp) {
            const profile::Backup backup = profile::backUpProfile(path, backupStamp, roster::KeptBackups);
            if (!backup.result) {
                outcome = roster::SaveOutcome::refusal(
                    {}, CBT_WORD("roster", "The roster file could not be backed up before fixing: %1. Nothing was fixed."),
                    {backup.result.error});
                return false;
            }
            backedUp = true;
            outcome.backup = backup.made;
        }
        return true;
    };
    const profile::WriteResult written = profile::writeProfileStrings(roster::BotRoster, prepare, path, {}, record);
    if (!written && !written.refused) {
        std::string backup = std::move(outcome.backup);
        outcome = roster::SaveOutcome::failure(
            {}, written.inUse ? CBT_WORD("roster", "The roster file is in use by another program (is the game running?)")
                              : written.error);
        outcome.backup = std::move(backup); // made all the same
    }
    return outcome;
}

} // namespace game
