#pragma once

// The averages under the overview's table: a row for each team the roster
// has and one for all bots, each mean under its column, the row's label
// taking the room of "#" and "Name".

#include "roster/roster.h"

#include <QTableWidget>

#include <vector>

class QTableView;

class AveragesTable : public QTableWidget {
    Q_OBJECT

public:
    AveragesTable(QTableView* roster, QWidget* parent);

    void showAverages(const std::vector<roster::ListedBot>& bots);
    // Column under column, as the roster's table has them now.
    void fitColumns();

private:
    QTableView* roster_;
};
