#include "roster/backups.h"

#include "profile/profile_file.h"

#include <algorithm>

namespace roster {

int DifferingBots(const RosterSnapshot& a, const RosterSnapshot& b)
{
    const std::size_t common = std::min(a.bots.size(), b.bots.size());
    int differing = static_cast<int>(std::max(a.bots.size(), b.bots.size()) - common);
    for (std::size_t n = 0; n < common; ++n) {
        const ListedBot& x = a.bots[n];
        const ListedBot& y = b.bots[n];
        const bool same = x.name == y.name
            && std::equal(x.fields.begin(), x.fields.end(), y.fields.begin(), [](const auto& f, const auto& g) {
                   return f.state == g.state && f.text == g.text;
               });
        differing += same ? 0 : 1;
    }
    return differing;
}

BackupSummary SummariseBackup(const std::string& copyPath, const std::string& stamp, const RosterSnapshot& current)
{
    BackupSummary summary{copyPath, stamp};
    summary.size = profile::loadProfile(copyPath).stamp.size;
    const RosterSnapshot backup = RosterFile(copyPath).LoadRoster();
    summary.readable = backup.state == RosterState::Read;
    if (summary.readable) {
        summary.bots = static_cast<int>(backup.bots.size());
        summary.differing = DifferingBots(backup, current);
    }
    return summary;
}

std::vector<BackupSummary> SummariseBackups(const std::string& path, const RosterSnapshot& current)
{
    std::vector<BackupSummary> summaries;
    for (const profile::BackupCopy& copy : profile::listBackups(path))
        summaries.push_back(SummariseBackup(copy.path, copy.stamp, current));
    return summaries;
}

SaveOutcome RestoreBackup(const std::string& path, const std::string& backupPath, const std::string& stamp,
                          profile::Transaction* record)
{
    // Checked again as it is now: the summary the player chose it by may be
    // out of date. A copy gone or unreadable is refused by the engine.
    if (const BackupSummary copy = SummariseBackup(backupPath, {}, {}); copy.readable && !copy.isRoster())
        return SaveOutcome::refusal({}, CBT_WORD("roster", "The copy %1 holds no bot roster. %2"),
                                    {backupPath, CBT_WORD("roster", "The roster file was left as it was.")});
    const profile::Backup made = profile::restoreBackup(path, backupPath, stamp, KeptBackups, {}, record);
    SaveOutcome outcome;
    if (!made.result) {
        outcome = made.result.refused ? SaveOutcome::refusal({}, made.result.error)
                                      : SaveOutcome::failure({}, made.result.error);
    }
    outcome.backup = made.made;
    return outcome;
}

} // namespace roster
