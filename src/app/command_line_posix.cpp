#include "app/command_line.h"

#include <QCoreApplication>

#include <cstdio>

// Telling the command line's answers on a system where every program has
// its standard output and error.

namespace app {

void tellPlayer(const QString& text, Telling how)
{
    if (how == Telling::Mistake) {
        const QString line = QCoreApplication::applicationName() + QStringLiteral(": ") + text + QLatin1Char('\n');
        std::fputs(line.toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
    } else {
        std::fputs(text.toLocal8Bit().constData(), stdout);
        std::fflush(stdout);
    }
}

} // namespace app
