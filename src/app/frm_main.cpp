#include "app/frm_main.h"

#include "about/frm_about.h"
#include "platform/controls.h"
#include "platform/identity.h"
#include "platform/qt_platform.h"

#include <QIcon>
#include <QMenuBar>

frmMain::frmMain(platform::Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform)
{
    platform::initPictures();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf8(identity::Title));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/pictures/icon%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    CommonDialog1.title = QStringLiteral("Open");
    CommonDialog1.filter = QStringLiteral("CovertstrikeUser.ini | CovertstrikeUser.ini");
    CommonDialog1.startFolder = QStringLiteral("c:\\unrealtournament");

    buildControls();
    buildMenus();
    buildTabOrder();
    resize(scale_.toX(8040), scale_.toY(8820) + menuBar()->sizeHint().height());
}

frmMain::~frmMain() = default;

std::string frmMain::iniPathBytes() const { return platform::nativePath(IniPath); }

void frmMain::showError(const QString& text) { platform_.showMessage(this, text, platform::MessageIcon::None); }

void frmMain::showUnreadable(const std::string& reason)
{
    showError(QStringLiteral("The roster file cannot be read: ") + QString::fromStdString(reason));
}

void frmMain::mnuExit_Click() { close(); }

void frmMain::mnuAbout_Click()
{
    // Window-modal: the main window takes no input until the dialog closes.
    auto* about = new frmAbout(platform_, this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

