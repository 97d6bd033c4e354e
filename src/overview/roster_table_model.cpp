#include "overview/roster_table_model.h"

#include "platform/controls.h"

#include <QFont>

#include <algorithm>
#include <numeric>

void RosterTableModel::setBots(const std::vector<roster::ListedBot>& bots)
{
    beginResetModel();
    cells_.resize(bots.size());
    for (std::size_t bot = 0; bot < bots.size(); ++bot) {
        for (int column = 0; column < columnCount(); ++column)
            cells_[bot][static_cast<std::size_t>(column)]
                = roster::MakeCell(column, static_cast<roster::BotIndex>(bot), bots[bot]);
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
        // A bot's name is shown as it is; the other cells in the player's words.
        return index.column() == roster::NameColumn ? QString::fromStdString(cell.text)
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
