#include "overview/roster_actions.h"

#include "overview/import_bots_dialog.h"
#include "overview/lookout.h"
#include "overview/restore_backup_dialog.h"
#include "overview/roster_checking.h"
#include "overview/roster_overview.h"
#include "overview/roster_shape_actions.h"
#include "overview/set_values_dialog.h"
#include "platform/desktop.h"
#include "platform/identity.h"
#include "platform/platform.h"
#include "platform/translate.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QUndoStack>

#include <algorithm>

namespace {

const QString BotFileFilter = QStringLiteral("Bot files (*.covbots) | *.covbots");
const QString BotFilesSection = QStringLiteral("BotFiles");
const QString FolderKey = QStringLiteral("Folder");

std::string programLine() { return std::string(identity::Title) + " " + identity::Version; }

QString suffix() { return QLatin1String(roster::BotFileSuffix.data()); }

std::vector<roster::BotIndex> indexes(const QList<int>& bots) { return {bots.begin(), bots.end()}; }

// Why a text holds no bots to import, in the player's language.
QString refusalText(const roster::BotFileReading& reading)
{
    return document::Messages::refusal(roster::SaveOutcome::refusal({}, reading.pattern, reading.arguments));
}

} // namespace

RosterActions::RosterActions(platform::Platform& platform, document::RosterDocument& document, QWidget* mainWindow,
                             BotShowing& showing)
    : QObject(mainWindow), platform_(platform), document_(document), mainWindow_(mainWindow), showing_(showing),
      checking_(new RosterChecking(platform, document, *this, mainWindow)),
      lookout_(new Lookout(platform, document, this))
{
    setObjectName(QStringLiteral("rosterActions"));
    shape_ = new RosterShapeActions(platform, document, *this, showing, mainWindow);
}

void RosterActions::serve(const Menu& menu)
{
    QWidget* window = mainWindow_;
    connect(menu.restoreBackup, &QAction::triggered, this, [this, window] { restoreBackup(window); });
    connect(menu.undo, &QAction::triggered, this, [this, window] { undo(window); });
    connect(menu.redo, &QAction::triggered, this, [this, window] { redo(window); });
    connect(menu.overview, &QAction::triggered, this, &RosterActions::showOverview);
    connect(menu.exportBots, &QAction::triggered, this, [this, window] { exportBots(window, {}); });
    connect(menu.importBots, &QAction::triggered, this, [this, window] { importFromFile(window); });
    connect(menu.library, &QAction::triggered, shape_, &RosterShapeActions::showLibrary);
    connect(menu.checkRoster, &QAction::triggered, checking_, &RosterChecking::showCheckWindow);
    QUndoStack* history = document_.history();
    menu.undo->setEnabled(history->canUndo());
    menu.redo->setEnabled(history->canRedo());
    connect(history, &QUndoStack::canUndoChanged, menu.undo, &QAction::setEnabled);
    connect(history, &QUndoStack::canRedoChanged, menu.redo, &QAction::setEnabled);
    connect(history, &QUndoStack::undoTextChanged, menu.undo, [undo = menu.undo](const QString& text) {
        undo->setText(text.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(text));
    });
    connect(history, &QUndoStack::redoTextChanged, menu.redo, [redo = menu.redo](const QString& text) {
        redo->setText(text.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(text));
    });
}

void RosterActions::showOverview()
{
    // One overview, kept while closed.
    if (!overview_) {
        overview_ = new RosterOverview(platform_, document_, *this, showing_, mainWindow_);
        shape_->serve(*overview_);
        checking_->serveOverview(overview_);
    }
    if (!overview_->isVisible()) {
        document_.follow();
        overview_->show();
    }
    overview_->raise();
    overview_->activateWindow();
}

RosterOverview* RosterActions::overview() const { return overview_; }

QList<int> RosterActions::overviewSelection() const
{
    return overview_ && overview_->isVisible() ? overview_->selectedBots() : QList<int>();
}

bool RosterActions::rosterInForce(QWidget* from)
{
    if (document_.isOpen())
        return true;
    platform_.showMessage(from, document::Messages::noRosterOpen(), platform::MessageIcon::None);
    return false;
}

bool RosterActions::mayWrite(QWidget* from)
{
    if (!lookout_->look() || writeAgreed_)
        return true;
    return platform_.confirm(from, tr("The game is running and may write the roster back when it closes. Save anyway?"));
}

bool RosterActions::readyToWrite(QWidget* from, bool settle)
{
    if (!mayWrite(from))
        return false;
    const QScopedValueRollback<bool> agreed(writeAgreed_, true);
    return !settle || showing_.settleChanges(from);
}

