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
    app::CommandLine line;
    {
        // The command line is answered before the window system is set up:
        // without a display that would end the program before help, the
        // version, a mistake or anything else that needs no window is told.
        const QCoreApplication early(argc, argv);
        app::useLanguage(app::languageArgument(QCoreApplication::arguments()));
        line = app::readCommandLine(app::withoutWindowSystemOptions(QCoreApplication::arguments()));
        if (line.exitCode)
            return *line.exitCode;
        // A command for scripts runs here, without a window system.
        if (line.command)
            return app::runCommand(*line.command);
    }
    const std::unique_ptr<QApplication> application = app::startWindowSystem(argc, argv, line.withoutDisplay);
    // Ties the window to its desktop entry (its icon in docks and task bars).
    QGuiApplication::setDesktopFileName(QString::fromUtf8(identity::AppId));
    app::useLanguage(app::languageArgument(QCoreApplication::arguments()));
    line = app::readCommandLine(QCoreApplication::arguments());
    if (line.exitCode)
        return *line.exitCode;

    platform::QtPlatform platform;
    frmMain window(platform);
    window.Form_Load(line.rosterPath);
    window.show();
    // The start-up dialogs had the keyboard; it goes back to the window.
    window.activateWindow();
    return QApplication::exec();
}
