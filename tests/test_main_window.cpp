// The main window's start-up paths through the scripted platform, the File
// menu, and the listing of the roster's bots.

#include "app/command_line.h"
#include "support/editor.h"
#include "support/messages.h"

#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using platform::MessageIcon;
using platform::ProbeOutcome;

using messages::Disclaimer;
using messages::Hint;
using messages::InvalidFile;
using messages::Remembered;

namespace {

QStringList sampleNames()
{
    return {QStringLiteral("Havoc"),   QStringLiteral("Nightjar"), QStringLiteral("Bramble"), QStringLiteral("Stroud"),
            QStringLiteral("Ember"),   QStringLiteral("Cinder"),   QStringLiteral("Thorne"),  QStringLiteral("Mallory"),
            QStringLiteral("Vesper"),  QStringLiteral("Quarry"),   QStringLiteral("Larkin"),  QStringLiteral("Draven"),
            QStringLiteral("Isolde"),  QStringLiteral("Crag"),     QStringLiteral("Fable"),   QStringLiteral("Rourke")};
}

// A window whose start-up finds nothing remembered.
struct FreshStart : Editor {
    FreshStart() : Editor(testing::sampleRoster(), false) { platform.settings.clear(); }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void rememberedPathListsTheBotsWithoutAsking();
    void shortRememberedValueAsksForTheFile();
    void probeOutcomesChooseTheStartFolder_data();
    void probeOutcomesChooseTheStartFolder();
    void probeFailureEndsTheLookup();
    void cancelOrBadNameLeavesTheWindowEmpty_data();
    void cancelOrBadNameLeavesTheWindowEmpty();
    void openReplacesTheListOrKeepsIt();
    void openCancelledReportsTheLastChosenName();
    void listingStopsAtAnEmptyNameWithABeep();
    void unreadableRosterIsReportedClearly();
    void eraseRegInfoForgetsOnlyTheSetting();
    void noteShowsWhileTheGameRuns_data();
    void noteShowsWhileTheGameRuns();
    void noteFollowsTheGameWhileTheEditorIsActive();
    void rememberedPathHasTheSystemsSeparators();
};

void MainWindowTest::rememberedPathListsTheBotsWithoutAsking()
{
    Editor editor;
    QVERIFY(editor.platform.messages.isEmpty());
    QVERIFY(editor.platform.dialogsShown.isEmpty());
    QCOMPARE(editor.window->iniPath(), editor.rosterPath);
    QCOMPARE(editor.listedNames(), sampleNames());
    QCOMPARE(editor.combo()->currentIndex(), -1);
    QCOMPARE(editor.combo()->currentText(), QString());
    QCOMPARE(editor.label("Label2")->text(), QString());
    QCOMPARE(editor.platform.settings.value(Remembered), editor.rosterPath);
    // Nothing is loaded until a bot is chosen: the boxes keep their words.
    QCOMPARE(editor.box(2)->text(), QStringLiteral("Team"));
    QCOMPARE(editor.box(9)->text(), QStringLiteral("Text1"));
}

void MainWindowTest::shortRememberedValueAsksForTheFile()
{
    FreshStart editor;
    editor.platform.settings.insert(Remembered, QStringLiteral("x"));
    editor.platform.fileAnswers.append(editor.rosterPath);
    editor.window->Form_Load();

    QCOMPARE(editor.platform.log,
             QStringList({QStringLiteral("message"), QStringLiteral("probe C:\\unrealtournament"),
                          QStringLiteral("probe D:\\unrealtournament"), QStringLiteral("search"),
                          QStringLiteral("message"), QStringLiteral("dialog"), QStringLiteral("remember")}));
    QCOMPARE(editor.platform.messages[0].text, Disclaimer);
    QCOMPARE(editor.platform.messages[0].icon, MessageIcon::Exclamation);
    QCOMPARE(editor.platform.messages[1].text, Hint);
    QCOMPARE(editor.platform.messages[1].icon, MessageIcon::Information);
    QCOMPARE(editor.window->iniPath(), editor.rosterPath);
    QCOMPARE(editor.platform.settings.value(Remembered), editor.rosterPath);
    QCOMPARE(editor.listedNames(), sampleNames());
}

void MainWindowTest::probeOutcomesChooseTheStartFolder_data()
{
    QTest::addColumn<bool>("cExists");
    QTest::addColumn<bool>("dExists");
    QTest::addColumn<QString>("nativeFolder");
    QTest::addColumn<QString>("found"); // by the search for the game
    QTest::addColumn<QString>("startFolder");
    QTest::addColumn<QString>("fileName");
    const QString none;
    const QString c = QStringLiteral("C:\\unrealtournament\\system\\");
    const QString found = QDir::toNativeSeparators(QStringLiteral("/g/Unreal Tournament/System/CovertstrikeUser.ini"));
    const QString foundIn = QDir::toNativeSeparators(QStringLiteral("/g/Unreal Tournament/System/"));
    QTest::newRow("both") << true << true << none << none << c << none;
    QTest::newRow("only C") << true << false << none << none << c << none;
    QTest::newRow("only D") << false << true << none << none << QStringLiteral("D:\\unrealtournament\\system\\") << none;
    QTest::newRow("neither") << false << false << none << none << QStringLiteral("c:\\unrealtournament") << none;
    QTest::newRow("neither, native game") << false << false << QStringLiteral("/home/p/.utpg/System") << none
                                          << QStringLiteral("/home/p/.utpg/System") << none;
    QTest::newRow("C wins over native game") << true << false << QStringLiteral("/home/p/.utpg/System") << none << c
                                             << none;
    QTest::newRow("found, name filled in") << false << false << QStringLiteral("/home/p/.utpg/System") << found
                                           << foundIn << found;
    QTest::newRow("C without the roster, found elsewhere") << true << false << none << found << foundIn << found;
}

void MainWindowTest::probeOutcomesChooseTheStartFolder()
{
    QFETCH(bool, cExists);
    QFETCH(bool, dExists);
    QFETCH(QString, nativeFolder);
    QFETCH(QString, found);
    QFETCH(QString, startFolder);
    QFETCH(QString, fileName);

    FreshStart editor;
    if (cExists)
        editor.platform.probes.insert(QStringLiteral("C:\\unrealtournament"), {ProbeOutcome::Exists, {}});
    if (dExists)
        editor.platform.probes.insert(QStringLiteral("D:\\unrealtournament"), {ProbeOutcome::Exists, {}});
    editor.platform.nativeFolder = nativeFolder;
    if (!found.isEmpty())
        editor.platform.gameRosters = {found, QStringLiteral("/older/System/CovertstrikeUser.ini")};
    editor.window->Form_Load();
    QCOMPARE(editor.platform.dialogsShown.size(), 1);
    QCOMPARE(editor.platform.dialogsShown[0].startFolder, startFolder);
    QCOMPARE(editor.platform.dialogsShown[0].fileName, fileName);
}

void MainWindowTest::probeFailureEndsTheLookup()
{
    FreshStart editor;
    editor.platform.probes.insert(QStringLiteral("D:\\unrealtournament"),
                                  {ProbeOutcome::Failed, QStringLiteral("Device not ready")});
    editor.window->Form_Load();
    QVERIFY(editor.platform.dialogsShown.isEmpty());
    QCOMPARE(editor.platform.messageTexts(), QStringList({Disclaimer, QStringLiteral("Device not ready"), InvalidFile}));
    QCOMPARE(editor.platform.messages[1].icon, MessageIcon::None);
    QVERIFY(editor.window->iniPath().isEmpty());
    QVERIFY(!editor.platform.settings.contains(Remembered));
}

void MainWindowTest::cancelOrBadNameLeavesTheWindowEmpty_data()
{
    QTest::addColumn<QString>("answer"); // empty: Cancel
    QTest::newRow("cancel") << QString();
    QTest::newRow("backup copy") << QStringLiteral("/games/ut/System/CovertstrikeUser.ini.bak");
    QTest::newRow("other extension") << QStringLiteral("/games/ut/System/CovertstrikeUser.cfg");
    QTest::newRow("short path") << QStringLiteral("a.ini");
}

void MainWindowTest::cancelOrBadNameLeavesTheWindowEmpty()
{
    QFETCH(QString, answer);
    FreshStart editor;
    if (!answer.isEmpty())
        editor.platform.fileAnswers.append(answer);
    editor.window->Form_Load();
    QCOMPARE(editor.platform.messageTexts().constLast(), InvalidFile);
    QCOMPARE(editor.platform.messages.constLast().icon, MessageIcon::None);
    QCOMPARE(editor.window->iniPath(), answer);
    QVERIFY(!editor.platform.settings.contains(Remembered));
    QCOMPARE(editor.combo()->count(), 0);
    QCOMPARE(editor.combo()->currentText(), QStringLiteral("BotName"));
    QCOMPARE(editor.label("Label2")->text(), QStringLiteral("Bot #"));
}

void MainWindowTest::openReplacesTheListOrKeepsIt()
{
    Editor editor;
    QTemporaryDir other;
    // Any case, and any prefix, passes the check on the last 20 characters.
    const QString otherPath = other.filePath(QStringLiteral("MyCOVERTSTRIKEuser.ini"));
    QVERIFY(testing::writeBytes(otherPath, "[CovertstrikeUT.CovBotInfo]\r\nBotNames[0]=Solo\r\n"));

    editor.choose(3);
    editor.window->resize(700, 700);
    editor.platform.fileAnswers.append(otherPath);
    editor.action("mnuOpen")->trigger();
    QVERIFY(editor.platform.messages.isEmpty());
    QCOMPARE(editor.listedNames(), QStringList({QStringLiteral("Solo")}));
    QCOMPARE(editor.label("Label2")->text(), QString());
    // Nothing of the bot shown before stays on the controls.
    QCOMPARE(editor.box(4)->text(), QString());
    QVERIFY(!editor.slider(3)->isEnabled());
    QCOMPARE(editor.platform.settings.value(Remembered), otherPath);
    QVERIFY(editor.window->width() < 700);

    editor.platform.fileAnswers.append(other.filePath(QStringLiteral("CovertstrikeUser.ini.bak")));
    editor.action("mnuOpen")->trigger();
    QCOMPARE(editor.platform.messageTexts(), QStringList({InvalidFile}));
    QCOMPARE(editor.listedNames(), QStringList({QStringLiteral("Solo")}));
    QCOMPARE(editor.window->iniPath(), otherPath); // the file in force stays
    QCOMPARE(editor.platform.settings.value(Remembered), otherPath);
}

void MainWindowTest::openCancelledReportsTheLastChosenName()
{
    // After a start from the remembered path, the dialog has no name yet.
    Editor remembered;
    remembered.action("mnuOpen")->trigger();
    QCOMPARE(remembered.platform.messageTexts(), QStringList({InvalidFile}));
    QCOMPARE(remembered.listedNames(), sampleNames());

    // After a start through the dialog, Cancel reports the file chosen then.
    FreshStart asked;
    asked.platform.fileAnswers.append(asked.rosterPath);
    asked.window->Form_Load();
    asked.platform.messages.clear();
    asked.action("mnuOpen")->trigger();
    QVERIFY(asked.platform.messages.isEmpty());
    QCOMPARE(asked.window->iniPath(), asked.rosterPath);
    QCOMPARE(asked.platform.dialogsShown.constLast().fileName, asked.rosterPath);
    QCOMPARE(asked.listedNames(), sampleNames());
}

void MainWindowTest::listingStopsAtAnEmptyNameWithABeep()
{
    Editor editor("[CovertstrikeUT.CovBotInfo]\r\nBotNames[0]=A\r\nBotNames[1]=B\r\nBotNames[2]=C\r\nBotNames[3]=\r\n"
                  "BotNames[4]=E\r\n");
    QCOMPARE(editor.listedNames(), QStringList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    QCOMPARE(editor.platform.beeps, 1);

    Editor missing("[Other]\r\nx=1\r\n");
    QCOMPARE(missing.combo()->count(), 0);
    QCOMPARE(missing.platform.beeps, 0);
    QVERIFY(missing.platform.messages.isEmpty());
}

void MainWindowTest::unreadableRosterIsReportedClearly()
{
#ifndef Q_OS_UNIX
    QSKIP("no pipes among the files here");
#else
    Editor editor(testing::sampleRoster(), false);
    QVERIFY(QFile::remove(editor.rosterPath));
    QCOMPARE(::mkfifo(QFile::encodeName(editor.rosterPath).constData(), 0600), 0);
    editor.window->Form_Load(); // must not hang on a pipe with no writer
    QCOMPARE(editor.platform.messageTexts(),
             QStringList({QStringLiteral("The roster file cannot be read: Not a regular file")}));
    QCOMPARE(editor.combo()->count(), 0);
#endif
}

void MainWindowTest::eraseRegInfoForgetsOnlyTheSetting()
{
    Editor editor;
    editor.find<QPushButton>(QStringLiteral("Command2"))->click();
    QCOMPARE(editor.platform.settings.value(Remembered), QString());
    QCOMPARE(editor.window->iniPath(), editor.rosterPath);
    QCOMPARE(editor.listedNames(), sampleNames());

    // The next start asks again.
    ScriptedPlatform next;
    next.settings = editor.platform.settings;
    frmMain window(next);
    window.Form_Load();
    QCOMPARE(next.messageTexts().constFirst(), Disclaimer);
    QCOMPARE(next.dialogsShown.size(), 1);
}

void MainWindowTest::noteShowsWhileTheGameRuns_data()
{
    QTest::addColumn<QStringList>("processes");
    QTest::addColumn<bool>("shown");
    QTest::newRow("no game") << QStringList{QStringLiteral("explorer.exe"), QStringLiteral("UnrealEd.exe")} << false;
    QTest::newRow("Windows game") << QStringList{QStringLiteral("explorer.exe"), QStringLiteral("UnrealTournament.exe")}
                                  << true;
    QTest::newRow("native game") << QStringList{QStringLiteral("bash"), QStringLiteral("ut-bin-amd64")} << true;
}

void MainWindowTest::noteShowsWhileTheGameRuns()
{
    QFETCH(QStringList, processes);
    QFETCH(bool, shown);
    ScriptedPlatform platform;
    platform.processes = processes;
    frmMain window(platform);
    window.Form_Load();
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblGameRunning"))->isVisibleTo(&window), shown);
}

void MainWindowTest::noteFollowsTheGameWhileTheEditorIsActive()
{
    Editor editor;
    QVERIFY(editor.showActive());
    auto* look = editor.find<QTimer>(QStringLiteral("lookoutTimer"));
    const auto noteShown = [&editor] { return editor.label("lblGameRunning")->isVisibleTo(editor.window.get()); };
    QVERIFY(look->isActive());
    for (bool running : {true, false}) {
        editor.platform.processes = running ? QStringList{QStringLiteral("UnrealTournament.exe")} : QStringList{};
        QVERIFY(QMetaObject::invokeMethod(look, "timeout"));
        QCOMPARE(noteShown(), running);
    }
    // Another program active, no looking. (The offscreen platform never
    // deactivates the application itself: its signal stands in for it.)
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    QVERIFY(!look->isActive());
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    QVERIFY(look->isActive());
}

void MainWindowTest::rememberedPathHasTheSystemsSeparators()
{
    // Qt names files with "/" everywhere; Windows players read "\\".
    Editor editor;
    const QString other = editor.dir.filePath(QStringLiteral("other/CovertstrikeUser.ini"));
    QVERIFY(QDir().mkpath(editor.dir.filePath(QStringLiteral("other"))));
    QVERIFY(testing::writeBytes(other, "[CovertstrikeUT.CovBotInfo]\r\nBotNames[0]=Solo\r\n"));
    QVERIFY(editor.window->openRosterFile(app::rosterPathFromArgument(other)));
    QCOMPARE(editor.platform.settings.value(Remembered), QDir::toNativeSeparators(other));

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(editor.rosterPath)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor.window.get(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor.window.get(), &drop);
    QCoreApplication::processEvents();
    QCOMPARE(editor.platform.settings.value(Remembered), QDir::toNativeSeparators(editor.rosterPath));
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
