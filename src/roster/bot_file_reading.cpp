// Reading bot files and texts pasted from elsewhere.

#include "roster/bot_file.h"
#include "roster/numbered_keys.h"

#include "profile/utf16.h"
#include "profile/utf8.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace roster {
namespace {

using profile::appendUtf8;
using profile::nextUtf8;

const char* const TooLarge = CBT_WORD("roster", "The file is too large for a bot file.");
const char* const NotText = CBT_WORD("roster", "The file is not a bot file: it is not UTF-8 text.");
const char* const NoSection
    = CBT_WORD("roster", "The file is not a bot file: it holds no bots (no %1 section, and no section with %2 keys).");
const char* const NoBots = CBT_WORD("roster", "The file is not a bot file: its section %1 holds no bots.");
const char* const SecondSection = CBT_WORD(
    "roster", "The bot file holds a second %1 section, on line %2: which of them holds the bots is not certain.");
const char* const BeyondLast
    = CBT_WORD("roster", "The key %1 on line %2 numbers a bot beyond the roster's last number, %3.");
const char* const ZeroPadded = CBT_WORD(
    "roster", "The key %1 on line %2 numbers its bot with a leading zero, which the game never reads: write %3.");
const char* const ControlInKey
    = CBT_WORD("roster", "The key %1 on line %2 holds a control character (%3), which a roster file cannot hold.");
const char* const ControlInValue = CBT_WORD(
    "roster", "The value of %1 on line %2 holds a control character (%3), which a roster file cannot hold.");
const char* const LongValue = CBT_WORD(
    "roster", "The value of %1 on line %2 is longer than %3 characters, the longest name a roster allows.");
const char* const LongName
    = CBT_WORD("roster", "Line %1 holds a key or a section name longer than %2 characters, which no roster uses.");
const char* const NoName = CBT_WORD("roster", "Bot %1 of %2 has no name (%3), which the roster needs.");
const char* const BlankName = CBT_WORD(
    "roster", "Bot %1 of %2 has a name of blanks only (%3): the roster's list of bots would end at it.");
const char* const NotFound = CBT_WORD("roster", "The file was not found.");
const char* const NotRegular
    = CBT_WORD("roster", "The file is not a bot file: it is a folder or a device, not a regular file.");
const char* const CannotRead = CBT_WORD("roster", "The file cannot be read: %1.");

BotFileReading refused(const char* pattern, std::vector<std::string> arguments = {})
{
    BotFileReading reading;
    reading.error = FillPattern(pattern, arguments);
    reading.pattern = pattern;
    reading.arguments = std::move(arguments);
    return reading;
}

// Blanks that the profile rules trim around names and values.
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v'; }

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

bool isControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

std::string codePoint(char c)
{
    char text[8];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(static_cast<unsigned char>(c)));
    return text;
}

// A key as a message shows it: a control character as its picture
// (U+2400...), and no longer than a line.
std::string shown(std::string_view key)
{
    constexpr std::size_t Longest = 64;
    std::string out;
    std::size_t characters = 0;
    char32_t c = 0;
    for (std::size_t i = 0; i < key.size(); ++characters) {
        if (characters == Longest)
            return out + "\xE2\x80\xA6"; // "…"
        std::size_t length = nextUtf8(key, i, c);
        if (length == 0) { // never in a text that was checked first
            length = 1;
            c = 0xFFFD;
        }
        appendUtf8(out, c < 0x20 ? 0x2400 + c : c == 0x7F ? char32_t{0x2421} : c);
        i += length;
    }
    return out;
}

