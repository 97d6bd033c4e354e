#include "game/roster_check.h"

#include "game/key_text.h"
#include "game/names.h"
#include "profile/profile_file.h"
#include "roster/bot_file.h"
#include "roster/scale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <map>
#include <tuple>
#include <unordered_set>

namespace game {
namespace {

// A per-bot key of any number, those past the roster's last (100) too, so
// that keys left there are found: plain decimal in the first brackets.
std::optional<roster::NumberedKey> splitAnyNumber(std::string_view key)
{
    const std::size_t open = key.find('[');
    const std::size_t close = open == std::string_view::npos ? open : key.find(']', open);
    if (close == std::string_view::npos)
        return std::nullopt;
    const std::string_view digits = key.substr(open + 1, close - open - 1);
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || digits.size() > 9 || (digits.size() > 1 && digits.front() == '0') || error != std::errc()
        || end != digits.data() + digits.size())
        return std::nullopt;
    return roster::NumberedKey{std::string(key.substr(0, open)), std::string(key.substr(close + 1)), number};
}

// A number as the game reads it: the longest start of the text that is a
// decimal number (after blanks: a sign, digits with at most one ".", an
// exponent), 0 when there is none, as atof reads it; and its whole part
// (sign and digits only), as atoi reads it.
struct GameNumber {
    double value = 0;
    double whole = 0;
    bool number = false; // the whole text is a number
};

GameNumber readNumber(std::string_view text)
{
    GameNumber read;
    std::size_t i = 0;
    const auto blank = [&](std::size_t at) { return at < text.size() && (text[at] == ' ' || text[at] == '\t'); };
    const auto digit = [&](std::size_t at) { return at < text.size() && text[at] >= '0' && text[at] <= '9'; };
    while (blank(i))
        ++i;
    const std::size_t start = i;
    const bool minus = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    std::size_t digits = 0;
    for (; digit(i); ++i, ++digits)
        read.whole = std::min(read.whole * 10 + (text[i] - '0'), 1e15);
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; digit(i); ++i)
            ++digits;
    }
    if (digits == 0)
        return read;
    const std::size_t mantissa = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < text.size() && (text[e] == '-' || text[e] == '+'))
            ++e;
        if (digit(e)) {
            for (i = e; digit(i);)
                ++i;
        }
    }
    const std::size_t first = start + (text[start] == '+' ? 1 : 0);
    const auto [end, error] = std::from_chars(text.data() + first, text.data() + i, read.value);
    if (error == std::errc::result_out_of_range) {
        // Too many digits, or an exponent past what a double holds.
        const bool tiny = i > mantissa && text.substr(mantissa, i - mantissa).find('-') != std::string_view::npos;
        read.value = tiny ? 0.0 : (minus ? -1 : 1) * std::numeric_limits<double>::infinity();
    }
    if (minus)
        read.whole = -read.whole;
    while (blank(i))
        ++i;
    read.number = i == text.size();
    return read;
}

