#pragma once

// The backups that saves leave beside the roster file, described for the
// player choosing one to restore, and the restore itself.

#include "profile/profile_file.h"
#include "roster/roster.h"

#include <cstdint>
#include <string>
#include <vector>

namespace roster {

struct BackupSummary {
    std::string path;
    std::string stamp; // "YYYYMMDD-HHMMSS", maybe with "-N"
    std::uint64_t size = 0;
    bool readable = false; // false: the figures below are unknown
    int bots = 0;
    int differing = 0; // bots whose name or fields differ from the current file's

    // Only a copy that lists at least one bot is a roster; anything else
    // (random bytes, a file without the bot section) would put a roster
    // without bots in the file's place, and is never restored.
    bool isRoster() const { return readable && bots > 0; }
};

// The backups of the roster at `path`, newest first, each compared with
// `current` (the file as last read).
std::vector<BackupSummary> SummariseBackups(const std::string& path, const RosterSnapshot& current);

// One copy, read and compared with `current` as SummariseBackups does.
BackupSummary SummariseBackup(const std::string& copyPath, const std::string& stamp, const RosterSnapshot& current);

// How many bot numbers hold a different bot (name or any of the twelve
// fields) in one roster than in the other, a bot listed in only one of them
// counting as different.
int DifferingBots(const RosterSnapshot& a, const RosterSnapshot& b);

// Replaces the roster's contents with the backup at `backupPath` in one
// atomic write, after backing the file up under `stamp` so that the restore
// can itself be undone. `backup` in the outcome names that copy. A copy that
// is not a roster (see BackupSummary::isRoster) is refused, and nothing is
// written.
SaveOutcome RestoreBackup(const std::string& path, const std::string& backupPath, const std::string& stamp,
                          profile::Transaction* record = nullptr);

} // namespace roster
