#include "roster/library.h"

#include "profile/profile_file.h"
#include "roster/numbered_keys.h"
#include "roster/scale.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>
#include <utility>

namespace roster {
namespace {

using detail::NumberedKeys;

const char* const NotPlain = CBT_WORD("roster", "%1 is not a plain file of the library folder (it is a link, a "
                                                "folder or a device), so the library leaves it alone.");
const char* const Changed = CBT_WORD("roster", "The bot file %1 has changed since the library was read. Nothing "
                                               "was changed; read the library again.");

bool endsWithSuffix(std::string_view name)
{
    return name.size() > BotFileSuffix.size()
        && detail::Lowered(name.substr(name.size() - BotFileSuffix.size())) == BotFileSuffix;
}

bool hidden(std::string_view name) { return name.starts_with('.'); }

std::string pathIn(const std::string& folder, std::string_view name) { return folder + "/" + std::string(name); }

std::optional<Refusal> badName(std::string_view name)
{
    const bool bad = name.empty() || hidden(name) || name.find_first_of("/\\:") != std::string_view::npos
        || std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (!bad)
        return std::nullopt;
    return Refusal{CBT_WORD("roster", "\"%1\" cannot name a file of the library: a name there holds no /, \\ or :, "
                                      "and does not begin with a dot."),
                   {std::string(name)}};
}

// The bots of a bot file's text as the library changes them: the numbers
// of its section (`entries`, its key lines) that hold keys, in order.
// Refused when ReadBotFile sees other bots than these (a form the library
// does not write), so that an edit never lands beside the bots it meant.
struct FileBots {
    std::optional<NumberedKeys> keys;
    std::vector<int> numbers;
    std::optional<Refusal> refusal;
};

FileBots botsOf(const profile::Document& document, const std::vector<profile::KeyValue>& entries,
                const std::string& name)
{
    FileBots found;
    const BotFileReading reading = ReadBotFile(document.bytes());
    if (!reading.error.empty()) {
        found.refusal = Refusal{reading.pattern, reading.arguments};
        return found;
    }
    const std::vector<SharedBot>& bots = reading.sections.front().bots;
    found.keys.emplace(entries, MaxListedBots);
    for (int n = 0; n < MaxListedBots; ++n) {
        if (!found.keys->at(n).empty())
            found.numbers.push_back(n);
    }
    bool same = reading.sections.size() == 1 && reading.sections.front().name == BotFileSection
        && found.numbers.size() == bots.size();
    for (std::size_t i = 0; same && i < found.numbers.size(); ++i)
        same = found.keys->name(found.numbers[i]) == std::string_view(bots[i].name);
    if (!same)
        found.refusal = Refusal{CBT_WORD("roster", "The bot file %1 is not in the form the library writes, so the "
                                                   "library does not change it."),
                                {name}};
    return found;
}

// The keys and values a bot holds, in an order of their own: two bots are
// the same bot when these are equal.
std::vector<std::pair<std::string, std::string>> contentOf(const SharedBot& bot)
{
    std::vector<std::pair<std::string, std::string>> content;
    for (const BotKey& key : bot.keys)
        content.emplace_back(detail::Identity(key.prefix, key.rest), key.value);
    std::sort(content.begin(), content.end());
    return content;
}

void findDuplicates(Library& library)
{
    std::unordered_map<std::string, std::size_t> group; // NameKey -> its place in `all`
    std::vector<SameName> all;
    for (std::size_t i = 0; i < library.bots.size(); ++i) {
        const auto [at, added] = group.try_emplace(NameKey(library.bots[i].bot.name), all.size());
        if (added)
            all.push_back({library.bots[i].bot.name, {}, true});
        all[at->second].bots.push_back(i);
    }
    for (SameName& same : all) {
        if (same.bots.size() < 2)
            continue;
        const auto first = contentOf(library.bots[same.bots.front()].bot);
        same.identical = std::all_of(same.bots.begin() + 1, same.bots.end(),
                                     [&](std::size_t i) { return contentOf(library.bots[i].bot) == first; });
        library.duplicates.push_back(std::move(same));
    }
}

// The value of a field the bot holds, as the control's position; nothing
// when absent or not a number.
std::optional<double> positionOf(const SharedBot& bot, int box)
{
    const RosterField& field = RosterFields[static_cast<std::size_t>(box)];
    const std::string prefix = detail::Lowered(field.keyPrefix.substr(0, field.keyPrefix.size() - 1));
    for (const BotKey& key : bot.keys) {
        if (!key.rest.empty() || detail::Lowered(key.prefix) != prefix)
            continue;
        const std::string_view text = detail::Unquoted(key.value);
        if (!IsTypedValue(field, text))
            return std::nullopt;
        return PositionForBoxText(field, text);
    }
    return std::nullopt;
}

SaveOutcome refused(const Refusal& refusal, std::string key = {})
{
    return SaveOutcome::refusal(std::move(key), refusal.pattern, refusal.arguments);
}

SaveOutcome failed(const std::string& name, const profile::WriteResult& written)
{
    return SaveOutcome::failure(name, written.error);
}

// Removes the bots at `places` from one file of the library.
SaveOutcome removeFromFile(const std::string& folder, const std::string& name,
                           const std::vector<std::pair<int, std::string>>& places)
{
    const std::string path = pathIn(folder, name);
    if (profile::entryKind(path) != profile::EntryKind::File)
        return refused({NotPlain, {name}}, name);
    SaveOutcome outcome;
    std::optional<profile::FileStamp> emptied; // of the file read, when no bot stays
    const auto prepare = [&](const profile::LoadedFile& file, std::vector<profile::KeyValue>& values) {
        if (file.state != profile::FileState::Read) {
            outcome = refused({Changed, {name}}, name);
            return false;
        }
        const std::vector<profile::KeyValue> entries = file.document.entries(BotFileSection);
        const FileBots held = botsOf(file.document, entries, name);
        std::set<int> gone;
        for (const auto& [place, botName] : places) {
            const bool there = !held.refusal && place >= 0 && place < static_cast<int>(held.numbers.size())
                && held.keys->name(held.numbers[static_cast<std::size_t>(place)]) == std::string_view(botName);
            if (!there) {
                outcome = refused(held.refusal ? *held.refusal : Refusal{Changed, {name}}, name);
                return false;
            }
            gone.insert(held.numbers[static_cast<std::size_t>(place)]);
        }
        if (gone.size() == held.numbers.size()) {
            emptied = file.stamp;
            return false;
        }
        std::vector<int> sourceOf(static_cast<std::size_t>(held.numbers.back() + 1), -1);
        std::size_t next = 0;
        for (int number : held.numbers) {
            if (!gone.contains(number))
                sourceOf[next++] = number;
        }
        values.clear();
        detail::Renumber(*held.keys, sourceOf, values);
        return true;
    };
    const profile::WriteResult written = profile::writeProfileStrings(BotFileSection, prepare, path);
    if (emptied) {
        // Only the file as it was read goes: one changed since keeps its bots.
        if (profile::readFileBytes(path, MaxBotFileBytes, false).stamp != *emptied)
            return refused({Changed, {name}}, name);
        const profile::WriteResult deleted = profile::deleteFile(path);
        return deleted ? SaveOutcome{} : failed(name, deleted);
    }
    if (!written && !written.refused)
        return failed(name, written);
    return outcome;
}

} // namespace

Library ReadLibrary(const std::string& folder)
{
    Library library;
    library.folder = folder;
    std::string error;
    std::vector<profile::FolderEntry> entries = profile::listFolderEntries(folder, &error);
    if (!error.empty()) {
        library.problem = Refusal{CBT_WORD("roster", "The library folder cannot be read: %1"), {error}};
        return library;
    }
    std::erase_if(entries, [](const profile::FolderEntry& e) { return hidden(e.name) || !endsWithSuffix(e.name); });
    std::sort(entries.begin(), entries.end(),
              [](const profile::FolderEntry& a, const profile::FolderEntry& b) { return a.name < b.name; });
    for (const profile::FolderEntry& entry : entries) {
        LibraryFile file{entry.name, 0, std::nullopt};
        const std::size_t index = library.files.size();
        if (entry.kind != profile::EntryKind::File) {
            file.problem = Refusal{NotPlain, {entry.name}};
            library.files.push_back(std::move(file));
            continue;
        }
        profile::FileBytes read = profile::readFileBytes(pathIn(folder, entry.name), MaxBotFileBytes, false);
        BotFileReading reading;
        if (read.state != profile::FileState::Read)
            file.problem = Refusal{CBT_WORD("roster", "The file cannot be read: %1"), {read.error}};
        else if (reading = ReadBotFile(read.bytes); !reading.error.empty())
            file.problem = Refusal{reading.pattern, reading.arguments};
        // A file of the library holds one roster: the first the reading offers.
        std::vector<SharedBot> bots;
        if (!file.problem)
            bots = std::move(reading.sections.front().bots);
        file.bots = static_cast<int>(bots.size());
        for (std::size_t i = 0; i < bots.size(); ++i)
            library.bots.push_back({std::move(bots[i]), index, static_cast<int>(i)});
        library.files.push_back(std::move(file));
    }
    findDuplicates(library);
    return library;
}

SaveOutcome AddToLibrary(const std::string& folder, std::string_view fileName, const std::vector<SharedBot>& bots,
                         std::string_view program)
{
    if (const std::optional<Refusal> bad = badName(fileName))
        return refused(*bad);
    if (bots.empty())
        return {};
    std::string name(fileName);
    if (!endsWithSuffix(name))
        name += BotFileSuffix;
    const std::string path = pathIn(folder, name);
    const auto noRoom = [&](int room) {
        return refused({CBT_WORD("roster", "The bot file %1 has room for %2 more bots. Nothing was added."),
                        {name, std::to_string(std::max(room, 0))}},
                       name);
    };
    const profile::EntryKind kind = profile::entryKind(path);
    if (kind == profile::EntryKind::Missing) {
        if (bots.size() > static_cast<std::size_t>(MaxListedBots))
            return noRoom(MaxListedBots);
        const profile::WriteResult written = profile::replaceFile(path, WriteBotFile(bots, program));
        return written ? SaveOutcome{} : failed(name, written);
    }
    if (kind != profile::EntryKind::File)
        return refused({NotPlain, {name}}, name);

    SaveOutcome outcome;
    const auto prepare = [&](const profile::LoadedFile& file, std::vector<profile::KeyValue>& values) {
        if (file.state != profile::FileState::Read) {
            outcome = refused({Changed, {name}}, name);
            return false;
        }
        const std::vector<profile::KeyValue> entries = file.document.entries(BotFileSection);
        const FileBots held = botsOf(file.document, entries, name);
        if (held.refusal) {
            outcome = refused(*held.refusal, name);
            return false;
        }
        const int first = held.numbers.empty() ? 0 : held.numbers.back() + 1;
        if (first + static_cast<int>(bots.size()) > MaxListedBots) {
            outcome = noRoom(MaxListedBots - first);
            return false;
        }
        values.clear();
        for (std::size_t i = 0; i < bots.size(); ++i) {
            for (const BotKey& key : bots[i].keys)
                values.push_back({key.name(static_cast<BotIndex>(first + static_cast<int>(i))), key.value});
        }
        return true;
    };
    const profile::WriteResult written = profile::writeProfileStrings(BotFileSection, prepare, path);
    if (!written && !written.refused)
        return failed(name, written);
    return outcome;
}

SaveOutcome RemoveFromLibrary(const Library& library, const std::vector<std::size_t>& bots)
{
    std::map<std::size_t, std::vector<std::pair<int, std::string>>> byFile;
    for (std::size_t i : bots) {
        if (i < library.bots.size())
            byFile[library.bots[i].file].emplace_back(library.bots[i].place, library.bots[i].bot.name);
    }
    for (const auto& [file, places] : byFile) {
        SaveOutcome outcome = removeFromFile(library.folder, library.files[file].name, places);
        if (!outcome.ok)
            return outcome;
    }
    return {};
}

TakenFile TakeIntoLibrary(const std::string& folder, const std::string& path)
{
    TakenFile taken;
    const profile::FileBytes source = profile::readFileBytes(path, MaxBotFileBytes, true);
    if (source.state != profile::FileState::Read) {
        taken.outcome = SaveOutcome::failure({}, source.error);
        return taken;
    }
    if (const BotFileReading reading = ReadBotFile(source.bytes); !reading.error.empty()) {
        taken.outcome = refused({reading.error, {}});
        return taken;
    }
    std::string base = path.substr(path.find_last_of("/\\") + 1);
    if (endsWithSuffix(base))
        base.erase(base.size() - BotFileSuffix.size());
    base.erase(0, base.find_first_not_of(". "));
    if (base.empty())
        base = "Bots";
    std::string error;
    std::set<std::string> used;
    for (const profile::FolderEntry& entry : profile::listFolderEntries(folder, &error))
        used.insert(detail::Lowered(entry.name));
    if (!error.empty()) {
        taken.outcome = refused({CBT_WORD("roster", "The library folder cannot be read: %1"), {error}});
        return taken;
    }
    taken.name = base + std::string(BotFileSuffix);
    for (int n = 2; used.contains(detail::Lowered(taken.name)); ++n)
        taken.name = base + " " + std::to_string(n) + std::string(BotFileSuffix);
    const profile::WriteResult written = profile::replaceFile(pathIn(folder, taken.name), source.bytes);
    if (!written)
        taken.outcome = failed(taken.name, written);
    return taken;
}

bool passes(const SharedBot& bot, const BotFilter& filter)
{
    if (const std::string part = filter.name.empty() ? std::string() : NameKey(filter.name);
        !part.empty() && NameKey(bot.name).find(part) == std::string::npos)
        return false;
    if (filter.team) {
        const std::optional<double> team = positionOf(bot, 2);
        if (!team || *team != *filter.team)
            return false;
    }
    for (const FieldSetting& range : filter.ranges) {
        if (range.box < 0 || range.box >= static_cast<int>(RosterFields.size()))
            continue;
        const RosterField& field = RosterFields[static_cast<std::size_t>(range.box)];
        if (field.scale == ScaleKind::None)
            continue;
        const int low = std::clamp(std::min(range.lowest, range.highest), field.minimum, field.maximum);
        const int high = std::clamp(std::max(range.lowest, range.highest), field.minimum, field.maximum);
        const std::optional<double> position = positionOf(bot, range.box);
        if (!position || (low > field.minimum && *position < low) || (high < field.maximum && *position > high))
            return false;
    }
    return true;
}

} // namespace roster
