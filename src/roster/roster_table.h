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

// The overview's columns, in their order: the bot's number, its name, then
// the fields that RosterFields gives a column. `box` is the field's value
// box, or -1 for the number and the name.
struct TableColumn {
    std::string_view title;
    int box;
    bool averaged; // shown as a number, so it has an average
};

namespace detail {

constexpr std::array<TableColumn, 11> tableColumns()
{
    std::array<TableColumn, 11> columns{{{"#", -1, false}, {CBT_WORD("roster", "Name"), -1, false}}};
    for (std::size_t box = 0; box < RosterFields.size(); ++box) {
        const RosterField& field = RosterFields[box];
        if (field.column >= 0)
            columns[static_cast<std::size_t>(field.column)] = {field.title, static_cast<int>(box), field.averaged};
    }
    return columns;
}

} // namespace detail

inline constexpr std::array<TableColumn, 11> TableColumns = detail::tableColumns();

inline constexpr int NumberColumn = 0;
inline constexpr int NameColumn = 1;

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

// The cell of column `column` for bot `index`.
TableCell MakeCell(int column, BotIndex index, const ListedBot& bot);

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
