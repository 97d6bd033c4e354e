// Renders the main window with the sample roster loaded and a bot chosen,
// for the README: build the target, then
//   QT_QPA_PLATFORM=offscreen build/screenshot samples/CovertstrikeUser.ini docs/screenshot.png

#include "app/frm_main.h"
#include "tools/remembering_platform.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    RememberingPlatform platform(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    frmMain window(platform);
    window.Form_Load();
    window.show();
    auto* combo = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    combo->setCurrentIndex(5);
    emit combo->activated(5);
    app.processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
