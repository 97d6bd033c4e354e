#include "document/roster_in_play.h"

namespace document {

RosterInPlay::RosterInPlay() : install_(std::make_shared<game::InstallReading>()) {}

void RosterInPlay::open(const std::string& installFolder, const std::string& rosterPath)
{
    folder_ = installFolder;
    rosterPath_ = rosterPath;
    // Listed before reading: a file that changes in between is read again.
    stamp_ = game::InstallStamp(folder_);
    install_ = std::make_shared<game::InstallReading>(game::ReadInstall(folder_));
    checked_.reset();
}

bool RosterInPlay::followInstall()
{
    if (folder_.empty())
        return false;
    std::string stamp = game::InstallStamp(folder_);
    if (stamp == stamp_)
        return false;
    stamp_ = std::move(stamp);
    install_ = std::make_shared<game::InstallReading>(game::ReadInstall(folder_));
    checked_.reset();
    return true;
}

const game::Declarations* RosterInPlay::declarations() const
{
    return install_->found() ? &install_->declarations : nullptr;
}

const game::RosterCheck& RosterInPlay::check() const
{
    if (!checked_)
        checked_ = game::CheckRosterFile(rosterPath_, declarations());
    return *checked_;
}

} // namespace document
