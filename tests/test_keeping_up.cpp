// The window keeps up with the roster file as another program rewrites it,
// never reloads over the player's unsaved changes, and never drops them
// without asking: picking another bot, opening a file, quitting.

#include "support/player.h"

#include <QDir>
#include <QSaveFile>
#include <QtTest>

using platform::SaveAnswer;

namespace {

const QString RosterName = QStringLiteral("CovertstrikeUser.ini");

// Another program writes the roster: over its bytes, or into a new file
// that replaces it by a rename, as the game and our own saves do.
bool rewrite(const QString& path, const QByteArray& bytes, bool byRename)
{
    if (!byRename)
        return testing::writeBytes(path, bytes);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool settle(const Editor& editor) { return editor.settle(); }

QByteArray changedElsewhere()
{
    return testing::sampleRoster()
        .replace("BotNames[2]=Bramble", "BotNames[2]=Briar")
        .replace("Camping[5]=0.200000", "Camping[5]=0.800000");
}

// The save button, with the mouse.
void clickSave(const Editor& editor)
{
    QTest::mouseClick(editor.find<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);
}

bool noteShown(const Editor& editor) { return editor.label("lblFileChanged")->isVisibleTo(editor.window.get()); }

} // namespace

Q_DECLARE_METATYPE(SaveAnswer)

class KeepingUpTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void changeElsewhereRelistsAndReloads_data();
    void changeElsewhereRelistsAndReloads();
    void unsavedChangesOutlastAChangeElsewhere_data();
    void unsavedChangesOutlastAChangeElsewhere();
    void ownSavesAndBackupsReloadNothing_data();
    void ownSavesAndBackupsReloadNothing();
    void titleMarksUnsavedChanges();
    void stepsThatDropChangesAskFirst_data();
    void stepsThatDropChangesAskFirst();
    void renameThenTheSameBotAsks_data();
    void renameThenTheSameBotAsks();
    void whatIsGoneIsNeverWrittenInto_data();
    void whatIsGoneIsNeverWrittenInto();
    void bothChangedKeepsThePlayersValueAndSaysSo();
    void rostersWithoutBotsSaySo_data();
    void rostersWithoutBotsSaySo();
};

void KeepingUpTest::changeElsewhereRelistsAndReloads_data()
{
    QTest::addColumn<bool>("byRename");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("shown"); // the bot shown afterwards, -1 for none
    QTest::newRow("rewritten in place") << false << changedElsewhere() << 5;
    QTest::newRow("replaced by a rename") << true << changedElsewhere() << 5;
    // The listing stops at the first absent name: bots 5 and on are gone.
    QTest::newRow("shown bot gone") << true << changedElsewhere().replace("BotNames[5]=Cinder", "") << -1;
}

void KeepingUpTest::changeElsewhereRelistsAndReloads()
{
    QFETCH(bool, byRename);
    QFETCH(QByteArray, content);
    QFETCH(int, shown);
    Editor editor;
    Player player(editor, 5);
    QVERIFY(player.ready());
    QVERIFY(rewrite(editor.rosterPath, content, byRename));
    QVERIFY(settle(editor));

    QCOMPARE(editor.listedNames().value(2), QStringLiteral("Briar"));
    QCOMPARE(editor.combo()->currentIndex(), shown);
    QCOMPARE(editor.label("Label2")->text(), shown < 0 ? QString() : QStringLiteral("Bot #: 5"));
    if (shown >= 0)
        QCOMPARE(editor.box(7)->text(), QStringLiteral("0.800000"));
    QVERIFY(!noteShown(editor));
    QVERIFY(!editor.window->isWindowModified());

    // The watch goes on, on the file that replaced the old one too.
    QVERIFY(rewrite(editor.rosterPath, testing::sampleRoster(), false));
    QVERIFY(settle(editor));
    QCOMPARE(editor.listedNames().value(2), QStringLiteral("Bramble"));
}

void KeepingUpTest::unsavedChangesOutlastAChangeElsewhere_data()
{
    QTest::addColumn<bool>("save"); // or pick another bot and discard them
    QTest::newRow("then saved") << true;
    QTest::newRow("then discarded") << false;
}