std::size_t characterCount(std::string_view utf8)
{
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// What the first brackets of a key hold.
struct BracketNumber {
    enum class Kind { None, Plain, LeadingZero, Beyond } kind = Kind::None;
    int number = 0;
    std::size_t open = 0, close = 0;
};

BracketNumber bracketNumber(std::string_view key)
{
    BracketNumber found;
    found.open = key.find('[');
    found.close = found.open == std::string_view::npos ? found.open : key.find(']', found.open);
    if (found.close == std::string_view::npos)
        return found;
    const std::string_view digits = key.substr(found.open + 1, found.close - found.open - 1);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return found;
    if (digits.size() > 1 && digits.front() == '0') {
        found.kind = BracketNumber::Kind::LeadingZero;
    } else if (digits.size() > 3) {
        found.kind = BracketNumber::Kind::Beyond;
    } else {
        found.number = std::stoi(std::string(digits));
        found.kind = found.number < MaxListedBots ? BracketNumber::Kind::Plain : BracketNumber::Kind::Beyond;
    }
    return found;
}

std::string unquotedName(std::string_view value) { return std::string(detail::Unquoted(value)); }

// One key line of a section, as the profile rules read it.
struct KeyLine {
    std::string_view key;
    std::string_view value;
    std::size_t line = 0;
};

struct ScannedSection {
    std::string_view name;
    std::size_t line = 0;
    std::vector<KeyLine> keys;
};

// The sections a text offers: its [CovertstrikeBots] section when it has
// one, else each section holding a BotNames[n] key. One pass, the lines
// split and read as the profile engine reads them.
struct Scan {
    std::vector<ScannedSection> sections;
    std::size_t secondOwnSection = 0; // the line of a second [CovertstrikeBots]
};

Scan scanSections(std::string_view text)
{
    Scan scan;
    std::vector<ScannedSection> candidates;
    std::optional<ScannedSection> own;
    ScannedSection current;
    bool inSection = false;
    bool holdsNames = false;
    const auto close = [&] {
        if (!inSection)
            return;
        if (!own && sameName(current.name, BotFileSection))
            own = std::move(current);
        else if (holdsNames)
            candidates.push_back(std::move(current));
        current = {};
        inSection = holdsNames = false;
    };
    std::size_t number = 0;
    for (std::size_t begin = 0; begin < text.size();) {
        ++number;
        std::size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = trimBlanks(text.substr(begin, end - begin));
        begin = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            close();
            const std::string_view name = trimBlanks(line.substr(1, line.find(']') - 1));
            if (own && sameName(name, BotFileSection)) {
                scan.secondOwnSection = number;
                return scan;
            }
            current.name = name;
            current.line = number;
            inSection = true;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos)
            continue;
        const KeyLine key{trimBlanks(line.substr(0, equals)), trimBlanks(line.substr(equals + 1)), number};
        if (!holdsNames && bracketNumber(key.key).kind != BracketNumber::Kind::None) {
            const std::size_t open = key.key.find('[');
            holdsNames = sameName(key.key.substr(0, open + 1), NamePrefix)
                && key.key.find(']', open) == key.key.size() - 1;
        }
        current.keys.push_back(key);
    }
    close();
    if (own)
        scan.sections.push_back(std::move(*own));
    else
        scan.sections = std::move(candidates);
    return scan;
}

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Which keys of which bots a section has shown so far, ASCII letters in
// either case alike: one flat table of 8-byte slots probed in turn, so that
// a file of hundreds of thousands of keys costs about one memory access
// each (a set of strings spent most of such a file's reading waiting for
// memory).
class SeenKeys {
public:
    SeenKeys(const std::vector<KeyLine>& lines)
        : lines_(lines), slots_(std::bit_ceil(std::max<std::size_t>(16, lines.size() * 2)))
    {
    }

    // Whether this is the first line of this key for bot `bot`; the key line
    // at `line` (a bot file has fewer than 2^32) stands for it from then on.
    bool firstTime(int bot, std::string_view prefix, std::string_view rest, std::size_t line)
    {
        std::uint64_t hash = 14695981039346656037u ^ static_cast<std::uint64_t>(bot); // FNV-1a
        for (std::string_view part : {prefix, std::string_view("[]", 2), rest}) {
            for (char c : part)
                hash = (hash ^ static_cast<unsigned char>(lowerAscii(c))) * 1099511628211u;
        }
        const auto tag = static_cast<std::uint32_t>(hash >> 32);
        for (std::size_t at = hash & (slots_.size() - 1);; at = (at + 1) & (slots_.size() - 1)) {
            Slot& slot = slots_[at];
            if (slot.line == 0) {
                slot = {tag, static_cast<std::uint32_t>(line + 1)};
                return true;
            }
            if (slot.tag == tag) {
                const std::string_view other = lines_[slot.line - 1].key;
                const BracketNumber number = bracketNumber(other);
                if (number.number == bot && sameName(other.substr(0, number.open), prefix)
                    && sameName(other.substr(number.close + 1), rest))
                    return false;
            }
        }
    }

private:
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t line = 0; // 0: empty
    };
    const std::vector<KeyLine>& lines_;
    std::vector<Slot> slots_;
};