// "3", "-0.25": the six-decimal form without its trailing zeros.
std::string shortNumber(double value)
{
    std::string text = roster::SixDecimal(value);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

// A name as the game compares names: blanks at the ends off, any case.
std::string nameKey(std::string_view name)
{
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t'))
        name.remove_prefix(1);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t'))
        name.remove_suffix(1);
    return lowered(name);
}

// The numeric keys and the values the game uses. Teams outside 0 to 3 and
// 255 leave the choice to the game, as 255 (none) does.
struct NumberKey {
    std::string_view prefix;
    bool whole;
    double low;
    double high;
};
constexpr double Unbounded = std::numeric_limits<double>::infinity();
constexpr std::array<NumberKey, 8> NumberKeys = {{
    {"BotAccuracy", false, -1, 1},
    {"Alertness", false, -1, 1},
    {"StrafingAbility", false, -1, 1},
    {"CombatStyle", false, -1, 1},
    {"Camping", false, 0, 1},
    {"BotSkills", false, -Unbounded, Unbounded},
    {"BotJumpy", true, 0, 1},
    {"BotTeams", true, 0, 3},
}};
constexpr int NoTeam = 255;

// The per-bot keys the checks know; other numbered keys are not theirs to judge.
constexpr std::array<std::string_view, 14> BotKeys = {
    "BotNames", "VoiceType", "BotFaces", "BotTeams", "BotSkills", "BotAccuracy", "CombatStyle",
    "Alertness", "Camping", "StrafingAbility", "BotClasses", "BotSkins", "BotJumpy", "FavoriteWeapon",
};

const char* const Outside = CBT_WORD("roster", "%1 is outside the range the game uses, %2 to %3: the game uses %4.");
const char* const NotWhole = CBT_WORD("roster", "The game reads a whole number here: %1 counts as %2.");
const char* const NoSuchTeam
    = CBT_WORD("roster", "%1 is not a team of the game (0 to 3, or 255 for none): the game chooses the bot's team itself.");
const char* const NotNumber = CBT_WORD("roster", "%1 is not a number: the game uses %2.");
const char* const NotNumberUnsure = CBT_WORD("roster", "%1 is not a number, and the game may not read it as meant.");
const char* const SkillOutside
    = CBT_WORD("roster", "Difficulty %1 and skill %2 make %3, outside 0 to 7: the game plays the bot at %4.");
const char* const Duplicate
    = CBT_WORD("roster", "Bot %1 is already named %2: the game plays this bot as \"Bot\" and a number.");
const char* const Blank = CBT_WORD("roster", "The bot has no name: the game plays it as \"Bot\" and a number, and the "
                                             "editor's list of bots ends here, before bot %1.");
const char* const NoNameKey = CBT_WORD("roster", "The bot has no name key: the game plays it under its default name, "
                                                 "and the editor's list of bots ends here, before bot %1.");
const char* const LeftOverKey = CBT_WORD("roster", "The roster's last named bot is bot %1: the game uses this key only "
                                                   "if it adds more bots than the roster names.");
const char* const LeftOverNoBots = CBT_WORD("roster", "The roster names no bot: the game uses this key only if it "
                                                      "adds bots without names.");
const char* const NoClass = CBT_WORD("roster", "No installed package declares the class %1: the game falls back to "
                                               "its default class, and a missing bot class package has crashed it.");
const char* const NoSkin = CBT_WORD("roster", "No installed package declares the skin %1: the game shows the class's "
                                              "default skin, with no face.");
const char* const NoFace
    = CBT_WORD("roster", "No installed package declares the face %1: the game shows the bot with no face.");
const char* const FaceNotOfSkin
    = CBT_WORD("roster", "The skin %1 has no texture for the face %2: the game shows the bot with no face.");
const char* const OtherModel = CBT_WORD("roster", "The skin %1 is made for another model (%2): the game paints it on "
                                                  "this bot's model all the same, and it looks wrong.");
const char* const NoVoice = CBT_WORD("roster", "No installed package declares the voice %1: the game gives the bot "
                                               "its class's default voice.");
const char* const NoWeapon
    = CBT_WORD("roster", "No installed package declares the weapon %1: the bot has no favourite weapon.");

// One key of one bot: its first line and its value in UTF-8.
struct BotKey {
    const profile::KeyValue* line = nullptr;
    std::string text;
};

struct Slot {
    std::map<std::string, BotKey> byPrefix; // lowered prefix
    std::vector<const BotKey*> inOrder;     // as the file has them
    const BotKey* key(std::string_view prefix) const
    {
        const auto at = byPrefix.find(lowered(prefix));
        return at == byPrefix.end() ? nullptr : &at->second;
    }
    std::string text(std::string_view prefix) const
    {
        const BotKey* k = key(prefix);
        return k ? k->text : std::string();
    }
    bool named() const { return !nameKey(text("BotNames")).empty(); }
};

// Builds the findings of one roster.
class Checker {
public:
    Checker(std::map<int, Slot> slots, std::optional<std::string> difficulty, const Declarations* install)
        : slots_(std::move(slots)), difficulty_(std::move(difficulty)), install_(install)
    {
        for (const auto& [number, slot] : slots_) {
            if (number < roster::MaxListedBots && slot.named()) {
                last_ = number;
                taken_.insert(nameKey(slot.text("BotNames")));
            }
        }
    }

    std::vector<Finding> run(const std::vector<profile::KeyValue>& entries)
    {
        std::unordered_set<std::string> named;
        const Slot none;
        for (int n = 0; n <= last_; ++n) {
            const auto at = slots_.find(n);
            const Slot& slot = at == slots_.end() ? none : at->second;
            checkName(n, slot, named);
            for (const BotKey* key : slot.inOrder)
                checkNumber(n, slot, *key);
            checkSkill(n, slot);
            if (install_)
                checkLooks(n, slot);
        }
        for (const profile::KeyValue& entry : entries) {
            const std::optional<roster::NumberedKey> split = splitAnyNumber(entry.key);
            const auto at = split ? slots_.find(split->number) : slots_.end();
            if (at == slots_.end() || split->number <= last_)
                continue;
            const BotKey* key = at->second.key(split->prefix);
            if (key && key->line == &entry) {
                const bool noBots = last_ < 0;
                add(split->number, at->second, *key, FindingKind::LeftOver, noBots ? LeftOverNoBots : LeftOverKey,
                    noBots ? std::vector<std::string>{} : std::vector<std::string>{std::to_string(last_)},
                    {{entry.key, {}, true}});
            }
        }
        return std::move(findings_);
    }

private:
    void add(int n, const Slot& slot, const BotKey& key, FindingKind kind, std::string_view pattern,
             std::vector<std::string> arguments, std::vector<profile::KeyValue> fix = {})
    {
        add(n, slot, key.line->key, key.text, kind, pattern, std::move(arguments), std::move(fix));
    }
    void add(int n, const Slot& slot, std::string key, std::string held, FindingKind kind, std::string_view pattern,
             std::vector<std::string> arguments, std::vector<profile::KeyValue> fix = {})
    {
        findings_.push_back({n, slot.text("BotNames"), std::move(key), std::move(held), kind, pattern,
                             std::move(arguments), std::move(fix)});
    }

    // `base`, or `base` and a number from 2 on, that no bot has yet.
    std::string freshName(const std::string& base)
    {
        std::string name = base;
        for (int k = 2; taken_.contains(nameKey(name)); ++k)
            name = base + " " + std::to_string(k);
        taken_.insert(nameKey(name));
        return name;
    }

    void checkName(int n, const Slot& slot, std::unordered_set<std::string>& named)
    {
        const BotKey* key = slot.key("BotNames");
        const std::string keyName = key ? key->line->key : roster::FormKey(roster::NamePrefix, static_cast<roster::BotIndex>(n));
        if (!slot.named()) {
            int next = n + 1;
            while (next < last_ && !(slots_.contains(next) && slots_.at(next).named()))
                ++next;
            add(n, slot, keyName, key ? key->text : std::string(), FindingKind::BlankName, key ? Blank : NoNameKey,
                {std::to_string(next)}, {{keyName, freshName("Bot")}});
            return;
        }
        const std::string name = slot.text("BotNames");
        if (named.insert(nameKey(name)).second) {
            firstNamed_[nameKey(name)] = n;
            return;
        }
        std::string base(name);
        while (!base.empty() && (base.back() == ' ' || base.back() == '\t'))
            base.pop_back();
        const int first = firstNamed_.at(nameKey(name));
        add(n, slot, *key, FindingKind::DuplicateName, Duplicate, {std::to_string(first), slots_.at(first).text("BotNames")},
            {{keyName, freshName(base)}});
    }

    void checkNumber(int n, const Slot& slot, const BotKey& key)
    {
        const std::optional<roster::NumberedKey> split = roster::SplitBotKey(key.line->key);
        const auto rule = std::find_if(NumberKeys.begin(), NumberKeys.end(),
                                       [&](const NumberKey& k) { return sameName(k.prefix, split->prefix); });
        if (rule == NumberKeys.end())
            return;
        const GameNumber read = readNumber(key.text);
        const double value = rule->whole ? read.whole : read.value;
        const bool team = sameName(rule->prefix, "BotTeams");
        const double used = team && !(value >= rule->low && value <= rule->high) && read.number ? NoTeam
                                                                                                : std::clamp(value, rule->low, rule->high);
        const std::string usedText = rule->whole ? shortNumber(used) : roster::SixDecimal(used);
        const std::vector<profile::KeyValue> fix = {{key.line->key, usedText}};
        if (!read.number) {
            const std::string word = lowered(key.text);
            if (rule->whole && (word == "true" || word == "false" || word == "yes" || word == "no"))
                add(n, slot, key, FindingKind::NotANumber, NotNumberUnsure, {key.text});
            else
                add(n, slot, key, FindingKind::NotANumber, NotNumber, {key.text, usedText}, fix);
        } else if (team && value != used && used == NoTeam) {
            add(n, slot, key, FindingKind::OutOfRange, NoSuchTeam, {key.text}, fix);
        } else if (value != used) {
            add(n, slot, key, FindingKind::OutOfRange, Outside,
                {key.text, shortNumber(rule->low), shortNumber(rule->high), usedText}, fix);
        } else if (rule->whole && read.value != read.whole) {
            add(n, slot, key, FindingKind::OutOfRange, NotWhole, {key.text, usedText}, fix);
        }
    }

    void checkSkill(int n, const Slot& slot)
    {
        const std::string skillText = slot.text("BotSkills");
        const std::optional<PlayedSkill> skill
            = SkillInPlay(difficulty_ ? std::optional<std::string_view>(*difficulty_) : std::nullopt, skillText);
        if (!skill || skill->sum == skill->played)
            return;
        const BotKey* key = slot.key("BotSkills");
        add(n, slot, key ? key->line->key : roster::FormKey("BotSkills[", static_cast<roster::BotIndex>(n)), skillText,
            FindingKind::SkillOutOfRange, SkillOutside,
            {*difficulty_, shortNumber(readNumber(skillText).value), shortNumber(skill->sum), shortNumber(skill->played)});
    }

    void checkLooks(int n, const Slot& slot)
    {
        const BotKey* botClass = slot.key("BotClasses");
        if (botClass && !botClass->text.empty() && !install_->declaresClass(botClass->text))
            add(n, slot, *botClass, FindingKind::UnknownClass, NoClass, {botClass->text});
        const BotKey* skin = slot.key("BotSkins");
        const bool skinGiven = skin && !skin->text.empty();
        const bool skinDeclared = skinGiven && install_->declares(Kind::Skin, skin->text);
        if (skinGiven && !skinDeclared)
            add(n, slot, *skin, FindingKind::UnknownSkin, NoSkin, {skin->text});
        const BotKey* face = slot.key("BotFaces");
        if (face && !face->text.empty() && (skinDeclared || !skinGiven)) {
            if (!install_->declares(Kind::Face, face->text)) {
                add(n, slot, *face, FindingKind::UnknownFace, NoFace, {face->text});
            } else if (skinDeclared && !install_->hasFaceTexture(skin->text, face->text)) {
                const std::vector<Declared> faces = install_->facesOf(skin->text);
                add(n, slot, *face, FindingKind::FaceNotForSkin, FaceNotOfSkin, {skin->text, face->text},
                    faces.empty() ? std::vector<profile::KeyValue>{}
                                  : std::vector<profile::KeyValue>{{face->line->key, faces.front().name}});
            }
        }
        if (skinDeclared && botClass && install_->declaresClass(botClass->text)) {
            if (const std::optional<Declared> other = install_->otherModelOf(skin->text, botClass->text))
                add(n, slot, *skin, FindingKind::SkinOfOtherModel, OtherModel,
                    {skin->text, other->description.empty() ? other->name : other->description});
        }
        for (const auto& [prefix, kind, pattern] : {std::tuple{"VoiceType", FindingKind::UnknownVoice, NoVoice},
                                                    std::tuple{"FavoriteWeapon", FindingKind::UnknownWeapon, NoWeapon}}) {
            const BotKey* key = slot.key(prefix);
            if (key && !key->text.empty() && !install_->declaresClass(key->text))
                add(n, slot, *key, kind, pattern, {key->text});
        }
    }

    std::map<int, Slot> slots_;
    std::optional<std::string> difficulty_;
    const Declarations* install_;
    int last_ = -1; // the last named bot's number
    std::unordered_set<std::string> taken_;   // every name in use, and those the fixes give
    std::map<std::string, int> firstNamed_;   // the first bot of each name
    std::vector<Finding> findings_;
};

} // namespace

