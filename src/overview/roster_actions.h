#pragma once

// What the player asks of the whole roster, from the main window's menus
// and from the overview alike: the overview itself, Set Values, export and
// import of bots (files, the clipboard, drops), restoring a backup, undo and
// redo. Each request names the window it came from: its dialogs and
// messages open over that window, which keeps the keys when they close.
// The document does the work; this object asks the player what it needs and
// tells the outcome. Every write asks mayWrite first.

#include "document/messages.h"
#include "document/roster_document.h"
#include "overview/bot_showing.h"
#include "roster/bot_file.h"

#include <QObject>
#include <QPointer>


class Lookout;
class QAction;
class QWidget;
class RosterChecking;
class RosterOverview;
class RosterShapeActions;

namespace platform {
class Platform;
}

class RosterActions : public QObject {
    Q_OBJECT

public:
    // `showing` is the main window, which asks about the shown bot's unsaved
    // changes before a write would overwrite them.
    RosterActions(platform::Platform& platform, document::RosterDocument& document, QWidget* mainWindow,
                  BotShowing& showing);

    // The main window's menu items that ask for the roster's actions: they
    // are served from here, Undo and Redo worded with what they would do.
    struct Menu {
        QAction* restoreBackup;
        QAction* undo;
        QAction* redo;
        QAction* overview;
        QAction* exportBots;
        QAction* importBots;
        QAction* library;
        QAction* checkRoster;
    };
    void serve(const Menu& menu);

    // The overview beside the main window (one, made on first use).
    void showOverview();
    RosterOverview* overview() const;

    // Export the bots given (none: those selected in the overview, else
    // every bot) to a file the player names.
    void exportBots(QWidget* from, const QList<int>& bots);
    // The bots as a bot file's text on the clipboard.
    void copyBots(QWidget* from, const QList<int>& bots);
    // A bot file the player chooses, one named (command line, a drop), or
    // bot-file text (the clipboard), into the Import Bots dialog.
    void importFromFile(QWidget* from);
    void importBotFile(QWidget* from, const QString& path);
    void pasteBots(QWidget* from, const QString& text);
    // The bots of a reading (a bot file's, the library's) into the Import
    // Bots dialog, and where it places them.
    void importBots(QWidget* from, const roster::BotFileReading& reading);
    // Set Values over the bots given, starting from `start` (the values the
    // main window shows, or none).
    void setValues(QWidget* from, const QList<int>& bots, const roster::ListedBot* start);
    void restoreBackup(QWidget* from);
    void undo(QWidget* from);
    void redo(QWidget* from);

    // Asked before every write of the roster (each new kind of write calls
    // it too): while the game runs, which may write the roster back over
    // the change when it closes, whether to write anyway, over `from` (No
    // the default). True when the write may go ahead.
    bool mayWrite(QWidget* from);
    // Before a write that may first save the shown bot's changes (`settle`):
    // mayWrite, then the question about those changes. The game is asked
    // about once for both writes. True when the write may go ahead.
    bool readyToWrite(QWidget* from, bool settle);

    // The main window, for the bot it shows.
    BotShowing& showing() const { return showing_; }

    // The look every few seconds at the game and at an unreadable roster.
    Lookout* lookout() const { return lookout_; }

private:
    void placeImportedBots(QWidget* from, std::vector<roster::SharedBot> bots, roster::Placement placement,
                           const QList<int>& selected);
    bool rosterInForce(QWidget* from);
    // The bots as the roster holds them now, as a bot file's text; nothing,
    // with a message over `from`, when the roster cannot be read.
    std::optional<std::string> botFileText(QWidget* from, const QList<int>& bots, std::string_view lineEnding);
    bool confirmRestore(QWidget* from, const roster::BackupSummary& backup);
    // Where a bot file's dialog starts: the folder of the last one exported
    // or imported, else the player's documents.
    QString botFileFolder();
    void rememberBotFileFolder(const QString& path);
    // Shows why a write did not go through; true when it did.
    bool tell(QWidget* from, const document::Outcome& outcome, document::Write write);
    QList<int> overviewSelection() const;

    platform::Platform& platform_;
    document::RosterDocument& document_;
    QWidget* mainWindow_;
    BotShowing& showing_;
    QPointer<RosterOverview> overview_;
    RosterShapeActions* shape_ = nullptr; // adding, removing, moving bots; the library; dealing
    RosterChecking* checking_;
    Lookout* lookout_;
    bool writeAgreed_ = false; // the game's question answered Yes for the request under way
};
