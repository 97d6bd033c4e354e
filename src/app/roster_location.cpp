#include "app/frm_main.h"

#include "platform/qt_platform.h"

#include <QComboBox>
#include <QLabel>
#include <QScreen>

#include <exception>

// Finding the roster at start-up and through File, Open, and listing its bots.

using platform::MessageIcon;

namespace {

const QString Disclaimer = QStringLiteral(
    "USE AT YOUR OWN RISK!  This program modifies the settings of one of the initialization files used by your "
    "game.  These modifications could be harmful or fatal if swallowed.");
const QString DialogHint = QStringLiteral(
    "A dialog box will now appear that will allow you to select your CovertstrikeUser.ini file.  This file will be "
    "in the System folder that is located in your Unreal Tournament folder. (i.e. C:\\UnrealTournament\\System\\)");
const QString InvalidFile = QStringLiteral("Error: Invalid CovertstrikeUser.ini file.");
const QString SettingsSection = QStringLiteral("FileLoc");
const QString SettingsKey = QStringLiteral("IniLoc");

} // namespace

void frmMain::Form_Load(const QString& givenPath)
{
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
        platform_.showMessage(this, Disclaimer, MessageIcon::Exclamation);

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
        if (!askForFile)
            return;

        platform_.showMessage(this, DialogHint, MessageIcon::Information);
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
        showError(InvalidFile);
        return false;
    }
    IniPath = path;
    platform_.writeSetting(SettingsSection, SettingsKey, IniPath);
    watchRosterFile();
    relistBots();
    return true;
}

void frmMain::relistBots()
{
    // The file as it is before the listing reads it: a change made while
    // the list is read shows as a change afterwards.
    rosterFingerprint_ = roster::RosterFile(iniPathBytes()).Fingerprint();
    showFileChanged(false);
    Combo1->clear();
    Combo1->setEditText(QString());
    setLabel2Caption(QString());
    ListBotNames();
    showWhetherModified();
    refreshOverview();
}

void frmMain::ListBotNames()
{
    const roster::BotNameList list = roster::RosterFile(iniPathBytes()).ListBotNames();
    listedNames_.clear();
    loadedTexts_.reset();
    shownBot_ = -1;
    if (!list.error.empty()) {
        showUnreadable(list.error);
        return;
    }
    for (const std::string& name : list.names) {
        listedNames_.append(QString::fromStdString(name));
        Combo1->addItem(listedNames_.constLast());
    }
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QString());
    if (list.endedOnEmptyName)
        platform_.beep();
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

