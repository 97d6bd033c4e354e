#include "overview/roster_overview.h"

#include "document/roster_document.h"
#include "overview/averages_table.h"
#include "overview/column_chooser.h"
#include "overview/roster_actions.h"
#include "overview/roster_table_model.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/identity.h"
#include "platform/platform.h"
#include "roster/bot_file.h"
#include "roster/roster_table.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QShowEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString SettingsSection = QStringLiteral("Overview");
const QString SizeKey = QStringLiteral("Size");


} // namespace

RosterOverview::RosterOverview(platform::Platform& platform, document::RosterDocument& document,
                               RosterActions& actions, BotShowing& showing, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), document_(document), actions_(actions), showing_(showing)
{
    setObjectName(QStringLiteral("frmOverview"));
    setWindowTitle(tr("Roster - %1").arg(QString::fromUtf8(identity::Title)));
    buildControls();
    resize(900, 560);
    const QStringList size = platform_.readSetting(SettingsSection, SizeKey).split(QLatin1Char('x'));
    sizeRemembered_ = size.size() == 2 && size[0].toInt() > 0 && size[1].toInt() > 0;
    if (sizeRemembered_)
        resize(size[0].toInt(), size[1].toInt());
    // It shows the document while open; it is brought up to date as it opens.
    const auto follow = [this] {
        if (isVisible())
            showRoster();
    };
    connect(&document_, &document::RosterDocument::opened, this, follow);
    connect(&document_, &document::RosterDocument::changed, this, follow);
    connect(&document_, &document::RosterDocument::installChanged, this, follow);
    connect(&document_, &document::RosterDocument::shownBotChanged, this, &RosterOverview::showShownBot);
}

void RosterOverview::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    showRoster();
    // Beside the main window where there is room, wholly on its screen.
    if (!event->spontaneous())
        platform::placeBeside(this, parentWidget());
}

RosterOverview::~RosterOverview()
{
    // Open when the main window closes: its size is kept all the same.
    if (isVisible())
        rememberSize();
}

void RosterOverview::rememberSize()
{
    platform_.writeSetting(SettingsSection, SizeKey, QStringLiteral("%1x%2").arg(width()).arg(height()));
    sizeRemembered_ = true;
}

void RosterOverview::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* sorting = new QHBoxLayout;
    auto* sortCaption = new QLabel(tr("Sort &by:"), this);
    cboSortBy = new QComboBox(this);
    cboSortBy->setObjectName(QStringLiteral("cboSortBy"));
    for (const roster::TableColumn& column : roster::TableColumns)
        cboSortBy->addItem(platform::rosterWord(column.title));
    sortCaption->setBuddy(cboSortBy);
    cboSortBy->setAccessibleName(tr("Sort by"));
    chkDescending = new QCheckBox(tr("&Descending"), this);
    chkDescending->setObjectName(QStringLiteral("chkDescending"));
    sorting->addWidget(sortCaption);
    sorting->addWidget(cboSortBy);
    sorting->addWidget(chkDescending);
    sorting->addStretch();
    layout->addLayout(sorting);

    model_ = new RosterTableModel(this);
    grdRoster = new QTableView(this);
    grdRoster->setObjectName(QStringLiteral("grdRoster"));
    grdRoster->setAccessibleName(tr("Roster"));
    grdRoster->setModel(model_);
    grdRoster->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdRoster->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grdRoster->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdRoster->setTabKeyNavigation(false);
    grdRoster->setWordWrap(false);
    grdRoster->verticalHeader()->hide();
    grdRoster->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    grdRoster->setSortingEnabled(true);
    grdRoster->sortByColumn(roster::NumberColumn, Qt::AscendingOrder);
    grdRoster->setContextMenuPolicy(Qt::CustomContextMenu);
    new ColumnChooser(platform_, grdRoster);
    layout->addWidget(grdRoster, 1);

    // The averages, column under column.
    grdAverages = new AveragesTable(grdRoster, this);
    layout->addWidget(grdAverages);

    // Rows of buttons that features of their own add (addButtonRow), then
    // the bottom row.
    buttonRows_ = new QVBoxLayout;
    layout->addLayout(buttonRows_);
    auto* buttons = new QHBoxLayout;
    lblState = new QLabel(this);
    lblState->setObjectName(QStringLiteral("lblState"));
    cmdSetValues = new QPushButton(tr("&Set Values..."), this);
    cmdSetValues->setObjectName(QStringLiteral("cmdSetValues"));
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    buttons->addWidget(lblState, 1);
    buttons->addWidget(cmdSetValues);
    buildSharing(buttons);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);

    actSetValues = new QAction(tr("&Set Values..."), this);
    actSetValues->setObjectName(QStringLiteral("actSetValues"));
    auto* actClose = new QAction(this);
    actClose->setShortcut(QKeySequence(Qt::Key_Escape));
    addAction(actClose);

    connect(cboSortBy, &QComboBox::currentIndexChanged, this, &RosterOverview::sortBy);
    connect(chkDescending, &QCheckBox::toggled, this, [this] { sortBy(cboSortBy->currentIndex()); });
    connect(grdRoster->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            &RosterOverview::followHeaderSort);
    connect(grdRoster, &QTableView::activated, this,
            [this](const QModelIndex& index) { showing_.showBot(model_->botAt(index.row())); });
    connect(grdRoster->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RosterOverview::showSelectionCount);
    connect(grdRoster->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RosterOverview::selectionChanged);
    connect(grdRoster, &QWidget::customContextMenuRequested, this, &RosterOverview::showRowMenu);
    connect(cmdSetValues, &QPushButton::clicked, this, &RosterOverview::setValues);
    connect(actSetValues, &QAction::triggered, this, &RosterOverview::setValues);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(actClose, &QAction::triggered, this, &QWidget::close);

    setTabOrder(cboSortBy, chkDescending);
    setTabOrder(chkDescending, grdRoster);
    setTabOrder(grdRoster, grdAverages);
    setTabOrder(grdAverages, cmdSetValues);
    setTabOrder(cmdSetValues, cmdExportBots);
    setTabOrder(cmdExportBots, cmdImportBots);
    setTabOrder(cmdImportBots, cmdClose);
    grdRoster->setFocus();
    showSelectionCount();
}

