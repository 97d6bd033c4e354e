#include "roster/bot_file.h"

#include "profile/profile_file.h"
#include "profile/utf8.h"
#include "roster/numbered_keys.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

namespace roster {
namespace {

std::string unquotedName(std::string_view value) { return std::string(detail::Unquoted(value)); }

const char* const NoRoom = CBT_WORD("roster", "Only %1 of the %2 bots fit after the last bot: a roster holds at most "
                                              "%3 bots. Nothing was imported.");
const char* const Mismatch = CBT_WORD("roster", "Select as many bots to replace as there are bots to import. "
                                                "Nothing was imported.");
const char* const Unholdable = CBT_WORD("roster", "The bot \"%1\" cannot be imported: its %2 holds %3, which a %4 "
                                                  "roster file cannot hold. Nothing was imported.");

// The name key's prefix without its bracket: "BotNames".
std::string_view namePrefix() { return NamePrefix.substr(0, NamePrefix.size() - 1); }

// What identifies a key of one bot, whatever its number and case.
std::string identity(std::string_view prefix, std::string_view rest) { return detail::Identity(prefix, rest); }
std::string identity(const BotKey& key) { return identity(key.prefix, key.rest); }

bool isName(std::string_view prefix, std::string_view rest)
{
    return rest.empty() && detail::Lowered(prefix) == detail::Lowered(namePrefix());
}

// The name and the twelve fields: the keys whose meaning the editor knows.
bool isKnown(std::string_view prefix, std::string_view rest)
{
    if (!rest.empty())
        return false;
    const std::string key = detail::Lowered(prefix) + "[";
    return isName(prefix, rest) || std::any_of(RosterFields.begin(), RosterFields.end(), [&](const RosterField& field) {
               return detail::Lowered(field.keyPrefix) == key;
           });
}


// A per-bot key line of the roster: the first line of its key for its bot.
struct HeldKey {
    std::string identity;
    NumberedKey split;
    const profile::KeyValue* entry;
};
using KeysByNumber = std::array<std::vector<HeldKey>, MaxListedBots>;

KeysByNumber keysByNumber(const std::vector<profile::KeyValue>& entries)
{
    KeysByNumber held;
    std::array<std::unordered_set<std::string>, MaxListedBots> seen;
    for (const profile::KeyValue& entry : entries) {
        std::optional<NumberedKey> split = SplitBotKey(entry.key);
        if (!split)
            continue;
        const auto n = static_cast<std::size_t>(split->number);
        std::string id = identity(split->prefix, split->rest);
        if (seen[n].insert(id).second)
            held[n].push_back({std::move(id), std::move(*split), &entry});
    }
    return held;
}

// How many bots the roster lists: names from BotNames[0] on, up to the
// first that is absent or empty.
std::size_t listedBots(const KeysByNumber& held)
{
    std::size_t listed = 0;
    for (; listed < held.size(); ++listed) {
        const auto name = std::find_if(held[listed].begin(), held[listed].end(),
                                       [](const HeldKey& key) { return isName(key.split.prefix, key.split.rest); });
        if (name == held[listed].end() || unquotedName(name->entry->value).empty())
            break;
    }
    return listed;
}

// The keys of unknown meaning that every listed bot carries with one same
// value, in the first bot's order.
std::vector<const HeldKey*> sharedUnknownKeys(const KeysByNumber& held)
{
    const std::size_t listed = listedBots(held);
    std::vector<const HeldKey*> shared;
    if (listed == 0)
        return shared;
    for (const HeldKey& key : held[0]) {
        if (!isKnown(key.split.prefix, key.split.rest))
            shared.push_back(&key);
    }
    for (std::size_t n = 1; n < listed && !shared.empty(); ++n) {
        std::unordered_map<std::string_view, std::string_view> values;
        for (const HeldKey& key : held[n])
            values.emplace(key.identity, key.entry->value);
        std::erase_if(shared, [&](const HeldKey* key) {
            const auto value = values.find(key->identity);
            return value == values.end() || value->second != key->entry->value;
        });
    }
    return shared;
}

// ImportValues, with the imported bot each value belongs to.
struct PlannedImport {
    std::vector<profile::KeyValue> values;
    std::vector<std::size_t> bot;
};

PlannedImport planImport(const std::vector<SharedBot>& bots, const std::vector<BotIndex>& targets,
                      const std::vector<profile::KeyValue>& entries, TextEncoding encoding)
{
    const KeysByNumber held = keysByNumber(entries);
    const std::vector<const HeldKey*> shared = sharedUnknownKeys(held);
    PlannedImport plan;
    const auto add = [&](std::size_t bot, profile::KeyValue value) {
        plan.values.push_back(std::move(value));
        plan.bot.push_back(bot);
    };
    for (std::size_t n = 0; n < bots.size() && n < targets.size(); ++n) {
        const BotIndex target = targets[n];
        std::unordered_set<std::string> carried;
        for (const BotKey& key : bots[n].keys) {
            carried.insert(identity(key));
            add(n, {key.name(target), key.value});
        }
        // Of the target's own keys, those of the thirteen that the imported
        // bot lacks go, so that nothing of the bot it replaces changes how
        // it plays; the others the game or a mod may need, and stay.
        std::unordered_set<std::string_view> own;
        if (target >= 0 && target < MaxListedBots) {
            for (const HeldKey& key : held[static_cast<std::size_t>(target)]) {
                own.insert(key.identity);
                if (!carried.contains(key.identity) && isKnown(key.split.prefix, key.split.rest))
                    add(n, {key.entry->key, {}, true});
            }
        }
        for (const HeldKey* key : shared) {
            if (!carried.contains(key->identity) && !own.contains(key->identity))
                add(n, {decodeText(key->split.prefix, encoding) + "[" + std::to_string(target) + "]"
                            + decodeText(key->split.rest, encoding),
                        decodeText(key->entry->value, encoding)});
        }
    }
    return plan;
}

// The first character of `text` that no profile line can hold, as U+XXXX.
std::optional<std::string> lineBreaking(std::string_view text)
{
    const std::size_t at = text.find_first_of(std::string_view("\r\n\0", 3));
    if (at == std::string_view::npos)
        return std::nullopt;
    char number[8];
    std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(static_cast<unsigned char>(text[at])));
    return std::string(number);
}

std::size_t countCharacters(std::string_view utf8)
{
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

std::string BotKey::name(BotIndex index) const { return prefix + "[" + std::to_string(index) + "]" + rest; }

std::vector<SharedBot> CollectBots(const std::vector<profile::KeyValue>& entries,
                                   const std::vector<BotIndex>& indexes, TextEncoding encoding)
{
    std::map<int, std::size_t> position; // bot number -> its place in the result
    for (BotIndex index : indexes)
        position.emplace(index, position.size());
    std::vector<SharedBot> bots(indexes.size());
    std::vector<std::set<std::string>> seen(indexes.size());
    for (const profile::KeyValue& entry : entries) {
        const std::optional<NumberedKey> split = SplitBotKey(entry.key);
        if (!split)
            continue;
        const auto at = position.find(split->number);
        if (at == position.end())
            continue;
        BotKey key{split->prefix, split->rest, decodeText(entry.value, encoding)};
        if (!seen[at->second].insert(identity(key)).second)
            continue; // a later line of the same key: the game never reads it
        if (isName(key.prefix, key.rest))
            bots[at->second].name = unquotedName(key.value);
        bots[at->second].keys.push_back(std::move(key));
    }
    return bots;
}

std::string WriteBotFile(const std::vector<SharedBot>& bots, std::string_view program, std::string_view lineEnding)
{
    std::string text = "; Bots shared with " + std::string(program);
    text.append(lineEnding).append("[").append(BotFileSection).append("]").append(lineEnding);
    for (std::size_t n = 0; n < bots.size(); ++n) {
        for (const BotKey& key : bots[n].keys)
            text.append(key.name(static_cast<BotIndex>(n))).append("=").append(key.value).append(lineEnding);
    }
    return text;
}

std::string ExportFileName(std::string_view botName)
{
    constexpr std::size_t MostCharacters = 64;
    constexpr std::size_t MostBytes = 200; // file names end at 255 bytes on Linux
    const auto edge = [](char c) { return c == ' ' || c == '.'; };
    while (!botName.empty() && edge(botName.front()))
        botName.remove_prefix(1);
    while (!botName.empty() && edge(botName.back()))
        botName.remove_suffix(1);

    std::string name;
    std::size_t characters = 0;
    bool replacing = false; // a run of replaced characters gives one "_"
    char32_t c = 0;
    for (std::size_t i = 0; i < botName.size() && characters < MostCharacters;) {
        std::size_t length = profile::nextUtf8(botName, i, c);
        const bool invalid = length == 0;
        if (invalid) {
            length = 1;
            c = 0xFFFD;
        }
        const bool dots = c == '.' && i + 1 < botName.size() && botName[i + 1] == '.';
        const bool replaced = invalid || c < 0x20 || (c >= 0x7F && c <= 0x9F)
            || (c < 0x80 && std::string_view("<>:\"/\\|?*").find(static_cast<char>(c)) != std::string_view::npos)
            || (c == '.' && (dots || replacing)) || c == 0x061C || c == 0x200E || c == 0x200F
            || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
        if (replaced) {
            if (!replacing && name.size() + 1 <= MostBytes) {
                name += '_';
                ++characters;
            }
        } else if (name.size() + length <= MostBytes) {
            name.append(botName.substr(i, length));
            ++characters;
        } else {
            break;
        }
        replacing = replaced;
        i += length;
    }
    while (!name.empty() && edge(name.back())) // the cut may end on one
        name.pop_back();
    if (name.empty())
        name = "bot";

    // Windows opens a device for these names, whatever follows a dot.
    std::string_view stem = std::string_view(name).substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.remove_suffix(1);
    const std::string word = detail::Lowered(stem);
    static const std::array<std::string_view, 6> Devices = {"con", "prn", "aux", "nul", "conin$", "conout$"};
    const bool numbered = (word.starts_with("com") || word.starts_with("lpt"))
        && (word.size() == 4 ? word[3] >= '0' && word[3] <= '9'
                             : word.size() == 5 && (word.ends_with("\xC2\xB9") || word.ends_with("\xC2\xB2")
                                                    || word.ends_with("\xC2\xB3")));
    if (numbered || std::find(Devices.begin(), Devices.end(), word) != Devices.end()) {
        const std::size_t end = stem.size();
        name = name.substr(0, end) + "_" + name.substr(end);
        if (countCharacters(name) > MostCharacters || name.size() > MostBytes) { // "_" takes the last one's place
            while ((static_cast<unsigned char>(name.back()) & 0xC0) == 0x80)
                name.pop_back();
            name.pop_back();
            while (edge(name.back()))
                name.pop_back();
        }
    }
    return name + std::string(BotFileSuffix);
}

int FirstFreeNumber(const std::vector<profile::KeyValue>& entries)
{
    int first = 0;
    for (const profile::KeyValue& entry : entries) {
        if (const std::optional<NumberedKey> split = SplitBotKey(entry.key))
            first = std::max(first, split->number + 1);
    }
    return first;
}

int ReadFirstFreeNumber(const std::string& path)
{
    const profile::LoadedFile file = profile::loadProfile(path);
    return file.state == profile::FileState::Read ? FirstFreeNumber(file.document.entries(BotRoster)) : 0;
}

Targets ChooseTargets(Placement placement, int count, int firstFree, const std::vector<BotIndex>& selected)
{
    Targets targets;
    targets.placement = placement;
    if (placement == Placement::Replace) {
        targets.ok = count > 0 && static_cast<int>(selected.size()) == count;
        if (targets.ok)
            targets.numbers = selected;
        return targets;
    }
    targets.fitting = std::clamp(MaxListedBots - firstFree, 0, count);
    targets.ok = count > 0 && targets.fitting == count;
    if (targets.ok) {
        for (int n = 0; n < count; ++n)
            targets.numbers.push_back(static_cast<BotIndex>(firstFree + n));
    }
    return targets;
}

std::vector<profile::KeyValue> ImportValues(const std::vector<SharedBot>& bots, const std::vector<BotIndex>& targets,
                                            const std::vector<profile::KeyValue>& entries, TextEncoding encoding)
{
    return planImport(bots, targets, entries, encoding).values;
}

CollectedBots ReadRosterBots(const std::string& path, const std::vector<BotIndex>& indexes)
{
    CollectedBots collected;
    const profile::LoadedFile file = profile::loadProfile(path);
    if (file.state != profile::FileState::Read) {
        collected.error = file.state == profile::FileState::Missing ? "The roster file is gone" : file.error;
        return collected;
    }
    const TextEncoding encoding = file.utf16 ? TextEncoding::Utf8 : detectEncoding(file.document.bytes());
    collected.bots = CollectBots(file.document.entries(BotRoster), indexes, encoding);
    return collected;
}

SaveOutcome SaveBotFile(const std::string& path, std::string_view text)
{
    const profile::WriteResult written = profile::replaceFile(path, text);
    if (!written)
        return SaveOutcome::failure({}, written.error);
    return {};
}

RosterPlan ImportPlan(std::vector<SharedBot> bots, Targets targets)
{
    return [bots = std::move(bots), targets = std::move(targets)](const std::vector<profile::KeyValue>& entries,
                                                                  TextEncoding encoding) {
        RosterEdits planned;
        const auto count = static_cast<int>(bots.size());
        if (bots.empty())
            return planned; // nothing to write
        if (targets.placement == Placement::Replace
            && (targets.numbers.size() != bots.size()
                || std::any_of(targets.numbers.begin(), targets.numbers.end(),
                               [](BotIndex n) { return n < 0 || n >= MaxListedBots; }))) {
            planned.refusal = Refusal{Mismatch, {}};
            return planned;
        }
        std::vector<BotIndex> numbers = targets.numbers;
        if (targets.placement == Placement::AfterLast) {
            // Numbered from the file as it is now: whatever came into it
            // since the targets were chosen stays.
            const Targets now = ChooseTargets(Placement::AfterLast, count, FirstFreeNumber(entries), {});
            if (!now.ok) {
                planned.refusal = Refusal{
                    NoRoom, {std::to_string(now.fitting), std::to_string(count), std::to_string(MaxListedBots)}};
                return planned;
            }
            numbers = now.numbers;
        }
        PlannedImport plan = planImport(bots, numbers, entries, encoding);
        for (std::size_t i = 0; i < plan.values.size(); ++i) {
            profile::KeyValue& kv = plan.values[i];
            if (kv.remove)
                continue;
            // The key's name and its value, in the file's encoding.
            std::string refused;
            std::optional<std::string> key = encodeText(kv.key, encoding, &refused);
            std::optional<std::string> bytes = key ? encodeText(kv.value, encoding, &refused) : std::nullopt;
            if (bytes) {
                if (std::optional<std::string> breaking = lineBreaking(*key + *bytes))
                    refused = *breaking;
            }
            if (!refused.empty()) {
                planned.refusal
                    = Refusal{Unholdable, {bots[plan.bot[i]].name, kv.key, refused, encodingName(encoding)}};
                return planned;
            }
            kv.key = std::move(*key);
            kv.value = std::move(*bytes);
        }
        planned.edits = std::move(plan.values);
        return planned;
    };
}

SaveOutcome ImportBots(const std::string& path, const std::vector<SharedBot>& bots, const Targets& targets,
                       const std::string& backupStamp, profile::Transaction* record)
{
    return WriteRoster(path, ImportPlan(bots, targets), backupStamp, record);
}

} // namespace roster
