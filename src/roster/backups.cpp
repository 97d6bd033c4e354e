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

std::vector<BackupSummary> SummariseBackups(const std::string& path, const RosterSnapshot& current)
{
    std::vector<BackupSummary> summaries;
    for (const profile::BackupCopy& copy : profile::listBackups(path)) {
        BackupSummary summary{copy.path, copy.stamp};
        const profile::LoadedFile file = profile::loadProfile(copy.path);
        summary.size = file.stamp.size;
        const RosterSnapshot backup = RosterFile(copy.path).LoadRoster();
        summary.readable = backup.state == RosterState::Read;
        if (summary.readable) {
            summary.bots = static_cast<int>(backup.bots.size());
            summary.differing = DifferingBots(backup, current);
        }
        summaries.push_back(std::move(summary));
    }
    return summaries;
}

SaveOutcome RestoreBackup(const std::string& path, const std::string& backupPath, const std::string& stamp,
                          profile::Transaction* record)
{
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
