#pragma once

// The program's command line: --help, --version, --lang and one optional
// roster file, which the window opens as File, Open opens the file its dialog
// reports, or a command for scripts that works on the roster file without
// the window (commands/roster_commands.h). It is judged under an
// application object without a window system (QCoreApplication), so that
// what needs no window is answered even where no display can be reached.

#include "commands/roster_commands.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QApplication;

namespace app {

// What the command line asks for. `exitCode` is set when it has been
// answered (help, version, or a mistake, told as tellPlayer tells it) and
// the program should end with that code without opening the window.
struct CommandLine {
    std::optional<int> exitCode;
    QString rosterPath; // absolute; empty when none was given
    QString language; // as given with --lang; empty: the desktop's
    // What to tell, in the player's language, when the window cannot be
    // opened for want of a display (see startWindowSystem).
    QString withoutDisplay;
    // A command to run on the roster instead of opening the window
    // (runCommand); its roster is then `rosterPath`.
    std::optional<commands::Request> command;
};

// The arguments without the options that the window system takes for
// itself (-platform, -style, -display, ...; "--" as good as "-"), with
// their values, so that the rest can be judged before the window system is
// set up: without a display, setting it up would end the program.
QStringList withoutWindowSystemOptions(const QStringList& arguments);

// Reads the arguments that the window system left (the program's name
// first): at most one roster file, no unknown options, at most one command.
// --help, --help-all (with the window system's options), --version and
// mistakes are answered here, in the language installed, and come back with
// their exit code.
CommandLine readCommandLine(const QStringList& arguments);

// Runs a command of the command line on this system, telling its answers
// and mistakes as tellPlayer tells them; its exit code comes back. Needs
// only an application object without a window system.
int runCommand(const commands::Request& request);

// A roster named on the command line, as a path or a file:// URL, made
// absolute against the current folder. Empty for a URL that names no local
// file.
QString rosterPathFromArgument(const QString& argument);

// How an answer of the command line reaches the player.
enum class Telling {
    Help, // on the standard output, its option lines in columns
    Answer, // on the standard output (the version)
    Mistake, // on the standard error, after the program's name
};

// Tells the player `text`. On Windows, where the program has no console of
// its own, a redirected standard output or error takes it as elsewhere;
// else the console the program was started from, if any; else a message box
// titled with the program's name, the help in a fixed-pitch font so that
// its columns stay aligned.
void tellPlayer(const QString& text, Telling how);

// Makes the window's application object, setting up the window system.
// Where it cannot be set up (no display to connect to), Qt would abort the
// program; this tells `withoutDisplay` instead, as a mistake in one line,
// and ends the program with exit code 1. What Qt said meanwhile is dropped
// then, and passed on as usual otherwise.
std::unique_ptr<QApplication> startWindowSystem(int& argc, char** argv, const QString& withoutDisplay);

} // namespace app
