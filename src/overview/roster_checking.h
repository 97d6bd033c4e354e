#pragma once

// Checking the roster as the game will play it, and the looks of its bots:
// the Check Roster window (Roster, Check Roster..., and a button in the
// overview), and the Appearance dialog for the bots selected in the
// overview. Requests name the window they came from, as RosterActions'
// do: dialogs and messages open over it.

#include <QList>
#include <QObject>
#include <QPointer>

class BotShowing;
class CheckRosterWindow;
class QWidget;
class RosterActions;
class RosterOverview;

namespace document {
class RosterDocument;
}
namespace platform {
class Platform;
}

class RosterChecking : public QObject {
    Q_OBJECT

public:
    RosterChecking(platform::Platform& platform, document::RosterDocument& document, RosterActions& actions,
                   QWidget* mainWindow);

    // The Check Roster window beside the main window (one, made on first use).
    void showCheckWindow();
    // The overview's buttons and row menu items for these: Check Roster...
    // and Appearance... (for the selected bots).
    void serveOverview(RosterOverview* overview);
    // The Appearance dialog for `bots`, then their looks written as one command.
    void appearance(QWidget* from, const QList<int>& bots);

private:
    platform::Platform& platform_;
    document::RosterDocument& document_;
    RosterActions& actions_;
    QWidget* mainWindow_;
    QPointer<CheckRosterWindow> window_;
};
