// The real platform on this system: Windows paths in a Wine prefix, the
// folder probe's three outcomes, the settings store, the stand-in for the
// registry's System Information entry, launching, and the question about
// unsaved changes as a player answers it.

#include "platform/qt_platform.h"
#include "platform/wine_paths.h"
#include "support/files.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using platform::ProbeOutcome;

namespace {

// A Wine prefix whose C: drive holds the game with its own spelling.
struct WinePrefix {
    WinePrefix()
    {
        QDir root(dir.path());
        root.mkpath(QStringLiteral("drive_c/UnrealTournament/System"));
        root.mkpath(QStringLiteral("dosdevices"));
        QFile::link(QStringLiteral("../drive_c"), dir.filePath(QStringLiteral("dosdevices/c:")));
        qputenv("WINEPREFIX", QFile::encodeName(dir.path()));
    }
    ~WinePrefix() { qunsetenv("WINEPREFIX"); }

    QTemporaryDir dir;
};

} // namespace

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void windowsPathsMapIntoTheWinePrefix();
    void probeGivesThreeOutcomes();
    void settingsRoundTripUnderTheApplicationName();
    void systemInformationComesFromThePath();
    void launchReportsFailure();
    void filterBecomesQtForm();
    void saveQuestionTakesThePlayersAnswer_data();
    void saveQuestionTakesThePlayersAnswer();
};

void PlatformTest::windowsPathsMapIntoTheWinePrefix()
{
    WinePrefix wine;
    const QString prefix = wine.dir.path();
    QCOMPARE(platform::winePrefix(), prefix);
    const platform::MappedPath system = platform::mapWindowsPath(QStringLiteral("C:\\unrealtournament\\system\\"), prefix);
    QCOMPARE(system.error, 0);
    QCOMPARE(system.path, prefix + QStringLiteral("/dosdevices/c:/UnrealTournament/System"));
    QVERIFY(QFileInfo(system.path).isDir());

    const platform::MappedPath missing
        = platform::mapWindowsPath(QStringLiteral("c:\\UNREALTOURNAMENT\\Maps\\Extra"), prefix);
    QCOMPARE(missing.path, prefix + QStringLiteral("/dosdevices/c:/UnrealTournament/Maps/Extra"));
    QCOMPARE(platform::mapWindowsPath(QStringLiteral("D:\\unrealtournament"), prefix).path,
             prefix + QStringLiteral("/dosdevices/d:/unrealtournament"));
    QCOMPARE(platform::mapWindowsPath(QStringLiteral("/home/p/.utpg/System"), prefix).path,
             QStringLiteral("/home/p/.utpg/System"));
    QCOMPARE(platform::localPath(QStringLiteral("c:\\unrealtournament")),
             prefix + QStringLiteral("/dosdevices/c:/UnrealTournament"));
}

void PlatformTest::probeGivesThreeOutcomes()
{
    WinePrefix wine;
    platform::QtPlatform platform;
    QCOMPARE(platform.probeFolder(QStringLiteral("C:\\unrealtournament")).outcome, ProbeOutcome::Exists);
    QCOMPARE(platform.probeFolder(QStringLiteral("D:\\unrealtournament")).outcome, ProbeOutcome::NotFound);
    QCOMPARE(platform.probeFolder(QStringLiteral("C:\\unrealtournament\\System\\UnrealTournament.ini")).outcome,
             ProbeOutcome::NotFound);

    // A drive whose link loops is neither there nor missing: the system says why.
    QVERIFY(QFile::link(QStringLiteral("e:"), wine.dir.filePath(QStringLiteral("dosdevices/e:"))));
    const platform::FolderProbe loop = platform.probeFolder(QStringLiteral("E:\\unrealtournament"));
    QCOMPARE(loop.outcome, ProbeOutcome::Failed);
    QVERIFY(!loop.description.isEmpty());
}

