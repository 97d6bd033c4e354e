// The search for the game's roster over a fake machine: drives, Program
// Files, a home folder with Wine prefixes and Steam, as a table of install
// layouts; the VirtualStore's copies; telling the game's process.

#include "platform/game_process.h"
#include "platform/game_search.h"

#include <QtTest>

using platform::SearchRoots;

namespace {

const QString Roster = QStringLiteral("/System/CovertstrikeUser.ini");

// The fake machine under `m`: C, D and E are its fixed drives.
SearchRoots rootsUnder(const QString& m)
{
    SearchRoots roots;
    roots.classicDrives = {m + QStringLiteral("/C"), m + QStringLiteral("/D")};
    roots.fixedDrives = {m + QStringLiteral("/C"), m + QStringLiteral("/D"), m + QStringLiteral("/E")};
    roots.programFiles = {m + QStringLiteral("/C/Program Files"), m + QStringLiteral("/C/Program Files (x86)")};
    roots.documents = m + QStringLiteral("/home/Documents");
    roots.localAppData = m + QStringLiteral("/AppData/Local");
    roots.steam = {m + QStringLiteral("/C/Program Files (x86)/Steam"), m + QStringLiteral("/home/.steam/steam")};
    roots.home = m + QStringLiteral("/home");
    roots.winePrefixes = {m + QStringLiteral("/home/.wine")};
    roots.winePrefixParents = {m + QStringLiteral("/home/Games"), m + QStringLiteral("/home/.local/share/bottles/bottles")};
    return roots;
}

// Makes `relative` ("path" or "path|minutes old") under `m`.
void make(const QString& m, const QString& relative)
{
    const QStringList parts = relative.split(QLatin1Char('|'));
    const QString path = m + QLatin1Char('/') + parts[0];
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    static const QDateTime now = QDateTime::currentDateTime(); // files of one age tie
    const int minutes = parts.size() > 1 ? parts[1].toInt() : 0;
    QVERIFY(file.setFileTime(now.addSecs(-60 * minutes), QFileDevice::FileModificationTime));
}

} // namespace

class GameSearchTest : public QObject {
    Q_OBJECT

private slots:
    void findsTheRosterWherePlayersInstall_data();
    void findsTheRosterWherePlayersInstall();
    void virtualStoreMirrorsProgramFiles_data();
    void virtualStoreMirrorsProgramFiles();
    void tellsTheGameByItsProcess();
};

void GameSearchTest::findsTheRosterWherePlayersInstall_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("libraryFolders"); // Steam's list, "$M" the machine
    QTest::addColumn<QStringList>("expected");
    const auto one = [](const char* folder) {
        return QStringList{QLatin1String(folder) + Roster};
    };
    QTest::newRow("nothing") << QStringList{QStringLiteral("C/Unreal Tournament/System/UnrealTournament.ini"),
                                            QStringLiteral("C/Unreal Tournament/CovertstrikeUser.ini"),
                                            QStringLiteral("E/UnrealTournament/System/CovertstrikeUser.ini.bak"),
                                            QStringLiteral("home/UnrealTournament/System/CovertstrikeUser.ini")}
                             << QString() << QStringList();
    QTest::newRow("C:\\unrealtournament alone, however new the others")
        << QStringList{QStringLiteral("C/unrealtournament/System/CovertstrikeUser.ini|60"),
                       QStringLiteral("D/UnrealTournament/System/CovertstrikeUser.ini|1"),
                       QStringLiteral("E/Unreal Tournament/System/CovertstrikeUser.ini|1")}
        << QString() << one("C/unrealtournament");
    QTest::newRow("D:\\UnrealTournament, names in any case")
        << QStringList{QStringLiteral("D/UnrealTournament/system/covertstrikeuser.INI")} << QString()
        << QStringList{QStringLiteral("D/UnrealTournament/system/covertstrikeuser.INI")};
    QTest::newRow("E:\\Unreal Tournament") << one("E/Unreal Tournament") << QString() << one("E/Unreal Tournament");
    QTest::newRow("GOG") << one("E/GOG Games/Unreal Tournament GOTY") << QString()
                         << one("E/GOG Games/Unreal Tournament GOTY");
    QTest::newRow("Program Files (x86)") << one("C/Program Files (x86)/Unreal Tournament") << QString()
                                         << one("C/Program Files (x86)/Unreal Tournament");
    QTest::newRow("VirtualStore copy")
        << QStringList{QStringLiteral("C/Program Files (x86)/Unreal Tournament") + Roster + QStringLiteral("|1"),
                       QStringLiteral("AppData/Local/VirtualStore/Program Files (x86)/Unreal Tournament") + Roster
                           + QStringLiteral("|5")}
        << QString() << one("AppData/Local/VirtualStore/Program Files (x86)/Unreal Tournament");
    QTest::newRow("Steam's own library") << one("C/Program Files (x86)/Steam/steamapps/common/Unreal Tournament")
                                         << QString()
                                         << one("C/Program Files (x86)/Steam/steamapps/common/Unreal Tournament");
    QTest::newRow("two libraries in Steam's list")
        << QStringList{QStringLiteral("D/SteamLibrary/steamapps/common/Unreal Tournament") + Roster,
                       QStringLiteral("E/Games/Steam/steamapps/common/unreal tournament/SYSTEM/CovertstrikeUser.ini")}
        << QStringLiteral("\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"$M/D/SteamLibrary\"\n\t}\n"
                          "\t\"1\"\n\t{\n\t\t\"path\"\t\t\"$M/E/Games/Steam\"\n\t\t\"label\"\t\t\"\"\n\t}\n}\n")
        << QStringList{QStringLiteral("D/SteamLibrary/steamapps/common/Unreal Tournament") + Roster,
                       QStringLiteral("E/Games/Steam/steamapps/common/unreal tournament/SYSTEM/CovertstrikeUser.ini")};
    QTest::newRow("Documents, for newer patches") << one("home/Documents/Unreal Tournament") << QString()
                                                  << one("home/Documents/Unreal Tournament");
    QTest::newRow("native Linux game") << one("home/.utpg") << QString() << one("home/.utpg");
    QTest::newRow("Wine prefix") << one("home/.wine/drive_c/Program Files/Unreal Tournament") << QString()
                                 << one("home/.wine/drive_c/Program Files/Unreal Tournament");
    QTest::newRow("Lutris") << one("home/Games/unreal-tournament/drive_c/UNREALTOURNAMENT") << QString()
                            << one("home/Games/unreal-tournament/drive_c/UNREALTOURNAMENT");
    QTest::newRow("Bottles, GOG inside") << one("home/.local/share/bottles/bottles/UT/drive_c/GOG Games/Unreal Tournament")
                                         << QString()
                                         << one("home/.local/share/bottles/bottles/UT/drive_c/GOG Games/Unreal Tournament");
    QTest::newRow("Proton prefix's Documents")
        << one("home/.steam/steam/steamapps/compatdata/13240/pfx/drive_c/users/steamuser/Documents/Unreal Tournament")
        << QString()
        << one("home/.steam/steam/steamapps/compatdata/13240/pfx/drive_c/users/steamuser/Documents/Unreal Tournament");
    QTest::newRow("several, newest first")
        << QStringList{QStringLiteral("E/UnrealTournament") + Roster + QStringLiteral("|30"),
                       QStringLiteral("home/Documents/Unreal Tournament") + Roster + QStringLiteral("|10"),
                       QStringLiteral("home/.utpg") + Roster + QStringLiteral("|20")}
        << QString()
        << QStringList{QStringLiteral("home/Documents/Unreal Tournament") + Roster, QStringLiteral("home/.utpg") + Roster,
                       QStringLiteral("E/UnrealTournament") + Roster};
}