QString RosterActions::botFileFolder()
{
    const QString remembered = platform_.readSetting(BotFilesSection, FolderKey);
    if (!remembered.isEmpty())
        return remembered;
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

void RosterActions::rememberBotFileFolder(const QString& path)
{
    platform_.writeSetting(BotFilesSection, FolderKey, QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
}

bool RosterActions::tell(QWidget* from, const document::Outcome& outcome, document::Write write)
{
    if (outcome.done())
        return true;
    platform_.showMessage(from, document::Messages::failure(outcome, write, document_.path()),
                          platform::MessageIcon::None);
    return false;
}

void RosterActions::exportBots(QWidget* from, QList<int> const& chosen)
{
    if (!rosterInForce(from))
        return;
    QList<int> bots = chosen.isEmpty() ? overviewSelection() : chosen;
    if (bots.isEmpty()) {
        document_.follow();
        for (int bot = 0; bot < document_.model().botCount(); ++bot)
            bots.append(bot);
    }
    if (bots.isEmpty()) {
        platform_.showMessage(from, tr("The roster holds no bots to export."), platform::MessageIcon::None);
        return;
    }
    platform::FileDialogSettings dialog;
    dialog.title = tr("Export Bots");
    dialog.filter = BotFileFilter;
    dialog.startFolder = botFileFolder();
    const auto& listed = document_.roster().bots;
    dialog.fileName = bots.size() == 1 && bots.front() < static_cast<int>(listed.size())
        ? QString::fromStdString(roster::ExportFileName(listed[static_cast<std::size_t>(bots.front())].name))
        : QStringLiteral("bots") + suffix();
    std::optional<QString> path = platform_.chooseSaveFile(from, dialog);
    if (!path)
        return;
    rememberBotFileFolder(*path);
    if (!path->endsWith(suffix(), Qt::CaseInsensitive))
        path = *path + suffix();
    const std::optional<std::string> text = botFileText(from, bots, roster::NativeLineEnding);
    if (!text)
        return;
    const QByteArray file = QFile::encodeName(*path);
    const roster::SaveOutcome written = roster::SaveBotFile(file.toStdString(), *text);
    if (!written.ok)
        platform_.showMessage(from,
                              tr("The bots could not be exported to %1: %2.")
                                  .arg(QDir::toNativeSeparators(*path), platform::rosterWord(written.error)),
                              platform::MessageIcon::None);
}

std::optional<std::string> RosterActions::botFileText(QWidget* from, const QList<int>& bots,
                                                     std::string_view lineEnding)
{
    const roster::CollectedBots collected = document_.collect(indexes(bots));
    if (!collected.error.empty()) {
        platform_.showMessage(from, document::Messages::unreadable(collected.error), platform::MessageIcon::None);
        return std::nullopt;
    }
    return roster::WriteBotFile(collected.bots, programLine(), lineEnding);
}

void RosterActions::copyBots(QWidget* from, const QList<int>& bots)
{
    // Text on the clipboard ends its lines in LF: the system converts it.
    if (const std::optional<std::string> text = botFileText(from, bots, "\n"))
        QGuiApplication::clipboard()->setText(QString::fromStdString(*text));
}

void RosterActions::pasteBots(QWidget* from, const QString& text)
{
    const roster::BotFileReading reading = roster::ReadBotFile(text.toStdString());
    if (!reading.error.empty()) {
        platform_.showMessage(from, tr("The clipboard holds no bots to paste: %1").arg(refusalText(reading)),
                              platform::MessageIcon::None);
        return;
    }
    importBots(from, reading);
}

void RosterActions::importFromFile(QWidget* from)
{
    platform::FileDialogSettings dialog;
    dialog.title = tr("Import Bots");
    dialog.filter = BotFileFilter;
    dialog.startFolder = botFileFolder();
    if (const std::optional<QString> path = platform_.chooseFile(from, dialog))
        importBotFile(from, *path);
}

void RosterActions::importBotFile(QWidget* from, const QString& path)
{
    rememberBotFileFolder(path);
    const roster::BotFileReading reading = roster::LoadBotFile(QFile::encodeName(path).toStdString());
    if (!reading.error.empty()) {
        platform_.showMessage(
            from, tr("%1 cannot be imported: %2").arg(QDir::toNativeSeparators(path), refusalText(reading)),
            platform::MessageIcon::None);
        return;
    }
    importBots(from, reading);
}

void RosterActions::importBots(QWidget* from, const roster::BotFileReading& reading)
{
    if (!rosterInForce(from))
        return;
    const QList<int> selected = overviewSelection();
    const auto afterLast = [path = document_.pathBytes()](int count) {
        return roster::ChooseTargets(roster::Placement::AfterLast, count, roster::ReadFirstFreeNumber(path), {});
    };
    auto* dialog = new ImportBotsDialog(reading.sections, static_cast<int>(selected.size()), afterLast, from);
    connect(dialog, &QDialog::accepted, this, [this, from, dialog, selected] {
        placeImportedBots(from, dialog->botsToImport(), dialog->placement(), selected);
    });
    platform::openOver(dialog, from);
}

void RosterActions::placeImportedBots(QWidget* from, std::vector<roster::SharedBot> bots,
                                      roster::Placement placement, const QList<int>& selected)
{
    document_.follow();
    const int count = static_cast<int>(bots.size());
    const int firstFree
        = placement == roster::Placement::AfterLast ? roster::ReadFirstFreeNumber(document_.pathBytes()) : 0;
    const roster::Targets targets = roster::ChooseTargets(placement, count, firstFree, indexes(selected));
    if (!targets.ok) {
        platform_.showMessage(
            from,
            placement == roster::Placement::AfterLast
                ? tr("Only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing was "
                     "imported.")
                      .arg(targets.fitting)
                      .arg(count)
                      .arg(roster::MaxListedBots)
                : tr("Select as many bots to replace as there are bots to import. Nothing was imported."),
            platform::MessageIcon::None);
        return;
    }
    // Changes the player has not saved on a bot about to be replaced are
    // settled first.
    const int shown = document_.model().shownBot();
    const bool replacesShown = std::find(targets.numbers.begin(), targets.numbers.end(), shown) != targets.numbers.end();
    if (!readyToWrite(from, replacesShown))
        return;
    tell(from, document_.importBots(bots, targets), document::Write::Import);
}

void RosterActions::setValues(QWidget* from, const QList<int>& bots, const roster::ListedBot* start)
{
    if (bots.isEmpty())
        return;
    auto* dialog = new SetValuesDialog(static_cast<int>(bots.size()), start, from, start && document_.hasChanges());
    connect(dialog, &QDialog::accepted, this, [this, from, dialog, bots] {
        // The shown bot's own changes are settled first when it is one of
        // them: its boxes would otherwise hold values the file no longer has.
        if (!rosterInForce(from) || !readyToWrite(from, bots.contains(document_.model().shownBot())))
            return;
        tell(from, document_.setValues(indexes(bots), dialog->settings(), QRandomGenerator::global()->generate64()),
             document::Write::SetValues);
    });
    platform::openOver(dialog, from);
}

void RosterActions::restoreBackup(QWidget* from)
{
    if (!rosterInForce(from))
        return;
    document_.follow();
    const std::vector<roster::BackupSummary> backups = document_.backups();
    auto* dialog = new RestoreBackupDialog(backups, from);
    connect(dialog, &QDialog::accepted, this, [this, from, dialog, backups] {
        const int chosen = dialog->chosenBackup();
        // Every bot may change: the changes not yet saved are asked about.
        if (chosen < 0 || !confirmRestore(from, backups[static_cast<std::size_t>(chosen)])
            || !readyToWrite(from, true))
            return;
        tell(from, document_.restore(backups[static_cast<std::size_t>(chosen)]), document::Write::Restore);
    });
    platform::openOver(dialog, from);
}

bool RosterActions::confirmRestore(QWidget* from, const roster::BackupSummary& backup)
{
    // Compared with the file as it is now, not as the dialog opened.
    document_.follow();
    const int differing
        = roster::SummariseBackup(backup.path, backup.stamp, document_.roster()).differing;
    const QString when = RestoreBackupDialog::stampText(backup.stamp);
    return platform_.confirm(from, differing == 1
                                       ? tr("Replace the roster with the copy of %1? 1 bot differs.").arg(when)
                                       : tr("Replace the roster with the copy of %1? %n bots differ.", nullptr,
                                            differing)
                                             .arg(when));
}

void RosterActions::undo(QWidget* from)
{
    if (!document_.history()->canUndo() || !readyToWrite(from, true))
        return;
    const document::Outcome outcome = document_.undo();
    if (tell(from, outcome, document::Write::Undo) && !outcome.keptAsChanged.isEmpty())
        platform_.showMessage(from, document::Messages::keptAsChanged(outcome), platform::MessageIcon::None);
}

void RosterActions::redo(QWidget* from)
{
    if (!document_.history()->canRedo() || !readyToWrite(from, true))
        return;
    const document::Outcome outcome = document_.redo();
    if (tell(from, outcome, document::Write::Redo) && !outcome.keptAsChanged.isEmpty())
        platform_.showMessage(from, document::Messages::keptAsChanged(outcome), platform::MessageIcon::None);
}
