#include "app/frm_main.h"

#include "roster/bot_file.h"

#include "platform/qt_platform.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
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
    resizeToStartSize();
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - QPoint(startOuterSize().width() / 2, startOuterSize().height() / 2));
    FindIniFile(givenPath.isEmpty());
    if (givenPath.isEmpty()) {
        useRosterFile(IniPath);
        return;
    }
    // Listing the remembered roster only to replace it would report a file
    // that may be long gone.
    if (!IniPath.isEmpty() && !roster::IsRosterFileName(platform::nativePath(givenPath)))
        useRosterFile(IniPath);
    openRosterFile(givenPath);
}

void frmMain::FindIniFile(bool askForFile)
{
    try {
        bool cPresent = true;
        bool dPresent = true;
        const QString remembered = platform_.readSetting(SettingsSection, SettingsKey);
        if (remembered.size() > 1) {
            IniPath = remembered;
            return;
        }
        platform_.showMessage(this, tr(Disclaimer), MessageIcon::Exclamation);

        for (auto [folder, present] : {std::pair{QStringLiteral("C:\\unrealtournament"), &cPresent},
                                       std::pair{QStringLiteral("D:\\unrealtournament"), &dPresent}}) {
            const platform::FolderProbe probe = platform_.probeFolder(folder);
            if (probe.outcome == platform::ProbeOutcome::NotFound)
                *present = false;
            else if (probe.outcome == platform::ProbeOutcome::Failed) {
                showError(probe.description);
                return;
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
            return;

        platform_.showMessage(this, tr(DialogHint), MessageIcon::Information);
        IniPath = showOpenDialog();
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()));
    }
}

QString frmMain::showOpenDialog()
{
    // The dialog keeps its file name between openings; Cancel reports the
    // name it held before.
    if (const auto chosen = platform_.chooseFile(this, CommonDialog1))
        CommonDialog1.fileName = *chosen;
    return CommonDialog1.fileName;
}

bool frmMain::useRosterFile(const QString& path)
{
    if (!roster::IsRosterFileName(platform::nativePath(path))) {
        showError(tr(InvalidFile));
        return false;
    }
    // Under Program Files the game may be using its own copy: that one is
    // edited, and remembered.
    IniPath = gameCopyOf(path);
    rosterWatch_->watch(IniPath);
    relistBots();
    // A file that is not there (mistyped on the command line, say) shows as
    // missing, but never takes the place of the roster remembered.
    if (model_.roster().state != roster::RosterState::Missing)
        platform_.writeSetting(SettingsSection, SettingsKey, IniPath);
    return true;
}

void frmMain::relistBots()
{
    model_.open(iniPathBytes());
    clearNote();
    Combo1->clear();
    Combo1->setEditText(QString());
    setLabel2Caption(QString());
    ListBotNames();
    showWhetherModified();
    refreshOverview();
}

void frmMain::ListBotNames()
{
    const roster::RosterSnapshot& roster = model_.roster();
    if (roster.state == roster::RosterState::Unreadable)
        showUnreadable(roster.error);
    for (const roster::ListedBot& bot : roster.bots)
        Combo1->addItem(QString::fromStdString(bot.name));
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QString());
    if (roster.endedOnEmptyName)
        platform_.beep();
    sayWhyNoBots();
}

void frmMain::sayWhyNoBots()
{
    const QString path = QDir::toNativeSeparators(IniPath);
    switch (model_.roster().state) {
    case roster::RosterState::Missing:
        showNote(tr("Roster file not found"), tr("The roster file was not found: %1").arg(path),
                 Note::FileState);
        return;
    case roster::RosterState::Unreadable:
        showNote(tr("Roster file unreadable"),
                 tr("The roster file cannot be read: %1: %2")
                     .arg(path, platform::rosterWord(model_.roster().error)),
                 Note::FileState);
        return;
    case roster::RosterState::Read:
        break;
    }
    if (model_.botCount() == 0)
        showNote(tr("No bot roster in the file"),
                 tr("The roster file holds no bot roster: %1").arg(path), Note::FileState);
    else if (note_ == Note::FileState)
        clearNote();
}

void frmMain::mnuOpen_Click()
{
    if (resolveUnsavedChanges())
        openRosterFile(showOpenDialog());
}

bool frmMain::openRosterFile(const QString& path)
{
    // A dropped file asks too; after File, Open there is nothing left to ask.
    if (!resolveUnsavedChanges())
        return false;
    resizeToStartSize();
    return useRosterFile(path);
}

void frmMain::Command2_Click() { platform_.writeSetting(SettingsSection, SettingsKey, QString()); }

