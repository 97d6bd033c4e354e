#include "document/roster_document.h"

#include "document/roster_change.h"
#include "platform/file_watch.h"
#include "platform/platform.h"
#include "platform/translate.h"
#include "profile/merge.h"

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
    connect(watch_, &platform::FileWatch::settled, this, &RosterDocument::followInstall);
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
    watch_->watch(watching_ ? path_ : QString());
    history_->clear();
    model_.open(roster::RosterFile(pathBytes()).LoadRoster());
    inPlay_.open(game::FolderOf(bytes.toStdString()), pathBytes());
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
    const roster::FileNews news = model_.follow(roster::RosterFile(pathBytes()).LoadRoster());
    if (news.changed) {
        inPlay_.rosterChanged();
        emit changed(news, false);
    }
    tellWhetherModified();
}

void RosterDocument::followInstall()
{
    if (inPlay_.followInstall())
        emit installChanged();
}

void RosterDocument::followOwnWrite()
{
    // The history's clean state is the file as last read or written.
    history_->setClean();
    const roster::FileNews news = model_.follow(roster::RosterFile(pathBytes()).LoadRoster());
    if (news.changed) {
        inPlay_.rosterChanged();
        emit changed(news, true);
    }
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

Outcome RosterDocument::wrote(const QString& text, const roster::SaveOutcome& saved,
                              const profile::Transaction& record)
{
    if (!saved.backup.empty())
        backedUp_.insert(path_);
    if (saved.ok && !(record.before == record.after && record.existedBefore))
        history_->push(new RosterChange(text, record));
    followOwnWrite();
    return outcomeOf(saved);
}

Outcome RosterDocument::outcomeOf(const roster::SaveOutcome& saved) const
{
    Outcome outcome = Outcome::of(saved);
    if (!outcome.done())
        outcome.gameCopy = system_.virtualStoreCopy(path_);
    return outcome;
}

Outcome RosterDocument::unreadable() const
{
    Outcome outcome = Outcome::of(roster::SaveOutcome::failure({}, model_.roster().error, model_.roster().inUse));
    outcome.unreadable = true;
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
        return unreadable();
    case roster::SaveBlock::BotGone:
        return Outcome::gone(roster::Gone::Bot);
    }
    roster::BotEdit edit = model_.saveEdit();
    // The first write into a file this run copies it beside itself first.
    edit.backupStamp = backupStampIfDue();
    const auto bot = static_cast<roster::BotIndex>(model_.shownBot());
    const QString name = QString::fromStdString(model_.shownName());
    profile::Transaction record;
    const roster::SaveOutcome saved = roster::RosterFile(pathBytes()).SaveBot(bot, edit, &record);
    if (saved.ok)
        model_.saved();
    return wrote(tr("Save %1").arg(name), saved, record);
}

Outcome RosterDocument::setValues(const std::vector<roster::BotIndex>& bots,
                                  const std::vector<roster::FieldSetting>& fields, std::uint64_t seed)
{
    // Only bots still listed: the file may have lost some since they were
    // chosen.
    follow();
    if (model_.roster().state == roster::RosterState::Missing)
        return Outcome::gone(roster::Gone::File);
    if (model_.roster().state == roster::RosterState::Unreadable)
        return unreadable();
    std::vector<roster::BotIndex> listed;
    for (roster::BotIndex bot : bots) {
        if (bot >= 0 && bot < model_.botCount())
            listed.push_back(bot);
    }
    // None of them left: nothing done is not done.
    if (listed.empty() && !bots.empty())
        return Outcome::gone(roster::Gone::Bot);
    roster::ValueDraws draws(seed);
    roster::RosterFile::BotEdits edits = roster::PlanSetValues(listed, fields, draws);
    if (edits.empty())
        return {};
    for (auto& [index, edit] : edits)
        edit.mustExist = true;
    edits.front().second.backupStamp = backupStampIfDue();
    profile::Transaction record;
    const roster::SaveOutcome saved = roster::RosterFile(pathBytes()).SaveBots(edits, &record);
    return wrote(tr("Set Values (%n bots)", nullptr, static_cast<int>(edits.size())), saved, record);
}

Outcome RosterDocument::importBots(const std::vector<roster::SharedBot>& bots, const roster::Targets& targets)
{
    profile::Transaction record;
    const roster::SaveOutcome saved = roster::ImportBots(pathBytes(), bots, targets, backupStampIfDue(), &record);
    return wrote(tr("Import Bots (%n bots)", nullptr, static_cast<int>(bots.size())), saved, record);
}

Outcome RosterDocument::restore(const roster::BackupSummary& backup)
{
    // A restore always backs the file up first, so that it can be undone
    // by restoring that copy too.
    profile::Transaction record;
    const roster::SaveOutcome saved = roster::RestoreBackup(pathBytes(), backup.path, BackupStampNow(), &record);
    return wrote(tr("Restore Backup"), saved, record);
}

Outcome RosterDocument::apply(const QString& text, const roster::RosterPlan& plan)
{
    profile::Transaction record;
    const roster::SaveOutcome saved = roster::WriteRoster(pathBytes(), plan, backupStampIfDue(), &record);
    return wrote(text, saved, record);
}

