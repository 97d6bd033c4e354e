#pragma once

// The library as the library window's table shows it: one row per bot of
// the library, with the overview's columns but the number (a library bot
// has none) and then its file; and the view of it that sorts by any column
// (stable: equal cells keep the library's order) and shows only the bots
// that the filters pass (roster::passes).

#include "roster/library.h"
#include "roster/roster_table.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <vector>

class LibraryTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // The overview's columns of the bot itself (from the name to the voice;
    // not the roster's check nor its looks), then the file.
    static constexpr int FileColumn = roster::CheckColumn - 1;

    void setLibrary(const roster::Library& library);
    // The library bot of a row, its index in roster::Library::bots.
    const roster::LibraryBot& bot(int row) const { return bots_[static_cast<std::size_t>(row)]; }
    const std::string& fileName(int row) const;
    // A row's cell in a column before the file's.
    const roster::TableCell& cell(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<roster::LibraryBot> bots_;
    std::vector<std::string> files_;
    std::vector<std::array<roster::TableCell, roster::TableColumns.size() - 1>> cells_;
};

class LibraryFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setFilter(roster::BotFilter filter);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    const LibraryTableModel* library() const { return static_cast<const LibraryTableModel*>(sourceModel()); }

    roster::BotFilter filter_;
};
