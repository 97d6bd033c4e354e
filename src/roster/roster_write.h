#pragma once

// A write of the roster section planned from its key lines as the write
// reads them, and carried out in one transaction: the plan gives the key
// edits (or refuses), the file gets all of them or stays as it was, and the
// run's first write backs the file up first. Every kind of roster write
// that is not a one-bot save goes this way: imports, the roster's shape,
// dealing, fixes, looks, --set.

#include "profile/profile.h"
#include "profile/profile_file.h"
#include "roster/roster.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace roster {

// Why a plan writes nothing, for the player: an English pattern marked
// with CBT_WORD and what stands for its %1, %2... (the window translates
// the pattern, as it does a SaveOutcome's).
struct Refusal {
    std::string pattern;
    std::vector<std::string> arguments;
    std::string text() const { return FillPattern(pattern, arguments); }
};

// A planned write of the roster section: the edits of one transaction
// (profile::Document::editAll, profile::writeProfileStrings), or the
// refusal and no edits. No edits and no refusal: nothing changes.
struct RosterEdits {
    std::vector<profile::KeyValue> edits;
    std::optional<Refusal> refusal;
};

// A plan made from the roster section as the write reads it, and the
// file's encoding (a UTF-16 file's text reaches it as UTF-8).
using RosterPlan
    = std::function<RosterEdits(const std::vector<profile::KeyValue>& entries, TextEncoding encoding)>;

// Carries out `plan` on the roster file at `path` in one transaction: the
// file gets all of its edits or, when the plan refuses or the write fails,
// stays as it was. The plan runs on the file as the write reads it, again
// if another program changes the file in between. Never makes the file
// anew. With a `backupStamp` the file is first backed up, as a save backs
// it up. A refusal comes back with its pattern and arguments.
SaveOutcome WriteRoster(const std::string& path, const RosterPlan& plan, const std::string& backupStamp,
                        profile::Transaction* record = nullptr);

} // namespace roster
