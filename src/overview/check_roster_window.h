#pragma once

// The Check Roster window: every finding of the roster as the game will
// play it (game/roster_check.h), with its bot, its key, what the file holds,
// what the fix writes and what the game will do. A window of its own that
// follows the roster as the document reads it, and the install. Fix fixes
// the selected findings that have a fix, Fix All every one, each time as
// one command on the history; the shown bot's changes not yet saved are
// asked about first when a fix writes one of its keys. Enter on a finding
// shows its bot in the main window.

#include "game/roster_check.h"

#include <QWidget>

#include <vector>

class RosterActions;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace document {
class RosterDocument;
}
namespace platform {
class Platform;
}

class CheckRosterWindow : public QWidget {
    Q_OBJECT

public:
    CheckRosterWindow(platform::Platform& platform, document::RosterDocument& document, RosterActions& actions,
                      QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The document's check; the same findings stay selected.
    void showCheck();
    void showSelection();
    std::vector<game::Finding> selectedFindings() const;
    std::vector<game::Finding> selectedFixes() const; // those with a fix
    void fix(const std::vector<game::Finding>& findings);

    platform::Platform& platform_;
    document::RosterDocument& document_;
    RosterActions& actions_;
    std::vector<game::Finding> findings_; // by row

    QLabel* lblState = nullptr;
    QLabel* lblInstall = nullptr;
    QTreeWidget* lstFindings = nullptr;
    QPushButton* cmdFix = nullptr;
    QPushButton* cmdFixAll = nullptr;
    QPushButton* cmdClose = nullptr;
};
