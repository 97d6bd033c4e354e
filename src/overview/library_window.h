#pragma once

// The library window: every bot of every bot file in the library folder
// (roster/library.h) in one table with the overview's columns and its
// file, sortable by any column, filtered by a part of the name, a team and
// a lowest and highest value per field as in Set Values; a file that cannot
// be read is listed with its reason. From here library bots go to the
// roster as imported bots go (the Import Bots dialog), the bots selected in
// the overview go into a file of the library, bots leave it, bot files come
// into it, and a fresh roster is dealt from the bots the filters pass. It
// follows the folder as its files change.
//
// The folder is "Library" in the program's data folder (~/.local/share/
// CovBotEd/Library, %APPDATA%\CovBotEd\Library), made when first written
// to or opened, or the one the player chose, remembered in the settings
// store. A window of its own beside the main window; closing hides it.

#include "roster/library.h"

#include <QList>
#include <QWidget>

#include <vector>

class LibraryFilter;
class LibraryFilters;
class LibraryTableModel;
class QFileSystemWatcher;
class QLabel;
class QListWidget;
class QPushButton;
class QTableView;
class QTimer;
class RosterActions;
class RosterShapeActions;

namespace document {
class RosterDocument;
}
namespace platform {
class Platform;
}

class LibraryWindow : public QWidget {
    Q_OBJECT

public:
    LibraryWindow(platform::Platform& platform, document::RosterDocument& document, RosterActions& actions,
                  RosterShapeActions& shape, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void useFolder(const QString& folder);
    // Reads the folder again, keeping the selection, and watches what it read.
    void readLibrary();
    void applyFilter();
    void showState();
    // The selected rows' bots, as indexes in the library, in its order.
    std::vector<std::size_t> selectedBots() const;
    QList<int> overviewSelection() const;
    bool makeFolder();
    void tellLibraryFailure(const roster::SaveOutcome& outcome);

    void addToRoster();
    void dealRoster();
    void addToLibrary();
    void addToLibraryFile(const QString& fileName, const QList<int>& bots);
    void removeFromLibrary();
    void importFile();
    void chooseFolder();
    void openFolder();

    platform::Platform& platform_;
    document::RosterDocument& document_;
    RosterActions& actions_;
    RosterShapeActions& shape_;
    QString folder_; // in the system's separators
    bool chosenFolder_ = false; // the player's, not the data folder's
    roster::Library library_;
    LibraryTableModel* model_ = nullptr;
    LibraryFilter* passing_ = nullptr; // the bots the filters pass, sorted as the table shows them
    QFileSystemWatcher* watch_ = nullptr;
    QTimer* settle_ = nullptr;
    LibraryFilters* filters_ = nullptr;

    QLabel* lblFolder = nullptr;
    QTableView* grdLibrary = nullptr;
    QListWidget* lstProblems = nullptr;
    QLabel* lblState = nullptr;
    QList<QPushButton*> selectionButtons_; // need selected library bots
};