void RosterOverview::showRoster()
{
    const roster::RosterSnapshot& roster = document_.roster();
    const QList<int> selected = selectedBots();
    const int current = model_->botAt(grdRoster->currentIndex().row());
    bots_ = roster.bots;
    model_->setBots(bots_, document_.check(), document_.declarations());
    showShownBot(document_.model().shownBot());
    // The same bots stay selected, where they are still listed.
    QItemSelection selection;
    for (int bot : selected) {
        if (const int row = model_->rowOf(bot); row >= 0)
            selection.select(model_->index(row, 0), model_->index(row, model_->columnCount() - 1));
    }
    grdRoster->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (const int row = model_->rowOf(current); row >= 0)
        grdRoster->selectionModel()->setCurrentIndex(model_->index(row, 0), QItemSelectionModel::NoUpdate);
    grdRoster->resizeColumnsToContents();

    switch (roster.state) {
    case roster::RosterState::Read:
        lblState->setText(tr("%1 bots", nullptr, static_cast<int>(bots_.size())).arg(bots_.size()));
        break;
    case roster::RosterState::Missing:
        lblState->setText(tr("No roster file"));
        break;
    case roster::RosterState::Unreadable:
        lblState->setText(tr("The roster file cannot be read: %1").arg(platform::rosterWord(roster.error)));
        break;
    }
    grdAverages->showAverages(bots_);
    showSelectionCount();
    // Until the player has sized the window, it fits the first roster shown.
    if (!sizeRemembered_ && !bots_.empty()) {
        fitWidthToColumns();
        sizeRemembered_ = true;
    }
}

void RosterOverview::fitWidthToColumns()
{
    // Wide enough for every column, within the screen.
    int columns = 0;
    for (int column = 0; column < model_->columnCount(); ++column)
        columns += grdRoster->columnWidth(column);
    const int chrome = width() - grdRoster->viewport()->width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    int wanted = std::max(width(), columns + chrome);
    if (const QScreen* s = screen())
        wanted = std::min(wanted, s->availableGeometry().width());
    resize(wanted, height());
}

void RosterOverview::showShownBot(int shownBot) { model_->setShownBot(shownBot); }

QList<int> RosterOverview::selectedBots() const
{
    QList<int> bots;
    for (const QModelIndex& row : grdRoster->selectionModel()->selectedRows())
        bots.append(model_->botAt(row.row()));
    std::sort(bots.begin(), bots.end());
    return bots;
}

