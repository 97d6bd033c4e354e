#include "app/command_line.h"
#include "app/frm_main.h"
#include "app/language.h"
#include "platform/identity.h"
#include "platform/qt_platform.h"

#include <QApplication>

#include <csignal>

int main(int argc, char* argv[])
{
#ifdef SIGXFSZ
    // A write past the file-size limit should fail and be reported, not kill us.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QCoreApplication::setApplicationVersion(QString::fromUtf8(identity::Version));
    {
        // The command line is judged before the window system is set up:
        // without a display that would end the program before help, the
        // version or a mistake could be told.
        const QCoreApplication early(argc, argv);
        app::useLanguage(app::languageArgument(QCoreApplication::arguments()));
        const app::CommandLine line
            = app::readCommandLine(app::withoutWindowSystemOptions(QCoreApplication::arguments()));
        if (line.exitCode)
            return *line.exitCode;
    }
    QApplication app(argc, argv);
    // Ties the window to its desktop entry (its icon in docks and task bars).
    QGuiApplication::setDesktopFileName(QString::fromUtf8(identity::AppId));
    app::useLanguage(app::languageArgument(QCoreApplication::arguments()));
    const app::CommandLine line = app::readCommandLine(QCoreApplication::arguments());
    if (line.exitCode)
        return *line.exitCode;

    platform::QtPlatform platform;
    frmMain window(platform);
    window.Form_Load(line.rosterPath);
    window.show();
    // The start-up dialogs had the keyboard; it goes back to the window.
    window.activateWindow();
    return app.exec();
}
