#include "roster/bot_file.h"

#include "profile/profile_file.h"
#include "profile/utf16.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace roster {
namespace {

std::string lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// The name key's prefix without its bracket: "BotNames".
std::string_view namePrefix() { return NamePrefix.substr(0, NamePrefix.size() - 1); }

bool isNameKey(const BotKey& key) { return key.rest.empty() && lowered(key.prefix) == lowered(namePrefix()); }

// What identifies a key of one bot, whatever its number and case.
std::string identity(const BotKey& key) { return lowered(key.prefix) + "[]" + lowered(key.rest); }

std::string unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(profile::trimSpaces(value));
}

} // namespace

std::string BotKey::name(BotIndex index) const { return prefix + "[" + std::to_string(index) + "]" + rest; }

std::optional<NumberedKey> SplitBotKey(std::string_view key)
{
    const std::size_t open = key.find('[');
    if (open == std::string_view::npos)
        return std::nullopt;
    const std::size_t close = key.find(']', open);
    if (close == std::string_view::npos)
        return std::nullopt;
    const std::string_view digits = key.substr(open + 1, close - open - 1);
    // Plain decimal only, so that "[03]" and "[3]" are never taken for one bot.
    if (digits.empty() || digits.size() > 3 || (digits.size() > 1 && digits.front() == '0')
        || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return NumberedKey{std::string(key.substr(0, open)), std::string(key.substr(close + 1)), std::stoi(std::string(digits))};
}

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
        if (isNameKey(key))
            bots[at->second].name = unquoted(key.value);
        bots[at->second].keys.push_back(std::move(key));
    }
    return bots;
}

std::string WriteBotFile(const std::vector<SharedBot>& bots, std::string_view program)
{
    std::string text = "; Bots shared with " + std::string(program) + "\n[" + std::string(BotFileSection) + "]\n";
    for (std::size_t n = 0; n < bots.size(); ++n) {
        for (const BotKey& key : bots[n].keys)
            text.append(key.name(static_cast<BotIndex>(n))).append("=").append(key.value).append("\n");
    }
    return text;
}

BotFileReading ReadBotFile(std::string_view bytes)
{
    BotFileReading reading;
    if (bytes.size() > MaxBotFileBytes) {
        reading.error = "The file is too large for a bot file.";
        return reading;
    }
    std::string text;
    if (bytes.starts_with(profile::Utf16LeMark)) {
        std::string odd;
        text = profile::utf8FromUtf16le(bytes.substr(profile::Utf16LeMark.size()), &odd);
    } else {
        text = std::string(bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes);
    }
    if (!isValidUtf8(text) || text.find('\0') != std::string::npos) {
        reading.error = "The file is not a bot file: it is not UTF-8 text.";
        return reading;
    }
    const profile::Document document(text);
    const std::string header = "[" + std::string(BotFileSection) + "]";
    const std::vector<profile::KeyValue> entries = document.entries(BotFileSection);
    if (entries.empty()) {
        reading.error = "The file is not a bot file: it holds no bots (no " + header + " section with keys).";
        return reading;
    }
    std::map<int, SharedBot> byNumber;
    std::map<int, std::set<std::string>> seen;
    for (const profile::KeyValue& entry : entries) {
        const std::optional<NumberedKey> split = SplitBotKey(entry.key);
        if (!split)
            continue; // keys of the whole roster never travel
        if (split->number >= MaxListedBots) {
            reading.error = "The bot file numbers a bot " + std::to_string(split->number) + " (" + entry.key
                + "), beyond the roster's last number, " + std::to_string(MaxListedBots - 1) + ".";
            return reading;
        }
        BotKey key{split->prefix, split->rest, entry.value};
        if (!seen[split->number].insert(identity(key)).second)
            continue;
        SharedBot& bot = byNumber[split->number];
        if (isNameKey(key))
            bot.name = unquoted(key.value);
        bot.keys.push_back(std::move(key));
    }
    if (byNumber.empty()) {
        reading.error = "The file is not a bot file: it holds no bots.";
        return reading;
    }
    for (auto& [number, bot] : byNumber) {
        if (bot.name.empty()) {
            reading.error = "Bot " + std::to_string(number) + " of the bot file has no name (BotNames["
                + std::to_string(number) + "]), which the roster needs.";
            reading.bots.clear();
            return reading;
        }
        reading.bots.push_back(std::move(bot));
    }
    return reading;
}

