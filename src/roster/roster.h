#pragma once

// The bot roster: one section of the game's per-user file, thirteen keys per
// bot. The section and key names and the table of fields are defined here
// and nowhere else. RosterFile reads the roster and saves bots; the bot
// files (bot_file.h) and the backups (backups.h) go to the profile engine
// directly, with these names. Texts cross into and out of this room as
// UTF-8; the file's own encoding stays inside.

#include "roster/text_encoding.h"
#include "roster/words.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace profile {
struct Transaction;
}

namespace roster {

inline constexpr std::string_view BotRoster = "CovertstrikeUT.CovBotInfo";
inline constexpr std::string_view NamePrefix = "BotNames[";
inline constexpr std::string_view VoicePrefix = "COV_Voices.COVv_VoiceP";

inline constexpr int MaxListedBots = 101;

// The bot's number, written between the brackets of each of its keys.
using BotIndex = std::int16_t;

// How a field's value box and its control translate into each other.
enum class ScaleKind {
    None,        // no control: the box holds the text as read
    Voice,       // VoicePrefix and the position; read from the last character
    WholeNumber, // the position in plain digits
    Multiple,    // six-decimal form of position x factor; read as value / factor
    Tenths,      // six-decimal form of position / 10; read as value x 10
};

// One of the twelve per-bot fields besides the name: how the file holds it,
// how the editor's controls show it, and where each window puts it. Its
// position in RosterFields is the index of its value box. This table is the
// one place that says so: the main window's rows, Set Values, the overview's
// columns and averages, the coupling and the preset all read it.
struct RosterField {
    std::string_view keyPrefix;
    std::string_view controlName; // "Slider3", "Check1", or empty
    bool saved;                   // written back by a save
    ScaleKind scale;
    double factor;
    int minimum;
    int maximum;
    std::string_view label;   // the player's word for it (see FieldLabel)
    std::string_view caption; // the main window's caption of its row
    int row;                  // that row, top to bottom (the hidden boxes' rows follow the visible ones)
    // The words under its slider, from the minimum up: one for every
    // position where `everyPosition`, else the two ends.
    std::array<std::string_view, 5> words;
    bool everyPosition;
    std::string_view title; // the overview's column, empty: none
    int column;             // that column's place
    bool averaged;          // the column shows numbers, so it has an average
    int human;              // the Human preset's position, or NoPreset
};

inline constexpr int NoPreset = 1000;

inline constexpr std::array<RosterField, 12> RosterFields = {{
    {"VoiceType[", "Slider1", true, ScaleKind::Voice, 1.0, 1, 3, CBT_WORD("roster", "Voice Type"),
     CBT_WORD("roster", "Voice Type:"), 0,
     {CBT_WORD("roster", "Voice 1"), CBT_WORD("roster", "Voice 2"), CBT_WORD("roster", "Voice 3")}, true,
     CBT_WORD("roster", "Voice"), 10, false, NoPreset},
    {"BotFaces[", "", false, ScaleKind::None, 1.0, 0, 0, CBT_WORD("roster", "Face"), CBT_WORD("roster", "Bot Faces"),
     9, {}, false, {}, -1, false, NoPreset},
    {"BotTeams[", "Slider4", true, ScaleKind::WholeNumber, 1.0, 0, 1, CBT_WORD("roster", "Team"),
     CBT_WORD("roster", "Team:"), 1, {CBT_WORD("roster", "Red"), CBT_WORD("roster", "Blue")}, true,
     CBT_WORD("roster", "Team"), 2, false, NoPreset},
    {"BotSkills[", "Slider2", true, ScaleKind::Multiple, 1.0, -3, 3, CBT_WORD("roster", "Skill"),
     CBT_WORD("roster", "Skill:"), 3, {CBT_WORD("roster", "Bad"), CBT_WORD("roster", "Good")}, false,
     CBT_WORD("roster", "Skill"), 3, true, NoPreset},
    {"BotAccuracy[", "Slider3", true, ScaleKind::Multiple, 0.05, -20, 20, CBT_WORD("roster", "Accuracy"),
     CBT_WORD("roster", "Accuracy:"), 2, {CBT_WORD("roster", "Bad"), CBT_WORD("roster", "Good")}, false,
     CBT_WORD("roster", "Accuracy"), 4, true, -18},
    {"CombatStyle[", "Slider7", true, ScaleKind::Multiple, 0.5, -2, 2, CBT_WORD("roster", "Combat Style"),
     CBT_WORD("roster", "Combat Style:"), 6,
     {CBT_WORD("roster", "Avoidant"), CBT_WORD("roster", "Cautious"), CBT_WORD("roster", "Normal"),
      CBT_WORD("roster", "Aggressive"), CBT_WORD("roster", "Berzerk")},
     true, CBT_WORD("roster", "Combat Style"), 7, false, 2},
    {"Alertness[", "Slider6", true, ScaleKind::Multiple, 0.05, -20, 20, CBT_WORD("roster", "Alertness"),
     CBT_WORD("roster", "Alertness:"), 5, {CBT_WORD("roster", "Bad"), CBT_WORD("roster", "Good")}, false,
     CBT_WORD("roster", "Alertness"), 5, true, 20},
    {"Camping[", "Slider8", true, ScaleKind::Tenths, 1.0, 0, 10, CBT_WORD("roster", "Camping"),
     CBT_WORD("roster", "Camping:"), 7, {CBT_WORD("roster", "Less"), CBT_WORD("roster", "More")}, false,
     CBT_WORD("roster", "Camping"), 8, true, 8},
    {"StrafingAbility[", "Slider5", true, ScaleKind::Multiple, 0.25, -4, 4, CBT_WORD("roster", "Strafing"),
     CBT_WORD("roster", "Strafing:"), 4, {CBT_WORD("roster", "Bad"), CBT_WORD("roster", "Good")}, false,
     CBT_WORD("roster", "Strafing"), 6, true, 4},
    {"BotClasses[", "", false, ScaleKind::None, 1.0, 0, 0, CBT_WORD("roster", "Class"),
     CBT_WORD("roster", "Bot Classes"), 10, {}, false, {}, -1, false, NoPreset},
    {"BotSkins[", "", false, ScaleKind::None, 1.0, 0, 0, CBT_WORD("roster", "Skin"), CBT_WORD("roster", "Bot Skins"),
     11, {}, false, {}, -1, false, NoPreset},
    {"BotJumpy[", "Check1", true, ScaleKind::WholeNumber, 1.0, 0, 1, CBT_WORD("roster", "Bot Jumpy"),
     CBT_WORD("roster", "Bot Jumpy:"), 8, {CBT_WORD("roster", "No"), CBT_WORD("roster", "Yes")}, true,
     CBT_WORD("roster", "Jumpy"), 9, false, NoPreset},
}};

namespace detail {

// The number a control's designer name ends in: 3 for "Slider3".
constexpr int controlNumber(std::string_view name)
{
    int number = 0;
    for (char c : name) {
        if (c >= '0' && c <= '9')
            number = number * 10 + (c - '0');
    }
    return number;
}

// The boxes that have a control, sliders by their numbers, then the check box.
constexpr std::array<int, 9> controlOrder()
{
    std::array<int, 9> order{};
    std::size_t n = 0;
    for (std::size_t pass = 0; pass < 2; ++pass) {
        const std::string_view kind = pass == 0 ? "Slider" : "Check";
        for (int number = 1; number <= 12; ++number) {
            for (std::size_t box = 0; box < RosterFields.size(); ++box) {
                const std::string_view name = RosterFields[box].controlName;
                if (name.starts_with(kind) && controlNumber(name) == number)
                    order[n++] = static_cast<int>(box);
            }
        }
    }
    return order;
}

// The boxes in the order of the main window's rows.
constexpr std::array<int, 12> rowOrder()
{
    std::array<int, 12> order{};
    for (std::size_t box = 0; box < RosterFields.size(); ++box)
        order[static_cast<std::size_t>(RosterFields[box].row)] = static_cast<int>(box);
    return order;
}

} // namespace detail

// The boxes that have a control, in the order of their controls (Slider1 to
// Slider8, then Check1). The coupling re-derives the controls in this order,
// a save writes the fields in this order, after the name, and the preset
// moves its sliders in this order.
inline constexpr std::array<int, 9> ControlOrder = detail::controlOrder();

// The boxes by the main window's rows, top to bottom: the nine with a
// control first, then the three hidden ones.
inline constexpr std::array<int, 12> RowOrder = detail::rowOrder();

inline constexpr int JumpBox = 11;

// "BotSkills[" and 12 give "BotSkills[12]".
std::string FormKey(std::string_view keyPrefix, BotIndex index);

// The upper-cased last 20 characters of the path equal "COVERTSTRIKEUSER.INI".
bool IsRosterFileName(std::string_view path);

struct BotNameList {
    std::vector<std::string> names;
    bool endedOnEmptyName = false; // the listing stopped at a present, empty name
    std::string error;             // the file exists but cannot be read
};

// How a loaded field stood in the file.
enum class FieldState { Present, Empty, Absent };

struct LoadedField {
    FieldState state = FieldState::Absent;
    std::string text;
};

struct LoadedBot {
    std::array<LoadedField, 12> fields; // indexed like RosterFields
    std::string error;                  // the file exists but cannot be read
};

// One listed bot: its name and its twelve fields as the file holds them.
struct ListedBot {
    std::string name;
    std::array<LoadedField, 12> fields; // indexed like RosterFields
};

// How the file stood when the roster was read.
enum class RosterState {
    Read,       // the bots below are the file's (none: it holds no roster)
    Missing,    // no file at the path
    Unreadable, // it exists but cannot be read; `error` says why
};

// The whole roster as one reading of the file shows it: the bots that
// ListBotNames lists, each with the fields that LoadBot loads.
struct RosterSnapshot {
    RosterState state = RosterState::Missing;
    std::string error;
    bool inUse = false; // Unreadable because another program holds the file
    std::vector<ListedBot> bots;
    bool endedOnEmptyName = false;
    // Of the bytes read: two equal ones mean the file did not change in
    // between. Nothing unless Read.
    std::optional<std::size_t> fingerprint;
};

// What to write for one bot. A field that is not `changed` keeps its line in
// the file as it is, so a save never rewrites what the player did not touch.
struct BotEdit {
    std::string name;
    bool nameChanged = true;
    std::array<std::string, 12> values;
    std::array<bool, 12> changed{};
    // When set ("YYYYMMDD-HHMMSS"), the file is first copied beside itself
    // under that stamp (see profile::backUpProfile); a failed copy stops the
    // save before anything is written.
    std::string backupStamp;
    // Write only into a file that exists and a bot whose name key stands at
    // its number: a save never makes a file or a bot anew.
    bool mustExist = false;
};

// How many backup copies of the roster file are kept beside it.
inline constexpr std::size_t KeptBackups = 5;

// What a save found gone, when it was told the bot must exist.
enum class Gone { Nothing, File, Bot };

// `pattern` with %1, %2... replaced by the arguments, in one pass (an
// argument's own "%1" stays as it is).
std::string FillPattern(std::string_view pattern, const std::vector<std::string>& arguments);

struct SaveOutcome {
    bool ok = true;
    bool refused = false;  // refused before writing anything; `error` is a whole message
    bool inUse = false;    // failed because another program holds the file
    Gone gone = Gone::Nothing; // refused because the file or the bot is gone
    std::string failedKey; // the key whose write failed or was refused
    std::string error;     // why, in the system's words where it has some
    std::string backup;    // the copy made before the save, if any
    // A refusal's `error` as the pattern it was made from (marked for
    // translation, see roster/words.h) and what stands for its %1, %2...:
    // the window says it in the player's language. Empty otherwise.
    std::string pattern;
    std::vector<std::string> arguments;

