// One start of the program, for timing from outside: `empty` shows a bare
// Qt main window, `text` one holding a single line edit (so Qt's font and
// text machinery is loaded, as in any window with words in it), `editor`
// the editor's window over a remembered roster.
// Each process ends as soon as its window has been exposed.

#include "app/frm_main.h"
#include "tools/remembering_platform.h"

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("empty")) {
        QMainWindow window;
        window.show();
        return QTest::qWaitForWindowExposed(&window) ? 0 : 1;
    }
    if (mode == QLatin1String("text")) {
        QMainWindow window;
        window.setCentralWidget(new QLineEdit(QStringLiteral("Covertstrike Bot Tweaker")));
        window.show();
        return QTest::qWaitForWindowExposed(&window) ? 0 : 1;
    }
    if (mode == QLatin1String("editor") && argc > 2) {
        RememberingPlatform platform(QString::fromLocal8Bit(argv[2]));
        frmMain window(platform);
        window.Form_Load();
        window.show();
        return QTest::qWaitForWindowExposed(&window) ? 0 : 1;
    }
    return 2;
}