void KeepingUpTest::unsavedChangesOutlastAChangeElsewhere()
{
    QFETCH(bool, save);
    Editor editor;
    Player player(editor, 5);
    QVERIFY(player.ready());
    QVERIFY(player.pressOn(editor.slider(3), Qt::Key_End));
    QVERIFY(rewrite(editor.rosterPath, changedElsewhere(), true));
    QVERIFY(settle(editor));

    // The list and the fields the player left alone follow the file at once.
    QVERIFY(noteShown(editor));
    QCOMPARE(editor.box(4)->text(), QStringLiteral("1.000000"));
    QCOMPARE(editor.box(7)->text(), QStringLiteral("0.800000"));
    QCOMPARE(editor.listedNames().value(2), QStringLiteral("Briar"));
    QVERIFY(editor.window->isWindowModified());

    // A save writes the player's one change into the file as it now is; then
    // the window shows that file, as it does once the changes are dropped.
    if (save) {
        QVERIFY(player.save());
        QVERIFY(editor.platform.messages.isEmpty());
        QCOMPARE(editor.file(), changedElsewhere().replace("BotAccuracy[5]=0.200000", "BotAccuracy[5]=1.000000"));
        QVERIFY(editor.label("Label35")->isVisibleTo(editor.window.get()));
    } else {
        editor.platform.saveAnswers.append(SaveAnswer::Discard);
        QVERIFY(player.clickBot(2));
        QCOMPARE(editor.file(), changedElsewhere());
    }
    QVERIFY(!noteShown(editor));
    QCOMPARE(editor.listedNames().value(2), QStringLiteral("Briar"));
    QCOMPARE(editor.combo()->currentIndex(), save ? 5 : 2);
    QCOMPARE(editor.combo()->currentText(), save ? QStringLiteral("Cinder") : QStringLiteral("Briar"));
    if (save)
        QCOMPARE(editor.box(7)->text(), QStringLiteral("0.800000"));
    QVERIFY(!editor.window->isWindowModified());
}

void KeepingUpTest::ownSavesAndBackupsReloadNothing_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("our save") << true;
    QTest::newRow("a backup copy appears") << false;
}

void KeepingUpTest::ownSavesAndBackupsReloadNothing()
{
    QFETCH(bool, save);
    Editor editor;
    Player player(editor, 5);
    QVERIFY(player.ready());
    if (save) {
        QVERIFY(player.pressOn(editor.slider(3), Qt::Key_End));
        QVERIFY(player.save());
    } else {
        QVERIFY(testing::writeBytes(editor.dir.filePath(RosterName + QStringLiteral(".20261207-101500.bak")),
                                    editor.file()));
    }
    // A change made after it is not taken for one made elsewhere.
    QVERIFY(player.pressOn(editor.slider(3), Qt::Key_Home));
    QVERIFY(settle(editor));
    QVERIFY(!noteShown(editor));
    QCOMPARE(editor.box(4)->text(), QStringLiteral("-1.000000"));
    QVERIFY(editor.window->isWindowModified());
}

void KeepingUpTest::titleMarksUnsavedChanges()
{
    Editor editor;
    Player player(editor, 5);
    QVERIFY(player.ready());
    QVERIFY(!editor.window->isWindowModified());
    QVERIFY(player.pressOn(editor.slider(3), Qt::Key_Right));
    QVERIFY(editor.window->isWindowModified());
    QCOMPARE(editor.window->windowHandle()->title(), QStringLiteral("Covertstrike Bot Tweaker*"));
    player.press(Qt::Key_Left); // and back: nothing to save
    QVERIFY(!editor.window->isWindowModified());
    QVERIFY(player.retype(editor.combo(), QStringLiteral("Cinder II")));
    QVERIFY(editor.window->isWindowModified());
    QVERIFY(player.save());
    QVERIFY(!editor.window->isWindowModified());
    QCOMPARE(editor.window->windowHandle()->title(), QStringLiteral("Covertstrike Bot Tweaker"));
}

void KeepingUpTest::stepsThatDropChangesAskFirst_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<SaveAnswer>("answer");
    QTest::addColumn<bool>("refused"); // the save refuses the blank name typed
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<bool>("saved");
    for (const char* step : {"pick", "open", "exit", "close"}) {
        auto row = [step](const char* what) { return QByteArray(step) + ", " + what; };
        QTest::newRow(row("Save")) << QString::fromLatin1(step) << SaveAnswer::Save << false << true << true;
        QTest::newRow(row("Discard")) << QString::fromLatin1(step) << SaveAnswer::Discard << false << true << false;
        QTest::newRow(row("Cancel")) << QString::fromLatin1(step) << SaveAnswer::Cancel << false << false << false;
        QTest::newRow(row("Save refused")) << QString::fromLatin1(step) << SaveAnswer::Save << true << false << false;
    }
}

