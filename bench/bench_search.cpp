// Times the start-up search for the game's roster: over fake machines laid
// out as players have them (in a temporary folder), and over this machine's
// own folders. Prints, for each, the first search and the median of 50 more
// (the folders then in the system's cache), in milliseconds.

#include "platform/game_search.h"
#include "platform/qt_platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using platform::SearchRoots;

namespace {

void touch(const QString& path)
{
    QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        std::fprintf(stderr, "cannot make %s\n", qPrintable(path));
}

// A machine of three drives whose every place of the search exists, with
// `prefixes` Proton prefixes and `documents` files in Documents, and one
// roster, in the last place searched.
SearchRoots fakeMachine(const QString& m, int prefixes, int documents)
{
    for (const char* folder : {"C/Program Files/Common Files/x", "C/Program Files (x86)/Steam/config/x",
                               "C/GOG Games/Unreal Tournament GOTY/System/x", "D/Games/x", "E/Unreal Tournament/Maps/x",
                               "home/.wine/drive_c/users/p/Documents/x"})
        touch(m + QLatin1Char('/') + QLatin1String(folder));
    for (int i = 0; i < prefixes; ++i)
        touch(m + QStringLiteral("/home/.steam/steam/steamapps/compatdata/%1/pfx/drive_c/users/steamuser/Documents/x")
                      .arg(200000 + i));
    for (int i = 0; i < documents; ++i)
        touch(m + QStringLiteral("/home/Documents/file%1.txt").arg(i));
    touch(m + QStringLiteral("/home/.utpg/System/CovertstrikeUser.ini"));

    SearchRoots roots;
    roots.classicDrives = {m + QStringLiteral("/C"), m + QStringLiteral("/D")};
    roots.fixedDrives = {m + QStringLiteral("/C"), m + QStringLiteral("/D"), m + QStringLiteral("/E")};
    roots.programFiles = {m + QStringLiteral("/C/Program Files"), m + QStringLiteral("/C/Program Files (x86)")};
    roots.documents = m + QStringLiteral("/home/Documents");
    roots.localAppData = m + QStringLiteral("/home/AppData/Local");
    roots.steam = {m + QStringLiteral("/C/Program Files (x86)/Steam"), m + QStringLiteral("/home/.steam/steam")};
    roots.home = m + QStringLiteral("/home");
    roots.winePrefixes = {m + QStringLiteral("/home/.wine")};
    roots.winePrefixParents = {m + QStringLiteral("/home/Games")};
    return roots;
}

void timeSearch(const char* what, const SearchRoots& roots)
{
    QElapsedTimer clock;
    clock.start();
    const qsizetype found = platform::findRosters(roots).size();
    const double first = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    std::vector<double> times;
    for (int i = 0; i < 50; ++i) {
        clock.restart();
        platform::findRosters(roots);
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-44s first %7.3f ms, median %7.3f ms, %lld found\n", what, first, times[times.size() / 2],
                static_cast<long long>(found));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    timeSearch("fake machine, every place, no prefixes", fakeMachine(dir.filePath(QStringLiteral("a")), 0, 0));
    timeSearch("fake machine, 50 Proton prefixes, 500 docs", fakeMachine(dir.filePath(QStringLiteral("b")), 50, 500));
    timeSearch("fake machine, 300 Proton prefixes, 2000 docs",
               fakeMachine(dir.filePath(QStringLiteral("c")), 300, 2000));
    timeSearch("fake machine, 300 Proton prefixes", fakeMachine(dir.filePath(QStringLiteral("d")), 300, 0));
    timeSearch("fake machine, 2000 docs", fakeMachine(dir.filePath(QStringLiteral("e")), 0, 2000));
    timeSearch("this machine's own folders", platform::searchRootsOfThisMachine());
    return 0;
}
