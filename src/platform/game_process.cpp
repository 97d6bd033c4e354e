#include "platform/game_process.h"

#include <QDirIterator>
#include <QFile>

namespace platform {

bool isGameProgram(const QString& name)
{
    const QString program = name.trimmed();
    // "UnrealTournamen" is how Linux names the Windows game run by Wine.
    return program.compare(QLatin1String("UnrealTournament.exe"), Qt::CaseInsensitive) == 0
        || program.compare(QLatin1String("UnrealTournamen"), Qt::CaseInsensitive) == 0
        || program == QLatin1String("ut-bin") || program.startsWith(QLatin1String("ut-bin-"));
}

bool gameRunsIn(const QString& processes)
{
    // One small read per process: a few milliseconds for a few hundred.
    QDirIterator it(processes, QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        if (!it.fileName().front().isDigit())
            continue;
        QFile comm(it.filePath() + QStringLiteral("/comm"));
        if (comm.open(QIODevice::ReadOnly) && isGameProgram(QString::fromLocal8Bit(comm.read(64))))
            return true;
    }
    return false;
}

} // namespace platform
