#include "overview/roster_table_model.h"

#include "document/messages.h"
#include "platform/controls.h"

#include <QFont>

#include <algorithm>
#include <numeric>

namespace {

// What the game's menus call a look, where the install declares it.
const game::Declared* declared(const game::Declarations* install, int column, const std::string& name)
{
    if (!install)
        return nullptr;
    switch (column) {
    case roster::ClassColumn:
        if (const game::Declared* bot = install->find(game::Kind::BotClass, name))
            return bot;
        return install->find(game::Kind::PlayerClass, name);
    case roster::SkinColumn:
        return install->find(game::Kind::Skin, name);
    case roster::FaceColumn:
        return install->find(game::Kind::Face, name);
    case roster::WeaponColumn:
        return install->find(game::Kind::Weapon, name);
    default:
        return nullptr;
    }
}

// The box of the bots' skill, and its column.
constexpr std::size_t SkillBox = [] {
    std::size_t box = 0;
    while (roster::RosterFields[box].keyPrefix != "BotSkills[")
        ++box;
    return box;
}();
constexpr auto SkillColumn = static_cast<std::size_t>(roster::RosterFields[SkillBox].column);

} // namespace

void RosterTableModel::setBots(const std::vector<roster::ListedBot>& bots, const game::RosterCheck& check,
                               const game::Declarations* install)
{
    beginResetModel();
    looksChecked_ = check.looksChecked;
    cells_.resize(bots.size());
    tips_.assign(bots.size(), {});
    std::vector<std::vector<const game::Finding*>> findings(bots.size());
    for (const game::Finding& finding : check.findings) {
        if (finding.bot >= 0 && finding.bot < static_cast<int>(bots.size()))
            findings[static_cast<std::size_t>(finding.bot)].push_back(&finding);
    }
    for (std::size_t bot = 0; bot < bots.size(); ++bot) {
        roster::BotInPlay inPlay{static_cast<int>(findings[bot].size()), {}};
        if (bot < check.looks.size())
            inPlay.weapon = check.looks[bot][static_cast<std::size_t>(game::Look::Weapon)];
        auto& tips = tips_[bot];
        for (int column = 0; column < columnCount(); ++column) {
            roster::TableCell& cell = cells_[bot][static_cast<std::size_t>(column)];
            cell = roster::MakeCell(column, static_cast<roster::BotIndex>(bot), bots[bot], inPlay);
            // A look by its description, its name in the tooltip.
            const game::Declared* look = cell.absent ? nullptr : declared(install, column, cell.text);
            if (look && !look->description.empty()) {
                tips[static_cast<std::size_t>(column)] = QString::fromStdString(cell.text);
                cell.text = look->description;
            }
        }
        tips[roster::CheckColumn] = findings[bot].empty()
            ? tr("Nothing found: the game plays this bot as the file holds it")
            : document::Messages::findings(findings[bot]);
        if (check.error.empty())
            tips[SkillColumn] = document::Messages::skillInPlay(check.difficulty, bots[bot].fields[SkillBox].text);
    }
    order_.resize(bots.size());
    applySort();
    endResetModel();
}

void RosterTableModel::setShownBot(int bot)
{
    if (bot == shownBot_)
        return;
    const int before = rowOf(shownBot_);
    shownBot_ = bot;
    for (int row : {before, rowOf(bot)}) {
        if (row >= 0)
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
}

int RosterTableModel::botAt(int row) const
{
    return row >= 0 && row < rowCount() ? order_[static_cast<std::size_t>(row)] : -1;
}

int RosterTableModel::rowOf(int bot) const
{
    const auto at = std::find(order_.begin(), order_.end(), bot);
    return bot < 0 || at == order_.end() ? -1 : static_cast<int>(at - order_.begin());
}

int RosterTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int RosterTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(roster::TableColumns.size());
}

QVariant RosterTableModel::data(const QModelIndex& index, int role) const
{
    const int bot = botAt(index.row());
    if (bot < 0 || index.column() < 0 || index.column() >= columnCount())
        return {};
    const roster::TableCell& cell = cells_[static_cast<std::size_t>(bot)][static_cast<std::size_t>(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        // A bot's name, the findings and the looks are shown as they are;
        // the other cells in the player's words.
        return index.column() == roster::NameColumn || index.column() >= roster::CheckColumn
            ? QString::fromStdString(cell.text)
            : platform::rosterWord(cell.text);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter
                                   | (roster::TableColumns[static_cast<std::size_t>(index.column())].averaged
                                              || index.column() == roster::NumberColumn
                                          ? Qt::AlignRight
                                          : Qt::AlignLeft));
    case Qt::FontRole:
        if (bot == shownBot_) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        break;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        if (const QString& tip = tips_[static_cast<std::size_t>(bot)][static_cast<std::size_t>(index.column())];
            !tip.isEmpty())
            return tip;
        if (bot == shownBot_)
            return tr("Shown in the editor");
        if (cell.absent && role == Qt::ToolTipRole)
            return tr("Not in the file: the game uses its default");
        break;
    default:
        break;
    }
    return {};
}

QVariant RosterTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section == roster::CheckColumn && role == Qt::ToolTipRole)
        return looksChecked_ ? tr("What the game will not play as the file holds it") : document::Messages::noInstall();
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const std::string_view title = roster::TableColumns[static_cast<std::size_t>(section)].title;
    return platform::rosterWord(title);
}

void RosterTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> bots;
    for (const QModelIndex& i : before)
        bots.push_back(botAt(i.row()));
    sortColumn_ = column;
    sortOrder_ = order;
    applySort();
    QModelIndexList after;
    for (std::size_t i = 0; i < bots.size(); ++i)
        after.append(index(rowOf(bots[i]), before[static_cast<qsizetype>(i)].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void RosterTableModel::applySort()
{
    std::iota(order_.begin(), order_.end(), 0);
    const auto column = static_cast<std::size_t>(sortColumn_);
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
        const auto& first = cells_[static_cast<std::size_t>(a)][column];
        const auto& second = cells_[static_cast<std::size_t>(b)][column];
        return sortOrder_ == Qt::AscendingOrder ? roster::SortsBefore(first, second)
                                                : roster::SortsBefore(second, first);
    });
}
