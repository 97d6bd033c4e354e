#pragma once

// The command line's options for the roster commands: their help, and
// reading which command the arguments ask for.

#include "commands/roster_commands.h"

#include <QString>

#include <optional>

class QCommandLineParser;

namespace commands {

// Adds the commands' options, after the window's, and the exit codes to
// the help's description.
void DescribeOptions(QCommandLineParser& parser);

// The command that the parsed arguments ask for, nothing when they ask for
// none (the window opens), or the mistake: two commands, an option without
// its command, an option given twice, a command without its one FILE.
// `roster` is FILE as given; the caller makes it a path.
struct CommandReading {
    std::optional<Request> request;
    QString mistake;
};
CommandReading ReadCommand(const QCommandLineParser& parser);

} // namespace commands
