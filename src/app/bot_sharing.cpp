#include "app/frm_main.h"

#include "app/language.h"
#include "overview/import_bots_dialog.h"
#include "overview/restore_backup_dialog.h"
#include "overview/roster_overview.h"
#include "platform/identity.h"
#include "roster/backups.h"
#include "roster/bot_file.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>

// Sharing bots through bot files and the clipboard, and restoring backups.

namespace {

const QString BotFileFilter = QStringLiteral("Bot files (*.covbots) | *.covbots");

std::string programLine()
{
    return std::string(identity::Title) + " " + identity::Version;
}

// Why a text holds no bots to import, in the player's language.
QString refusalText(const roster::BotFileReading& reading)
{
    return app::refusalText(roster::SaveOutcome::refusal({}, reading.pattern, reading.arguments));
}

} // namespace

bool frmMain::rosterInForce()
{
    if (roster::IsRosterFileName(iniPathBytes()))
        return true;
    showError(tr("There is no roster file open. Open one with File, Open first."));
    return false;
}

std::string frmMain::backupStampNow()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
}

std::string frmMain::backupStampIfDue() const
{
    return backedUpFiles_.contains(IniPath) ? std::string() : backupStampNow();
}

QList<int> frmMain::overviewSelection() const
{
    return overview_ && overview_->isVisible() ? overview_->selectedBots() : QList<int>();
}

void frmMain::mnuExportBots_Click()
{
    // The overview's selection, or else every bot.
    QList<int> bots = overviewSelection();
    if (bots.isEmpty()) {
        followRosterFile();
        for (int bot = 0; bot < model_.botCount(); ++bot)
            bots.append(bot);
    }
    exportBots(bots);
}

void frmMain::exportBots(const QList<int>& bots)
{
    if (!rosterInForce())
        return;
    if (bots.isEmpty()) {
        showError(tr("The roster holds no bots to export."));
        return;
    }
    platform::FileDialogSettings dialog;
    dialog.title = tr("Export Bots");
    dialog.filter = BotFileFilter;
    dialog.startFolder = QFileInfo(IniPath).absolutePath();
    dialog.fileName = bots.size() == 1 && bots.front() < model_.botCount()
        ? QString::fromStdString(model_.roster().bots[static_cast<std::size_t>(bots.front())].name)
            + QLatin1String(roster::BotFileSuffix.data())
        : QStringLiteral("bots") + QLatin1String(roster::BotFileSuffix.data());
    std::optional<QString> path = platform_.chooseSaveFile(this, dialog);
    if (!path)
        return;
    if (!path->endsWith(QLatin1String(roster::BotFileSuffix.data()), Qt::CaseInsensitive))
        path = *path + QLatin1String(roster::BotFileSuffix.data());
    const roster::CollectedBots collected = roster::ReadRosterBots(
        iniPathBytes(), std::vector<roster::BotIndex>(bots.begin(), bots.end()));
    if (!collected.error.empty()) {
        showUnreadable(collected.error);
        return;
    }
    const QByteArray file = QFile::encodeName(*path);
    const roster::SaveOutcome written
        = roster::SaveBotFile(file.toStdString(), roster::WriteBotFile(collected.bots, programLine()));
    if (!written.ok)
        showError(tr("The bots could not be exported to %1: %2.")
                      .arg(QDir::toNativeSeparators(*path), QString::fromStdString(written.error)));
}

void frmMain::copyBots(const QList<int>& bots)
{
    const roster::CollectedBots collected = roster::ReadRosterBots(
        iniPathBytes(), std::vector<roster::BotIndex>(bots.begin(), bots.end()));
    if (!collected.error.empty()) {
        showUnreadable(collected.error);
        return;
    }
    // Text on the clipboard ends its lines in LF: the system converts it.
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(roster::WriteBotFile(collected.bots, programLine(), "\n")));
}

void frmMain::pasteBots(const QString& text)
{
    const roster::BotFileReading reading = roster::ReadBotFile(text.toStdString());
    if (!reading.error.empty()) {
        showError(tr("The clipboard holds no bots to paste: %1").arg(refusalText(reading)));
        return;
    }
    importBots(reading);
}

