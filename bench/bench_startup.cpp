// One start of the program, for timing from outside: `empty` shows a bare
// Qt main window, `text` one holding a single line edit (so Qt's font and
// text machinery is loaded, as in any window with words in it), `editor`
// the editor's window over a remembered roster.
// Each process prints the steady clock's reading (ns) the moment its window
// has been exposed, and ends: what it does after that (tearing down, and the
// kernel closing a file watch, which alone can take over 10 ms) is not
// start-up.

#include "app/frm_main.h"
#include "tools/remembering_platform.h"

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

int exposed(QWidget& window)
{
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stdout);
    std::_Exit(0);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("empty")) {
        QMainWindow window;
        window.show();
        return exposed(window);
    }
    if (mode == QLatin1String("text")) {
        QMainWindow window;
        window.setCentralWidget(new QLineEdit(QStringLiteral("Covertstrike Bot Tweaker")));
        window.show();
        return exposed(window);
    }
    if (mode == QLatin1String("editor") && argc > 2) {
        RememberingPlatform platform(QString::fromLocal8Bit(argv[2]));
        frmMain window(platform);
        window.Form_Load();
        window.show();
        return exposed(window);
    }
    return 2;
}