Targets ChooseTargets(Placement placement, int count, int listed, const std::vector<BotIndex>& selected)
{
    Targets targets;
    if (placement == Placement::Replace) {
        targets.ok = count > 0 && static_cast<int>(selected.size()) == count;
        if (targets.ok)
            targets.numbers = selected;
        return targets;
    }
    targets.fitting = std::clamp(MaxListedBots - listed, 0, count);
    targets.ok = count > 0 && targets.fitting == count;
    if (targets.ok) {
        for (int n = 0; n < count; ++n)
            targets.numbers.push_back(static_cast<BotIndex>(listed + n));
    }
    return targets;
}

std::vector<profile::KeyValue> ImportValues(const std::vector<SharedBot>& bots, const std::vector<BotIndex>& targets,
                                            const std::vector<profile::KeyValue>& entries)
{
    std::vector<profile::KeyValue> values;
    for (std::size_t n = 0; n < bots.size() && n < targets.size(); ++n) {
        std::set<std::string> held;
        for (const BotKey& key : bots[n].keys) {
            held.insert(identity(key));
            values.push_back({key.name(targets[n]), key.value});
        }
        // The target's keys that the imported bot does not hold go, so that
        // nothing of the bot it replaces stays behind.
        std::set<std::string> removed;
        for (const profile::KeyValue& entry : entries) {
            const std::optional<NumberedKey> split = SplitBotKey(entry.key);
            if (!split || split->number != targets[n])
                continue;
            const std::string id = identity({split->prefix, split->rest, {}});
            if (!held.contains(id) && removed.insert(id).second)
                values.push_back({entry.key, {}, true});
        }
    }
    return values;
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

SaveOutcome ImportBots(const std::string& path, const std::vector<SharedBot>& bots,
                       const std::vector<BotIndex>& targets, const std::string& backupStamp)
{
    SaveOutcome outcome;
    bool backedUp = false;
    const auto prepare = [&](const profile::LoadedFile& file, std::vector<profile::KeyValue>& values) {
        // An import never makes the roster file anew.
        if (file.state != profile::FileState::Read) {
            outcome = SaveOutcome::vanished(Gone::File);
            return false;
        }
        const TextEncoding encoding = file.utf16 ? TextEncoding::Utf8 : detectEncoding(file.document.bytes());
        values = ImportValues(bots, targets, file.document.entries(BotRoster));
        // Which imported bot each key belongs to, for the refusal's words.
        std::size_t bot = 0;
        for (profile::KeyValue& kv : values) {
            while (bot + 1 < targets.size() && SplitBotKey(kv.key)->number != targets[bot])
                ++bot;
            if (kv.remove)
                continue;
            // The key's name and its value, in the file's encoding.
            std::string refused;
            std::optional<std::string> key = encodeText(kv.key, encoding, &refused);
            std::optional<std::string> bytes = key ? encodeText(kv.value, encoding, &refused) : std::nullopt;
            if (!bytes)
                refused = "the character " + refused;
            else if (auto what = profile::unsafeCharacter(*bytes))
                refused = *what;
            if (!refused.empty()) {
                outcome = SaveOutcome::refusal(kv.key, "The bot \"" + bots[bot].name + "\" cannot be imported: its "
                                                   + kv.key + " holds " + refused + ", which a "
                                                   + encodingName(encoding)
                                                   + " roster file cannot hold. Nothing was imported.");
                return false;
            }
            kv.key = std::move(*key);
            kv.value = std::move(*bytes);
        }
        if (!backupStamp.empty() && !backedUp) {
            const profile::Backup backup = profile::backUpProfile(path, backupStamp, KeptBackups);
            if (!backup.result) {
                outcome = SaveOutcome::refusal({}, "The roster file could not be backed up before importing: "
                                                       + backup.result.error + ". Nothing was imported.");
                return false;
            }
            backedUp = true;
            outcome.backup = backup.made;
        }
        return true;
    };
    const profile::WriteResult written = profile::writeProfileStrings(BotRoster, prepare, path);
    if (!written && !written.refused) {
        std::string backup = std::move(outcome.backup);
        outcome = SaveOutcome::failure({}, written.inUse ? "The roster file is in use by another program (is the game running?)" : written.error, written.inUse);
        outcome.backup = std::move(backup);
    }
    return outcome;
}

} // namespace roster
