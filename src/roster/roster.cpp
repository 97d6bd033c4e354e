#include "roster/roster.h"

#include "profile/profile_file.h"

#include <algorithm>
#include <cctype>

namespace roster {
namespace {

const std::string InUse = CBT_WORD("roster", "The roster file is in use by another program (is the game running?)");

// Why a read or a write failed, in the player's terms where the system's
// words would not tell them what to do.
std::string reasonOf(const std::string& error, bool inUse) { return inUse ? InUse : error; }

// The refusal of a text the file cannot hold (`what`: e.g. "\"Ł\" (U+0141)" or "a line feed").
SaveOutcome refusal(const std::string& key, const std::string& what, TextEncoding encoding,
                    std::string_view nothingSaved)
{
    return SaveOutcome::refusal(
        key, CBT_WORD("roster", "The value for %1 holds %2, which a %3 roster file cannot hold. %4"),
        {key, what, encodingName(encoding), std::string(nothingSaved)});
}

const char* const NothingOfBot = CBT_WORD("roster", "Nothing of this bot was saved.");
const char* const NothingOfBots = CBT_WORD("roster", "Nothing of these bots was saved.");

// The file's bytes for a text, or the refusal that names the key: a
// character the file's encoding cannot hold, or one that would split the line.
SaveOutcome encodeFor(const std::string& key, std::string_view text, TextEncoding encoding, std::string& bytes,
                      std::string_view nothingSaved = NothingOfBot)
{
    std::string refused;
    auto encoded = encodeText(text, encoding, &refused);
    if (!encoded)
        return refusal(key, refused, encoding, nothingSaved);
    if (auto what = profile::unsafeCharacter(*encoded))
        return refusal(key, *what, encoding, nothingSaved);
    bytes = std::move(*encoded);
    return {};
}

// Whether a value would read back blank: the listing of names ends at such
// a name, and every bot after it drops out of reach.
bool readsBackBlank(const std::string& bytes)
{
    const profile::Document line("[n]\nn=" + bytes + "\n");
    const std::optional<std::string_view> value = line.find("n", "n");
    return !value || profile::trimSpaces(*value).empty();
}

// Two equal fingerprints: the same bytes, read the same way.
std::optional<std::size_t> fingerprintOf(const profile::LoadedFile& file)
{
    if (file.state != profile::FileState::Read)
        return std::nullopt;
    const std::size_t text = std::hash<std::string_view>{}(file.document.bytes());
    return file.utf16 ? ~text : text;
}

// A value as a reading gives it: the count of characters copied and the
// text (up to the first NUL, blanks at both ends removed, in UTF-8).
struct RosterValue {
    std::size_t count = 0;
    std::string text;
    bool found = false; // false: the key is absent and `text` is the default
};

const char* const BlankName = CBT_WORD("roster", "A bot's name cannot be blank: the list of bots would end at it, "
                                                  "and the bots after it could no longer be reached. %1");

} // namespace

std::string FillPattern(std::string_view pattern, const std::vector<std::string>& arguments)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t n
            = i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : arguments.size();
        if (pattern[i] == '%' && n < arguments.size() && n < 9) {
            text += arguments[n];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

// One reading of the file, shared by the reads of one operation so that
// listing 101 names or loading twelve fields reads the file once.
class RosterFile::Reading {
public:
    explicit Reading(const std::string& path)
        : path_(path), file_(profile::loadProfile(path)),
          encoding_(file_.utf16 ? TextEncoding::Utf8 : detectEncoding(file_.document.bytes()))
    {
    }

    bool unusable() const { return file_.state == profile::FileState::Unusable; }
    bool missing() const { return file_.state == profile::FileState::Missing; }
    std::optional<std::size_t> fingerprint() const { return fingerprintOf(file_); }
    std::string error() const { return reasonOf(file_.error, file_.inUse); }
    bool inUse() const { return file_.inUse; }

    // Many keys of the roster section, found in one pass over it: what each
    // holds, in the order of `keys` (nothing for an absent key).
    std::vector<std::optional<std::string_view>> lookUp(const std::vector<std::string>& keys) const
    {
        return file_.document.findAll(BotRoster, keys);
    }

    // What a key holds, read as the game's read service gives it, with the
    // raw bytes kept for the listing's comparison against the default.
    RosterValue value(std::optional<std::string_view> held, std::string* rawText = nullptr) const
    {
        profile::ProfileText read;
        if (held)
            read = profile::profileText(held, {}, profile::WholeValue);
        else
            read = {absent_.size(), absent_, false};
        std::string_view text = read.text;
        text = profile::trimSpaces(text.substr(0, text.find('\0')));
        if (rawText)
            *rawText = text;
        return {read.count, decodeText(text, encoding_), read.found};
    }

    // What an absent key gives back: the path, as the read service gives it.
    const std::string& defaultText() const { return absent_; }

private:
    const std::string& path_;
    profile::LoadedFile file_;
    TextEncoding encoding_;
    std::string absent_ = profile::profileText(std::nullopt, path_, profile::WholeValue).text;
};

std::string FormKey(std::string_view keyPrefix, BotIndex index)
{
    return std::string(keyPrefix) + std::to_string(index) + "]";
}

bool IsRosterFileName(std::string_view path)
{
    constexpr std::string_view expected = "COVERTSTRIKEUSER.INI";
    if (path.size() < expected.size())
        return false;
    const std::string_view tail = path.substr(path.size() - expected.size());
    return std::equal(tail.begin(), tail.end(), expected.begin(), [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) == static_cast<unsigned char>(b);
    });
}

void RosterFile::notify(Access access, std::string_view key) const
{
    if (observer_)
        observer_(access, key);
}

BotNameList RosterFile::ListBotNames() const
{
    BotNameList list;
    Reading reading(path_);
    if (reading.unusable()) {
        list.error = reading.error();
        return list;
    }
    listNames(reading, list);
    return list;
}

void RosterFile::listNames(Reading& reading, BotNameList& list) const
{
    std::vector<std::string> keys;
    for (int n = 0; n < MaxListedBots; ++n)
        keys.push_back(FormKey(NamePrefix, static_cast<BotIndex>(n)));
    const auto held = reading.lookUp(keys);
    const std::string& absent = reading.defaultText();
    for (std::size_t n = 0; n < keys.size(); ++n) {
        notify(Access::Read, keys[n]);
        if (!held[n])
            break;
        std::string raw;
        RosterValue name = reading.value(held[n], &raw);
        if (name.count == 0) {
            list.endedOnEmptyName = true;
            break;
        }
        // A text that begins with the default is taken for an absent key.
        if (!name.found || raw.starts_with(absent))
            break;
        list.names.push_back(std::move(name.text));
    }
}

LoadedBot RosterFile::LoadBot(BotIndex index) const
{
    LoadedBot bot;
    Reading reading(path_);
    if (reading.unusable()) {
        bot.error = reading.error();
        return bot;
    }
    std::vector<std::string> keys;
    for (const RosterField& field : RosterFields)
        keys.push_back(FormKey(field.keyPrefix, index));
    loadFields(reading, keys.data(), reading.lookUp(keys).data(), bot.fields);
    return bot;
}

void RosterFile::loadFields(const Reading& reading, const std::string* keys,
                            const std::optional<std::string_view>* held, std::array<LoadedField, 12>& fields) const
{
    for (std::size_t box = 0; box < RosterFields.size(); ++box) {
        notify(Access::Read, keys[box]);
        LoadedField& field = fields[box];
        if (!held[box]) { // the default it would read is of no use here
            field.state = FieldState::Absent;
            continue;
        }
        RosterValue value = reading.value(held[box]);
        if (value.count == 0) {
            field.state = FieldState::Empty;
        } else {
            field.state = FieldState::Present;
            field.text = std::move(value.text);
        }
    }
}

RosterSnapshot RosterFile::LoadRoster() const
{
    RosterSnapshot roster;
    Reading reading(path_);
    if (reading.missing())
        return roster;
    if (reading.unusable()) {
        roster.state = RosterState::Unreadable;
        roster.error = reading.error();
        roster.inUse = reading.inUse();
        return roster;
    }
    roster.state = RosterState::Read;
    roster.fingerprint = reading.fingerprint();
    BotNameList list;
    listNames(reading, list);
    roster.endedOnEmptyName = list.endedOnEmptyName;
    // All the listed bots' fields in one more pass over the section.
    std::vector<std::string> keys;
    for (std::size_t n = 0; n < list.names.size(); ++n) {
        for (const RosterField& field : RosterFields)
            keys.push_back(FormKey(field.keyPrefix, static_cast<BotIndex>(n)));
    }
    const auto held = reading.lookUp(keys);
    roster.bots.resize(list.names.size());
    for (std::size_t n = 0; n < list.names.size(); ++n) {
        roster.bots[n].name = std::move(list.names[n]);
        const std::size_t first = n * RosterFields.size();
        loadFields(reading, &keys[first], &held[first], roster.bots[n].fields);
    }
    return roster;
}

SaveOutcome RosterFile::SaveBot(BotIndex index, const BotEdit& edit, profile::Transaction* record) const
{
    return SaveBots({{index, edit}}, record);
}

SaveOutcome RosterFile::SaveBots(const BotEdits& bots, profile::Transaction* record) const
{
    // The keys in the save order, bot after bot: the name, then the changed
    // fields. A renamed bot's name is checked for reading back blank.
    std::vector<std::pair<std::string, std::string_view>> texts;
    std::vector<std::size_t> names; // the positions in `texts` of new names
    std::string backupStamp;
    for (const auto& [index, edit] : bots) {
        if (edit.nameChanged) {
            names.push_back(texts.size());
            texts.emplace_back(FormKey(NamePrefix, index), edit.name);
        }
        for (int box : ControlOrder) {
            if (edit.changed[box])
                texts.emplace_back(FormKey(RosterFields[box].keyPrefix, index), edit.values[box]);
        }
        if (backupStamp.empty())
            backupStamp = edit.backupStamp;
    }
    SaveOutcome outcome;
    if (texts.empty())
        return outcome;
    const std::string nothingSaved
        = bots.size() == 1 ? NothingOfBot : NothingOfBots;

    // Everything is checked against the file's encoding, as the write reads
    // the file, before anything is written; the backup comes last, so that
    // a refused save leaves no copy behind.
    // Plain ASCII is written alike in every encoding: the whole file is
    // looked through for its encoding only when a text is not.
    const bool ascii = std::all_of(texts.begin(), texts.end(), [](const auto& keyText) {
        const std::string_view text = keyText.second;
        return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    });
    bool backedUp = false;
    const auto prepare = [&](const profile::LoadedFile& file, std::vector<profile::KeyValue>& values) {
        // A save never makes the file or a bot anew.
        for (const auto& [index, edit] : bots) {
            if (edit.mustExist && file.state != profile::FileState::Read) {
                outcome = SaveOutcome::vanished(Gone::File);
                return false;
            }
            if (edit.mustExist && !file.document.find(BotRoster, FormKey(NamePrefix, index))) {
                outcome = SaveOutcome::vanished(Gone::Bot);
                outcome.failedKey = FormKey(NamePrefix, index);
                return false;
            }
        }
        const TextEncoding encoding
            = (file.utf16 || ascii) ? TextEncoding::Utf8 : detectEncoding(file.document.bytes());
        values.clear();
        values.reserve(texts.size());
        for (const auto& [key, text] : texts) {
            // Plain ASCII is its own bytes in every encoding.
            if (ascii && !profile::unsafeCharacter(text)) {
                values.push_back({key, std::string(text)});
                continue;
            }
            std::string bytes;
            if (SaveOutcome refused = encodeFor(key, text, encoding, bytes, nothingSaved); !refused.ok) {
                outcome = std::move(refused);
                return false;
            }
            values.push_back({key, std::move(bytes)});
        }
        for (std::size_t name : names) {
            if (readsBackBlank(values[name].value)) {
                outcome = SaveOutcome::refusal(values[name].key, BlankName, {nothingSaved});
                return false;
            }
        }
        if (!backupStamp.empty() && !backedUp) {
            const profile::Backup backup = profile::backUpProfile(path_, backupStamp, KeptBackups);
            if (!backup.result) {
                outcome = SaveOutcome::refusal(
                    values.front().key,
                    CBT_WORD("roster", "The roster file could not be backed up before saving: %1. %2"),
                    {reasonOf(backup.result.error, backup.result.inUse), nothingSaved});
                return false;
            }
            backedUp = true;
            outcome.backup = backup.made;
        }
        for (const profile::KeyValue& kv : values)
            notify(Access::Write, kv.key);
        return true;
    };

    // All the keys in one transaction: the file gets all of them or none.
    const profile::WriteResult written = profile::writeProfileStrings(BotRoster, prepare, path_, {}, record);
    if (!written && !written.refused) {
        std::string backup = std::move(outcome.backup);
        outcome = SaveOutcome::failure(texts.front().first, reasonOf(written.error, written.inUse), written.inUse);
        outcome.backup = std::move(backup); // made all the same
    }
    return outcome;
}

} // namespace roster
