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

// One of the twelve per-bot fields besides the name. Its position in
// RosterFields is the index of its value box.
struct RosterField {
    std::string_view keyPrefix;
    std::string_view controlName; // "Slider3", "Check1", or empty
    bool saved;                   // written back by a save
    ScaleKind scale;
    double factor;
    int minimum;
    int maximum;
    std::string_view label; // the player's word for it (see FieldLabel)
};

inline constexpr std::array<RosterField, 12> RosterFields = {{
    {"VoiceType[", "Slider1", true, ScaleKind::Voice, 1.0, 1, 3, CBT_WORD("roster", "Voice Type")},
    {"BotFaces[", "", false, ScaleKind::None, 1.0, 0, 0, CBT_WORD("roster", "Face")},
    {"BotTeams[", "Slider4", true, ScaleKind::WholeNumber, 1.0, 0, 1, CBT_WORD("roster", "Team")},
    {"BotSkills[", "Slider2", true, ScaleKind::Multiple, 1.0, -3, 3, CBT_WORD("roster", "Skill")},
    {"BotAccuracy[", "Slider3", true, ScaleKind::Multiple, 0.05, -20, 20, CBT_WORD("roster", "Accuracy")},
    {"CombatStyle[", "Slider7", true, ScaleKind::Multiple, 0.5, -2, 2, CBT_WORD("roster", "Combat Style")},
    {"Alertness[", "Slider6", true, ScaleKind::Multiple, 0.05, -20, 20, CBT_WORD("roster", "Alertness")},
    {"Camping[", "Slider8", true, ScaleKind::Tenths, 1.0, 0, 10, CBT_WORD("roster", "Camping")},
    {"StrafingAbility[", "Slider5", true, ScaleKind::Multiple, 0.25, -4, 4, CBT_WORD("roster", "Strafing")},
    {"BotClasses[", "", false, ScaleKind::None, 1.0, 0, 0, CBT_WORD("roster", "Class")},
    {"BotSkins[", "", false, ScaleKind::None, 1.0, 0, 0, CBT_WORD("roster", "Skin")},
    {"BotJumpy[", "Check1", true, ScaleKind::WholeNumber, 1.0, 0, 1, CBT_WORD("roster", "Bot Jumpy")},
}};

// The boxes that have a control, in the order of their controls (Slider1 to
// Slider8, then Check1). The coupling re-derives the controls in this order
// and a save writes the fields in this order, after the name.
inline constexpr std::array<int, 9> ControlOrder = {0, 3, 4, 2, 8, 6, 5, 7, 11};

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
    Gone gone = Gone::Nothing; // refused because the file or the bot is gone
    std::string failedKey; // the key whose write failed or was refused
    std::string error;     // why, in the system's words where it has some
    std::string backup;    // the copy made before the save, if any
    // A refusal's `error` as the pattern it was made from (marked for
    // translation, see roster/words.h) and what stands for its %1, %2...:
    // the window says it in the player's language. Empty otherwise.
    std::string pattern;
    std::vector<std::string> arguments;

    static SaveOutcome failure(std::string key, std::string why)
    {
        SaveOutcome outcome;
        outcome.ok = false;
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
    SaveOutcome SaveBot(BotIndex index, const BotEdit& edit) const;

    // Several bots in one transaction, with SaveBot's checks for every one
    // of them: the file ends up as saving them one after another in this
    // order would leave it (new keys placed alike), or as it was. The first
    // backup stamp among the edits makes the one backup.
    using BotEdits = std::vector<std::pair<BotIndex, BotEdit>>;
    SaveOutcome SaveBots(const BotEdits& bots) const;

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
