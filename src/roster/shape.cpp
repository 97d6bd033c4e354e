#include "roster/shape.h"

#include "profile/profile_file.h"
#include "roster/numbered_keys.h"

#include <algorithm>
#include <set>

namespace roster {
namespace {

using detail::NumberedKeys;

// The lower case of a letter that has one among U+0000 to U+07FF (every
// such pair stays within those code points).
char32_t folded(char32_t c)
{
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if (c < 0xC0)
        return c;
    if (c <= 0xDE)
        return c == 0xD7 ? c : c + 32; // not the multiplication sign
    if (c >= 0x100 && c <= 0x17F) {
        if (c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F)
            return c; // dotted I, dotless i, kra, 'n, long s: no simple pair
        if (c == 0x178)
            return 0xFF;
        const bool upperOdd = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        return c % 2 == (upperOdd ? 1u : 0u) ? c + 1 : c;
    }
    if ((c >= 0x391 && c <= 0x3A9 && c != 0x3A2) || (c >= 0x410 && c <= 0x42F))
        return c + 32; // Greek, Cyrillic
    if (c >= 0x400 && c <= 0x40F)
        return c + 80;
    return c;
}

const char* const NoSuchBot = CBT_WORD("roster", "There is no bot %1 in the list of bots. Nothing was changed.");

Refusal noSuchBot(int number) { return {NoSuchBot, {std::to_string(number)}}; }

// A name or a value that reads back as `text`: one that the reading would
// unquote keeps its quotes inside another pair.
std::string readingAs(std::string_view text)
{
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front())
        return std::string("\"").append(text).append("\""); // not "\"" + ...: GCC 12's false -Wrestrict
    return std::string(text);
}

bool isNameKey(const BotKey& key)
{
    return key.rest.empty() && detail::Lowered(key.prefix) == "botnames";
}

std::string firstUnused(const std::string& base, int from, const std::vector<std::string>& names, bool bareFirst)
{
    std::set<std::string> used;
    for (const std::string& name : names)
        used.insert(NameKey(name));
    if (bareFirst && !used.contains(NameKey(base)))
        return base;
    // At most 101 names are in use, so one of the next 102 is free.
    for (int n = from;; ++n) {
        std::string candidate = base + " " + std::to_string(n);
        if (!used.contains(NameKey(candidate)))
            return candidate;
    }
}

} // namespace

std::string NameKey(std::string_view name)
{
    const std::size_t first = name.find_first_not_of(" \t");
    name = first == std::string_view::npos ? std::string_view{}
                                            : name.substr(first, name.find_last_not_of(" \t") - first + 1);
    std::string key;
    key.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        const bool pair = (byte & 0xE0) == 0xC0 && i + 1 < name.size()
            && (static_cast<unsigned char>(name[i + 1]) & 0xC0) == 0x80;
        if (!pair) {
            key += static_cast<char>(byte < 0x80 ? folded(byte) : byte);
            continue;
        }
        const char32_t c = folded(((byte & 0x1Fu) << 6) | (static_cast<unsigned char>(name[++i]) & 0x3Fu));
        key += static_cast<char>(0xC0 | (c >> 6));
        key += static_cast<char>(0x80 | (c & 0x3F));
    }
    return key;
}

RosterEdits RemoveBots(const std::vector<profile::KeyValue>& entries, const std::vector<BotIndex>& numbers)
{
    RosterEdits planned;
    std::vector<bool> removed(MaxListedBots, false);
    for (BotIndex number : numbers) {
        if (number < 0 || number >= MaxListedBots) {
            planned.refusal = noSuchBot(number);
            return planned;
        }
        removed[static_cast<std::size_t>(number)] = true;
    }
    std::vector<int> sourceOf(MaxListedBots, -1);
    std::size_t next = 0;
    for (int n = 0; n < MaxListedBots; ++n) {
        if (!removed[static_cast<std::size_t>(n)])
            sourceOf[next++] = n;
    }
    detail::Renumber(NumberedKeys(entries, MaxListedBots), sourceOf, planned.edits);
    return planned;
}

