#pragma once

// The roster as the game will play it. The game forgives a roster silently:
// it clamps a value out of range, reads text in a number as the number it
// begins with (or 0), shows no face when the skin has no texture for it,
// falls back to its defaults for a class, skin or voice no package
// declares, and plays a bot with no name or a name used twice as "Bot" and
// a number. The checks find each such key and say what the game will do;
// where a sound fix exists, they give it as the key edits it makes. A fix
// only ever touches the key its finding names, and never guesses: an
// undeclared package may well be installed on the machine the roster is
// shared with, so those findings have none. Plain C++.

#include "game/declarations.h"
#include "profile/profile.h"
#include "profile/profile_file.h"
#include "roster/roster.h"
#include "roster/shape.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace game {

enum class FindingKind {
    OutOfRange,      // a number the game will not use as it stands
    NotANumber,      // text in a numeric key
    SkillOutOfRange, // the roster's difficulty plus the bot's skill leaves 0 to 7
    DuplicateName,   // a name an earlier bot has (without case and outer blanks)
    BlankName,       // a blank or missing name before a named bot: the editor's list ends there
    LeftOver,        // a key of a number after the last named bot (or past the last number)
    UnknownClass,    // the checks of looks run only where the install is known
    UnknownSkin,
    UnknownFace,
    FaceNotForSkin,  // the face's package has no texture of it for the bot's skin
    SkinOfOtherModel,
    UnknownVoice,
    UnknownWeapon,
};

struct Finding {
    int bot = -1;        // the bot's number (every finding has one)
    std::string botName; // its name as the file holds it, UTF-8; empty when it has none
    std::string key;     // as the file spells it, "BotAccuracy[4]"
    std::string held;    // what the key holds, UTF-8, without its quotes; empty when absent
    FindingKind kind = FindingKind::OutOfRange;
    // What the game will do: an English sentence marked for translation in
    // the context "roster", with %1, %2... standing for `arguments`.
    std::string_view pattern;
    std::vector<std::string> arguments;
    // The sound fix, values in UTF-8; empty when there is none.
    std::vector<profile::KeyValue> fix;

    std::string sentence() const { return roster::FillPattern(pattern, arguments); }
};

// The keys of a bot's looks, as the game's own bot menu sets them.
enum class Look { Class, Skin, Face, Voice, Weapon };
inline constexpr std::array<std::string_view, 5> LookKeys = {"BotClasses", "BotSkins", "BotFaces", "VoiceType",
                                                             "FavoriteWeapon"};
// A bot's looks as the game reads them, indexed by Look: each key's first
// line without its quotes, in UTF-8; nothing where the section lacks it.
using Looks = std::array<std::optional<std::string>, LookKeys.size()>;

struct RosterCheck {
    std::vector<Finding> findings; // bot by bot, then the left-over keys, in the file's order
    bool looksChecked = false;     // an install was known: classes, skins, faces, voices and weapons were checked
    std::string error;             // CheckRosterFile only: the file cannot be read (the system's words)
    // What the checks read on the way: the section's Difficulty, and the
    // looks of bots 0 to the last named one, by number.
    std::optional<std::string> difficulty;
    std::vector<Looks> looks;
};

// Checks the roster section's key lines (profile::Document::entries) whose
// values are in `encoding`; the looks only when `install` is given. The
// first line of a key counts, as the game reads it.
RosterCheck CheckRoster(const std::vector<profile::KeyValue>& entries, roster::TextEncoding encoding,
                        const Declarations* install);

// The same for the roster file at `path`, read once.
RosterCheck CheckRosterFile(const std::string& path, const Declarations* install);

// The union of every finding's fix, each key once (the first fix for it).
std::vector<profile::KeyValue> FixAll(const RosterCheck& check);

// The plan that writes fixes (values in UTF-8) into the roster section,
// each value in the file's own encoding (roster::RosterPlan): carried out
// by roster::WriteRoster, or a document's apply, as one transaction. A
// value the file cannot hold, or that would break its line (a line end, a
// NUL), refuses the whole plan, naming the key; a removal passes as it is.
roster::RosterPlan FixPlan(std::vector<profile::KeyValue> edits);

// Writes fixes into the roster at `path` in one transaction (FixPlan): all
// of them or nothing. A file that is gone is not made anew. With a
// `backupStamp` the file is first backed up, as a save backs it up. The
// program writes through the document (RosterDocument::apply with FixPlan);
// this serves the tests of the plan on a file.
roster::SaveOutcome ApplyFixes(const std::string& path, const std::vector<profile::KeyValue>& edits,
                               const std::string& backupStamp, profile::Transaction* record = nullptr);

// The fixes of `chosen` findings, for a file that may have changed since
// they were found: the section as the write reads it is checked again
// (against `install`, which must outlive the plan; null: looks unchecked),
// and each chosen finding still found there, with the same key and kind,
// gets its fix as that check gives it, changing no key but its own. A
// finding no longer found writes nothing.
roster::RosterPlan FixFindingsPlan(std::vector<Finding> chosen, const Declarations* install);

// Gives `bots` the looks `chosen` (UTF-8 names as the roster holds them;
// empty: the game's default, for the weapon none). A key that already
// reads so (in any case, as the game compares names), or is absent where
// the default is chosen, is left as it is; no other key is touched.
// Refused when one of the bots is no longer named in the file.
roster::RosterPlan AppearancePlan(std::vector<roster::BotIndex> bots, std::array<std::string, LookKeys.size()> chosen);

inline constexpr std::array<std::string_view, 8> SkillNames = {
    CBT_WORD("roster", "Novice"),  CBT_WORD("roster", "Average"),    CBT_WORD("roster", "Experienced"),
    CBT_WORD("roster", "Skilled"), CBT_WORD("roster", "Adept"),      CBT_WORD("roster", "Masterful"),
    CBT_WORD("roster", "Inhuman"), CBT_WORD("roster", "Godlike"),
};

// The skill the game plays a bot at: the roster's overall difficulty plus
// the bot's skill, held between 0 and 7.
struct PlayedSkill {
    double sum = 0;        // as the file holds them
    double played = 0;     // the sum held between 0 and 7
    std::string_view name; // of the whole level reached (3.5 is Skilled), marked for translation
};

// Both texts as the file holds them (an absent BotSkills is ""); nothing
// without a Difficulty key.
std::optional<PlayedSkill> SkillInPlay(std::optional<std::string_view> difficulty, std::string_view botSkill);

} // namespace game
