#pragma once

// The program's command line: --help, --version, --lang and one optional
// roster file, which the window opens as File, Open opens the file its dialog
// reports.

#include <QString>
#include <QStringList>

#include <optional>

namespace app {

// What the command line asks for. `exitCode` is set when it has been
// answered (help, version, or a mistake, reported on the standard error)
// and the program should end with that code without opening the window.
struct CommandLine {
    std::optional<int> exitCode;
    QString rosterPath; // absolute; empty when none was given
    QString language; // as given with --lang; empty: the desktop's
};

// The arguments without the options that the window system takes for
// itself (-platform, -style, -display, ...; "--" as good as "-"), with
// their values, so that the rest can be judged before the window system is
// set up: without a display, setting it up would end the program.
QStringList withoutWindowSystemOptions(const QStringList& arguments);

// Reads the arguments that the window system left (the program's name
// first): at most one roster file, no unknown options. --help, --help-all
// (with the window system's options) and --version are answered here, on
// the standard output, and end the program.
CommandLine readCommandLine(const QStringList& arguments);

// A roster named on the command line, as a path or a file:// URL, made
// absolute against the current folder. Empty for a URL that names no local
// file.
QString rosterPathFromArgument(const QString& argument);

} // namespace app
