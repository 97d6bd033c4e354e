#include "overview/library_window.h"

#include "document/messages.h"
#include "document/roster_document.h"
#include "overview/deal_dialog.h"
#include "overview/library_file_dialog.h"
#include "overview/library_filters.h"
#include "overview/library_table_model.h"
#include "overview/roster_actions.h"
#include "overview/roster_overview.h"
#include "overview/roster_shape_actions.h"
#include "platform/desktop.h"
#include "platform/identity.h"
#include "platform/platform.h"
#include "platform/qt_platform.h"
#include "platform/translate.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <set>

namespace {

const QString SettingsSection = QStringLiteral("Library");
const QString FolderKey = QStringLiteral("Folder");

QString reasonOf(const roster::Refusal& refusal)
{
    return document::Messages::refusal(roster::SaveOutcome::refusal({}, refusal.pattern, refusal.arguments));
}

} // namespace

LibraryWindow::LibraryWindow(platform::Platform& platform, document::RosterDocument& document, RosterActions& actions,
                             RosterShapeActions& shape, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), document_(document), actions_(actions), shape_(shape),
      watch_(new QFileSystemWatcher(this)), settle_(new QTimer(this))
{
    setObjectName(QStringLiteral("frmLibrary"));
    setWindowTitle(tr("Library - %1").arg(QString::fromUtf8(identity::Title)));
    buildControls();
    resize(1000, 600);
    // The folder's files settle before they are read again: a program
    // writing several of them is read once.
    settle_->setObjectName(QStringLiteral("librarySettle"));
    settle_->setSingleShot(true);
    settle_->setInterval(300);
    connect(settle_, &QTimer::timeout, this, &LibraryWindow::readLibrary);
    connect(watch_, &QFileSystemWatcher::directoryChanged, settle_, qOverload<>(&QTimer::start));
    connect(watch_, &QFileSystemWatcher::fileChanged, settle_, qOverload<>(&QTimer::start));
    const QString chosen = platform_.readSetting(SettingsSection, FolderKey);
    chosenFolder_ = !chosen.isEmpty();
    folder_ = QDir::toNativeSeparators(chosenFolder_ ? chosen : platform_.dataFolder() + QStringLiteral("/Library"));
    lblFolder->setText(folder_);
}

void LibraryWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    readLibrary();
    // Beside the main window where there is room, wholly on its screen.
    if (!event->spontaneous())
        platform::placeBeside(this, parentWidget());
}

void LibraryWindow::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    const auto button = [this](const char* name, const QString& text, void (LibraryWindow::*verb)()) {
        auto* made = new QPushButton(text, this);
        made->setObjectName(QLatin1String(name));
        connect(made, &QPushButton::clicked, this, verb);
        return made;
    };
    auto* top = new QHBoxLayout;
    auto* folderCaption = new QLabel(tr("Folder:"), this);
    lblFolder = new QLabel(this);
    lblFolder->setObjectName(QStringLiteral("lblFolder"));
    lblFolder->setTextFormat(Qt::PlainText);
    lblFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(folderCaption);
    top->addWidget(lblFolder, 1);
    top->addWidget(button("cmdChooseFolder", tr("&Change Folder..."), &LibraryWindow::chooseFolder));
    top->addWidget(button("cmdOpenFolder", tr("&Open Folder"), &LibraryWindow::openFolder));
    layout->addLayout(top);

    model_ = new LibraryTableModel(this);
    passing_ = new LibraryFilter(this);
    passing_->setSourceModel(model_);
    grdLibrary = new QTableView(this);
    grdLibrary->setObjectName(QStringLiteral("grdLibrary"));
    grdLibrary->setAccessibleName(tr("Library"));
    grdLibrary->setModel(passing_);
    grdLibrary->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdLibrary->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grdLibrary->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLibrary->setTabKeyNavigation(false);
    grdLibrary->setWordWrap(false);
    grdLibrary->verticalHeader()->hide();
    grdLibrary->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // By file at first: the library's own order.
    grdLibrary->setSortingEnabled(true);
    grdLibrary->sortByColumn(LibraryTableModel::FileColumn, Qt::AscendingOrder);
    auto* splitter = new QSplitter(this);
    splitter->setChildrenCollapsible(false);
    filters_ = new LibraryFilters(this);
    connect(filters_, &LibraryFilters::changed, this, &LibraryWindow::applyFilter);
    splitter->addWidget(filters_);
    splitter->addWidget(grdLibrary);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);

    lstProblems = new QListWidget(this);
    lstProblems->setObjectName(QStringLiteral("lstProblems"));
    lstProblems->setAccessibleName(tr("Files that cannot be read"));
    lstProblems->setMaximumHeight(fontMetrics().height() * 5);
    lstProblems->hide();
    layout->addWidget(lstProblems);

    // What the library holds, on a line of its own over the buttons: the
    // note of an empty library is long in every language.
    lblState = new QLabel(this);
    lblState->setObjectName(QStringLiteral("lblState"));
    lblState->setWordWrap(true);
    layout->addWidget(lblState);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    QPushButton* toRoster = button("cmdAddToRoster", tr("Add to &Roster..."), &LibraryWindow::addToRoster);
    QPushButton* remove = button("cmdRemoveFromLibrary", tr("Re&move from Library"), &LibraryWindow::removeFromLibrary);
    selectionButtons_ = {toRoster, remove};
    for (QPushButton* made : {toRoster, button("cmdDeal", tr("&Deal Roster..."), &LibraryWindow::dealRoster),
                              button("cmdAddToLibrary", tr("Add to &Library..."), &LibraryWindow::addToLibrary), remove,
                              button("cmdImportFile", tr("&Import File..."), &LibraryWindow::importFile)})
        bottom->addWidget(made);
    auto* cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    bottom->addWidget(cmdClose);
    layout->addLayout(bottom);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    auto* actClose = new QAction(this);
    actClose->setShortcut(QKeySequence(Qt::Key_Escape));
    addAction(actClose);
    connect(actClose, &QAction::triggered, this, &QWidget::close);
    connect(grdLibrary->selectionModel(), &QItemSelectionModel::selectionChanged, this, &LibraryWindow::showState);
    filters_->setFocus();
}

