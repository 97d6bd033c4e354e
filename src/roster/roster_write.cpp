#include "roster/roster_write.h"

#include "profile/profile_file.h"

namespace roster {

SaveOutcome WriteRoster(const std::string& path, const RosterPlan& plan, const std::string& backupStamp,
                        profile::Transaction* record)
{
    const char* const nothingSaved = CBT_WORD("roster", "Nothing of these bots was saved.");
    SaveOutcome outcome;
    bool backedUp = false;
    const auto prepare = [&](const profile::LoadedFile& file, std::vector<profile::KeyValue>& values) {
        if (file.state != profile::FileState::Read) {
            outcome = SaveOutcome::vanished(Gone::File);
            return false;
        }
        const TextEncoding encoding = file.utf16 ? TextEncoding::Utf8 : detectEncoding(file.document.bytes());
        RosterEdits planned = plan(file.document.entries(BotRoster), encoding);
        if (planned.refusal) {
            outcome = SaveOutcome::refusal({}, planned.refusal->pattern, std::move(planned.refusal->arguments));
            return false;
        }
        if (planned.edits.empty())
            return false; // nothing to write, nothing to back up
        if (!backupStamp.empty() && !backedUp) {
            const profile::Backup backup = profile::backUpProfile(path, backupStamp, KeptBackups);
            if (!backup.result) {
                outcome = SaveOutcome::refusal(
                    {}, CBT_WORD("roster", "The roster file could not be backed up before saving: %1. %2"),
                    {backup.result.error, nothingSaved});
                return false;
            }
            backedUp = true;
            outcome.backup = backup.made;
        }
        values = std::move(planned.edits);
        return true;
    };
    const profile::WriteResult written = profile::writeProfileStrings(BotRoster, prepare, path, {}, record);
    if (!written && !written.refused) {
        std::string backup = std::move(outcome.backup);
        outcome = SaveOutcome::failure(
            {}, written.inUse
                    ? CBT_WORD("roster", "The roster file is in use by another program (is the game running?)")
                    : written.error,
            written.inUse);
        outcome.backup = std::move(backup);
    }
    return outcome;
}

} // namespace roster
