#pragma once

// Bots to share: a bot file (".covbots") is UTF-8 INI text holding one
// section, [CovertstrikeBots], with each bot's per-bot keys renumbered from
// 0 in the order chosen. A per-bot key is a roster key whose brackets hold
// the bot's number ("BotSkills[3]", "FavoriteWeapon[3]"): the name and the
// twelve fields, and whatever else a roster carries per bot. Only the keys
// a bot holds travel, with their values exactly as the roster stores them
// (in UTF-8 here). Keys without a number belong to the whole roster and
// never travel. Plain C++: reading, writing and the import's numbering.

#include "profile/profile.h"
#include "roster/roster.h"
#include "roster/roster_write.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace roster {

inline constexpr std::string_view BotFileSection = "CovertstrikeBots";
inline constexpr std::string_view BotFileSuffix = ".covbots";
// Bot files larger than this are refused: 101 bots with a hundred keys each
// stay far below it.
inline constexpr std::size_t MaxBotFileBytes = std::size_t{4} * 1024 * 1024;
// The longest name the roster allows, in characters; no value or key of a
// bot file may be longer. (Every list that shows a name lays it out whole:
// a name of megabytes would hold the window up for many seconds.)
inline constexpr std::size_t MaxNameCharacters = 4096;

// The line ending of a bot file written on this system.
#ifdef _WIN32
inline constexpr std::string_view NativeLineEnding = "\r\n";
#else
inline constexpr std::string_view NativeLineEnding = "\n";
#endif

// A key split around the bot's number: prefix + "[" + number + "]" + rest.
struct BotKey {
    std::string prefix; // "BotSkills"
    std::string rest;   // usually empty
    std::string value;  // raw value, blanks around it removed, quotes kept
    std::string name(BotIndex index) const;
};

// "BotSkills[12]" gives {"BotSkills", ""} and 12; nothing for a key without
// a plain decimal number from 0 to 100 in its first brackets. "[03]" is not
// a number the game ever reads for bot 3, and "[300]" is no bot's.
struct NumberedKey {
    std::string prefix;
    std::string rest;
    int number = 0;
};
std::optional<NumberedKey> SplitBotKey(std::string_view key);

struct SharedBot {
    std::string name; // the BotNames value, UTF-8, for the player to see
    std::vector<BotKey> keys; // in the order the file holds them
};

// The bots at `indexes` (in that order) from a roster section's key lines
// (profile::Document::entries), values decoded from `encoding` to UTF-8.
// The first line of a key wins, as the game reads it.
std::vector<SharedBot> CollectBots(const std::vector<profile::KeyValue>& entries,
                                   const std::vector<BotIndex>& indexes, TextEncoding encoding);

// The bot file's text: a comment line naming `program`, the section, each
// bot's keys renumbered from 0, every line ended with `lineEnding`.
std::string WriteBotFile(const std::vector<SharedBot>& bots, std::string_view program,
                         std::string_view lineEnding = NativeLineEnding);

// The file name to suggest for exporting the bot named `botName`: its name
// with the suffix, made safe to create in any folder on Linux and Windows.
// Path separators, control and direction-changing characters and those
// Windows forbids (<>:"/\|?*) become "_", as does every run of dots; dots
// and blanks at either end go (Windows drops trailing ones, a leading dot
// hides the file); a Windows device name (CON, NUL, COM1...) gets "_"
// after it; at most 64 characters before the suffix; "bot" when nothing is
// left. So "AC/DC" gives "AC_DC.covbots" and "../../Evil" "_Evil.covbots".
std::string ExportFileName(std::string_view botName);

// The bots of one section of a text.
struct BotSection {
    std::string name; // as the text spells it, without the brackets
    std::size_t line = 0; // of its header, from 1
    std::vector<SharedBot> bots; // by their numbers in the text
};

struct BotFileReading {
    // [CovertstrikeBots] alone when the text has it; otherwise every section
    // holding a BotNames[n] key (a roster pasted from a user INI file), in
    // the text's order. Empty exactly when the reading is refused.
    std::vector<BotSection> sections;
    // A refusal: the whole sentence in English, and the pattern it was
    // filled from (marked for translation, see roster/words.h) with what
    // stands for its %1, %2..., for the window to say it in the player's
    // language. Empty when the bots can be imported.
    std::string error;
    std::string pattern;
    std::vector<std::string> arguments;
};