    static SaveOutcome failure(std::string key, std::string why, bool inUse = false)
    {
        SaveOutcome outcome;
        outcome.ok = false;
        outcome.inUse = inUse;
        outcome.failedKey = std::move(key);
        outcome.error = std::move(why);
        return outcome;
    }
    static SaveOutcome refusal(std::string key, std::string why)
    {
        SaveOutcome outcome = failure(std::move(key), std::move(why));
        outcome.refused = true;
        return outcome;
    }
    static SaveOutcome refusal(std::string key, std::string_view pattern, std::vector<std::string> arguments)
    {
        SaveOutcome outcome = refusal(std::move(key), FillPattern(pattern, arguments));
        outcome.pattern = pattern;
        outcome.arguments = std::move(arguments);
        return outcome;
    }
    static SaveOutcome vanished(Gone what)
    {
        SaveOutcome outcome = refusal({}, what == Gone::File ? CBT_WORD("roster", "The roster file is gone")
                                                             : CBT_WORD("roster", "The bot is gone"));
        outcome.gone = what;
        return outcome;
    }
};

// A key that was read or written, in order: what tests and tracing see.
enum class Access { Read, Write };
using AccessObserver = std::function<void(Access, std::string_view key)>;

// The roster file named by a path (the editor's IniPath, in the file
// system's own bytes). Each operation reads the file afresh; nothing is
// cached between operations.
class RosterFile {
public:
    explicit RosterFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }
    void setObserver(AccessObserver observer) { observer_ = std::move(observer); }

