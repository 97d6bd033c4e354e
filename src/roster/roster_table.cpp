#include "roster/roster_table.h"

#include "roster/scale.h"
#include "roster/words.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace roster {
namespace {

const RosterField& fieldOf(int box) { return RosterFields[static_cast<std::size_t>(box)]; }

// A text's blanks at both ends removed.
std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The word a scale shows for a stored text, or nothing where the scale has
// no word for exactly that value.
std::optional<std::string> wordFor(int box, std::string_view text)
{
    const RosterField& field = fieldOf(box);
    if (field.scale == ScaleKind::Voice) {
        for (int p = field.minimum; p <= field.maximum; ++p) {
            if (trimmed(text) == BoxTextForPosition(field, p))
                return std::string(ScaleWords(box)[static_cast<std::size_t>(p - field.minimum)]);
        }
        return std::nullopt;
    }
    const std::optional<double> number = NumberOfText(text);
    if (!number)
        return std::nullopt;
    if (box == 2) {
        const std::string_view word = TeamWord(*number == std::floor(*number) && std::abs(*number) < 1e6
                                                   ? static_cast<int>(*number)
                                                   : -1);
        return word.empty() ? std::nullopt : std::optional<std::string>(word);
    }
    if (box == JumpBox) {
        if (*number == 0 || *number == 1)
            return *number == 1 ? CBT_WORD("roster", "Yes") : CBT_WORD("roster", "No");
        return std::nullopt;
    }
    const std::vector<std::string_view> words = ScaleWords(box);
    const double position = *number / field.factor;
    if (words.empty() || position != std::round(position) || position < field.minimum || position > field.maximum)
        return std::nullopt;
    return std::string(words[static_cast<std::size_t>(position - field.minimum)]);
}

} // namespace

std::vector<std::string_view> ScaleWords(int box)
{
    const RosterField& field = fieldOf(box);
    if (!field.everyPosition)
        return {};
    return {field.words.begin(), field.words.begin() + (field.maximum - field.minimum + 1)};
}

std::string_view TeamWord(int team)
{
    switch (team) {
    case 0:
        return CBT_WORD("roster", "Red");
    case 1:
        return CBT_WORD("roster", "Blue");
    case 2:
        return CBT_WORD("roster", "Green");
    case 3:
        return CBT_WORD("roster", "Gold");
    case 255:
        return CBT_WORD("roster", "None");
    default:
        return {};
    }
}

std::string ShortNumber(double value, int decimals)
{
    char buffer[400];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text = ec == std::errc() ? std::string(buffer, end) : std::string("0");
    if (text.find('.') == std::string::npos)
        return text == "-0" ? "0" : text;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

std::optional<double> NumberOfText(std::string_view text)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

TableCell MakeCell(int column, BotIndex index, const ListedBot& bot, const BotInPlay& inPlay)
{
    const TableColumn& shown = TableColumns[static_cast<std::size_t>(column)];
    if (column == NumberColumn)
        return {std::to_string(index), index, false};
    if (column == NameColumn)
        return {bot.name, std::nullopt, false};
    if (column == CheckColumn)
        return {inPlay.findings > 0 ? std::string(FindingsMark) + " " + std::to_string(inPlay.findings) : std::string(),
                inPlay.findings, false};
    if (column == WeaponColumn)
        return inPlay.weapon ? TableCell{*inPlay.weapon, std::nullopt, false}
                             : TableCell{std::string(AbsentText), std::nullopt, true};
    const LoadedField& field = bot.fields[static_cast<std::size_t>(shown.box)];
    if (field.state == FieldState::Absent)
        return {std::string(AbsentText), std::nullopt, true};
    TableCell cell{field.text, NumberOfText(field.text), false};
    if (fieldOf(shown.box).scale == ScaleKind::Voice && !cell.number) {
        // Sorted by the voice's number, where the text is one of ours.
        if (const auto word = wordFor(shown.box, field.text)) {
            cell.number = PositionForBoxText(fieldOf(shown.box), field.text);
            cell.text = *word;
        }
        return cell;
    }
    if (const auto word = wordFor(shown.box, field.text))
        cell.text = *word;
    else if (shown.averaged && cell.number)
        cell.text = ShortNumber(*cell.number);
    return cell;
}

bool SortsBefore(const TableCell& a, const TableCell& b)
{
    const auto rank = [](const TableCell& c) { return c.absent ? 2 : c.number ? 0 : 1; };
    if (rank(a) != rank(b))
        return rank(a) < rank(b);
    if (a.number && b.number)
        return *a.number < *b.number;
    return a.text < b.text;
}

std::vector<AverageRow> Averages(const std::vector<ListedBot>& bots)
{
    struct Group {
        std::string label;
        int team; // -1: every bot
        bool always;
    };
    const Group groups[] = {
        {CBT_WORD("roster", "Red average"), 0, true},    {CBT_WORD("roster", "Blue average"), 1, true},
        {CBT_WORD("roster", "Green average"), 2, false}, {CBT_WORD("roster", "Gold average"), 3, false},
        {CBT_WORD("roster", "None average"), 255, false}, {CBT_WORD("roster", "All average"), -1, true},
    };
    const auto teamOf = [](const ListedBot& bot) {
        const LoadedField& team = bot.fields[2];
        const std::optional<double> number
            = team.state == FieldState::Present ? NumberOfText(team.text) : std::nullopt;
        return number ? *number : -1.0;
    };
    std::vector<AverageRow> rows;
    for (const Group& group : groups) {
        const bool any = std::any_of(bots.begin(), bots.end(), [&](const ListedBot& b) { return teamOf(b) == group.team; });
        if (!group.always && !any)
            continue;
        AverageRow row{group.label, {}};
        for (std::size_t column = 0; column < TableColumns.size(); ++column) {
            if (!TableColumns[column].averaged)
                continue;
            double sum = 0;
            int count = 0;
            for (const ListedBot& bot : bots) {
                if (group.team >= 0 && teamOf(bot) != group.team)
                    continue;
                const LoadedField& field = bot.fields[static_cast<std::size_t>(TableColumns[column].box)];
                if (field.state != FieldState::Present)
                    continue;
                if (const auto number = NumberOfText(field.text)) {
                    sum += *number;
                    ++count;
                }
            }
            if (count > 0)
                row.means[column] = sum / count;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace roster
