#pragma once

// Which of the overview's columns show: the header's context menu ticks
// them (every column but the number and the name), and the choice is kept
// in the settings store, so that the overview opens with it next time. A
// column the player never chose shows or hides as roster::TableColumns
// says.

#include <QObject>

class QMenu;
class QPoint;
class QTableView;

namespace platform {
class System;
}

class ColumnChooser : public QObject {
    Q_OBJECT

public:
    // Applies the remembered choice to `table` (whose model has the
    // overview's columns) and serves its header's menu, "mnuColumns".
    ColumnChooser(platform::System& system, QTableView* table);

private:
    void choose(int column, bool shown);

    platform::System& system_;
    QTableView* table_;
    QMenu* menu_;
};