RosterCheck CheckRoster(const std::vector<profile::KeyValue>& entries, roster::TextEncoding encoding,
                        const Declarations* install)
{
    std::map<int, Slot> slots;
    std::optional<std::string> difficulty;
    std::unordered_set<std::string> seen;
    for (const profile::KeyValue& entry : entries) {
        if (!seen.insert(lowered(entry.key)).second)
            continue; // a later line of the same key: the game never reads it
        if (sameName(entry.key, "Difficulty")) {
            difficulty = textOf(entry.value, encoding);
            continue;
        }
        const std::optional<roster::NumberedKey> split = splitAnyNumber(entry.key);
        if (!split || !split->rest.empty()
            || std::none_of(BotKeys.begin(), BotKeys.end(), [&](std::string_view k) { return sameName(k, split->prefix); }))
            continue;
        Slot& slot = slots[split->number];
        BotKey& key = slot.byPrefix[lowered(split->prefix)];
        key = {&entry, textOf(entry.value, encoding)};
        slot.inOrder.push_back(&key);
    }
    RosterCheck check;
    check.looksChecked = install != nullptr;
    check.difficulty = difficulty;
    for (const auto& [number, slot] : slots) {
        if (number < roster::MaxListedBots && slot.named())
            check.looks.resize(static_cast<std::size_t>(number) + 1);
    }
    for (const auto& [number, slot] : slots) {
        for (std::size_t look = 0; look < LookKeys.size() && number < static_cast<int>(check.looks.size()); ++look) {
            if (const BotKey* key = slot.key(LookKeys[look]))
                check.looks[static_cast<std::size_t>(number)][look] = key->text;
        }
    }
    check.findings = Checker(std::move(slots), std::move(difficulty), install).run(entries);
    return check;
}

RosterCheck CheckRosterFile(const std::string& path, const Declarations* install)
{
    const profile::LoadedFile file = profile::loadProfile(path);
    if (file.state != profile::FileState::Read) {
        RosterCheck check;
        check.error = file.state == profile::FileState::Missing ? CBT_WORD("roster", "The roster file is gone")
                                                                : file.error;
        return check;
    }
    const roster::TextEncoding encoding
        = file.utf16 ? roster::TextEncoding::Utf8 : roster::detectEncoding(file.document.bytes());
    return CheckRoster(file.document.entries(roster::BotRoster), encoding, install);
}

std::optional<PlayedSkill> SkillInPlay(std::optional<std::string_view> difficulty, std::string_view botSkill)
{
    if (!difficulty)
        return std::nullopt;
    PlayedSkill skill;
    skill.sum = readNumber(*difficulty).whole + readNumber(botSkill).value;
    skill.played = std::clamp(skill.sum, 0.0, 7.0);
    skill.name = SkillNames[static_cast<std::size_t>(std::floor(skill.played))];
    return skill;
}

} // namespace game
