#pragma once

// The library: one folder of bot files (".covbots", see roster/bot_file.h)
// that a player keeps beside the roster, to add bots from and to deal
// rosters from. Reading it lists every bot of every bot file there with its
// file; a file that cannot be read is listed with its reason and never
// stops the rest. Writing adds bots to a file, removes bots from one, or
// takes a bot file in; each changed file is replaced atomically. Only the
// folder itself is read: subfolders are not looked into, and links (to
// files or folders, wherever they lead) are never followed. Names whose
// first character is a dot are hidden and left alone. Paths are UTF-8.
//
// The folder and file access is profile's (listFolderEntries,
// readFileBytes, writeProfileStrings, replaceFile, deleteFile): the same
// atomic, checked writes as the roster's, the same refusal of FIFOs and
// devices, and links told apart from files on both systems.

#include "roster/bot_file.h"
#include "roster/set_values.h"
#include "roster/shape.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace roster {

struct LibraryFile {
    std::string name; // in the folder
    int bots = 0;
    std::optional<Refusal> problem; // why it cannot be read; none of its bots are listed
};

struct LibraryBot {
    SharedBot bot;
    std::size_t file = 0; // in Library::files
    int place = 0;        // among its file's bots, from 0, in their numbers' order
};

// Bots that share a name (NameKey), in one file or across files.
struct SameName {
    std::string name;              // as the first of them spells it
    std::vector<std::size_t> bots; // in Library::bots, in order
    bool identical = false;        // every one holds the same keys with the same values
};

struct Library {
    std::string folder;
    std::optional<Refusal> problem; // the folder itself cannot be read
    std::vector<LibraryFile> files; // every bot file, in the order of the names' bytes
    std::vector<LibraryBot> bots;   // file after file, each file's in its order
    std::vector<SameName> duplicates; // each name held more than once, in order of first appearance
};

// The library in `folder`. The order of files and bots is the same on
// every system, so that the same seed deals the same roster.
Library ReadLibrary(const std::string& folder);

// Adds `bots` to the bot file `fileName` of the library (".covbots" is
// added when the name lacks it) after the file's own bots, every line of
// the file kept; or, when there is no such file, makes it (a comment naming
// `program`, then the bots). Refuses, writing nothing: a name that is not a
// plain visible file name (a separator, a colon, a leading dot), one that
// names a link or a folder, a file that is not a bot file or that the
// library does not write in this form, and bots that do not fit below the
// file's number 100.
SaveOutcome AddToLibrary(const std::string& folder, std::string_view fileName, const std::vector<SharedBot>& bots,
                         std::string_view program);

// Removes the bots at `bots` (indexes in library.bots) from their files,
// file after file, each in one atomic write; the bots after them move up,
// so the file's numbers stay 0, 1, 2... A file left without bots is
// deleted. A file whose bots no longer stand where the library read them
// is refused and left as it is. Stops at the first file that fails or is
// refused, naming it in `failedKey`; the files before it keep the change.
SaveOutcome RemoveFromLibrary(const Library& library, const std::vector<std::size_t>& bots);

// Copies the bot file at `path` (anywhere; a link there is followed) into
// the library, its bytes unchanged, under its own name with ".covbots", or
// when the folder holds that name in any case, "<name> 2.covbots",
// "<name> 3.covbots"... A file that ReadBotFile refuses is refused with its
// reason.
struct TakenFile {
    SaveOutcome outcome;
    std::string name; // the copy's name in the folder
};
TakenFile TakeIntoLibrary(const std::string& folder, const std::string& path);

// Which bots a list or a deal takes. Each part left empty passes every bot.
struct BotFilter {
    std::string name;        // a part of the name, compared as NameKey compares
    std::optional<int> team; // BotTeams as a whole number (0 Red, 1 Blue...)
    // Per field with a control, the lowest and highest position, as Set
    // Values takes them (either way round, held to the control's range). A
    // bound at the control's end reaches on past it, so that a value the
    // slider cannot show still passes the whole range.
    std::vector<FieldSetting> ranges;
};

// Whether `bot` passes: its name holds the part, it holds the team, and
// every ranged field's value, rounded to the control's step, lies within
// its bounds. A bot that lacks a filtered key, or holds no number there,
// does not pass.
bool passes(const SharedBot& bot, const BotFilter& filter);

} // namespace roster
