#pragma once

// The roster being edited: the file as it was last read, the bot the window
// shows, and the player's changes to it. It decides what a save writes and
// how another program's change to the file meets the player's changes, and
// it knows nothing of widgets: the window shows what it holds.

#include "roster/roster.h"

#include <array>
#include <string>
#include <vector>

namespace roster {

// A bot as the window holds it: the name and the twelve value boxes.
struct BotTexts {
    std::string name;
    std::array<std::string, 12> fields; // indexed like RosterFields
    bool operator==(const BotTexts&) const = default;
};

// Where BotTexts are compared field by field: the name, then the boxes.
inline constexpr int NameField = -1;

// The texts the file gives a listed bot: an absent or empty key gives an
// empty box.
BotTexts TextsOf(const ListedBot& bot);

// The player's word for a field: "Name", "Camping", "Bot Jumpy".
std::string FieldLabel(int field);

// What reading the file again found.
struct FileNews {
    bool changed = false;     // the file is no longer as it was last read
    bool listChanged = false; // the names listed, or how many
    bool shownGone = false;   // the shown bot is not (or no longer) in the file
    // The shown bot's texts to put into the window: the file's new value
    // for every field the player left alone, the player's for the others.
    BotTexts shown;
    // Fields that both the player and the file changed: the player's value
    // stays.
    std::vector<int> conflicts;
};

// Why a save of the shown bot cannot go ahead.
// A file that is there but cannot be read (another program holds it, say)
// is unreadable, never gone.
enum class SaveBlock { None, NoBot, FileGone, FileUnreadable, BotGone };

class RosterModel {
public:
    const RosterSnapshot& roster() const { return roster_; }
    int botCount() const { return static_cast<int>(roster_.bots.size()); }

    // A roster read afresh (RosterFile::LoadRoster); no bot is shown.
    void open(RosterSnapshot roster);

    // The file read again. When it changed, the roster becomes the file's
    // and the shown bot follows it: fields the player left alone take the
    // file's values, the player's changes stay. A shown bot that left the
    // file stays shown while it has changes (a save is then refused), and is
    // dropped otherwise.
    FileNews follow(RosterSnapshot now);

    // The bot whose values the window shows, -1 for none.
    int shownBot() const { return shown_; }
    bool shownIsListed() const { return shown_ >= 0 && shown_ < botCount(); }
    // Shows listed bot `index` with the texts the window now holds for it
    // (the file's, as the boxes took them): those are what changes are
    // measured from. False when no such bot is listed.
    bool show(int index, const BotTexts& boxTexts);
    void showNoBot();
    // The window took the texts of a follow(): the fields it took from the
    // file are the new baseline; the player's changes stay changes.
    void tookFileTexts(const BotTexts& boxTexts);

    // The player's texts as the window now holds them.
    void edit(const BotTexts& texts) { edits_ = texts; }
    const BotTexts& edits() const { return edits_; }
    // The texts as loaded or last saved: what a discard goes back to.
    const BotTexts& baseline() const { return baseline_; }
    bool hasChanges() const { return shown_ >= 0 && edits_ != baseline_; }
    bool nameChanged() const { return edits_.name != baseline_.name; }
    // The name that messages call the shown bot by: a name cleared to
    // blanks still names it by the name it was loaded with.
    const std::string& shownName() const;

    // What keeps a save from going ahead, as the roster last read shows it
    // (the save checks the file it writes again).
    SaveBlock saveBlock() const;
    // What a save writes: the name when the player changed it and the
    // changed fields, into a bot that must still be in the file.
    BotEdit saveEdit() const;
    // The save went through: the player's texts are the new baseline.
    void saved() { baseline_ = edits_; }

private:
    RosterSnapshot roster_;
    int shown_ = -1;
    BotTexts fileTexts_; // the shown bot as the file last gave it
    BotTexts baseline_;
    BotTexts edits_;
    // Which fields (the name first) the last follow() gave the file's value.
    std::array<bool, 13> takenFromFile_{};
};

} // namespace roster