void GameSearchTest::findsTheRosterWherePlayersInstall()
{
    QFETCH(QStringList, files);
    QFETCH(QString, libraryFolders);
    QFETCH(QStringList, expected);

    QTemporaryDir dir;
    const QString m = dir.path();
    for (const QString& file : files)
        make(m, file);
    if (!libraryFolders.isEmpty()) {
        const QString list = m + QStringLiteral("/C/Program Files (x86)/Steam/steamapps/libraryfolders.vdf");
        make(m, list.mid(m.size() + 1));
        QFile vdf(list);
        QVERIFY(vdf.open(QIODevice::WriteOnly));
        const QString escaped = QDir::toNativeSeparators(m).replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        vdf.write(QString(libraryFolders).replace(QStringLiteral("$M"), escaped).toUtf8());
    }
    QStringList paths;
    for (const QString& file : expected)
        paths.append(QDir::toNativeSeparators(m + QLatin1Char('/') + file));
    QCOMPARE(platform::findRosters(rootsUnder(m)), paths);
}

void GameSearchTest::virtualStoreMirrorsProgramFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("copy");
    const QString store = QStringLiteral("C:/Users/p/AppData/Local/VirtualStore/");
    QTest::newRow("x86") << QStringLiteral("C:\\Program Files (x86)\\Unreal Tournament\\System\\CovertstrikeUser.ini")
                         << store + QStringLiteral("Program Files (x86)/Unreal Tournament/System/CovertstrikeUser.ini");
    QTest::newRow("other case, Qt's slashes") << QStringLiteral("c:/program files/UT/System/CovertstrikeUser.ini")
                                              << store + QStringLiteral("Program Files/UT/System/CovertstrikeUser.ini");
    QTest::newRow("a folder only named alike") << QStringLiteral("C:\\Program Files Old\\UT\\CovertstrikeUser.ini")
                                               << QString();
    QTest::newRow("elsewhere") << QStringLiteral("D:\\UnrealTournament\\System\\CovertstrikeUser.ini") << QString();
}

void GameSearchTest::virtualStoreMirrorsProgramFiles()
{
    QFETCH(QString, path);
    QFETCH(QString, copy);
    QCOMPARE(platform::virtualStorePath(path, {QStringLiteral("C:\\Program Files"), QStringLiteral("C:\\Program Files (x86)")},
                                        QStringLiteral("C:\\Users\\p\\AppData\\Local")),
             copy);
}

void GameSearchTest::tellsTheGameByItsProcess()
{
    for (const char* name : {"UnrealTournament.exe", "unrealtournament.EXE", "UnrealTournamen\n", "ut-bin", "ut-bin-x86",
                             "ut-bin-amd64"})
        QVERIFY2(platform::isGameProgram(QLatin1String(name)), name);
    for (const char* name : {"UnrealEd.exe", "ut-binx", "bash", "UnrealTournament.exe.bak", ""})
        QVERIFY2(!platform::isGameProgram(QLatin1String(name)), name);

    QTemporaryDir proc;
    const auto process = [&](const char* pid, const char* name) {
        QDir().mkpath(proc.filePath(QLatin1String(pid)));
        QFile comm(proc.filePath(QLatin1String(pid) + QStringLiteral("/comm")));
        QVERIFY(comm.open(QIODevice::WriteOnly));
        comm.write(name);
    };
    process("1", "systemd\n");
    process("self", "UnrealTournamen\n"); // not a process number
    QVERIFY(!platform::gameRunsIn(proc.path()));
    process("4242", "ut-bin-amd64\n");
    QVERIFY(platform::gameRunsIn(proc.path()));
}

QTEST_GUILESS_MAIN(GameSearchTest)
#include "test_game_search.moc"
