#include "overview/library_table_model.h"

#include "platform/translate.h"

#include <algorithm>

namespace {

// The overview's column that a column of the library's shows.
int tableColumn(int column) { return column + 1; }

bool sameKey(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

// A value as the game reads it: one pair of matching outer quotes and the
// spaces then around it taken off.
std::string_view unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    const std::size_t first = value.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{}
                                            : value.substr(first, value.find_last_not_of(' ') - first + 1);
}

// The bot as a roster reading lists it: its name and its twelve fields.
roster::ListedBot listedOf(const roster::SharedBot& bot)
{
    roster::ListedBot listed;
    listed.name = bot.name;
    for (std::size_t box = 0; box < roster::RosterFields.size(); ++box) {
        const std::string_view prefix = roster::RosterFields[box].keyPrefix;
        for (const roster::BotKey& key : bot.keys) {
            if (!key.rest.empty() || !sameKey(key.prefix, prefix.substr(0, prefix.size() - 1)))
                continue;
            const std::string_view text = unquoted(key.value);
            listed.fields[box] = {text.empty() ? roster::FieldState::Empty : roster::FieldState::Present,
                                  std::string(text)};
            break;
        }
    }
    return listed;
}

} // namespace

void LibraryTableModel::setLibrary(const roster::Library& library)
{
    beginResetModel();
    bots_ = library.bots;
    files_.clear();
    for (const roster::LibraryFile& file : library.files)
        files_.push_back(file.name);
    cells_.resize(bots_.size());
    for (std::size_t row = 0; row < bots_.size(); ++row) {
        const roster::ListedBot listed = listedOf(bots_[row].bot);
        for (int column = 0; column < FileColumn; ++column)
            cells_[row][static_cast<std::size_t>(column)] = roster::MakeCell(tableColumn(column), 0, listed);
    }
    endResetModel();
}

const std::string& LibraryTableModel::fileName(int row) const { return files_[bot(row).file]; }

const roster::TableCell& LibraryTableModel::cell(int row, int column) const
{
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

int LibraryTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(bots_.size());
}

int LibraryTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : FileColumn + 1; }

QVariant LibraryTableModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row();
    const int column = index.column();
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    if (column == FileColumn)
        return role == Qt::DisplayRole ? QVariant(QString::fromStdString(fileName(row))) : QVariant();
    const roster::TableCell& shown = cell(row, column);
    switch (role) {
    case Qt::DisplayRole:
        // A bot's name is shown as it is; the other cells in the player's words.
        return tableColumn(column) == roster::NameColumn ? QString::fromStdString(shown.text)
                                                         : platform::rosterWord(shown.text);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter
                                   | (roster::TableColumns[static_cast<std::size_t>(tableColumn(column))].averaged
                                          ? Qt::AlignRight
                                          : Qt::AlignLeft));
    case Qt::ToolTipRole:
        if (shown.absent)
            return tr("Not in the bot file: the game uses its default");
        break;
    default:
        break;
    }
    return {};
}

QVariant LibraryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == FileColumn)
        return tr("File");
    return platform::rosterWord(roster::TableColumns[static_cast<std::size_t>(tableColumn(section))].title);
}

void LibraryFilter::setFilter(roster::BotFilter filter)
{
    filter_ = std::move(filter);
    invalidateFilter();
}

bool LibraryFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    return roster::passes(library()->bot(sourceRow).bot, filter_);
}

bool LibraryFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (left.column() == LibraryTableModel::FileColumn)
        return library()->fileName(left.row()) < library()->fileName(right.row());
    return roster::SortsBefore(library()->cell(left.row(), left.column()),
                               library()->cell(right.row(), right.column()));
}
