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

// A key split around the bot's number: prefix + "[" + number + "]" + rest.
struct BotKey {
    std::string prefix; // "BotSkills"
    std::string rest;   // usually empty
    std::string value;  // raw value, blanks around it removed, quotes kept
    std::string name(BotIndex index) const;
};

// "BotSkills[12]" gives {"BotSkills", ""} and 12; nothing for a key without
// a plain decimal number in its first brackets.
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
// bot's keys renumbered from 0. LF endings.
std::string WriteBotFile(const std::vector<SharedBot>& bots, std::string_view program);

struct BotFileReading {
    std::vector<SharedBot> bots; // by their numbers in the file
    std::string error;           // a whole sentence; set when nothing can be imported
};

// Reads a bot file's bytes: CRLF, LF or CR, a UTF-8 or UTF-16LE byte-order
// mark or none, blank and comment lines. Refuses what is too large, not
// UTF-8, has no [CovertstrikeBots] section, no bots, or a bot without a name
// (or a number beyond the roster's last) with an error naming the problem.
BotFileReading ReadBotFile(std::string_view bytes);

// Where imported bots go.
enum class Placement { AfterLast, Replace };

struct Targets {
    std::vector<BotIndex> numbers;
    int fitting = 0; // AfterLast: how many bots fit after the last listed one
    bool ok = false;
};

// AfterLast: the numbers after the `listed` bots, none beyond the last
// listed number (100); all or none. Replace: the `selected` bots, in order,
// when there are exactly `count` of them.
Targets ChooseTargets(Placement placement, int count, int listed, const std::vector<BotIndex>& selected);

// What an import writes, in UTF-8: bot after bot, every key the imported
// bot holds at its target number, then the removal of the target's other
// per-bot keys (from `entries`, the roster's section as it stands) so that
// the bot plays exactly as exported.
std::vector<profile::KeyValue> ImportValues(const std::vector<SharedBot>& bots, const std::vector<BotIndex>& targets,
                                            const std::vector<profile::KeyValue>& entries);

// The bots at `indexes` of the roster file at `path`, from one reading.
struct CollectedBots {
    std::vector<SharedBot> bots;
    std::string error; // the file cannot be read
};
CollectedBots ReadRosterBots(const std::string& path, const std::vector<BotIndex>& indexes);

// Writes a bot file's text to `path`, atomically; the system's reason on failure.
SaveOutcome SaveBotFile(const std::string& path, std::string_view text);

// Imports `bots` at `targets` into the roster at `path` in one transaction
// (ImportValues on the file as the write reads it): all of it or nothing.
// A name or value the roster's encoding cannot hold refuses the whole
// import with a message naming the bot and the key. With a `backupStamp`
// the file is first backed up, as a save backs it up.
SaveOutcome ImportBots(const std::string& path, const std::vector<SharedBot>& bots,
                       const std::vector<BotIndex>& targets, const std::string& backupStamp);

} // namespace roster