RosterEdits MoveBot(const std::vector<profile::KeyValue>& entries, BotIndex number, Direction direction)
{
    RosterEdits planned;
    const NumberedKeys held(entries, MaxListedBots);
    const int listed = held.listed();
    const int other = direction == Direction::Up ? number - 1 : number + 1;
    if (number < 0 || number >= listed)
        planned.refusal = noSuchBot(number);
    else if (other < 0)
        planned.refusal = Refusal{CBT_WORD("roster", "Bot %1 is the first bot: it cannot move up."),
                                  {std::to_string(number)}};
    else if (other >= listed)
        planned.refusal = Refusal{CBT_WORD("roster", "Bot %1 is the last bot of the list: it cannot move down."),
                                  {std::to_string(number)}};
    if (planned.refusal)
        return planned;
    std::vector<int> sourceOf(MaxListedBots);
    for (int n = 0; n < MaxListedBots; ++n)
        sourceOf[static_cast<std::size_t>(n)] = n;
    std::swap(sourceOf[static_cast<std::size_t>(number)], sourceOf[static_cast<std::size_t>(other)]);
    detail::Renumber(held, sourceOf, planned.edits);
    return planned;
}

AddedNumber NumberForAddedBots(const std::vector<profile::KeyValue>& entries, int count)
{
    const NumberedKeys held(entries, MaxListedBots);
    const int first = held.highest() + 1;
    AddedNumber added;
    added.number = static_cast<BotIndex>(first);
    if (first > held.listed()) {
        added.refusal = Refusal{CBT_WORD("roster", "The list of bots ends at bot %1, which has no name, but "
                                                   "higher numbers hold keys of bots: an added bot could not be "
                                                   "listed. Nothing was added."),
                                {std::to_string(held.listed())}};
    } else if (first + count > MaxListedBots) {
        added.refusal = Refusal{CBT_WORD("roster", "A roster holds at most %1 bots, and %2 more fit in this one. "
                                                   "Nothing was added."),
                                {std::to_string(MaxListedBots), std::to_string(MaxListedBots - first)}};
    }
    return added;
}

std::string NewBotName(const std::vector<std::string>& names) { return firstUnused("New Bot", 2, names, true); }

std::string DuplicateName(std::string_view name, const std::vector<std::string>& names)
{
    std::string base(profile::trimSpaces(name));
    if (base.empty())
        return NewBotName(names);
    int from = 2;
    const std::size_t space = base.rfind(' ');
    const std::string_view digits = space == std::string::npos ? std::string_view{}
                                                               : std::string_view(base).substr(space + 1);
    if (!digits.empty() && digits.size() <= 6 && digits.front() != '0'
        && std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })
        && !profile::trimSpaces(std::string_view(base).substr(0, space)).empty()) {
        from = std::stoi(std::string(digits)) + 1;
        base.erase(space);
    }
    return firstUnused(base, from, names, false);
}

SharedBot MakeNewBot(std::string_view name, const std::array<LoadedField, 12>* like)
{
    SharedBot bot = RenamedBot({}, name);
    for (std::size_t box = 0; like && box < RosterFields.size(); ++box) {
        const LoadedField& field = (*like)[box];
        if (field.state == FieldState::Absent)
            continue;
        const std::string_view prefix = RosterFields[box].keyPrefix;
        bot.keys.push_back({std::string(prefix.substr(0, prefix.size() - 1)), {}, readingAs(field.text)});
    }
    return bot;
}

SharedBot RenamedBot(SharedBot bot, std::string_view name)
{
    bot.name = name;
    const auto key = std::find_if(bot.keys.begin(), bot.keys.end(), isNameKey);
    if (key != bot.keys.end())
        key->value = readingAs(name);
    else
        bot.keys.insert(bot.keys.begin(), {std::string(NamePrefix.substr(0, NamePrefix.size() - 1)), {},
                                           readingAs(name)});
    return bot;
}

} // namespace roster