// The bots of one section, every check made, or the refusal.
std::optional<BotFileReading> collectSection(const ScannedSection& scanned, BotSection& section)
{
    section.name = std::string(scanned.name);
    section.line = scanned.line;
    const std::string header = "[" + section.name + "]";
    if (section.name.size() > MaxNameCharacters && characterCount(section.name) > MaxNameCharacters)
        return refused(LongName, {std::to_string(scanned.line), std::to_string(MaxNameCharacters)});
    std::array<std::optional<SharedBot>, MaxListedBots> bots;
    SeenKeys seen(scanned.keys);
    for (std::size_t index = 0; index < scanned.keys.size(); ++index) {
        const KeyLine& line = scanned.keys[index];
        const BracketNumber number = bracketNumber(line.key);
        if (number.kind == BracketNumber::Kind::None)
            continue; // keys of the whole roster never travel
        const auto where = [&line] { return std::to_string(line.line); };
        if (line.key.size() > MaxNameCharacters && characterCount(line.key) > MaxNameCharacters)
            return refused(LongName, {where(), std::to_string(MaxNameCharacters)});
        if (const auto c = std::find_if(line.key.begin(), line.key.end(), isControl); c != line.key.end())
            return refused(ControlInKey, {shown(line.key), where(), codePoint(*c)});
        if (number.kind == BracketNumber::Kind::LeadingZero) {
            std::string_view digits = line.key.substr(number.open + 1, number.close - number.open - 1);
            while (digits.size() > 1 && digits.front() == '0')
                digits.remove_prefix(1);
            const std::string plain = std::string(line.key.substr(0, number.open + 1)) + std::string(digits)
                + std::string(line.key.substr(number.close));
            return refused(ZeroPadded, {shown(line.key), where(), shown(plain)});
        }
        if (number.kind == BracketNumber::Kind::Beyond)
            return refused(BeyondLast, {shown(line.key), where(), std::to_string(MaxListedBots - 1)});
        if (line.value.size() > MaxNameCharacters && characterCount(line.value) > MaxNameCharacters)
            return refused(LongValue, {shown(line.key), where(), std::to_string(MaxNameCharacters)});
        const auto c = std::find_if(line.value.begin(), line.value.end(), [](char v) { return isControl(v) && v != '\t'; });
        if (c != line.value.end())
            return refused(ControlInValue, {shown(line.key), where(), codePoint(*c)});

        const std::string_view prefix = line.key.substr(0, number.open);
        const std::string_view rest = line.key.substr(number.close + 1);
        if (!seen.firstTime(number.number, prefix, rest, index))
            continue; // a later line of the same key: the game never reads it
        const auto n = static_cast<std::size_t>(number.number);
        if (!bots[n])
            bots[n].emplace();
        BotKey key{std::string(prefix), std::string(rest), std::string(line.value)};
        if (rest.empty() && prefix.size() + 1 == NamePrefix.size() && sameName(prefix, NamePrefix.substr(0, prefix.size()))) {
            bots[n]->name = unquotedName(key.value);
            if (!bots[n]->name.empty() && bots[n]->name.find_first_not_of(" \t") == std::string::npos)
                return refused(BlankName, {std::to_string(n), header, shown(line.key)});
        }
        bots[n]->keys.push_back(std::move(key));
    }
    for (std::size_t n = 0; n < bots.size(); ++n) {
        if (!bots[n])
            continue;
        if (bots[n]->name.empty())
            return refused(NoName, {std::to_string(n), header, FormKey(NamePrefix, static_cast<BotIndex>(n))});
        section.bots.push_back(std::move(*bots[n]));
    }
    if (section.bots.empty())
        return refused(NoBots, {header});
    return std::nullopt;
}

} // namespace

std::optional<NumberedKey> SplitBotKey(std::string_view key)
{
    const BracketNumber number = bracketNumber(key);
    if (number.kind != BracketNumber::Kind::Plain)
        return std::nullopt;
    return NumberedKey{std::string(key.substr(0, number.open)), std::string(key.substr(number.close + 1)),
                       number.number};
}

BotFileReading ReadBotFile(std::string_view bytes)
{
    if (bytes.size() > MaxBotFileBytes)
        return refused(TooLarge);
    std::string converted;
    std::string_view text = bytes;
    if (bytes.starts_with(profile::Utf16LeMark)) {
        std::string odd;
        converted = profile::utf8FromUtf16le(bytes.substr(profile::Utf16LeMark.size()), &odd);
        text = converted;
    } else if (bytes.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    if (!isValidUtf8(text) || text.find('\0') != std::string_view::npos)
        return refused(NotText);
    const Scan scan = scanSections(text);
    if (scan.secondOwnSection != 0)
        return refused(SecondSection, {"[" + std::string(BotFileSection) + "]", std::to_string(scan.secondOwnSection)});
    if (scan.sections.empty())
        return refused(NoSection, {"[" + std::string(BotFileSection) + "]", std::string(NamePrefix) + "n]"});
    BotFileReading reading;
    for (const ScannedSection& scanned : scan.sections) {
        BotSection section;
        if (std::optional<BotFileReading> refusal = collectSection(scanned, section))
            return std::move(*refusal);
        reading.sections.push_back(std::move(section));
    }
    return reading;
}

BotFileReading LoadBotFile(const std::string& path)
{
    namespace fs = std::filesystem;
#ifdef _WIN32
    const fs::path at(std::u8string(path.begin(), path.end()));
#else
    const fs::path at(path);
#endif
    std::error_code error;
    const fs::file_status status = fs::status(at, error);
    if (status.type() == fs::file_type::not_found)
        return refused(NotFound);
    if (error)
        return refused(CannotRead, {error.message()});
    // A pipe or a device could hold the window up for ever.
    if (status.type() != fs::file_type::regular)
        return refused(NotRegular);
    std::ifstream file(at, std::ios::binary);
    if (!file)
        return refused(CannotRead, {std::generic_category().message(errno)});
    // No more than a bot file may hold, and one byte to notice more.
    std::string bytes;
    char chunk[65536];
    while (bytes.size() <= MaxBotFileBytes && file) {
        file.read(chunk, static_cast<std::streamsize>(std::min(sizeof chunk, MaxBotFileBytes + 1 - bytes.size())));
        bytes.append(chunk, static_cast<std::size_t>(file.gcount()));
    }
    if (file.bad())
        return refused(CannotRead, {std::generic_category().message(errno)});
    return ReadBotFile(bytes);
}

} // namespace roster
