#pragma once

// The roster's shape: which bot stands at which number. Removing bots,
// moving one up or down, and the names and keys of bots to add. Each change
// is planned from the roster section's key lines as the write reads them
// (profile::Document::entries(BotRoster)) and comes back as the key edits
// of one transaction, or as a refusal; WriteRoster carries a plan out. A
// line the change leaves alone keeps its bytes, and values move as the
// file's own bytes, never decoded on the way.
//
// Every key of a bot moves with it: the name, the twelve fields and any
// other key whose brackets hold its number (roster::SplitBotKey), the
// numbers 0 to 100 alike whether the list of bots reaches them or not.
// Keys numbered beyond 100 belong to no bot of the roster and are never
// touched; neither are keys without a number.

#include "profile/profile.h"
#include "roster/bot_file.h"
#include "roster/roster_write.h"
#include "roster/roster.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace roster {

// A name as names are compared: without the blanks (spaces, tabs) at its
// ends and without case, letters of ASCII, Latin-1, Latin Extended-A, Greek
// and Cyrillic in either case being alike. Two names are the same when
// their NameKeys are equal.
std::string NameKey(std::string_view name);

// Removes the bots at `numbers` (0 to 100, in any order; a number given
// twice counts once): every number above a removed one takes the keys of
// the next number that stays, listed or not, so that the bots after them
// move up in their order and no gap opens; the highest numbers, left
// over, lose their keys. Refuses a number beyond 100.
RosterEdits RemoveBots(const std::vector<profile::KeyValue>& entries, const std::vector<BotIndex>& numbers);

enum class Direction { Up, Down };

// The bot at `number` and the one above (Up) or below (Down) swap every
// key: a key only one of them holds goes over to the other number. Only
// two listed bots swap: bot 0 cannot move up, and the last listed bot
// cannot move down, where it would fall out of the list.
RosterEdits MoveBot(const std::vector<profile::KeyValue>& entries, BotIndex number, Direction direction);

// The number where added bots start: the one after the highest number
// that holds any key, so that added bots never take over keys left at a
// number (the import then writes them, see roster::ImportBots). Refused
// when `count` bots do not fit below 101, and when that number lies past
// the end of the list (a number below it holds keys but no name), where an
// added bot could not be listed.
struct AddedNumber {
    BotIndex number = 0;
    std::optional<Refusal> refusal;
};
AddedNumber NumberForAddedBots(const std::vector<profile::KeyValue>& entries, int count);

// "New Bot", else "New Bot 2", "New Bot 3"... the first that none of
// `names` is (see NameKey). The name stays English, as all that the
// editor writes into the roster.
std::string NewBotName(const std::vector<std::string>& names);

// A copy's name: "Moth" gives "Moth 2", a name that ends in a number of
// its own after a space counts on from it ("Moth 2" gives "Moth 3",
// "Agent 47" gives "Agent 48"), the first of these that none of `names`
// is.
std::string DuplicateName(std::string_view name, const std::vector<std::string>& names);

// A bot to add, named `name`: with the twelve fields as `like` holds them
// (a present or empty field written as it reads, an absent one left out),
// or with no field keys at all when `like` is null, so that the game uses
// its defaults.
SharedBot MakeNewBot(std::string_view name, const std::array<LoadedField, 12>* like);

// The bot with its name key set to `name` (added when it has none), every
// other key as it was: a duplicate is the collected bot (CollectBots)
// renamed.
SharedBot RenamedBot(SharedBot bot, std::string_view name);

} // namespace roster
