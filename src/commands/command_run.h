#pragma once

// One run of a roster command (commands/roster_commands.h): the request,
// where its words go, and the document it works on. Internal to this room:
// roster_commands.cpp reads, writes.cpp changes the roster.

#include "commands/arguments.h"
#include "commands/roster_commands.h"
#include "document/messages.h"
#include "document/roster_document.h"

#include <QCoreApplication>

#include <optional>
#include <vector>

namespace commands {

class RosterCommands {
    Q_DECLARE_TR_FUNCTIONS(RosterCommands)

public:
    RosterCommands(const Request& request, platform::System& system, const Output& output);
    int run();

private:
    int list();
    int exportBots();
    int importBots();
    int setValues();
    int deal();
    int check();

    // Opens the roster named; false, after telling why, when it is
    // misnamed (exit Mistake) or cannot be read (exit Unusable).
    bool openRoster();
    // The bots of --bots, --replace or --keep, read and checked against
    // the listed bots; every listed bot when the option was not given.
    // Nothing after telling the mistake.
    std::optional<std::vector<roster::BotIndex>> chosenBots(const QString& option);
    // Whether the bot numbers given with `option` (when given) are written
    // rightly, before the roster is read; tells the mistake when not.
    bool numbersWellWritten(const QString& option);
    // Tells `text` on the standard error and gives `exit`.
    int fail(const QString& text, int exit = Mistake);
    // Tells what a write did not do, with its exit code: Done when it went
    // through (with a note when the game runs and may write over it).
    int wrote(const document::Outcome& outcome, document::Write write);
    QString native(const QString& path) const;

    const Request& request_;
    const Output& output_;
    document::RosterDocument document_;
    int exit_ = Done; // what openRoster told
};

// A value as --list and --check print it: on one cell of a tab-separated
// line, tabs, line ends and backslashes written as \t, \r, \n and \\.
QString Cell(const QString& text);
QString Cell(const std::string& text);

} // namespace commands
