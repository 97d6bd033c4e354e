// What the player types is what gets saved: the bot list's own field, the
// value boxes, and what happens around a load or an open that fails. Every
// test drives the window with key events, the way a player does.

#include "profile/profile_file.h"
#include "support/messages.h"
#include "support/player.h"

#include <QDir>
#include <QtTest>

using messages::BlankName;
using messages::InvalidFile;
using messages::NoBotSelected;

namespace {

// A key's value as the file holds it.
QString valueIn(const Editor& editor, const char* key)
{
    return QString::fromStdString(
        profile::readProfileString(roster::BotRoster, key, "", profile::WholeValue, testing::toStd(editor.rosterPath)).text);
}

} // namespace

class TypingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void typedNameIsSavedOrRefused_data();
    void typedNameIsSavedOrRefused();
    void savedRenameStandsInTheList_data();
    void savedRenameStandsInTheList();
    void typedValueIsTheValueSaved_data();
    void typedValueIsTheValueSaved();
    void typedTextThatIsNoNumberIsNotTaken_data();
    void typedTextThatIsNoNumberIsNotTaken();
    void failedLoadNeverSavesAnotherBotsValues();
    void refusedOpenKeepsListAndFileTogether_data();
    void refusedOpenKeepsListAndFileTogether();
    void firstSaveOfEachRunBacksTheFileUp();
};

void TypingTest::typedNameIsSavedOrRefused_data()
{
    QTest::addColumn<int>("bot");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("leaveKey"); // 0: saved straight from the field
    QTest::addColumn<bool>("refused");

    // "Ma" begins another bot's name ("Mallory", bot 7), which a bot may
    // also take whole; "HAVOC" differs from bot 0's name in letter case only;
    // a blank name would end the list.
    QTest::newRow("prefix, Tab") << 10 << QStringLiteral("Ma") << int(Qt::Key_Tab) << false;
    QTest::newRow("another bot's name, Tab") << 10 << QStringLiteral("Mallory") << int(Qt::Key_Tab) << false;
    QTest::newRow("prefix, Enter") << 10 << QStringLiteral("Ma") << int(Qt::Key_Return) << false;
    QTest::newRow("case only, Tab") << 0 << QStringLiteral("HAVOC") << int(Qt::Key_Tab) << false;
    QTest::newRow("outer spaces around a name") << 9 << QStringLiteral("  Ma  ") << 0 << false;
    QTest::newRow("spaces") << 9 << QStringLiteral("   ") << 0 << true;
    QTest::newRow("quoted spaces") << 9 << QStringLiteral("\"  \"") << 0 << true;
}

void TypingTest::typedNameIsSavedOrRefused()
{
    QFETCH(int, bot);
    QFETCH(QString, typed);
    QFETCH(int, leaveKey);
    QFETCH(bool, refused);

    Editor editor;
    Player player(editor, bot);
    QVERIFY(player.ready());
    QVERIFY(player.pressOn(editor.slider(3), Qt::Key_End));
    QVERIFY(player.retype(editor.combo(), typed));
    QCOMPARE(editor.combo()->currentText(), typed); // nothing completed inline
    if (leaveKey)
        player.press(Qt::Key(leaveKey));
    const QByteArray before = editor.file();
    QVERIFY(player.save());

    QCOMPARE(editor.label("Label2")->text(), QStringLiteral("Bot #: %1").arg(bot));
    QCOMPARE(editor.combo()->count(), 16); // no entry was made from the text
    if (refused) {
        QCOMPARE(editor.platform.messageTexts(), QStringList({BlankName}));
        QCOMPARE(editor.file(), before); // nothing of the bot, not even the accuracy
        QVERIFY(!editor.label("Label35")->isVisibleTo(editor.window.get()));
    } else {
        QVERIFY(editor.platform.messages.isEmpty());
        QVERIFY(editor.file().contains("BotNames[" + QByteArray::number(bot) + "]=" + typed.toUtf8() + "\r\n"));
        QCOMPARE(valueIn(editor, qPrintable(QStringLiteral("BotAccuracy[%1]").arg(bot))), QStringLiteral("1.000000"));
    }
}

void TypingTest::savedRenameStandsInTheList_data()
{
    QTest::addColumn<bool>("throughEditName");
    QTest::newRow("typed into the list") << false;
    QTest::newRow("Edit Name") << true;
}