void RosterOverview::sortBy(int column)
{
    grdRoster->sortByColumn(column, chkDescending->isChecked() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void RosterOverview::followHeaderSort(int column, Qt::SortOrder order)
{
    const QSignalBlocker blockDescending(chkDescending);
    const QSignalBlocker blockColumn(cboSortBy);
    cboSortBy->setCurrentIndex(column);
    chkDescending->setChecked(order == Qt::DescendingOrder);
}

void RosterOverview::addButtonRow(const QList<QAbstractButton*>& buttons)
{
    auto* row = new QHBoxLayout;
    QWidget* before = cmdSetValues;
    for (QAbstractButton* button : buttons) {
        button->setParent(this);
        row->addWidget(button);
    }
    row->addStretch();
    buttonRows_->addLayout(row);
    // In the tab order after the averages and the rows added before.
    QWidget* previous = lastAddedButton_ ? lastAddedButton_ : static_cast<QWidget*>(grdAverages);
    for (QAbstractButton* button : buttons) {
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, before);
    lastAddedButton_ = previous;
}

void RosterOverview::addRowAction(QAction* action)
{
    rowActions_.append(action);
    // Its shortcut works anywhere in the window.
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
}

void RosterOverview::selectBots(const QList<int>& bots)
{
    QItemSelection selection;
    for (int bot : bots) {
        if (const int row = model_->rowOf(bot); row >= 0)
            selection.select(model_->index(row, 0), model_->index(row, model_->columnCount() - 1));
    }
    grdRoster->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!bots.isEmpty())
        if (const int row = model_->rowOf(bots.constFirst()); row >= 0)
            grdRoster->selectionModel()->setCurrentIndex(model_->index(row, 0), QItemSelectionModel::NoUpdate);
}

void RosterOverview::showSelectionCount()
{
    const bool any = grdRoster->selectionModel()->hasSelection();
    cmdSetValues->setEnabled(any);
    actSetValues->setEnabled(any);
}

void RosterOverview::showRowMenu(const QPoint& at)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("mnuRows"));
    menu.addAction(actSetValues);
    menu.addAction(actExportBots);
    menu.addAction(actImportBots);
    if (!rowActions_.isEmpty())
        menu.addSeparator();
    menu.addActions(rowActions_);
    menu.exec(grdRoster->viewport()->mapToGlobal(at));
}

void RosterOverview::setValues()
{
    const std::optional<roster::ListedBot> start = showing_.shownValues();
    actions_.setValues(this, selectedBots(), start ? &*start : nullptr);
}

void RosterOverview::buildSharing(QHBoxLayout* buttons)
{
    cmdExportBots = new QPushButton(tr("&Export Bots..."), this);
    cmdExportBots->setObjectName(QStringLiteral("cmdExportBots"));
    cmdImportBots = new QPushButton(tr("&Import Bots..."), this);
    cmdImportBots->setObjectName(QStringLiteral("cmdImportBots"));
    buttons->addWidget(cmdExportBots);
    buttons->addWidget(cmdImportBots);
    actExportBots = new QAction(tr("&Export Bots..."), this);
    actExportBots->setObjectName(QStringLiteral("actExportBots"));
    actImportBots = new QAction(tr("&Import Bots..."), this);
    actImportBots->setObjectName(QStringLiteral("actImportBots"));
    auto* actCopy = new QAction(tr("&Copy Bots"), this);
    actCopy->setObjectName(QStringLiteral("actCopyBots"));
    actCopy->setShortcut(QKeySequence::Copy);
    auto* actPaste = new QAction(tr("&Paste Bots"), this);
    actPaste->setObjectName(QStringLiteral("actPasteBots"));
    actPaste->setShortcut(QKeySequence::Paste);
    for (QAction* action : {actCopy, actPaste}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    setAcceptDrops(true);

    // Without a selection, every bot is exported.
    const auto exportSelected = [this] { actions_.exportBots(this, selectedBots()); };
    const auto import = [this] { actions_.importFromFile(this); };
    connect(cmdExportBots, &QPushButton::clicked, this, exportSelected);
    connect(actExportBots, &QAction::triggered, this, exportSelected);
    connect(cmdImportBots, &QPushButton::clicked, this, import);
    connect(actImportBots, &QAction::triggered, this, import);
    connect(actCopy, &QAction::triggered, this, [this] {
        if (!selectedBots().isEmpty())
            actions_.copyBots(this, selectedBots());
    });
    connect(actPaste, &QAction::triggered, this,
            [this] { actions_.pasteBots(this, QGuiApplication::clipboard()->text()); });
}

namespace {

// The one local bot file dragged, or nothing.
QString draggedBotFile(const QMimeData* data)
{
    const QString path = platform::droppedFile(data);
    return path.endsWith(QLatin1String(roster::BotFileSuffix.data()), Qt::CaseInsensitive) ? path : QString();
}

} // namespace

void RosterOverview::dragEnterEvent(QDragEnterEvent* event)
{
    if (draggedBotFile(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void RosterOverview::dropEvent(QDropEvent* event)
{
    const QString path = draggedBotFile(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Imported once the drop is over: the dialog must not hold up the
    // program the file came from.
    QMetaObject::invokeMethod(this, [this, path] { actions_.importBotFile(this, path); }, Qt::QueuedConnection);
}

void RosterOverview::closeEvent(QCloseEvent* event)
{
    rememberSize();
    QWidget::closeEvent(event);
}
