#pragma once

// The roster overview: every listed bot in one table, one row per bot in
// roster order, sortable by any column (a header click, or "Sort by" from
// the keyboard), with the averages of the numeric columns under it. A window
// of its own beside the main window that shows the roster document as it
// says it changes. It changes nothing itself: its buttons and keys ask the
// roster's actions, and the main window to show a bot.

#include "overview/bot_showing.h"
#include "roster/roster.h"

#include <QList>
#include <QWidget>

#include <optional>
#include <vector>

class AveragesTable;
class QAbstractButton;
class QCheckBox;
class QVBoxLayout;
class QHBoxLayout;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;
class QTableWidget;
class RosterActions;
class RosterTableModel;

namespace document {
class RosterDocument;
}
namespace platform {
class Platform;
}

class RosterOverview : public QWidget {
    Q_OBJECT

public:
    // A window of its own, owned by `parent`, at the size it had when last
    // closed (kept in the platform's settings store). Closing hides it.
    RosterOverview(platform::Platform& platform, document::RosterDocument& document, RosterActions& actions,
                   BotShowing& showing, QWidget* parent);
    ~RosterOverview() override;

    // The bots of the selected rows, in roster order.
    QList<int> selectedBots() const;

    // Selects these bots' rows (a bot moved, say), the first one current.
    void selectBots(const QList<int>& bots);

    // Opens the Set Values dialog for the selected bots (window-modal).
    Q_INVOKABLE void setValues();

    // What features of their own (shaping the roster, checking it...) add
    // to the window: a row of buttons above the bottom row, in the tab order
    // after the averages; an item of the rows' context menu, whose shortcut
    // works anywhere in the window.
    void addButtonRow(const QList<QAbstractButton*>& buttons);
    void addRowAction(QAction* action);

signals:
    // The selected rows changed: features enable their buttons.
    void selectionChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildControls();
    // The document's reading, with the bot the main window shows; the
    // selection and the sort stay.
    void showRoster();
    void showShownBot(int shownBot);
    void sortBy(int column);
    void followHeaderSort(int column, Qt::SortOrder order);
    void fitWidthToColumns();
    void rememberSize();
    void showSelectionCount();
    void showRowMenu(const QPoint& at);
    void buildSharing(QHBoxLayout* buttons);

    platform::Platform& platform_;
    document::RosterDocument& document_;
    RosterActions& actions_;
    BotShowing& showing_;
    RosterTableModel* model_ = nullptr;
    std::vector<roster::ListedBot> bots_;
    bool sizeRemembered_ = false;

    QComboBox* cboSortBy = nullptr;
    QCheckBox* chkDescending = nullptr;
    QTableView* grdRoster = nullptr;
    AveragesTable* grdAverages = nullptr;
    QVBoxLayout* buttonRows_ = nullptr;
    QWidget* lastAddedButton_ = nullptr;
    QList<QAction*> rowActions_;
    QLabel* lblState = nullptr;
    QPushButton* cmdSetValues = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdExportBots = nullptr;
    QPushButton* cmdImportBots = nullptr;
    QAction* actSetValues = nullptr;
    QAction* actExportBots = nullptr;
    QAction* actImportBots = nullptr;
};
