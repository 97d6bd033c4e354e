#include "document/roster_document.h"

#include "platform/file_watch.h"
#include "platform/platform.h"

#include <QDateTime>
#include <QFile>
#include <QUndoStack>

namespace document {

std::string BackupStampNow()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
}

RosterDocument::RosterDocument(platform::System& system, QObject* parent)
    : QObject(parent), system_(system), watch_(new platform::FileWatch(this)), history_(new QUndoStack(this))
{
    setObjectName(QStringLiteral("rosterDocument"));
    history_->setObjectName(QStringLiteral("history"));
    connect(watch_, &platform::FileWatch::settled, this, &RosterDocument::follow);
}

RosterDocument::~RosterDocument() = default;

std::string RosterDocument::pathBytes() const
{
    const QByteArray bytes = QFile::encodeName(path_);
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

bool RosterDocument::isOpen() const { return roster::IsRosterFileName(pathBytes()); }

bool RosterDocument::open(const QString& path, QString* usedCopy)
{
    const QByteArray bytes = QFile::encodeName(path);
    if (!roster::IsRosterFileName({bytes.constData(), static_cast<std::size_t>(bytes.size())}))
        return false;
    // Under Program Files the game may be using its own copy: that one is
    // the roster.
    path_ = path;
    if (const QString copy = system_.virtualStoreCopy(path); !copy.isEmpty() && system_.fileExists(copy)) {
        path_ = copy;
        if (usedCopy)
            *usedCopy = copy;
    }
    watch_->watch(path_);
    history_->clear();
    model_.open(pathBytes());
    tellWhetherModified();
    emit opened();
    return true;
}

void RosterDocument::name(const QString& path)
{
    if (!isOpen())
        path_ = path;
}

void RosterDocument::follow()
{
    const roster::FileNews news = model_.follow();
    if (news.changed)
        emit changed(news, false);
    tellWhetherModified();
}

void RosterDocument::followOwnWrite()
{
    const roster::FileNews news = model_.follow();
    if (news.changed)
        emit changed(news, true);
    tellWhetherModified();
}

bool RosterDocument::show(int bot, const roster::BotTexts& texts)
{
    const bool shown = model_.show(bot, texts);
    tellWhetherModified();
    return shown;
}

void RosterDocument::showNoBot()
{
    model_.showNoBot();
    tellWhetherModified();
}

void RosterDocument::edit(const roster::BotTexts& texts)
{
    model_.edit(texts);
    tellWhetherModified();
}

void RosterDocument::tookFileTexts(const roster::BotTexts& texts)
{
    model_.tookFileTexts(texts);
    tellWhetherModified();
}

void RosterDocument::tellWhetherModified()
{
    if (model_.shownBot() != shown_) {
        shown_ = model_.shownBot();
        emit shownBotChanged(shown_);
    }
    if (model_.hasChanges() != modified_) {
        modified_ = model_.hasChanges();
        emit modifiedChanged(modified_);
    }
}

std::string RosterDocument::backupStampIfDue() const
{
    return backedUp_.contains(path_) ? std::string() : BackupStampNow();
}

void RosterDocument::wrote(const roster::SaveOutcome& outcome)
{
    if (!outcome.backup.empty())
        backedUp_.insert(path_);
}

Outcome RosterDocument::outcomeOf(const roster::SaveOutcome& saved) const
{
    Outcome outcome = Outcome::of(saved);
    if (!outcome.done())
        outcome.gameCopy = system_.virtualStoreCopy(path_);
    return outcome;
}

Outcome RosterDocument::saveShownBot()
{
    // What the game changed meanwhile is taken in first, so that the save
    // writes the player's changes to the bot as it now stands.
    follow();
    switch (model_.saveBlock()) {
    case roster::SaveBlock::None:
        break;
    case roster::SaveBlock::NoBot:
        return Outcome::of(roster::SaveOutcome::refusal({}, "no bot"));
    case roster::SaveBlock::FileGone:
        return Outcome::gone(roster::Gone::File);
    case roster::SaveBlock::FileUnreadable:
        return Outcome::of(roster::SaveOutcome::failure({}, model_.roster().error, true));
    case roster::SaveBlock::BotGone:
        return Outcome::gone(roster::Gone::Bot);
    }
    roster::BotEdit edit = model_.saveEdit();
    // The first write into a file this run copies it beside itself first.
    edit.backupStamp = backupStampIfDue();
    const auto bot = static_cast<roster::BotIndex>(model_.shownBot());
    const roster::SaveOutcome saved = roster::RosterFile(pathBytes()).SaveBot(bot, edit);
    wrote(saved);
    if (!saved.ok) {
        follow();
        return outcomeOf(saved);
    }
    model_.saved();
    tellWhetherModified();
    followOwnWrite();
    return {};
}

Outcome RosterDocument::setValues(const std::vector<roster::BotIndex>& bots,
                                  const std::vector<roster::FieldSetting>& fields, std::uint64_t seed)
{
    // Only bots still listed: the file may have lost some since they were
    // chosen.
    follow();
    std::vector<roster::BotIndex> listed;
    for (roster::BotIndex bot : bots) {
        if (bot >= 0 && bot < model_.botCount())
            listed.push_back(bot);
    }
    roster::ValueDraws draws(seed);
    roster::RosterFile::BotEdits edits = roster::PlanSetValues(listed, fields, draws);
    if (edits.empty())
        return {};
    for (auto& [index, edit] : edits)
        edit.mustExist = true;
    edits.front().second.backupStamp = backupStampIfDue();
    const roster::SaveOutcome saved = roster::RosterFile(pathBytes()).SaveBots(edits);
    wrote(saved);
    followOwnWrite();
    return outcomeOf(saved);
}

Outcome RosterDocument::importBots(const std::vector<roster::SharedBot>& bots, const roster::Targets& targets)
{
    const roster::SaveOutcome saved = roster::ImportBots(pathBytes(), bots, targets, backupStampIfDue());
    wrote(saved);
    followOwnWrite();
    return outcomeOf(saved);
}

Outcome RosterDocument::restore(const roster::BackupSummary& backup)
{
    // A restore always backs the file up first, so that it can be undone
    // by restoring that copy too.
    const roster::SaveOutcome saved = roster::RestoreBackup(pathBytes(), backup.path, BackupStampNow());
    wrote(saved);
    followOwnWrite();
    return outcomeOf(saved);
}

Outcome RosterDocument::undo() { return {}; }

Outcome RosterDocument::redo() { return {}; }

roster::CollectedBots RosterDocument::collect(const std::vector<roster::BotIndex>& bots) const
{
    return roster::ReadRosterBots(pathBytes(), bots);
}

std::vector<roster::BackupSummary> RosterDocument::backups() const
{
    return roster::SummariseBackups(pathBytes(), model_.roster());
}

bool RosterDocument::gameRunning() const { return system_.gameRunning(); }

void RosterDocument::setHoldOff(std::function<bool()> holdOff) { watch_->setHoldOff(std::move(holdOff)); }

} // namespace document
