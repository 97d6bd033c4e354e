#pragma once

// Commands for scripts that work on a roster without the window: list it,
// export and import bots, set values, deal a roster from a library, check
// it as the game will play it. They run under a QCoreApplication (no
// display, no window system) and write through a RosterDocument, as the
// windows do: the same transactions, backups and refusals. A command tells
// its answer on the standard output and a mistake, a refusal or a note in
// one line each on the standard error, in the player's language, and ends
// with its exit code. It never asks anything.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace platform {
class System;
}

namespace commands {

enum class Command { List, Export, Import, Set, Deal, Check };

// A command as the command line gave it. The values of its options come
// as typed: the command reads and judges them, and words the mistakes.
struct Request {
    Command command = Command::List;
    QString roster;               // FILE, absolute
    QString file;                 // --export's OUT, --import's BOTS, --deal's LIBRARY
    std::optional<QString> bots;  // --bots (export, set), --replace (import), --keep (deal)
    QStringList settings;         // --set's KEY=VALUE, in the order given
    std::optional<QString> count; // --deal's
    std::optional<QString> seed;  // --deal's
    bool balance = false;         // --deal's
    bool fix = false;             // --check's
};

// How a command ends.
enum Exit : int {
    Done = 0,
    Mistake = 1,  // a mistake on the command line, or a refusal: nothing was written
    Unusable = 2, // the roster cannot be read or written (nor the bot file --export writes)
    Findings = 3, // --check found what the game will not play as the roster holds it
};

// Where a command's words go: `answer` takes whole lines for the standard
// output, `problem` one line, without its end, for the standard error.
struct Output {
    std::function<void(const QString&)> answer;
    std::function<void(const QString&)> problem;
};

// Runs `request` on the roster it names; the exit code comes back.
int Run(const Request& request, platform::System& system, const Output& output);

} // namespace commands
