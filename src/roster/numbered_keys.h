#pragma once

// A section's per-bot keys sorted by the bot's number, and the edits that
// give a number the keys of a bot: what reshaping the roster, changing a
// library file and dealing a roster share. Internal to the roster room.

#include "profile/profile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace roster::detail {

// One key of one bot, as the section's key lines hold it.
struct HeldKey {
    std::string_view key;    // as spelled in the file
    std::string_view prefix; // before the brackets
    std::string_view rest;   // after them
    std::string_view value;  // blanks around it removed, quotes kept
    std::string identity;    // the same key at any number: lower-cased, number left out
};

// A key to give a bot: its name around the number, and its value in the
// file's bytes.
struct KeyParts {
    std::string_view prefix;
    std::string_view rest;
    std::string_view value;
};

std::string Lowered(std::string_view text);
std::string Identity(std::string_view prefix, std::string_view rest);

// The value without one pair of matching outer quotes and the spaces then
// around it: a name as the game reads it.
std::string_view Unquoted(std::string_view value);

// The per-bot keys (see roster::SplitBotKey) of the numbers 0 to
// `numbers` - 1, from a section's key lines; keys of higher numbers and
// keys without a number are left out. Of a key written twice for one
// number, the first line counts, as the game reads it.
class NumberedKeys {
public:
    // Holds views into `entries`, which must outlive it.
    NumberedKeys(const std::vector<profile::KeyValue>& entries, int numbers);
    NumberedKeys(std::vector<profile::KeyValue>&& entries, int numbers) = delete;

    int numbers() const { return static_cast<int>(keys_.size()); }
    const std::vector<HeldKey>& at(int number) const { return keys_[static_cast<std::size_t>(number)]; }
    // The highest number that holds any key; -1 for none.
    int highest() const;
    // How many bots the roster lists: the numbers from 0 whose name is
    // present and, without its quotes and blanks, not empty.
    int listed() const;
    // The name at `number` without its quotes and blanks; nothing when absent.
    std::optional<std::string_view> name(int number) const;
    std::optional<std::string_view> value(int number, std::string_view identity) const;

private:
    std::vector<std::vector<HeldKey>> keys_;
};

// Appends the edits that leave `number` holding exactly `keys` (each at
// most once): a key's value is set unless the number holds it already with
// those very bytes, and the keys the number held that `keys` lack go.
void PlaceKeys(const NumberedKeys& held, int number, const std::vector<KeyParts>& keys,
               std::vector<profile::KeyValue>& edits);

// The keys the number holds, as PlaceKeys takes them.
std::vector<KeyParts> PartsOf(const std::vector<HeldKey>& keys);

// Appends the edits that give every number m the keys number
// `sourceOf[m]` holds now (-1: none), for the numbers whose source is
// another one.
void Renumber(const NumberedKeys& held, const std::vector<int>& sourceOf, std::vector<profile::KeyValue>& edits);

} // namespace roster::detail
