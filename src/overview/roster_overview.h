#pragma once

// The roster overview: every listed bot in one table, one row per bot in
// roster order, sortable by any column (a header click, or "Sort by" from
// the keyboard), with the averages of the numeric columns under it. A window
// of its own beside the main window, which hands it each new reading of the
// file. It changes nothing itself: it asks, through its signals, for a bot
// to be shown and for values to be set.

#include "roster/roster.h"
#include "roster/set_values.h"

#include <QList>
#include <QWidget>

#include <vector>

class QCheckBox;
class QHBoxLayout;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;
class QTableWidget;
class RosterTableModel;

namespace platform {
class Platform;
}

class RosterOverview : public QWidget {
    Q_OBJECT

public:
    // A window of its own, owned by `parent`, at the size it had when last
    // closed (kept in the platform's settings store). Closing hides it.
    RosterOverview(platform::Platform& platform, QWidget* parent);
    ~RosterOverview() override;

    // A new reading of the roster file, and the bot the main window shows
    // (-1: none). The selection and the sort stay.
    void setRoster(const roster::RosterSnapshot& roster, int shownBot);
    void setShownBot(int shownBot);

    // The bots of the selected rows, in roster order.
    QList<int> selectedBots() const;

    // Opens the Set Values dialog for the selected bots (window-modal);
    // its OK asks for the values through valuesSetRequested.
    Q_INVOKABLE void setValues();

signals:
    // Enter or a double-click on a row.
    void showBotRequested(int bot);
    // The Set Values dialog's OK: these fields on these bots.
    void valuesSetRequested(const QList<int>& bots, const std::vector<roster::FieldSetting>& fields);
    // Sharing bots: Export Bots (the selected bots), Import Bots, Ctrl+C
    // (the selected bots to the clipboard), Ctrl+V (the clipboard's text)
    // and a bot file dropped on the window.
    void exportRequested(const QList<int>& bots);
    void importRequested();
    void copyRequested(const QList<int>& bots);
    void pasteRequested(const QString& text);
    void botFileDropped(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildControls();
    void sortBy(int column);
    void followHeaderSort(int column, Qt::SortOrder order);
    void showAverages();
    void fitAverageColumns();
    void fitWidthToColumns();
    void rememberSize();
    void showSelectionCount();
    void showRowMenu(const QPoint& at);
    void buildSharing(QHBoxLayout* buttons);

    platform::Platform& platform_;
    RosterTableModel* model_ = nullptr;
    std::vector<roster::ListedBot> bots_;
    int shownBot_ = -1;
    bool sizeRemembered_ = false;

    QComboBox* cboSortBy = nullptr;
    QCheckBox* chkDescending = nullptr;
    QTableView* grdRoster = nullptr;
    QTableWidget* grdAverages = nullptr;
    QLabel* lblState = nullptr;
    QPushButton* cmdSetValues = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdExportBots = nullptr;
    QPushButton* cmdImportBots = nullptr;
    QAction* actSetValues = nullptr;
    QAction* actExportBots = nullptr;
    QAction* actImportBots = nullptr;
};