void KeepingUpTest::stepsThatDropChangesAskFirst()
{
    QFETCH(QString, step);
    QFETCH(SaveAnswer, answer);
    QFETCH(bool, refused);
    QFETCH(bool, goesOn);
    QFETCH(bool, saved);
    Editor editor;
    const QString other = editor.dir.filePath(QStringLiteral("other/") + RosterName);
    QVERIFY(QDir(editor.dir.path()).mkdir(QStringLiteral("other")));
    QVERIFY(testing::writeBytes(other, testing::sampleRoster().replace("BotNames[0]=Havoc", "BotNames[0]=Other")));
    const QByteArray before = editor.file();
    Player player(editor, 5);
    QVERIFY(player.ready());
    QVERIFY(player.pressOn(editor.slider(3), Qt::Key_End));
    const QString name = refused ? QStringLiteral("   ") : QStringLiteral("Cinder");
    if (refused)
        QVERIFY(player.retype(editor.combo(), name));
    editor.platform.saveAnswers.append(answer);

    if (step == QLatin1String("pick")) {
        player.clickBot(7);
    } else if (step == QLatin1String("open")) {
        editor.platform.fileAnswers.append(other);
        QVERIFY(player.menu(Qt::Key_F, Qt::Key_O));
    } else if (step == QLatin1String("exit")) {
        QVERIFY(player.menu(Qt::Key_F, Qt::Key_X));
    } else {
        editor.window->close(); // the title bar's close button
    }

    QCOMPARE(editor.platform.saveQuestions, QStringList({QStringLiteral("Save changes to Cinder?")}));
    QCOMPARE(editor.file().contains("BotAccuracy[5]=1.000000"), saved);
    if (!saved)
        QCOMPARE(editor.file(), before);
    QCOMPARE(editor.platform.messages.size(), refused ? 1 : 0);
    if (!goesOn) {
        // Everything as it was, the list's selection included.
        QVERIFY(editor.window->isVisible());
        QCOMPARE(editor.window->iniPath(), editor.rosterPath);
        QCOMPARE(editor.combo()->currentIndex(), 5);
        QCOMPARE(editor.combo()->currentText(), name);
        QCOMPARE(editor.label("Label2")->text(), QStringLiteral("Bot #: 5"));
        QCOMPARE(editor.box(4)->text(), QStringLiteral("1.000000"));
        QVERIFY(editor.window->isWindowModified());
    } else if (step == QLatin1String("pick")) {
        QCOMPARE(editor.combo()->currentIndex(), 7);
        QCOMPARE(editor.label("Label2")->text(), QStringLiteral("Bot #: 7"));
        QVERIFY(!editor.window->isWindowModified());
    } else if (step == QLatin1String("open")) {
        QCOMPARE(editor.window->iniPath(), other);
        QCOMPARE(editor.listedNames().value(0), QStringLiteral("Other"));
    } else {
        QVERIFY(!editor.window->isVisible());
    }
}

void KeepingUpTest::renameThenTheSameBotAsks_data()
{
    QTest::addColumn<SaveAnswer>("answer");
    QTest::addColumn<QString>("nameAfter");
    QTest::newRow("Save") << SaveAnswer::Save << QStringLiteral("Bar");
    QTest::newRow("Discard") << SaveAnswer::Discard << QStringLiteral("Cinder");
    QTest::newRow("Cancel") << SaveAnswer::Cancel << QStringLiteral("Bar");
}

void KeepingUpTest::renameThenTheSameBotAsks()
{
    QFETCH(SaveAnswer, answer);
    QFETCH(QString, nameAfter);
    Editor editor;
    Player player(editor, 5);
    QVERIFY(player.ready());
    QVERIFY(player.retype(editor.combo(), QStringLiteral("Bar")));
    editor.platform.saveAnswers.append(answer);
    QVERIFY(player.clickBot(5));
    QCOMPARE(editor.platform.saveQuestions, QStringList({QStringLiteral("Save changes to Bar?")}));
    QCOMPARE(editor.combo()->currentText(), nameAfter);
    QCOMPARE(editor.file().contains("BotNames[5]=Bar\r\n"), answer == SaveAnswer::Save);
    QCOMPARE(editor.window->isWindowModified(), answer == SaveAnswer::Cancel);
}

void KeepingUpTest::whatIsGoneIsNeverWrittenInto_data()
{
    QTest::addColumn<QByteArray>("content"); // what the game leaves; empty: the file is removed
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("message");
    QByteArray withoutBot = testing::sampleRoster();
    for (const char* key : {"BotNames", "BotFaces", "BotTeams", "BotClasses", "BotSkins", "VoiceType", "BotSkills",
                            "BotAccuracy", "CombatStyle", "Alertness", "Camping", "StrafingAbility", "BotJumpy"}) {
        const qsizetype at = withoutBot.indexOf(QByteArray(key) + "[15]=");
        withoutBot.remove(at, withoutBot.indexOf("\r\n", at) + 2 - at);
    }
    QTest::newRow("file removed") << QByteArray() << QStringLiteral("Roster file not found")
                                  << QStringLiteral("The roster file is gone: %1. Nothing was saved; your changes are "
                                                    "kept. Use File, Open to choose it again.");
    QTest::newRow("bot removed") << withoutBot << QStringLiteral("Bot 15 is no longer in the file")
                                 << QStringLiteral("Bot 15 (Rourke) is no longer in the file. Nothing was saved.");
}

