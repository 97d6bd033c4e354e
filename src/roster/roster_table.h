#pragma once

// The roster as a table of bots: what each cell says, how two cells sort,
// and the averages under the table. Plain data, no widgets: the overview
// window shows what this decides.

#include "roster/roster.h"
#include "roster/words.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace roster {

// What an absent key shows: the game then uses its default.
inline constexpr std::string_view AbsentText = "\u2014";

// The overview's columns, in their order: the bot's number, its name, the
// fields that RosterFields gives a column, then the check's findings and
// the bot's looks (class, skin, face, favourite weapon), which the player
// shows when wanted. `box` is the field's value box, or -1 for a column
// that is no field's.
struct TableColumn {
    std::string_view title;
    int box;
    bool averaged; // shown as a number, so it has an average
    bool hidden;   // until the player shows it
};

namespace detail {

constexpr std::array<TableColumn, 16> tableColumns()
{
    std::array<TableColumn, 16> columns{{{"#", -1, false, false}, {CBT_WORD("roster", "Name"), -1, false, false}}};
    for (std::size_t box = 0; box < RosterFields.size(); ++box) {
        const RosterField& field = RosterFields[box];
        if (field.column >= 0)
            columns[static_cast<std::size_t>(field.column)] = {field.title, static_cast<int>(box), field.averaged, false};
    }
    columns[11] = {CBT_WORD("roster", "Check"), -1, false, false};
    columns[12] = {CBT_WORD("roster", "Class"), 9, false, true};
    columns[13] = {CBT_WORD("roster", "Skin"), 10, false, true};
    columns[14] = {CBT_WORD("roster", "Face"), 1, false, true};
    columns[15] = {CBT_WORD("roster", "Weapon"), -1, false, true};
    return columns;
}

} // namespace detail

inline constexpr std::array<TableColumn, 16> TableColumns = detail::tableColumns();

inline constexpr int NumberColumn = 0;
inline constexpr int NameColumn = 1;
inline constexpr int CheckColumn = 11;
inline constexpr int ClassColumn = 12;
inline constexpr int SkinColumn = 13;
inline constexpr int FaceColumn = 14;
inline constexpr int WeaponColumn = 15;

// What the check column shows before the number of a bot's findings.
inline constexpr std::string_view FindingsMark = "\u26A0";

// The words a field's scale shows for its positions, from its minimum up,
// or none where the scale shows numbers (its words name only its ends).
std::vector<std::string_view> ScaleWords(int box);

// The words at a scale's two ends, and in its middle where it has five.
// Teams have words beyond the slider's range too, which other game modes
// use: 2 and 3 for the third and fourth team, 255 for none.
std::string_view TeamWord(int team); // empty for a number without a word

// A number written as a short form: "0.35", "-1", "2" (rounded to at most
// `decimals` decimals, no trailing zeros, no "-0").
std::string ShortNumber(double value, int decimals = 6);

// The decimals an average shows: a hundredth is finer than any slider step.
inline constexpr int AverageDecimals = 2;

// The number a whole text spells (blanks around it allowed), or nothing.
std::optional<double> NumberOfText(std::string_view text);

// One cell: its text, and what it sorts by. Numbers sort before texts,
// texts before absent keys.
struct TableCell {
    std::string text;
    std::optional<double> number; // the field's value, where it has one
    bool absent = false;
};

// What a bot's row shows beyond the fields the roster lists: from a check
// of the roster as the game will play it.
struct BotInPlay {
    int findings = 0;
    std::optional<std::string> weapon; // the favourite weapon, UTF-8; nothing: no such key
};

// The cell of column `column` for bot `index`. The check column shows the
// mark and the number of findings, or nothing (sorting as 0) for none.
TableCell MakeCell(int column, BotIndex index, const ListedBot& bot, const BotInPlay& inPlay = {});

// Whether `a` sorts before `b` in a column sorted up.
bool SortsBefore(const TableCell& a, const TableCell& b);

// One row under the table: the mean of each averaged column over the bots
// of the group that hold a number in it.
struct AverageRow {
    std::string label; // "Red average", "All average"
    std::array<std::optional<double>, TableColumns.size()> means{};
};

// "Red average" and "Blue average"; "Green average", "Gold average" and
// "None average" (team 255) where the roster has such bots; then "All average".
std::vector<AverageRow> Averages(const std::vector<ListedBot>& bots);

} // namespace roster