void PlatformTest::settingsRoundTripUnderTheApplicationName()
{
    QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    platform::QtPlatform platform;
    QCOMPARE(platform.readSetting(QStringLiteral("FileLoc"), QStringLiteral("IniLoc")), QString());
    platform.writeSetting(QStringLiteral("FileLoc"), QStringLiteral("IniLoc"), QStringLiteral("/g/CovertstrikeUser.ini"));
    QCOMPARE(platform.readSetting(QStringLiteral("FileLoc"), QStringLiteral("IniLoc")),
             QStringLiteral("/g/CovertstrikeUser.ini"));
    const QString app = QCoreApplication::applicationName();
    QCOMPARE(app, QStringLiteral("test_platform"));
    const QString file = dir.filePath(app + QLatin1Char('/') + app + QStringLiteral(".ini"));
    QVERIFY2(testing::readBytes(file).contains("IniLoc=/g/CovertstrikeUser.ini"), qPrintable(file));
    // The program's own files go under ~/.local/share (in Qt's test mode ~/.qttest/share).
    QCOMPARE(platform.dataFolder(), QDir::homePath() + QStringLiteral("/.qttest/share/") + app);
}

void PlatformTest::systemInformationComesFromThePath()
{
    QTemporaryDir bin;
    const QString tool = bin.filePath(QStringLiteral("hardinfo"));
    QVERIFY(testing::writeBytes(tool, "#!/bin/sh\n"));
    QVERIFY(::chmod(QFile::encodeName(tool).constData(), 0755) == 0);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));

    platform::QtPlatform platform;
    const auto found = platform.readMachineValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                                                 QStringLiteral("PATH"));
    const auto location = platform.readMachineValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                                                    QStringLiteral("MSINFO"));
    qputenv("PATH", oldPath);
    QVERIFY(found);
    QCOMPARE(found->type, 1u);
    QCOMPARE(found->data, QFile::encodeName(tool) + '\0');
    QVERIFY(!location);
    QVERIFY(platform.fileExists(tool));
    QVERIFY(!platform.fileExists(bin.path()));
}

void PlatformTest::launchReportsFailure()
{
    platform::QtPlatform platform;
    QString why;
    QVERIFY(!platform.launch(QStringLiteral("/nonexistent/tool"), &why));
    QVERIFY(!why.isEmpty());
    QVERIFY(!platform.launch(QString(), &why));
    QVERIFY(platform.launch(QStringLiteral("/bin/true"), &why));
}

void PlatformTest::filterBecomesQtForm()
{
    QCOMPARE(platform::qtNameFilter(QStringLiteral("CovertstrikeUser.ini | CovertstrikeUser.ini")),
             QStringLiteral("CovertstrikeUser.ini (CovertstrikeUser.ini)"));
    QCOMPARE(platform::qtNameFilter(QStringLiteral("*.ini")), QStringLiteral("*.ini"));
}

void PlatformTest::saveQuestionTakesThePlayersAnswer_data()
{
    QTest::addColumn<int>("key"); // pressed on the box (with its modifiers), or 0 to click `button`
    QTest::addColumn<int>("button");
    QTest::addColumn<platform::SaveAnswer>("answer");
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << platform::SaveAnswer::Cancel;
    QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << platform::SaveAnswer::Save;
    QTest::newRow("Alt+S") << (Qt::Key_S | Qt::AltModifier).toCombined() << 0 << platform::SaveAnswer::Save;
    QTest::newRow("Alt+D") << (Qt::Key_D | Qt::AltModifier).toCombined() << 0 << platform::SaveAnswer::Discard;
    QTest::newRow("Save") << 0 << int(QMessageBox::Save) << platform::SaveAnswer::Save;
    QTest::newRow("Discard") << 0 << int(QMessageBox::Discard) << platform::SaveAnswer::Discard;
    QTest::newRow("Cancel") << 0 << int(QMessageBox::Cancel) << platform::SaveAnswer::Cancel;
}

void PlatformTest::saveQuestionTakesThePlayersAnswer()
{
    QFETCH(int, key);
    QFETCH(int, button);
    QFETCH(platform::SaveAnswer, answer);
    // The box is modal: the player answers it once it is up.
    QStringList shown;
    QTimer player;
    QObject::connect(&player, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        player.stop();
        shown << box->windowTitle() << box->text();
        // An access key answers in the active window only.
        QApplication::setActiveWindow(box);
        if (key)
            QTest::keyClick(box, Qt::Key(key & ~Qt::KeyboardModifierMask),
                            Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
        else
            box->button(QMessageBox::StandardButton(button))->click();
    });
    player.start(0);
    platform::QtPlatform platform;
    QCOMPARE(platform.askToSave(nullptr, QStringLiteral("Save changes to Havoc?")), answer);
    QCOMPARE(shown, QStringList({QStringLiteral("Covertstrike Bot Tweaker"), QStringLiteral("Save changes to Havoc?")}));
}

QTEST_MAIN(PlatformTest)
#include "test_platform.moc"
