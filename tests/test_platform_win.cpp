// The real platform on Windows: the settings store under the program's
// name, the folder probe's three outcomes, registry reads with read access
// only, launching, and paths that reach the engine whatever their letters.

#include "platform/qt_platform.h"
#include "roster/roster.h"
#include "support/files.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <qt_windows.h>

using platform::ProbeOutcome;
Q_DECLARE_METATYPE(ProbeOutcome)

namespace {

// A key of our own under HKEY_LOCAL_MACHINE, removed again afterwards.
// Writing there needs an administrator (or Wine); reading does not.
struct MachineKey {
    MachineKey()
    {
        name = QStringLiteral("SOFTWARE\\CovBotEd test %1").arg(QCoreApplication::applicationPid());
        created = ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, wide(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                                    nullptr)
            == ERROR_SUCCESS;
    }
    ~MachineKey()
    {
        if (created) {
            ::RegCloseKey(handle);
            ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, wide());
        }
    }
    bool set(const wchar_t* value, DWORD type, const void* data, DWORD size)
    {
        return ::RegSetValueExW(handle, value, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
    }
    const wchar_t* wide() const { return reinterpret_cast<const wchar_t*>(name.utf16()); }

    QString name;
    HKEY handle = nullptr;
    bool created = false;
};

} // namespace

class PlatformWinTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void settingsRoundTripUnderTheProgramsName();
    void probeGivesThreeOutcomes_data();
    void probeGivesThreeOutcomes();
    void registryIsReadAsStored();
    void launchReportsFailure();
    void pathsReachTheEngineWhateverTheirLetters();
};

void PlatformWinTest::settingsRoundTripUnderTheProgramsName()
{
    QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    platform::QtPlatform platform;
    const QString path = QStringLiteral("C:\\UnrealTournament\\System\\CovertstrikeUser.ini");
    QCOMPARE(platform.readSetting(QStringLiteral("FileLoc"), QStringLiteral("IniLoc")), QString());
    platform.writeSetting(QStringLiteral("FileLoc"), QStringLiteral("IniLoc"), path);
    QCOMPARE(platform.readSetting(QStringLiteral("FileLoc"), QStringLiteral("IniLoc")), path);

    // The executable's name without ".exe": a renamed copy remembers its own.
    const QString file = dir.filePath(QStringLiteral("test_platform_win/test_platform_win.ini"));
    QVERIFY2(testing::readBytes(file).contains("[FileLoc]"), qPrintable(file));
}

void PlatformWinTest::probeGivesThreeOutcomes_data()
{
    QTest::addColumn<QString>("folder"); // under a fresh folder, or on a drive
    QTest::addColumn<ProbeOutcome>("outcome");
    QTest::newRow("folder") << QStringLiteral("UnrealTournament") << ProbeOutcome::Exists;
    QTest::newRow("other case") << QStringLiteral("unrealtournament\\SYSTEM\\") << ProbeOutcome::Exists;
    QTest::newRow("missing") << QStringLiteral("Maps") << ProbeOutcome::NotFound;
    QTest::newRow("missing on the way") << QStringLiteral("Maps\\Extra") << ProbeOutcome::NotFound;
    QTest::newRow("a file") << QStringLiteral("UnrealTournament\\System\\UnrealTournament.ini")
                            << ProbeOutcome::NotFound;
    QTest::newRow("name Windows refuses") << QStringLiteral("Unreal<Tournament>") << ProbeOutcome::Failed;
    QTest::newRow("drive not there") << QStringLiteral("%1:\\unrealtournament") << ProbeOutcome::NotFound;
}

void PlatformWinTest::probeGivesThreeOutcomes()
{
    QFETCH(QString, folder);
    QFETCH(ProbeOutcome, outcome);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("UnrealTournament/System")));
    QVERIFY(testing::writeBytes(dir.filePath(QStringLiteral("UnrealTournament/System/UnrealTournament.ini")), ""));

    platform::QtPlatform platform;
    if (folder.contains(QLatin1Char(':'))) { // on the last drive letter that no drive has
        const DWORD drives = ::GetLogicalDrives();
        char letter = 'Z';
        while (letter > 'C' && (drives & (1u << (letter - 'A'))))
            --letter;
        QVERIFY(letter > 'C');
        folder = folder.arg(QLatin1Char(letter));
    } else {
        folder = QDir::toNativeSeparators(dir.path()) + QLatin1Char('\\') + folder;
    }
    const platform::FolderProbe probe = platform.probeFolder(folder);
    QCOMPARE(probe.outcome, outcome);
    // Only a failure comes with the system's words.
    QCOMPARE(probe.description.isEmpty(), outcome != ProbeOutcome::Failed);
}

