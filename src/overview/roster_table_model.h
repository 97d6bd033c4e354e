#pragma once

// The roster as the overview's table shows it: one row per listed bot, the
// cells as roster/roster_table.h words them, sortable by any column, and the
// bot shown in the main window marked. With a check of the roster, each
// row's findings (their number, and their sentences as the tooltip and the
// accessible description), the skill the game plays the bot at (the Skill
// tooltip) and its looks, by their descriptions where the install has them.

#include "game/declarations.h"
#include "game/roster_check.h"
#include "roster/roster.h"
#include "roster/roster_table.h"

#include <QAbstractTableModel>

#include <vector>

class RosterTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // Takes the bots of a reading of the file, and what a check of the same
    // file found, keeping the sort in force. `install` may be null.
    void setBots(const std::vector<roster::ListedBot>& bots, const game::RosterCheck& check = {},
                 const game::Declarations* install = nullptr);
    // Marks the row of bot `bot` (-1: none).
    void setShownBot(int bot);

    // The bot shown in a row, and the row showing a bot (-1 when none).
    int botAt(int row) const;
    int rowOf(int bot) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Stable: equal cells keep roster order, so "#" up is roster order.
    void sort(int column, Qt::SortOrder order) override;

private:
    void applySort();

    std::vector<std::array<roster::TableCell, roster::TableColumns.size()>> cells_; // by bot
    std::vector<std::array<QString, roster::TableColumns.size()>> tips_;            // by bot; empty: none
    std::vector<int> order_; // the bot of each row
    int shownBot_ = -1;
    bool looksChecked_ = false;
    int sortColumn_ = roster::NumberColumn;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};