void LibraryWindow::applyFilter()
{
    passing_->setFilter(filters_->filter());
    showState();
}

void LibraryWindow::useFolder(const QString& folder)
{
    folder_ = QDir::toNativeSeparators(folder);
    lblFolder->setText(folder_);
    readLibrary();
}

void LibraryWindow::readLibrary()
{
    settle_->stop();
    // The same bots stay selected, by their files and names.
    std::set<std::pair<std::string, std::string>> selected;
    for (std::size_t i : selectedBots())
        selected.emplace(library_.files[library_.bots[i].file].name, library_.bots[i].bot.name);
    library_ = roster::ReadLibrary(platform::nativePath(folder_));
    model_->setLibrary(library_);
    QItemSelection selection;
    for (int row = 0; row < model_->rowCount(); ++row) {
        if (!selected.contains({model_->fileName(row), model_->bot(row).bot.name}))
            continue;
        const QModelIndex at = passing_->mapFromSource(model_->index(row, 0));
        if (at.isValid())
            selection.select(at, at.siblingAtColumn(passing_->columnCount() - 1));
    }
    grdLibrary->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    grdLibrary->resizeColumnsToContents();

    // A data folder not yet made is an empty library; any other folder
    // that cannot be read is told.
    const bool exists = QFileInfo(folder_).isDir();
    lstProblems->clear();
    if (library_.problem && (exists || chosenFolder_))
        lstProblems->addItem(reasonOf(*library_.problem));
    for (const roster::LibraryFile& file : library_.files) {
        if (file.problem)
            lstProblems->addItem(tr("%1: %2").arg(QString::fromStdString(file.name), reasonOf(*file.problem)));
    }
    lstProblems->setVisible(lstProblems->count() > 0);

    const QStringList watched = watch_->files() + watch_->directories();
    if (!watched.isEmpty())
        watch_->removePaths(watched);
    if (exists) {
        QStringList paths{folder_};
        for (const roster::LibraryFile& file : library_.files)
            paths.append(QDir(folder_).filePath(QString::fromStdString(file.name)));
        watch_->addPaths(paths);
    }
    showState();
}

void LibraryWindow::showState()
{
    const int total = model_->rowCount();
    lblState->setText(total == 0 ? tr("No bots in the library yet: add some from the overview, or import a bot file.")
                                 : tr("%1 of %n bots pass the filters", nullptr, total).arg(passing_->rowCount()));
    const bool any = grdLibrary->selectionModel()->hasSelection();
    for (QPushButton* button : std::as_const(selectionButtons_))
        button->setEnabled(any);
}

std::vector<std::size_t> LibraryWindow::selectedBots() const
{
    std::vector<std::size_t> bots;
    for (const QModelIndex& row : grdLibrary->selectionModel()->selectedRows())
        bots.push_back(static_cast<std::size_t>(passing_->mapToSource(row).row()));
    std::sort(bots.begin(), bots.end());
    return bots;
}

QList<int> LibraryWindow::overviewSelection() const
{
    const RosterOverview* overview = actions_.overview();
    return overview && overview->isVisible() ? overview->selectedBots() : QList<int>();
}

bool LibraryWindow::makeFolder()
{
    if (QDir().mkpath(folder_))
        return true;
    platform_.showMessage(this, tr("The library folder %1 could not be made.").arg(folder_),
                          platform::MessageIcon::None);
    return false;
}

void LibraryWindow::tellLibraryFailure(const roster::SaveOutcome& outcome)
{
    platform_.showMessage(this,
                          outcome.refused ? document::Messages::refusal(outcome)
                                          : tr("The library file %1 could not be written: %2. It was left as it was.")
                                                .arg(QString::fromStdString(outcome.failedKey),
                                                     platform::rosterWord(outcome.error)),
                          platform::MessageIcon::None);
}

