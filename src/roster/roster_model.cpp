#include "roster/roster_model.h"

#include "roster/words.h"

#include <algorithm>

namespace roster {
namespace {

constexpr int FieldCount = static_cast<int>(RosterFields.size());

std::string& textOf(BotTexts& bot, int field)
{
    return field == NameField ? bot.name : bot.fields[static_cast<std::size_t>(field)];
}

const std::string& textOf(const BotTexts& bot, int field)
{
    return field == NameField ? bot.name : bot.fields[static_cast<std::size_t>(field)];
}

bool sameNames(const RosterSnapshot& a, const RosterSnapshot& b)
{
    return std::equal(a.bots.begin(), a.bots.end(), b.bots.begin(), b.bots.end(),
                      [](const ListedBot& x, const ListedBot& y) { return x.name == y.name; });
}

bool sameFile(const RosterSnapshot& a, const RosterSnapshot& b)
{
    return a.state == b.state && a.fingerprint == b.fingerprint && a.error == b.error;
}

} // namespace

BotTexts TextsOf(const ListedBot& bot)
{
    BotTexts texts;
    texts.name = bot.name;
    for (std::size_t box = 0; box < bot.fields.size(); ++box) {
        if (bot.fields[box].state == FieldState::Present)
            texts.fields[box] = bot.fields[box].text;
    }
    return texts;
}

std::string FieldLabel(int field)
{
    return field == NameField ? CBT_WORD("roster", "Name") : std::string(RosterFields[static_cast<std::size_t>(field)].label);
}

void RosterModel::open(RosterSnapshot roster)
{
    roster_ = std::move(roster);
    showNoBot();
}

FileNews RosterModel::follow(RosterSnapshot now)
{
    FileNews news;
    if (sameFile(now, roster_))
        return news;
    news.changed = true;
    news.listChanged = !sameNames(now, roster_);
    roster_ = std::move(now);
    if (shown_ < 0)
        return news;
    if (!shownIsListed()) {
        // Kept while it has changes, so that they can still be saved should
        // the bot come back; measured against the file as it last held it.
        news.shownGone = true;
        if (!hasChanges())
            showNoBot();
        return news;
    }

    const BotTexts fileNow = TextsOf(roster_.bots[static_cast<std::size_t>(shown_)]);
    news.shown = edits_;
    for (int field = NameField; field < FieldCount; ++field) {
        const auto f = static_cast<std::size_t>(field + 1);
        const bool playerChanged = textOf(edits_, field) != textOf(baseline_, field);
        const bool fileChanged = textOf(fileNow, field) != textOf(fileTexts_, field);
        // The file's value is the new baseline where the player left the
        // field alone or changed it to just what the file now holds.
        takenFromFile_[f] = !playerChanged || (fileChanged && textOf(fileNow, field) == textOf(edits_, field));
        if (!fileChanged)
            continue;
        if (!playerChanged)
            textOf(news.shown, field) = textOf(fileNow, field);
        else if (textOf(fileNow, field) != textOf(edits_, field))
            news.conflicts.push_back(field);
    }
    fileTexts_ = fileNow;
    return news;
}

bool RosterModel::show(int index, const BotTexts& boxTexts)
{
    if (index < 0 || index >= botCount())
        return false;
    shown_ = index;
    fileTexts_ = TextsOf(roster_.bots[static_cast<std::size_t>(index)]);
    baseline_ = edits_ = boxTexts;
    return true;
}

void RosterModel::showNoBot()
{
    shown_ = -1;
    fileTexts_ = baseline_ = edits_ = {};
}

void RosterModel::tookFileTexts(const BotTexts& boxTexts)
{
    for (int field = NameField; field < FieldCount; ++field) {
        if (takenFromFile_[static_cast<std::size_t>(field + 1)])
            textOf(baseline_, field) = textOf(boxTexts, field);
    }
    edits_ = boxTexts;
}

const std::string& RosterModel::shownName() const
{
    const bool blank = std::all_of(edits_.name.begin(), edits_.name.end(),
                                   [](char c) { return c == ' ' || c == '\t'; });
    return blank ? baseline_.name : edits_.name;
}

SaveBlock RosterModel::saveBlock() const
{
    if (shown_ < 0)
        return SaveBlock::NoBot;
    if (roster_.state == RosterState::Missing)
        return SaveBlock::FileGone;
    if (roster_.state == RosterState::Unreadable)
        return SaveBlock::FileUnreadable;
    return shownIsListed() ? SaveBlock::None : SaveBlock::BotGone;
}

BotEdit RosterModel::saveEdit() const
{
    BotEdit edit;
    edit.name = edits_.name;
    edit.nameChanged = nameChanged();
    edit.values = edits_.fields;
    for (std::size_t box = 0; box < edit.values.size(); ++box)
        edit.changed[box] = edits_.fields[box] != baseline_.fields[box];
    edit.mustExist = true;
    return edit;
}

} // namespace roster
