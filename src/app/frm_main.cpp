#include "app/frm_main.h"

#include "roster/bot_file.h"

#include "about/frm_about.h"
#include "platform/controls.h"
#include "platform/identity.h"
#include "platform/qt_platform.h"

#include <QDragEnterEvent>
#include <QDir>
#include <QDropEvent>
#include <QIcon>
#include <QLineEdit>
#include <QComboBox>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

namespace {

// The one local file that a drag carries, or nothing.
QString draggedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile())
        return {};
    return QDir::toNativeSeparators(urls.constFirst().toLocalFile());
}

} // namespace

frmMain::frmMain(platform::Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform)
{
    platform::initPictures();
    setObjectName(QStringLiteral("frmMain"));
    // The title bar marks a bot with changes not yet saved.
    setWindowTitle(QString::fromUtf8(identity::Title) + QStringLiteral("[*]"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/pictures/icon%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    CommonDialog1.title = tr("Open");
    CommonDialog1.filter = QStringLiteral("CovertstrikeUser.ini | CovertstrikeUser.ini");
    CommonDialog1.startFolder = QStringLiteral("c:\\unrealtournament");

    buildControls();
    buildMenus();
    buildTabOrder();
    followUnsavedChanges();
    buildFileWatch();
    showWhetherGameRuns();
    resize(scale_.toX(8040), scale_.toY(8820) + menuBar()->sizeHint().height());

    // The value boxes and the bot list's edit field take dropped text; a
    // dragged file passes them by and comes to the window.
    setAcceptDrops(true);
    for (QWidget* child : findChildren<QWidget*>())
        if (child->acceptDrops())
            child->installEventFilter(this);
}

frmMain::~frmMain()
{
    // The boxes and the list lose the focus as they are destroyed, after
    // this window has stopped being one: nothing of it may answer them.
    for (QLineEdit* box : Text1)
        box->disconnect(this);
    Combo1->lineEdit()->disconnect(this);
}

std::string frmMain::iniPathBytes() const { return platform::nativePath(IniPath); }

void frmMain::showError(const QString& text) { platform_.showMessage(this, text, platform::MessageIcon::None); }

void frmMain::showUnreadable(const std::string& reason)
{
    showError(tr("The roster file cannot be read: %1").arg(platform::rosterWord(reason)));
}

void frmMain::mnuExit_Click() { close(); }

void frmMain::mnuAbout_Click()
{
    // Window-modal: the main window takes no input until the dialog closes.
    auto* about = new frmAbout(platform_, this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
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
    if (draggedFile(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event)
{
    const QString path = draggedFile(event->mimeData());
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