void TypingTest::savedRenameStandsInTheList()
{
    QFETCH(bool, throughEditName);

    Editor editor;
    Player player(editor, 4);
    QVERIFY(player.ready());
    if (throughEditName) {
        editor.platform.inputAnswers.append(QStringLiteral("Ember Prime"));
        QTest::mouseClick(editor.find<QPushButton>(QStringLiteral("Command3")), Qt::LeftButton);
    } else {
        QVERIFY(player.retype(editor.combo(), QStringLiteral("Ember Prime")));
    }
    QVERIFY(player.save());
    QCOMPARE(editor.combo()->itemText(4), QStringLiteral("Ember Prime"));

    // Away and back (by mouse), another change, another save: the new name
    // stays.
    QVERIFY(player.clickBot(5));
    QCOMPARE(editor.label("Label2")->text(), QStringLiteral("Bot #: 5"));
    QVERIFY(player.clickBot(4));
    QCOMPARE(editor.combo()->currentText(), QStringLiteral("Ember Prime"));
    QVERIFY(player.pressOn(editor.slider(3), Qt::Key_Home));
    QVERIFY(player.save());
    QVERIFY(editor.platform.messages.isEmpty());
    QCOMPARE(valueIn(editor, "BotNames[4]"), QStringLiteral("Ember Prime"));
    QCOMPARE(valueIn(editor, "BotAccuracy[4]"), QStringLiteral("-1.000000"));
}

void TypingTest::typedValueIsTheValueSaved_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("slider");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("finish"); // a key, or 0 to save straight away
    QTest::addColumn<QString>("saved");

    const int save = 0;
    QTest::newRow("accuracy, Enter") << 4 << 3 << QStringLiteral("0.7") << 14 << int(Qt::Key_Return)
                                     << QStringLiteral("0.700000");
    QTest::newRow("accuracy negative, Tab") << 4 << 3 << QStringLiteral("-0.35") << -7 << int(Qt::Key_Tab)
                                            << QStringLiteral("-0.350000");
    QTest::newRow("skill, saved while typing") << 3 << 2 << QStringLiteral("-2") << -2 << save
                                               << QStringLiteral("-2.000000");
    QTest::newRow("camping, Enter") << 7 << 8 << QStringLiteral("0.3") << 3 << int(Qt::Key_Return)
                                    << QStringLiteral("0.300000");
    // Between two positions: the slider's nearest, as a loaded value gets.
    QTest::newRow("accuracy between steps") << 4 << 3 << QStringLiteral("0.33") << 7 << int(Qt::Key_Tab)
                                            << QStringLiteral("0.350000");
    QTest::newRow("accuracy beyond the end") << 4 << 3 << QStringLiteral("2") << 20 << save
                                             << QStringLiteral("1.000000");
}

void TypingTest::typedValueIsTheValueSaved()
{
    QFETCH(int, box);
    QFETCH(int, slider);
    QFETCH(QString, typed);
    QFETCH(int, position);
    QFETCH(int, finish);
    QFETCH(QString, saved);

    Editor editor;
    Player player(editor, 3);
    QVERIFY(player.ready());
    QVERIFY(player.retype(editor.box(box), typed));

    // While typing, the slider follows and the text stays as typed.
    QCOMPARE(editor.box(box)->text(), typed);
    QCOMPARE(editor.box(box)->cursorPosition(), typed.size());
    QCOMPARE(editor.slider(slider)->value(), position);

    if (finish) {
        player.press(Qt::Key(finish));
        QCOMPARE(editor.box(box)->text(), saved);
    }
    QVERIFY(player.save());
    QVERIFY(editor.platform.messages.isEmpty());
    const QString key = QString::fromLatin1(roster::RosterFields[box].keyPrefix.data()) + QStringLiteral("3]");
    QCOMPARE(valueIn(editor, qPrintable(key)), saved);
    QCOMPARE(editor.box(box)->text(), saved);
}

void TypingTest::typedTextThatIsNoNumberIsNotTaken_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("finish"); // the key that ends the editing; 0: a save
    QTest::newRow("abc, Tab") << QStringLiteral("abc") << int(Qt::Key_Tab);
    QTest::newRow("comma, Enter") << QStringLiteral("0,5") << int(Qt::Key_Return);
    QTest::newRow("emptied, save") << QString() << 0;
}

void TypingTest::typedTextThatIsNoNumberIsNotTaken()
{
    QFETCH(QString, typed);
    QFETCH(int, finish);
    Editor editor;
    Player player(editor, 3);
    QVERIFY(player.ready());
    const QByteArray before = editor.file();
    const QString loaded = editor.box(4)->text();
    const int position = editor.slider(3)->value();
    QVERIFY(player.retype(editor.box(4), typed));
    if (typed.isEmpty())
        player.press(Qt::Key_Backspace);
    if (finish)
        player.press(Qt::Key(finish));
    else
        QVERIFY(player.save());
    QCOMPARE(editor.box(4)->text(), loaded);
    QCOMPARE(editor.slider(3)->value(), position);
    QCOMPARE(editor.platform.beeps, 1);
    QVERIFY(player.save());
    QCOMPARE(editor.file(), before);
    QVERIFY(!editor.window->isWindowModified());
}