void LibraryWindow::addToRoster()
{
    roster::BotSection section{std::string(roster::BotFileSection), 0, {}};
    for (std::size_t i : selectedBots())
        section.bots.push_back(library_.bots[i].bot);
    if (section.bots.empty())
        return;
    roster::BotFileReading reading;
    reading.sections.push_back(std::move(section));
    actions_.importBots(this, reading);
}

void LibraryWindow::dealRoster()
{
    if (!document_.isOpen()) {
        platform_.showMessage(this, document::Messages::noRosterOpen(), platform::MessageIcon::None);
        return;
    }
    const QList<int> kept = overviewSelection();
    QStringList names;
    for (int bot : kept)
        names.append(QString::fromStdString(document_.roster().bots[static_cast<std::size_t>(bot)].name));
    auto* dialog = new DealDialog(document_.model().botCount(), passing_->rowCount(), kept, names, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        roster::DealRequest request = dialog->request();
        request.filter = filters_->filter();
        // A copy: the folder may be read again while a question is open.
        const std::vector<roster::LibraryBot> bots = library_.bots;
        shape_.deal(this, bots, request);
    });
    dialog->open();
}

void LibraryWindow::addToLibrary()
{
    const QList<int> bots = overviewSelection();
    if (bots.isEmpty()) {
        platform_.showMessage(this, tr("Select the bots to add in the roster's overview first (Roster, Overview)."),
                              platform::MessageIcon::None);
        return;
    }
    QStringList files;
    for (const roster::LibraryFile& file : library_.files) {
        if (!file.problem)
            files.append(QString::fromStdString(file.name));
    }
    auto* dialog = new LibraryFileDialog(files, static_cast<int>(bots.size()), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, bots] { addToLibraryFile(dialog->fileName(), bots); });
    dialog->open();
}

void LibraryWindow::addToLibraryFile(const QString& fileName, const QList<int>& bots)
{
    const roster::CollectedBots collected = document_.collect({bots.begin(), bots.end()});
    if (!collected.error.empty()) {
        platform_.showMessage(this, document::Messages::unreadable(collected.error), platform::MessageIcon::None);
        return;
    }
    if (!makeFolder())
        return;
    const roster::SaveOutcome added
        = roster::AddToLibrary(platform::nativePath(folder_), platform::nativePath(fileName), collected.bots,
                               std::string(identity::Title) + " " + identity::Version);
    if (!added.ok)
        tellLibraryFailure(added);
    readLibrary();
}

void LibraryWindow::removeFromLibrary()
{
    const std::vector<std::size_t> bots = selectedBots();
    if (bots.empty())
        return;
    QStringList names;
    for (std::size_t i : bots)
        names.append(tr("%1 (%2)").arg(QString::fromStdString(library_.bots[i].bot.name),
                                       QString::fromStdString(library_.files[library_.bots[i].file].name)));
    const int count = static_cast<int>(bots.size());
    const QString question
        = count == 1 ? tr("Remove %1 from the library? A file left without bots is deleted.").arg(names.constFirst())
                     : tr("Remove these %n bots from the library? A file left without bots is deleted.\n\n%1", nullptr,
                          count)
                           .arg(names.join(QStringLiteral(", ")));
    // The library as the player saw it: a file changed meanwhile is refused.
    const roster::Library seen = library_;
    if (!platform_.confirm(this, question))
        return;
    const roster::SaveOutcome removed = roster::RemoveFromLibrary(seen, bots);
    if (!removed.ok)
        tellLibraryFailure(removed);
    readLibrary();
}

void LibraryWindow::importFile()
{
    platform::FileDialogSettings dialog;
    dialog.title = tr("Import File into Library");
    dialog.filter = QStringLiteral("Bot files (*.covbots) | *.covbots");
    dialog.startFolder = QFileInfo(document_.path()).absolutePath();
    const std::optional<QString> path = platform_.chooseFile(this, dialog);
    if (!path || !makeFolder())
        return;
    const roster::TakenFile taken = roster::TakeIntoLibrary(platform::nativePath(folder_), platform::nativePath(*path));
    if (!taken.outcome.ok) {
        const QString reason = taken.outcome.refused ? document::Messages::refusal(taken.outcome)
                                                     : platform::rosterWord(taken.outcome.error);
        platform_.showMessage(this, tr("%1 could not be taken into the library: %2").arg(*path, reason),
                              platform::MessageIcon::None);
    }
    readLibrary();
}

void LibraryWindow::chooseFolder()
{
    const std::optional<QString> chosen = platform_.chooseFolder(this, tr("Library Folder"), folder_);
    if (!chosen)
        return;
    platform_.writeSetting(SettingsSection, FolderKey, *chosen);
    chosenFolder_ = true;
    useFolder(*chosen);
}

void LibraryWindow::openFolder()
{
    if (makeFolder() && !QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::fromNativeSeparators(folder_))))
        platform_.showMessage(this, tr("The library folder %1 could not be opened.").arg(folder_),
                              platform::MessageIcon::None);
}