Outcome RosterDocument::addBots(const QString& text, const std::vector<roster::SharedBot>& bots)
{
    // The import's plan at the numbers after every key (where a bot past
    // the end of the list could not be listed, refused).
    const auto count = static_cast<int>(bots.size());
    return apply(text, [bots, count](const std::vector<profile::KeyValue>& entries, roster::TextEncoding encoding) {
        const roster::AddedNumber first = roster::NumberForAddedBots(entries, count);
        if (first.refusal)
            return roster::RosterEdits{{}, first.refusal};
        roster::Targets targets;
        targets.placement = roster::Placement::Replace;
        for (int i = 0; i < count; ++i)
            targets.numbers.push_back(static_cast<roster::BotIndex>(first.number + i));
        return roster::ImportPlan(bots, targets)(entries, encoding);
    });
}

Outcome RosterDocument::fix(const std::vector<game::Finding>& findings)
{
    const QString text = findings.size() == 1
        ? tr("Fix %1").arg(QString::fromStdString(findings.front().key))
        : tr("Fix (%n findings)", nullptr, static_cast<int>(findings.size()));
    return apply(text, game::FixFindingsPlan(findings, declarations()));
}

Outcome RosterDocument::setAppearance(const std::vector<roster::BotIndex>& bots,
                                      const std::array<std::string, game::LookKeys.size()>& chosen)
{
    const auto& listed = model_.roster().bots;
    const QString text = bots.size() == 1 && bots.front() >= 0 && bots.front() < model_.botCount()
        ? tr("Appearance of %1").arg(QString::fromStdString(listed[static_cast<std::size_t>(bots.front())].name))
        : tr("Appearance (%n bots)", nullptr, static_cast<int>(bots.size()));
    return apply(text, game::AppearancePlan(bots, chosen));
}

Outcome RosterDocument::undo()
{
    if (!history_->canUndo())
        return {};
    const auto* change = static_cast<const RosterChange*>(history_->command(history_->index() - 1));
    const Outcome outcome = carry(change->transaction().after, change->transaction().before);
    if (outcome.done())
        history_->undo();
    return outcome;
}

Outcome RosterDocument::redo()
{
    if (!history_->canRedo())
        return {};
    const auto* change = static_cast<const RosterChange*>(history_->command(history_->index()));
    const Outcome outcome = carry(change->transaction().before, change->transaction().after);
    if (outcome.done())
        history_->redo();
    return outcome;
}

Outcome RosterDocument::carry(const profile::FileText& from, const profile::FileText& to)
{
    // Only keys that still hold what the command wrote are written back;
    // what another program changed since stays, and is named.
    std::vector<profile::SkippedPart> skipped;
    roster::SaveOutcome saved;
    const std::string stamp = backupStampIfDue();
    const auto transform = [&](const profile::LoadedFile& file, profile::FileText& result) {
        if (file.state != profile::FileState::Read) {
            saved = roster::SaveOutcome::vanished(roster::Gone::File);
            return false;
        }
        skipped.clear();
        if (result == from) {
            result = to; // the file as the command left it: back byte for byte
        } else {
            profile::CarriedChange carried = profile::carryChange(from.text, to.text, result.text);
            result.text = std::move(carried.text);
            skipped = std::move(carried.skipped);
        }
        if (!stamp.empty() && saved.backup.empty()) {
            const profile::Backup backup = profile::backUpProfile(pathBytes(), stamp, roster::KeptBackups);
            if (!backup.result) {
                saved = roster::SaveOutcome::refusal(
                    {}, CBT_WORD("roster", "The roster file could not be backed up before saving: %1. %2"),
                    {backup.result.error, CBT_WORD("roster", "Nothing was written.")});
                return false;
            }
            saved.backup = backup.made;
        }
        return true;
    };
    profile::Transaction record;
    const profile::WriteResult written = profile::rewriteProfile(transform, pathBytes(), {}, &record);
    if (!written && !written.refused)
        saved = roster::SaveOutcome::failure({}, written.error, written.inUse);
    if (!saved.backup.empty())
        backedUp_.insert(path_);
    followOwnWrite();
    Outcome outcome = outcomeOf(saved);
    for (const profile::SkippedPart& part : skipped) {
        for (const profile::SkippedKey& key : part.keys)
            outcome.keptAsChanged.append(keyWords(key.key));
        if (part.keys.empty())
            outcome.keptAsChanged.append(tr("A part of the file"));
    }
    return outcome;
}

QString RosterDocument::keyWords(const std::string& key) const
{
    // "Camping of Moth": a field's word and the bot's name where the key is
    // a listed bot's; the key as the file spells it otherwise.
    const std::optional<roster::NumberedKey> split = roster::SplitBotKey(key);
    if (!split || split->number >= model_.botCount())
        return QString::fromStdString(key);
    QString what = QString::fromStdString(split->prefix + "[]" + split->rest);
    for (std::size_t box = 0; box < roster::RosterFields.size(); ++box) {
        const std::string_view prefix = roster::RosterFields[box].keyPrefix;
        if (split->rest.empty() && QString::fromStdString(split->prefix + "[").compare(
                                       QLatin1String(prefix.data(), static_cast<qsizetype>(prefix.size())),
                                       Qt::CaseInsensitive) == 0)
            what = platform::rosterWord(roster::FieldLabel(static_cast<int>(box)));
    }
    if (QString::fromStdString(split->prefix).compare(QStringLiteral("BotNames"), Qt::CaseInsensitive) == 0)
        what = platform::rosterWord(roster::FieldLabel(roster::NameField));
    return tr("%1 of %2").arg(what, QString::fromStdString(model_.roster().bots[split->number].name));
}

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