void PlatformWinTest::registryIsReadAsStored()
{
    platform::QtPlatform platform;
    // A key that every Windows has, read without asking for more than reading.
    const auto root = platform.readMachineValue(QStringLiteral("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"),
                                                QStringLiteral("SystemRoot"));
    QVERIFY(root);
    QCOMPARE(root->type, quint32(REG_SZ));
    QVERIFY(root->data.endsWith('\0'));
    QCOMPARE(QString::fromLocal8Bit(root->data.chopped(1)).toLower(), qEnvironmentVariable("SystemRoot").toLower());
    QVERIFY(!platform.readMachineValue(QStringLiteral("SOFTWARE\\No such key here"), QStringLiteral("PATH")));
    QVERIFY(!platform.readMachineValue(QStringLiteral("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"),
                                       QStringLiteral("No such value")));

    MachineKey key;
    if (!key.created)
        QSKIP("writing under HKEY_LOCAL_MACHINE needs an administrator");
    const wchar_t path[] = L"C:\\Tools\\msinfo32.exe";
    const DWORD number = 0x0000012a;
    const QByteArray big(2000, 'x');
    QVERIFY(key.set(L"PATH", REG_SZ, path, sizeof path));
    QVERIFY(key.set(L"Number", REG_DWORD, &number, sizeof number));
    QVERIFY(key.set(L"Big", REG_BINARY, big.constData(), DWORD(big.size())));

    const auto text = platform.readMachineValue(key.name, QStringLiteral("path"));
    QVERIFY(text);
    QCOMPARE(text->type, quint32(REG_SZ));
    QCOMPARE(text->data, QByteArray("C:\\Tools\\msinfo32.exe", sizeof path / sizeof *path));
    const auto four = platform.readMachineValue(key.name, QStringLiteral("Number"));
    QVERIFY(four);
    QCOMPARE(four->type, quint32(REG_DWORD));
    QCOMPARE(four->data, QByteArray("\x2a\x01\0\0", 4));
    // More than the 1024-byte buffer holds: the read fails, as it always did.
    QVERIFY(!platform.readMachineValue(key.name, QStringLiteral("Big")));
}

void PlatformWinTest::launchReportsFailure()
{
    platform::QtPlatform platform;
    QString why;
    QVERIFY(!platform.launch(QStringLiteral("C:\\nonexistent\\msinfo32.exe"), &why));
    QVERIFY(!why.isEmpty());
    QVERIFY(!platform.launch(QString(), &why));
    const QString tool = qEnvironmentVariable("SystemRoot") + QStringLiteral("\\System32\\hostname.exe");
    QVERIFY(platform.fileExists(tool));
    QVERIFY(platform.launch(tool, &why));
}

void PlatformWinTest::pathsReachTheEngineWhateverTheirLetters()
{
    QTemporaryDir dir;
    const QString folder = QDir::toNativeSeparators(dir.path()) + QStringLiteral("\\Caf\u00e9 \u2605 \u0416");
    QVERIFY(QDir().mkpath(folder));
    const QString roster = folder + QStringLiteral("\\CovertstrikeUser.ini");
    QVERIFY(testing::writeBytes(roster, testing::sampleRoster()));

    platform::QtPlatform platform;
    QVERIFY(platform.fileExists(roster));
    QVERIFY(!platform.fileExists(folder));
    QCOMPARE(platform.probeFolder(folder).outcome, ProbeOutcome::Exists);
    const roster::BotNameList names = roster::RosterFile(platform::nativePath(roster)).ListBotNames();
    QVERIFY2(names.error.empty(), names.error.c_str());
    QCOMPARE(names.names.size(), std::size_t(16));
}

QTEST_MAIN(PlatformWinTest)
#include "test_platform_win.moc"