void KeepingUpTest::whatIsGoneIsNeverWrittenInto()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, note);
    QFETCH(QString, message);
    Editor editor;
    Player player(editor, 15);
    QVERIFY(player.ready());
    QVERIFY(player.pressOn(editor.slider(3), Qt::Key_End));
    if (content.isEmpty())
        QVERIFY(QFile::remove(editor.rosterPath));
    else
        QVERIFY(rewrite(editor.rosterPath, content, true));
    QVERIFY(settle(editor));
    QVERIFY(noteShown(editor));
    QCOMPARE(editor.label("lblFileChanged")->text(), note);

    clickSave(editor);
    QCOMPARE(editor.platform.messageTexts(),
             QStringList({message.contains(QLatin1String("%1")) ? message.arg(QDir::toNativeSeparators(editor.rosterPath))
                                                                : message}));
    QCOMPARE(QFile::exists(editor.rosterPath), !content.isEmpty());
    if (!content.isEmpty())
        QCOMPARE(editor.file(), content);
    // The changes stay in the window, to be saved should the file come back.
    QVERIFY(editor.window->isWindowModified());
    QCOMPARE(editor.box(4)->text(), QStringLiteral("1.000000"));
    QVERIFY(rewrite(editor.rosterPath, testing::sampleRoster(), true));
    QVERIFY(settle(editor));
    clickSave(editor);
    QCOMPARE(editor.platform.messages.size(), 1);
    QVERIFY(editor.file().contains("BotAccuracy[15]=1.000000\r\n"));
}

void KeepingUpTest::bothChangedKeepsThePlayersValueAndSaysSo()
{
    Editor editor;
    Player player(editor, 5);
    QVERIFY(player.ready());
    QVERIFY(player.pressOn(editor.slider(8), Qt::Key_End));
    QVERIFY(rewrite(editor.rosterPath, changedElsewhere(), false));
    QVERIFY(settle(editor));
    QCOMPARE(editor.label("lblFileChanged")->text(), QStringLiteral("Camping also changed on disk"));
    QCOMPARE(editor.box(7)->text(), QStringLiteral("1.000000"));
    QCOMPARE(editor.combo()->itemText(2), QStringLiteral("Briar"));
    QVERIFY(player.save());
    QCOMPARE(editor.file(), changedElsewhere().replace("Camping[5]=0.800000", "Camping[5]=1.000000"));
    QVERIFY(!noteShown(editor));
}

void KeepingUpTest::rostersWithoutBotsSaySo_data()
{
    QTest::addColumn<QByteArray>("content"); // "missing": no file; "folder": a folder in its place
    QTest::addColumn<QString>("note");
    QTest::addColumn<int>("messages");
    QTest::newRow("missing") << QByteArray("missing") << QStringLiteral("Roster file not found") << 0;
    QTest::newRow("empty") << QByteArray() << QStringLiteral("No bot roster in the file") << 0;
    QTest::newRow("binary") << QByteArray("\x7f" "ELF\x02\x01\0\0[x]\0\xff\xfe", 14)
                            << QStringLiteral("No bot roster in the file") << 0;
    QTest::newRow("other sections only") << QByteArray("[Engine.GameInfo]\r\nbBots=True\r\n")
                                         << QStringLiteral("No bot roster in the file") << 0;
    QTest::newRow("folder") << QByteArray("folder") << QStringLiteral("Roster file unreadable") << 1;
}

void KeepingUpTest::rostersWithoutBotsSaySo()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, note);
    QFETCH(int, messages);
    Editor editor(content, false);
    if (content == "missing" || content == "folder")
        QVERIFY(QFile::remove(editor.rosterPath));
    if (content == "folder")
        QVERIFY(QDir().mkdir(editor.rosterPath));
    editor.window->Form_Load();
    QCOMPARE(editor.combo()->count(), 0);
    QVERIFY(noteShown(editor));
    QCOMPARE(editor.label("lblFileChanged")->text(), note);
    QVERIFY(editor.label("lblFileChanged")->toolTip().contains(QDir::toNativeSeparators(editor.rosterPath)));
    QCOMPARE(editor.platform.messages.size(), messages);

    // The bots come: the note goes. An unreadable file (held by the game,
    // say) may come back without news: the lookout's next look sees it.
    if (content == "folder")
        QVERIFY(QDir().rmdir(editor.rosterPath));
    QVERIFY(rewrite(editor.rosterPath, testing::sampleRoster(), true));
    if (content == "folder")
        QVERIFY(QMetaObject::invokeMethod(editor.find<QTimer>(QStringLiteral("lookoutTimer")), "timeout"));
    else
        QVERIFY(settle(editor));
    QCOMPARE(editor.combo()->count(), 16);
    QVERIFY(!noteShown(editor));
}

QTEST_MAIN(KeepingUpTest)
#include "test_keeping_up.moc"