void TypingTest::failedLoadNeverSavesAnotherBotsValues()
{
    Editor editor;
    Player player(editor, 3);
    QVERIFY(player.ready());
    const QStringList bot3 = editor.boxTexts();

    // The roster turns into a folder: the next bot cannot be loaded.
    const QString aside = editor.dir.filePath(QStringLiteral("aside.ini"));
    QVERIFY(QFile::rename(editor.rosterPath, aside));
    QVERIFY(QDir().mkdir(editor.rosterPath));
    QVERIFY(!player.pickBot(4));
    // The reason is the system's: "Is a directory" here, "Access denied" on Windows.
    QCOMPARE(editor.platform.messages.size(), 1);
    QVERIFY(editor.platform.messages.constFirst().text.startsWith(QStringLiteral("The roster file cannot be read: ")));
    // What can no longer be read is not shown, and nothing can be saved.
    QCOMPARE(editor.combo()->count(), 0);
    QCOMPARE(editor.label("Label2")->text(), QString());
    QCOMPARE(editor.boxTexts(), QStringList(12, QString()));
    QVERIFY(!editor.box(4)->isEnabled() && !editor.slider(3)->isEnabled());
    editor.action("mnuSave")->trigger();
    QCOMPARE(editor.platform.messageTexts().constLast(), NoBotSelected);

    // Back in place: the list is read again, and bot 4 loads.
    QVERIFY(QDir().rmdir(editor.rosterPath));
    QVERIFY(QFile::rename(aside, editor.rosterPath));
    QVERIFY(editor.settle());
    QCOMPARE(editor.combo()->count(), 16);
    QVERIFY(player.pickBot(4));
    QVERIFY(editor.box(4)->isEnabled());
    QCOMPARE(editor.label("Label2")->text(), QStringLiteral("Bot #: 4"));
    QCOMPARE(editor.box(4)->text(), QStringLiteral("-0.450000"));

    // A first choice that fails leaves no bot chosen, so nothing can be saved.
    Editor fresh;
    Player second(fresh);
    QVERIFY(second.ready());
    QVERIFY(QFile::remove(fresh.rosterPath));
    QVERIFY(QDir().mkdir(fresh.rosterPath));
    QVERIFY(!second.pickBot(0));
    QCOMPARE(fresh.label("Label2")->text(), QString());
    QVERIFY(second.save());
    QCOMPARE(fresh.platform.messageTexts().constLast(), NoBotSelected);
}

void TypingTest::refusedOpenKeepsListAndFileTogether_data()
{
    QTest::addColumn<QString>("answer"); // empty: Cancel
    QTest::newRow("rejected name") << QStringLiteral("CovertstrikeUser.ini.bak");
    QTest::newRow("cancelled") << QString();
}

void TypingTest::refusedOpenKeepsListAndFileTogether()
{
    QFETCH(QString, answer);

    Editor editor;
    Player player(editor);
    QVERIFY(player.ready());
    if (!answer.isEmpty())
        editor.platform.fileAnswers.append(editor.dir.filePath(answer));
    QVERIFY(player.menu(Qt::Key_F, Qt::Key_O));
    QCOMPARE(editor.platform.messageTexts(), QStringList({InvalidFile}));
    editor.platform.messages.clear();

    // The list still shows this file's bots, so loads and saves use it too.
    QVERIFY(player.pickBot(5));
    QCOMPARE(editor.box(4)->text(), QStringLiteral("0.200000"));
    QVERIFY(player.pressOn(editor.slider(3), Qt::Key_Right));
    QVERIFY(player.save());
    QVERIFY(editor.platform.messages.isEmpty());
    QCOMPARE(valueIn(editor, "BotAccuracy[5]"), QStringLiteral("0.250000"));
}

void TypingTest::firstSaveOfEachRunBacksTheFileUp()
{
    Editor editor;
    const QByteArray original = editor.file();
    const auto backups = [&] {
        return QDir(editor.dir.path()).entryList({QStringLiteral("CovertstrikeUser.ini.*.bak")}, QDir::Files);
    };
    for (int run = 1; run <= 2; ++run) {
        if (run == 2) { // the editor started again on the same file
            editor.window = std::make_unique<frmMain>(editor.platform);
            editor.window->Form_Load();
        }
        Player player(editor, 3);
        QVERIFY(player.ready());
        for (Qt::Key key : {Qt::Key_End, Qt::Key_Home}) {
            QVERIFY(player.pressOn(editor.slider(3), key));
            QVERIFY(player.save());
        }
        QCOMPARE(backups().size(), run);
    }
    QVERIFY(editor.platform.messages.isEmpty());
    // The first run's copy holds the file as it was before any save.
    QStringList names = backups();
    QVERIFY(std::any_of(names.begin(), names.end(), [&](const QString& name) {
        return testing::readBytes(editor.dir.filePath(name)) == original
            && name.contains(QRegularExpression(QStringLiteral("^CovertstrikeUser\\.ini\\.\\d{8}-\\d{6}\\.bak$")));
    }));
}

QTEST_MAIN(TypingTest)
#include "test_typing.moc"