void frmMain::mnuImportBots_Click()
{
    platform::FileDialogSettings dialog;
    dialog.title = tr("Import Bots");
    dialog.filter = BotFileFilter;
    dialog.startFolder = QFileInfo(IniPath).absolutePath();
    if (const std::optional<QString> path = platform_.chooseFile(this, dialog))
        importBotFile(*path);
}

void frmMain::importBotFile(const QString& path)
{
    const roster::BotFileReading reading = roster::LoadBotFile(QFile::encodeName(path).toStdString());
    if (!reading.error.empty()) {
        showError(tr("%1 cannot be imported: %2").arg(QDir::toNativeSeparators(path), refusalText(reading)));
        return;
    }
    importBots(reading);
}

void frmMain::importBots(const roster::BotFileReading& reading)
{
    if (!rosterInForce())
        return;
    const QList<int> selected = overviewSelection();
    const auto afterLast = [path = iniPathBytes()](int count) {
        return roster::ChooseTargets(roster::Placement::AfterLast, count, roster::ReadFirstFreeNumber(path), {});
    };
    auto* dialog = new ImportBotsDialog(reading.sections, static_cast<int>(selected.size()), afterLast, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, selected] {
        placeImportedBots(dialog->botsToImport(), dialog->placement(), selected);
    });
    dialog->open();
}

void frmMain::placeImportedBots(std::vector<roster::SharedBot> bots, roster::Placement placement,
                                const QList<int>& selected)
{
    followRosterFile();
    const int count = static_cast<int>(bots.size());
    const int firstFree = placement == roster::Placement::AfterLast ? roster::ReadFirstFreeNumber(iniPathBytes()) : 0;
    const roster::Targets targets = roster::ChooseTargets(
        placement, count, firstFree, std::vector<roster::BotIndex>(selected.begin(), selected.end()));
    if (!targets.ok) {
        showError(placement == roster::Placement::AfterLast
                      ? tr("Only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing "
                           "was imported.")
                            .arg(targets.fitting)
                            .arg(count)
                            .arg(roster::MaxListedBots)
                      : tr("Select as many bots to replace as there are bots to import. Nothing was imported."));
        return;
    }
    // Changes the player has not saved on a bot about to be replaced are
    // settled first.
    const bool replacesShown = std::find(targets.numbers.begin(), targets.numbers.end(), model_.shownBot())
        != targets.numbers.end();
    if (replacesShown && !resolveUnsavedChanges())
        return;
    const roster::SaveOutcome outcome = roster::ImportBots(iniPathBytes(), bots, targets, backupStampIfDue());
    if (!outcome.backup.empty())
        backedUpFiles_.insert(IniPath);
    if (outcome.gone == roster::Gone::File) {
        showError(tr("The roster file is gone: %1. Nothing was imported.").arg(QDir::toNativeSeparators(IniPath)));
    } else if (!outcome.ok) {
        showError(outcome.refused ? app::refusalText(outcome)
                                  : explainUnwritable(IniPath, tr("Error: the bots could not be imported: %1. The file "
                                                                  "was left as it was.")
                                                                   .arg(QString::fromStdString(outcome.error))));
    }
    followOwnWrite();
}

void frmMain::mnuRestoreBackup_Click()
{
    if (!rosterInForce())
        return;
    followRosterFile();
    const std::vector<roster::BackupSummary> backups = roster::SummariseBackups(iniPathBytes(), model_.roster());
    auto* dialog = new RestoreBackupDialog(backups, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, backups] {
        const int chosen = dialog->chosenBackup();
        if (chosen >= 0)
            restoreBackup(backups[static_cast<std::size_t>(chosen)]);
    });
    dialog->open();
}

void frmMain::restoreBackup(const roster::BackupSummary& backup)
{
    // Every bot may change: the changes not yet saved are asked about.
    if (!resolveUnsavedChanges())
        return;
    const roster::SaveOutcome outcome = roster::RestoreBackup(iniPathBytes(), backup.path, backupStampNow());
    if (!outcome.backup.empty())
        backedUpFiles_.insert(IniPath);
    if (!outcome.ok) {
        showError(outcome.refused
                      ? tr("The backup could not be restored: %1. The roster file was left as it was.")
                            .arg(QString::fromStdString(outcome.error))
                      : explainUnwritable(IniPath, tr("Error: the backup could not be restored: %1. The file was "
                                                      "left as it was.")
                                                       .arg(QString::fromStdString(outcome.error))));
    }
    followOwnWrite();
}