// Reads a bot file's bytes or a text pasted from elsewhere: CRLF, LF or CR,
// a UTF-8 or UTF-16LE byte-order mark or none, blank and comment lines.
// Every bot of the sections offered comes back whole, with every per-bot
// key it holds (the first line of a key, as the game reads it), or the
// reading is refused, naming what stands in the way: a text too large, not
// UTF-8 or holding NUL, without bots, with a second [CovertstrikeBots]
// section; a bot without a name or with one of blanks only; a key numbered
// above 100 or with a leading zero ("[07]": the game reads "[7]", so the
// player is asked to write that rather than have a value guessed at or
// lost); a key or a value holding a control character (a tab inside a value
// excepted) or longer than MaxNameCharacters. Keys without a number (the
// whole roster's) are passed over. Linear in the text's length.
BotFileReading ReadBotFile(std::string_view bytes);

// Reads the bot file at `path` (the file system's bytes; UTF-8 on Windows):
// a regular file only, and no more than MaxBotFileBytes + 1 of its bytes.
// Refuses as ReadBotFile does, and says when the file is not there, is no
// regular file or cannot be read.
BotFileReading LoadBotFile(const std::string& path);

// Where imported bots go.
enum class Placement { AfterLast, Replace };

// One more than the highest bot number that holds any per-bot key in a
// roster section's key lines (any "Prefix[n]..." key, known or not, with
// a name or without): 0 for a section without such keys. Bots numbered
// from here on write over nothing.
int FirstFreeNumber(const std::vector<profile::KeyValue>& entries);

// The same for the roster file at `path`, read now; 0 when it cannot be
// read (ImportBots numbers again as it writes, and says why it cannot).
int ReadFirstFreeNumber(const std::string& path);

struct Targets {
    Placement placement = Placement::Replace;
    std::vector<BotIndex> numbers;
    int fitting = 0; // AfterLast: how many bots fit from the first free number
    bool ok = false;
};

// AfterLast: `count` numbers from `firstFree` on, none beyond the roster's
// last (100); all or none. Replace: the `selected` bots, in order, when
// there are exactly `count` of them.
Targets ChooseTargets(Placement placement, int count, int firstFree, const std::vector<BotIndex>& selected);

// What an import writes, in UTF-8: bot after bot, every key the imported
// bot holds at its target number; then the removal of the target's other
// keys of the thirteen the editor knows (from `entries`, the roster's
// section as it stands, in the file's `encoding`), so that the bot plays
// as exported. The target's keys whose meaning the editor does not know
// (any other prefix, such as "slotUsed[n]") stay as they are; and each such
// key that every listed bot carries with one same value, the target gets
// when it lacks it (a new bot then looks to the game like its neighbours).
std::vector<profile::KeyValue> ImportValues(const std::vector<SharedBot>& bots, const std::vector<BotIndex>& targets,
                                            const std::vector<profile::KeyValue>& entries, TextEncoding encoding);

// The bots at `indexes` of the roster file at `path`, from one reading.
struct CollectedBots {
    std::vector<SharedBot> bots;
    std::string error; // the file cannot be read
};
CollectedBots ReadRosterBots(const std::string& path, const std::vector<BotIndex>& indexes);

// Writes a bot file's text to `path`, atomically; the system's reason on failure.
SaveOutcome SaveBotFile(const std::string& path, std::string_view text);

// The import of `bots` as a plan (ImportValues on the section as the
// write reads it, in the file's encoding). Replace writes at the targets'
// numbers; AfterLast numbers the bots from the first free number of the
// file as the write reads it, so that a change made to the file since the
// targets were chosen can never be written over, and refuses when they no
// longer all fit. A name or value the roster's encoding cannot hold refuses
// the whole import with a message naming the bot and the key.
RosterPlan ImportPlan(std::vector<SharedBot> bots, Targets targets);

// Carries ImportPlan out on the roster at `path` (WriteRoster): all of it or
// nothing, the file first backed up with a `backupStamp`.
SaveOutcome ImportBots(const std::string& path, const std::vector<SharedBot>& bots, const Targets& targets,
                       const std::string& backupStamp, profile::Transaction* record = nullptr);

} // namespace roster
