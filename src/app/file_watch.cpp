#include "app/frm_main.h"

#include "platform/qt_platform.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QTimer>

// Keeping up with the roster file while the game or another program
// rewrites it. The file is watched, and so is its folder: the game and our
// own saves replace the file by a rename, which ends a watch on the file.
// A burst of changes is checked once it has settled, against a fingerprint of
// the file as the editor last listed or saved it, so that our own saves and
// other files of the folder (backup copies, the game's logs) change nothing.

namespace {

// Long enough for a writer to finish a file in several steps.
constexpr int SettleMs = 500;

} // namespace

void frmMain::buildFileWatch()
{
    rosterWatch_ = new QFileSystemWatcher(this);
    rosterWatch_->setObjectName(QStringLiteral("rosterWatch"));
    rosterSettle_ = new QTimer(this);
    rosterSettle_->setObjectName(QStringLiteral("rosterSettle"));
    rosterSettle_->setSingleShot(true);
    rosterSettle_->setInterval(SettleMs);
    connect(rosterWatch_, &QFileSystemWatcher::fileChanged, this, &frmMain::rosterFileTouched);
    connect(rosterWatch_, &QFileSystemWatcher::directoryChanged, this, &frmMain::rosterFileTouched);
    connect(rosterSettle_, &QTimer::timeout, this, &frmMain::checkRosterFile);
}

void frmMain::watchRosterFile()
{
    if (const QStringList watched = rosterWatch_->files() + rosterWatch_->directories(); !watched.isEmpty())
        rosterWatch_->removePaths(watched);
    rosterSettle_->stop();
    const QFileInfo file(IniPath);
    if (QFileInfo(file.absolutePath()).isDir())
        rosterWatch_->addPath(file.absolutePath());
    rewatchRosterFile();
}

void frmMain::rewatchRosterFile()
{
    // A file replaced by a rename is another file: watch the new one.
    if (rosterWatch_->files().isEmpty() && QFileInfo(IniPath).isFile())
        rosterWatch_->addPath(IniPath);
}

void frmMain::rosterFileTouched()
{
    rewatchRosterFile();
    rosterSettle_->start();
}

void frmMain::checkRosterFile()
{
    // Not under a question or a menu that the player is answering: the list
    // and the boxes are theirs until it closes.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        rosterSettle_->start();
        return;
    }
    rewatchRosterFile();
    const std::optional<std::size_t> fingerprint = roster::RosterFile(iniPathBytes()).Fingerprint();
    if (fingerprint == rosterFingerprint_)
        return;
    if (!hasUnsavedChanges()) {
        refreshFromFile();
        return;
    }
    // The player's changes stay; a save writes only what they changed and
    // then shows the file as it is.
    rosterFingerprint_ = fingerprint;
    showFileChanged(true);
    refreshOverview();
}

void frmMain::refreshFromFile()
{
    const int shown = shownBot_;
    relistBots();
    if (shown >= 0 && shown < Combo1->count()) {
        Combo1->setCurrentIndex(shown);
        Combo1_Click(shown);
    }
}

bool frmMain::rosterChangedElsewhere() const
{
    return fileChangedElsewhere_ || roster::RosterFile(iniPathBytes()).Fingerprint() != rosterFingerprint_;
}

void frmMain::takeSavedFile(bool changedElsewhere)
{
    // What another program changed before the save is in the file now, next
    // to the saved fields: show the file as it is.
    if (changedElsewhere)
        refreshFromFile();
    else
        rosterFingerprint_ = roster::RosterFile(iniPathBytes()).Fingerprint();
    showWhetherModified();
    refreshOverview();
}

void frmMain::showFileChanged(bool changed)
{
    fileChangedElsewhere_ = changed;
    lblFileChanged->setVisible(changed);
    // The note takes the place of an earlier save's confirmation.
    if (changed)
        Timer1_Timer();
}
