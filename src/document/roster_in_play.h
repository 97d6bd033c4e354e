#pragma once

// The roster as the installed game will play it: what the game's System
// folder, where the roster lies, declares in its .int files, and the checks
// of the roster file against that. The install is read when a roster is
// opened, and again only when the folder's .int files change: their names,
// sizes and times are listed without opening one, since reading an install
// of 500 files takes about 50 ms, too long for every change of the roster.
// The check is made when first asked after the file changed. Plain C++; the
// document keeps it up to date and hands it to the windows and the command
// line.

#include "game/declarations.h"
#include "game/roster_check.h"

#include <memory>
#include <optional>
#include <string>

namespace document {

class RosterInPlay {
public:
    RosterInPlay();

    // The roster at `rosterPath` (the file system's bytes), with its
    // install read from `installFolder`.
    void open(const std::string& installFolder, const std::string& rosterPath);
    // Reads the install again when its .int files changed since it was
    // read; true when they did.
    bool followInstall();
    // The roster file changed: it is checked again when next asked.
    void rosterChanged() { checked_.reset(); }

    // Never null; a reading held keeps its declarations when the install
    // is read again meanwhile.
    std::shared_ptr<const game::InstallReading> install() const { return install_; }
    // The declarations to check against, or null when no install is known.
    const game::Declarations* declarations() const;
    const game::RosterCheck& check() const;

private:
    std::string folder_;
    std::string rosterPath_;
    std::string stamp_;
    std::shared_ptr<const game::InstallReading> install_;
    mutable std::optional<game::RosterCheck> checked_;
};

} // namespace document
