#pragma once

// The roster's shape: which bot stands at which number. Adding a bot,
// duplicating, removing and moving bots from the overview (its buttons, its
// rows' menu and their keys), and dealing a fresh roster from the library.
// Each is one write of the document and one command on its history; a
// write that touches the bot the main window shows asks about that bot's
// unsaved changes first. Bots are written by the numbers the player chose
// them at only while those numbers still hold the same names: when the
// roster changed meanwhile (the game wrote it while a question was open),
// nothing is written and the player is told. It also opens the library window (one, made on first use).

#include "roster/deal.h"
#include "roster/shape.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class BotShowing;
class LibraryWindow;
class QAction;
class QPushButton;
class QWidget;
class RosterActions;
class RosterOverview;

namespace document {
class RosterDocument;
struct Outcome;
}
namespace platform {
class Platform;
}

class RosterShapeActions : public QObject {
    Q_OBJECT

public:
    RosterShapeActions(platform::Platform& platform, document::RosterDocument& document, RosterActions& actions,
                       BotShowing& showing, QWidget* mainWindow);

    // Adds the buttons, the rows' menu items and their keys to the overview,
    // and keeps them enabled as its selection allows.
    void serve(RosterOverview& overview);

    // The library window beside the main window.
    void showLibrary();
    LibraryWindow* library() const;

    // "New Bot" ("New Bot 2"...) after the last bot, with the values the main
    // window shows (changes not yet saved included), or with no field keys,
    // the game's defaults, when it shows none.
    void addBot(QWidget* from);
    // Copies of the bots after the last bot, each named as
    // roster::DuplicateName gives, in their order.
    void duplicateBots(QWidget* from, const QList<int>& bots);
    // Asks first, naming them (No the default); the bots after them move up.
    void removeBots(QWidget* from, const QList<int>& bots);
    // The bot swaps places with the one above or below.
    void moveBot(QWidget* from, int bot, roster::Direction direction);
    // Deals the roster from `library` as `request` asks (roster::PlanDeal).
    void deal(QWidget* from, const std::vector<roster::LibraryBot>& library, const roster::DealRequest& request);

private:
    // Whether the roster may be written now: the hook for asking while the
    // game runs.
    bool rosterInForce(QWidget* from);
    // Before a write: asks while the game runs, and about the shown bot's
    // unsaved changes when `touched` says the write changes it.
    bool settleIfTouched(QWidget* from, bool touched);
    // Writes `plan` as one command when the bots at `numbers` still bear the
    // names the player saw; shows why not when it did not go through.
    bool write(QWidget* from, const QString& text, const QList<int>& numbers, const roster::RosterPlan& plan);
    bool addBots(QWidget* from, const QString& text, const std::vector<roster::SharedBot>& bots);
    bool tell(QWidget* from, const document::Outcome& outcome);
    QString nameOf(int bot) const;
    // The main window follows its bot to the number it moved to.
    void followShownBot(int shownBefore, int shownAfter);
    // After a write, the overview selects these bots.
    void selectInOverview(const QList<int>& bots);
    void enableButtons();

    platform::Platform& platform_;
    document::RosterDocument& document_;
    RosterActions& actions_;
    BotShowing& showing_;
    QWidget* mainWindow_;
    QPointer<RosterOverview> overview_;
    QPointer<LibraryWindow> library_;
    // The overview's buttons and row items, and when the selection allows them.
    struct Control {
        QAction* action;
        QPushButton* button;
        std::function<bool(const QList<int>&)> allowed;
    };
    std::vector<Control> controls_;
};