    // BotNames[0] to BotNames[100], stopping silently at an absent name and
    // at the first present but empty one (the caller beeps for that). The
    // window reads the whole roster (LoadRoster), which lists the names the
    // same way; this and LoadBot serve the tests and the benchmarks.
    BotNameList ListBotNames() const;

    // The twelve fields of one bot, read in the order of their boxes.
    LoadedBot LoadBot(BotIndex index) const;

    // Every listed bot with its fields, from one reading of the file.
    RosterSnapshot LoadRoster() const;

    // The name and the changed fields, in the save order, as one transaction:
    // the file ends up with all of them or, when the write fails, exactly as
    // it was. Everything to be written is checked first: a text the file
    // cannot hold, or a new name that would read back blank, refuses the
    // whole save.
    SaveOutcome SaveBot(BotIndex index, const BotEdit& edit, profile::Transaction* record = nullptr) const;

    // Several bots in one transaction, with SaveBot's checks for every one
    // of them: the file ends up as saving them one after another in this
    // order would leave it (new keys placed alike), or as it was. The first
    // backup stamp among the edits makes the one backup.
    using BotEdits = std::vector<std::pair<BotIndex, BotEdit>>;
    // `record`, when given, is filled in with what the write replaced
    // (profile::Transaction): what undo writes back.
    SaveOutcome SaveBots(const BotEdits& bots, profile::Transaction* record = nullptr) const;

private:
    class Reading;
    void listNames(Reading& reading, BotNameList& list) const;
    void loadFields(const Reading& reading, const std::string* keys, const std::optional<std::string_view>* held,
                    std::array<LoadedField, 12>& fields) const;
    void notify(Access access, std::string_view key) const;

    std::string path_;
    AccessObserver observer_;
};

} // namespace roster
