#include "app/frm_main.h"

#include "about/frm_about.h"
#include "app/bot_controls.h"
#include "app/note_row.h"
#include "document/roster_document.h"
#include "overview/roster_actions.h"
#include "platform/desktop.h"
#include "roster/bot_file.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

frmMain::frmMain(platform::Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform), document_(new document::RosterDocument(platform, this))
{
    CommonDialog1.title = tr("Open");
    CommonDialog1.filter = QStringLiteral("CovertstrikeUser.ini | CovertstrikeUser.ini");
    CommonDialog1.startFolder = QStringLiteral("c:\\unrealtournament");

    ui_.setupUi(this);
    controls_ = new BotControls(ui_, *document_, platform_, this);
    actions_ = new RosterActions(platform_, *document_, this, *this);
    notes_ = new NoteRow(ui_, *actions_->lookout(), this);
    // What concerns the whole roster goes straight to its actions.
    actions_->serve({ui_.mnuRestoreBackup, ui_.mnuUndo, ui_.mnuRedo, ui_.mnuOverview, ui_.mnuExportBots,
                     ui_.mnuImportBots, ui_.mnuLibrary, ui_.mnuCheckRoster});
    connect(ui_.Combo1, qOverload<int>(&QComboBox::activated), this, &frmMain::Combo1_Click);
    connect(ui_.Label2, &platform::CaptionLabel::changed, this, &frmMain::Label2_Change);
    connect(ui_.Command3, &QPushButton::clicked, this, &frmMain::Command3_Click);
    connect(ui_.Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(ui_.Command2, &QPushButton::clicked, this, &frmMain::Command2_Click);
    connect(ui_.Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    connect(ui_.mnuOpen, &QAction::triggered, this, &frmMain::mnuOpen_Click);
    connect(ui_.mnuSave, &QAction::triggered, this, &frmMain::mnuSave_Click);
    connect(ui_.mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(ui_.mnuHuman, &QAction::triggered, this, &frmMain::mnuHuman_Click);
    connect(ui_.mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);

    // The window shows what the document says.
    connect(document_, &document::RosterDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(document_, &document::RosterDocument::opened, this, &frmMain::showRoster);
    connect(document_, &document::RosterDocument::changed, this, &frmMain::showNews);
    // Another program's change waits while the player answers a question
    // or has a menu open.
    document_->setHoldOff([] { return QApplication::activeModalWidget() || QApplication::activePopupWidget(); });

    // The value boxes and the bot list's edit field take dropped text; a
    // dragged file passes them by and comes to the window.
    setAcceptDrops(true);
    for (QWidget* child : findChildren<QWidget*>())
        if (child->acceptDrops())
            child->installEventFilter(this);
}

frmMain::~frmMain() { controls_->stop(); }

const QString& frmMain::iniPath() const { return document_->path(); }

void frmMain::mnuExit_Click() { close(); }

void frmMain::mnuAbout_Click()
{
    // Window-modal: the main window takes no input until the dialog closes.
    platform::openOver(new frmAbout(platform_, this), this);
}

void frmMain::mnuHuman_Click() { controls_->applyHumanPreset(); }

void frmMain::closeEvent(QCloseEvent* event)
{
    if (settleChanges(this))
        event->accept();
    else
        event->ignore();
}

void frmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    QTimer::singleShot(0, this, [this] { ui_.correctStartSize(this); });
}

void frmMain::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    ui_.correctStartSize(this);
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    ui_.correctStartSize(this);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::DragEnter && static_cast<QDragEnterEvent*>(event)->mimeData()->hasUrls()) {
        event->ignore(); // on to the window
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (platform::droppedFile(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event)
{
    const QString path = platform::droppedFile(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop is over: its messages must not hold up the
    // program the file came from.
    // A bot file is imported into the roster in force; any other file is
    // opened as a roster.
    if (path.endsWith(QLatin1String(roster::BotFileSuffix.data()), Qt::CaseInsensitive))
        QMetaObject::invokeMethod(this, [this, path] { importBotFile(path); }, Qt::QueuedConnection);
    else
        QMetaObject::invokeMethod(this, [this, path] { openRosterFile(path); }, Qt::QueuedConnection);
}

void frmMain::importBotFile(const QString& path) { actions_->importBotFile(this, path); }
