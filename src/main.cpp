#include "app/frm_main.h"
#include "platform/qt_platform.h"

#include <QApplication>

#include <csignal>

int main(int argc, char* argv[])
{
#ifdef SIGXFSZ
    // A write past the file-size limit should fail and be reported, not kill us.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication app(argc, argv);
    platform::QtPlatform platform;
    frmMain window(platform);
    window.Form_Load();
    window.show();
    return app.exec();
}
