#include "app/frm_main.h"

#include "app/bot_controls.h"
#include "app/note_row.h"
#include "document/roster_document.h"
#include "platform/qt_platform.h"
#include "roster/bot_file.h"

#include <QComboBox>
#include <QDir>
#include <QScreen>

#include <exception>

// Finding the roster at start-up and through File, Open, and listing its bots.
using platform::MessageIcon;

namespace {

// Marked here, translated where shown (frmMain's context).
const char* const Disclaimer = QT_TRANSLATE_NOOP(
    "frmMain",
    "USE AT YOUR OWN RISK!  This program modifies the settings of one of the initialization files used by your "
    "game.  These modifications could be harmful or fatal if swallowed.");
const char* const DialogHint = QT_TRANSLATE_NOOP(
    "frmMain",
    "A dialog box will now appear that will allow you to select your CovertstrikeUser.ini file.  This file will be "
    "in the System folder that is located in your Unreal Tournament folder. (i.e. C:\\UnrealTournament\\System\\)");
const char* const InvalidFile = QT_TRANSLATE_NOOP("frmMain", "Error: Invalid CovertstrikeUser.ini file.");
const QString SettingsSection = QStringLiteral("FileLoc");
const QString SettingsKey = QStringLiteral("IniLoc");

// The file-open dialog: it keeps its file name between openings, and
// Cancel reports the name it held before.
QString showOpenDialog(platform::Platform& platform, QWidget* parent, platform::FileDialogSettings& dialog)
{
    if (const auto chosen = platform.chooseFile(parent, dialog))
        dialog.fileName = *chosen;
    return dialog.fileName;
}

} // namespace

void frmMain::Form_Load(const QString& givenPath)
{
    // A bot file (from the desktop, say) is imported into the roster in
    // force once the editor has started as usual.
    if (givenPath.endsWith(QLatin1String(roster::BotFileSuffix.data()), Qt::CaseInsensitive)) {
        Form_Load();
        QMetaObject::invokeMethod(this, [this, givenPath] { importBotFile(givenPath); }, Qt::QueuedConnection);
        return;
    }
    ui_.resizeToStartSize(this);
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - QPoint(startOuterSize().width() / 2, startOuterSize().height() / 2));
    const QString found = FindIniFile(givenPath.isEmpty());
    if (givenPath.isEmpty()) {
        if (!useRosterFile(found))
            document_->name(found);
        return;
    }
    // Listing the remembered roster only to replace it would report a file
    // that may be long gone.
    if (!found.isEmpty() && !roster::IsRosterFileName(platform::nativePath(givenPath)))
        useRosterFile(found);
    openRosterFile(givenPath);
}

QString frmMain::FindIniFile(bool askForFile)
{
    try {
        bool cPresent = true;
        bool dPresent = true;
        const QString remembered = platform_.readSetting(SettingsSection, SettingsKey);
        if (remembered.size() > 1)
            return remembered;
        platform_.showMessage(this, tr(Disclaimer), MessageIcon::Exclamation);

        for (auto [folder, present] : {std::pair{QStringLiteral("C:\\unrealtournament"), &cPresent},
                                       std::pair{QStringLiteral("D:\\unrealtournament"), &dPresent}}) {
            const platform::FolderProbe probe = platform_.probeFolder(folder);
            if (probe.outcome == platform::ProbeOutcome::NotFound)
                *present = false;
            else if (probe.outcome == platform::ProbeOutcome::Failed) {
                platform_.showMessage(this, probe.description, MessageIcon::None);
                return {};
            }
        }
        if (cPresent)
            CommonDialog1.startFolder = QStringLiteral("C:\\unrealtournament\\system\\");
        else if (dPresent)
            CommonDialog1.startFolder = QStringLiteral("D:\\unrealtournament\\system\\");
        else if (const QString native = platform_.nativeGameFolder(); !native.isEmpty())
            CommonDialog1.startFolder = native;
        // Where players install the game today: the dialog starts at the
        // roster found, its name filled in, so that Enter takes it.
        if (const QStringList found = platform_.findGameRosters(); !found.isEmpty()) {
            CommonDialog1.startFolder = found.constFirst().left(found.constFirst().lastIndexOf(QDir::separator()) + 1);
            CommonDialog1.fileName = found.constFirst();
        }
        if (!askForFile)
            return {};

        platform_.showMessage(this, tr(DialogHint), MessageIcon::Information);
        return showOpenDialog(platform_, this, CommonDialog1);
    } catch (const std::exception& e) {
        platform_.showMessage(this, QString::fromLocal8Bit(e.what()), MessageIcon::None);
    }
    return {};
}

bool frmMain::useRosterFile(const QString& path)
{
    QString copy;
    if (!document_->open(path, &copy)) {
        platform_.showMessage(this, tr(InvalidFile), MessageIcon::None);
        return false;
    }
    if (!copy.isEmpty())
        platform_.showMessage(this, document::Messages::gameCopyOpened(copy), MessageIcon::Information);
    // A file that is not there (mistyped on the command line, say) shows as
    // missing, but never takes the place of the roster remembered.
    if (document_->roster().state != roster::RosterState::Missing)
        platform_.writeSetting(SettingsSection, SettingsKey, document_->path());
    return true;
}

void frmMain::showRoster()
{
    // Another roster: nothing of the last one stays in the window.
    notes_->clear();
    ui_.Combo1->clear();
    ui_.Combo1->setEditText(QString());
    ui_.Label2->setCaption(QString());
    if (controls_->showsBot())
        controls_->clear();
    ListBotNames();
}

void frmMain::ListBotNames()
{
    const roster::RosterSnapshot& roster = document_->roster();
    if (roster.state == roster::RosterState::Unreadable)
        platform_.showMessage(this, document::Messages::unreadable(roster.error), MessageIcon::None);
    for (const roster::ListedBot& bot : roster.bots)
        ui_.Combo1->addItem(QString::fromStdString(bot.name));
    ui_.Combo1->setCurrentIndex(-1);
    ui_.Combo1->setEditText(QString());
    if (roster.endedOnEmptyName)
        platform_.beep();
    notes_->showWhyNoBots(*document_);
}

void frmMain::mnuOpen_Click()
{
    if (settleChanges(this))
        openRosterFile(showOpenDialog(platform_, this, CommonDialog1));
}

bool frmMain::openRosterFile(const QString& path)
{
    // A dropped file asks too; after File, Open nothing is left to ask.
    if (!settleChanges(this))
        return false;
    ui_.resizeToStartSize(this);
    return useRosterFile(path);
}

void frmMain::Command2_Click() { platform_.writeSetting(SettingsSection, SettingsKey, QString()); }
