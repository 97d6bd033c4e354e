// Editing one bot in the window: choosing, the coupling of boxes and
// controls, renaming, the preset, and saving, down to the file's bytes.

#include "support/editor.h"
#include "support/player.h"
#include "support/messages.h"

#include <QFileSystemWatcher>
#include <QSignalBlocker>
#include <QtTest>

using messages::NoBotSelected;

namespace {

const QString Voice = QStringLiteral("COV_Voices.COVv_VoiceP");

QByteArray replaced(QByteArray bytes, const QList<QPair<QByteArray, QByteArray>>& lines)
{
    for (const auto& [from, to] : lines) {
        const QByteArray line = from + "\r\n";
        Q_ASSERT(bytes.count(line) == 1);
        bytes.replace(line, to + "\r\n");
    }
    return bytes;
}

void fireTimer(QTimer* timer) { QVERIFY(QMetaObject::invokeMethod(timer, "timeout")); }

} // namespace

class EditingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void choosingABotLoadsItOntoTheControls();
    void absentAndEmptyValuesNeverShowAnotherText();
    void sliderWritesItsBox_data();
    void sliderWritesItsBox();
    void boxMovesItsSlider_data();
    void boxMovesItsSlider();
    void anyBoxChangeRederivesEveryControl();
    void checkBoxFollowsItsBox();
    void humanPresetMovesFiveSliders();
    void renameChangesTheListOnly();
    void saveNeedsANamedSelectedBot();
    void nameTypedIntoTheListIsSaved();
    void saveShowsTheConfirmationUntilTheTimerTicks();
    void failedWriteIsReportedNotConfirmed();
    void textTheFileCannotHoldIsRefused_data();
    void textTheFileCannotHoldIsRefused();
    void untouchedBotSavesNothingNew();
    void playerSessionChangesOnlyThatBotsKeys();
    void undoAndRedoFromTheKeyboard();
};

void EditingTest::choosingABotLoadsItOntoTheControls()
{
    Editor editor;
    editor.choose(5);
    QCOMPARE(editor.label("Label2")->text(), QStringLiteral("Bot #: 5"));
    QCOMPARE(editor.boxTexts(),
             QStringList({Voice + QLatin1Char('3'), QStringLiteral("COV_Faces.Face05"), QStringLiteral("1"),
                          QStringLiteral("1.000000"), QStringLiteral("0.200000"), QStringLiteral("-1.000000"),
                          QStringLiteral("-0.300000"), QStringLiteral("0.200000"), QStringLiteral("0.750000"),
                          QStringLiteral("COV_Bots.CovSoldierMale"), QStringLiteral("COV_Skins.Urban2"),
                          QStringLiteral("1")}));
    const QList<int> positions = {3, 1, 4, 1, 3, -6, -2, 2};
    for (int n = 1; n <= 8; ++n)
        QCOMPARE(editor.slider(n)->value(), positions[n - 1]);
    QCOMPARE(editor.check()->checkState(), Qt::Checked);
    QCOMPARE(editor.combo()->currentText(), QStringLiteral("Cinder"));

    // Choosing the same entry again does not reload: edits stay.
    editor.slider(3)->setValue(0);
    editor.choose(5);
    QCOMPARE(editor.box(4)->text(), QStringLiteral("0.000000"));
}

void EditingTest::absentAndEmptyValuesNeverShowAnotherText()
{
    Editor editor(testing::sampleRoster().replace("BotSkills[4]=3.000000", "BotSkills[4]=")
                      .replace("BotFaces[4]=COV_Faces.Face04", "BotFaces[4]="));
    editor.choose(3); // a full bot first, so the boxes hold its values
    QCOMPARE(editor.box(3)->text(), QStringLiteral("-2.000000"));

    editor.choose(4); // two empty values: two beeps, and neither keeps bot 3's text
    QCOMPARE(editor.platform.beeps, 2);
    QCOMPARE(editor.box(1)->text(), QString());
    QCOMPARE(editor.box(3)->text(), QStringLiteral("0.000000"));
    QCOMPARE(editor.slider(2)->value(), 0);

    editor.choose(0); // no personality keys at all
    for (const QString& text : editor.boxTexts())
        QVERIFY2(!text.contains(editor.rosterPath), qPrintable(text));
    QCOMPARE(editor.box(2)->text(), QStringLiteral("0")); // the team is there
    QCOMPARE(editor.box(1)->text(), QStringLiteral("COV_Faces.Face00"));
    QVERIFY(editor.platform.messages.isEmpty());
}

void EditingTest::sliderWritesItsBox_data()
{
    QTest::addColumn<int>("bot");
    QTest::addColumn<int>("slider");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("accuracy -18") << 8 << 3 << -18 << 4 << QStringLiteral("-0.900000");
    QTest::newRow("camping 7") << 8 << 8 << 7 << 7 << QStringLiteral("0.700000");
    QTest::newRow("skill -3") << 8 << 2 << -3 << 3 << QStringLiteral("-3.000000");
    QTest::newRow("team 1") << 8 << 4 << 1 << 2 << QStringLiteral("1");
    QTest::newRow("voice 2") << 8 << 1 << 2 << 0 << QStringLiteral("COV_Voices.COVv_VoiceP2");
    QTest::newRow("combat style 2") << 7 << 7 << 2 << 5 << QStringLiteral("1.000000");
    QTest::newRow("strafing -4") << 8 << 5 << -4 << 8 << QStringLiteral("-1.000000");
    QTest::newRow("alertness 1") << 8 << 6 << 1 << 6 << QStringLiteral("0.050000");
}

void EditingTest::sliderWritesItsBox()
{
    QFETCH(int, bot);
    QFETCH(int, slider);
    QFETCH(int, position);
    QFETCH(int, box);
    QFETCH(QString, text);
    Editor editor;
    editor.choose(bot);
    QVERIFY(editor.slider(slider)->value() != position);
    const QStringList before = editor.boxTexts();
    editor.slider(slider)->setValue(position);
    QCOMPARE(editor.box(box)->text(), text);
    QStringList expected = before;
    expected[box] = text;
    QCOMPARE(editor.boxTexts(), expected);
}

void EditingTest::boxMovesItsSlider_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("slider");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::newRow("0.7 accuracy") << 4 << QStringLiteral("0.7") << 3 << 14 << QStringLiteral("0.700000");
    QTest::newRow("0.375 strafing") << 8 << QStringLiteral("0.375") << 5 << 2 << QStringLiteral("0.500000");
    QTest::newRow("0.625 strafing") << 8 << QStringLiteral("0.625") << 5 << 2 << QStringLiteral("0.500000");
    QTest::newRow("0.35 camping") << 7 << QStringLiteral("0.35") << 8 << 4 << QStringLiteral("0.400000");
    QTest::newRow("0.45 camping") << 7 << QStringLiteral("0.45") << 8 << 4 << QStringLiteral("0.400000");
    QTest::newRow("2.5 skill") << 3 << QStringLiteral("2.5") << 2 << 2 << QStringLiteral("2.000000");
    QTest::newRow("voice ending in 11") << 0 << QStringLiteral("x11") << 1 << 1 << QStringLiteral("COV_Voices.COVv_VoiceP1");
    QTest::newRow("emptied accuracy") << 4 << QString() << 3 << 0 << QStringLiteral("0.000000");
    QTest::newRow("2 is past the end") << 4 << QStringLiteral("2") << 3 << 20 << QStringLiteral("1.000000");
    QTest::newRow("huge") << 4 << QStringLiteral("1e999") << 3 << 20 << QStringLiteral("1.000000");
    QTest::newRow("huge negative") << 8 << QStringLiteral("-1e999") << 5 << -4 << QStringLiteral("-1.000000");
    QTest::newRow("voice without digit") << 0 << QStringLiteral("Voice Type") << 1 << 1 << QStringLiteral("COV_Voices.COVv_VoiceP1");
    QTest::newRow("comma is no decimal point") << 6 << QStringLiteral("0,5") << 6 << 0 << QStringLiteral("0.000000");
}

void EditingTest::boxMovesItsSlider()
{
    QFETCH(int, box);
    QFETCH(QString, typed);
    QFETCH(int, slider);
    QFETCH(int, position);
    QFETCH(QString, text);
    Editor editor;
    editor.choose(7); // a bot whose sliders all stand elsewhere
    QVERIFY(editor.slider(slider)->value() != position);
    editor.box(box)->setText(typed);
    QCOMPARE(editor.slider(slider)->value(), position);
    QCOMPARE(editor.box(box)->text(), text);

    // Typing a text for the position the slider already has keeps the text.
    const QString again = typed.isEmpty() ? QStringLiteral("-0") : typed + QStringLiteral(" ");
    editor.box(box)->setText(again);
    QCOMPARE(editor.slider(slider)->value(), position);
    QCOMPARE(editor.box(box)->text(), again);
}

void EditingTest::anyBoxChangeRederivesEveryControl()
{
    Editor editor;
    editor.choose(6);
    for (int n = 1; n <= 8; ++n) {
        const QSignalBlocker quiet(editor.slider(n));
        editor.slider(n)->setValue(editor.slider(n)->minimum());
    }
    const QStringList before = editor.boxTexts();
    editor.box(9)->setText(QStringLiteral("COV_Bots.Other"));
    QCOMPARE(editor.slider(3)->value(), 17);
    QCOMPARE(editor.slider(8)->value(), 9);
    QCOMPARE(editor.slider(1)->value(), 1);
    QStringList expected = before;
    expected[9] = QStringLiteral("COV_Bots.Other");
    QCOMPARE(editor.boxTexts(), expected);
}

void EditingTest::checkBoxFollowsItsBox()
{
    Editor editor;
    editor.choose(5);
    QCOMPARE(editor.check()->checkState(), Qt::Checked);
    editor.check()->click();
    QCOMPARE(editor.box(11)->text(), QStringLiteral("0"));
    editor.box(11)->setText(QStringLiteral("1"));
    QCOMPARE(editor.check()->checkState(), Qt::Checked);
    QCOMPARE(editor.box(11)->text(), QStringLiteral("1"));
    editor.box(11)->setText(QStringLiteral("2"));
    QCOMPARE(editor.check()->checkState(), Qt::PartiallyChecked);
    QCOMPARE(editor.box(11)->text(), QStringLiteral("2"));
    editor.check()->click(); // a click never gives the greyed state
    QCOMPARE(editor.check()->checkState(), Qt::Checked);
    QCOMPARE(editor.box(11)->text(), QStringLiteral("1"));
    editor.check()->click();
    QCOMPARE(editor.check()->checkState(), Qt::Unchecked);
    editor.box(11)->setText(QStringLiteral("1e999"));
    QCOMPARE(editor.check()->checkState(), Qt::Checked);
    QCOMPARE(editor.box(11)->text(), QStringLiteral("1"));
}

void EditingTest::humanPresetMovesFiveSliders()
{
    Editor editor;
    // Before any bot is chosen the preset still moves the sliders.
    editor.action("mnuHuman")->trigger();
    QCOMPARE(editor.box(4)->text(), QStringLiteral("-0.900000"));

    editor.choose(9);
    const QStringList before = editor.boxTexts();
    editor.action("mnuHuman")->trigger();
    QStringList expected = before;
    expected[4] = QStringLiteral("-0.900000");
    expected[8] = QStringLiteral("1.000000");
    expected[6] = QStringLiteral("1.000000");
    expected[5] = QStringLiteral("1.000000");
    expected[7] = QStringLiteral("0.800000");
    QCOMPARE(editor.boxTexts(), expected);
    editor.action("mnuHuman")->trigger();
    QCOMPARE(editor.boxTexts(), expected);

    // A slider already at its preset keeps its box's text.
    editor.box(4)->setText(QStringLiteral("-0.9"));
    editor.action("mnuHuman")->trigger();
    QCOMPARE(editor.box(4)->text(), QStringLiteral("-0.9"));
}

void EditingTest::renameChangesTheListOnly()
{
    Editor editor;
    const QByteArray before = editor.file();
    editor.choose(2);
    editor.platform.inputAnswers = {QStringLiteral("  "), QString(), QStringLiteral("Q")};
    editor.find<QPushButton>(QStringLiteral("Command3"))->click();
    QCOMPARE(editor.platform.inputPrompts, QStringList({QStringLiteral("Enter new name:|Bot Name")}));
    QCOMPARE(editor.combo()->itemText(2), QStringLiteral("  "));
    QCOMPARE(editor.combo()->currentText(), QStringLiteral("  "));
    QCOMPARE(editor.label("Label2")->text(), QStringLiteral("Bot #: 2"));

    editor.find<QPushButton>(QStringLiteral("Command3"))->click(); // Cancel
    QCOMPARE(editor.combo()->itemText(2), QStringLiteral("  "));
    editor.find<QPushButton>(QStringLiteral("Command3"))->click();
    QCOMPARE(editor.combo()->itemText(2), QStringLiteral("Q"));

    editor.choose(3); // another bot: asked about the new name, Cancel keeps it
    QCOMPARE(editor.platform.saveQuestions, QStringList({QStringLiteral("Save changes to Q?")}));
    QCOMPARE(editor.combo()->currentIndex(), 2);
    QCOMPARE(editor.combo()->itemText(2), QStringLiteral("Q"));
    editor.platform.saveAnswers.append(platform::SaveAnswer::Discard);
    editor.choose(3); // Discard: the list shows the file's name again
    QCOMPARE(editor.combo()->itemText(2), QStringLiteral("Bramble"));
    QCOMPARE(editor.label("Label2")->text(), QStringLiteral("Bot #: 3"));
    QCOMPARE(editor.file(), before);
}

void EditingTest::saveNeedsANamedSelectedBot()
{
    Editor editor;
    const QByteArray before = editor.file();
    editor.find<QPushButton>(QStringLiteral("Command1"))->click();
    editor.action("mnuSave")->trigger();
    editor.choose(1);
    editor.combo()->setEditText(QString());
    editor.action("mnuSave")->trigger();
    QCOMPARE(editor.platform.messageTexts(), QStringList({NoBotSelected, NoBotSelected, NoBotSelected}));
    QCOMPARE(editor.platform.messages.constFirst().icon, platform::MessageIcon::None);
    QVERIFY(!editor.label("Label35")->isVisibleTo(editor.window.get()));
    QCOMPARE(editor.file(), before);
}

void EditingTest::nameTypedIntoTheListIsSaved()
{
    Editor editor;
    editor.choose(9);
    QLineEdit* field = editor.combo()->lineEdit();
    field->end(false);
    QTest::keyClicks(field, QStringLiteral(" the Second"));
    editor.action("mnuSave")->trigger();
    QVERIFY(editor.platform.messages.isEmpty());
    QCOMPARE(editor.file(), QByteArray(testing::sampleRoster()).replace("BotNames[9]=Quarry", "BotNames[9]=Quarry the Second"));
}

void EditingTest::saveShowsTheConfirmationUntilTheTimerTicks()
{
    Editor editor;
    editor.choose(4);
    editor.slider(3)->setValue(3);
    editor.find<QPushButton>(QStringLiteral("Command1"))->click();
    QVERIFY(editor.platform.messages.isEmpty());
    QVERIFY(editor.label("Label35")->isVisibleTo(editor.window.get()));
    QVERIFY(editor.timer()->isActive());
    QCOMPARE(editor.timer()->interval(), 3000);
    QVERIFY(editor.file().contains("BotAccuracy[4]=0.150000\r\n"));

    const int remaining = editor.timer()->remainingTime();
    editor.action("mnuSave")->trigger(); // a second save does not restart the timer
    QVERIFY(editor.timer()->remainingTime() <= remaining);

    fireTimer(editor.timer());
    QVERIFY(!editor.label("Label35")->isVisibleTo(editor.window.get()));
    QVERIFY(!editor.timer()->isActive());
}

void EditingTest::failedWriteIsReportedNotConfirmed()
{
    Editor editor;
    editor.choose(3);
    editor.slider(3)->setValue(2);
    // On Windows the window's watch holds the folder open, which keeps it
    // there after a removal.
    auto* watch = editor.window->findChild<QFileSystemWatcher*>(QStringLiteral("rosterWatch"));
    watch->removePaths(watch->files() + watch->directories());
    QVERIFY(QFile::remove(editor.rosterPath));
    QVERIFY(editor.dir.remove());
    editor.action("mnuSave")->trigger();
    // Nothing is made in its place: a save never creates a roster.
    QCOMPARE(editor.platform.messageTexts(),
             QStringList({QStringLiteral("The roster file is gone: %1. Nothing was saved; your changes are kept. "
                                         "Use File, Open to choose it again.")
                              .arg(QDir::toNativeSeparators(editor.rosterPath))}));
    QVERIFY(!QFile::exists(editor.rosterPath));
    QVERIFY(editor.window->isWindowModified());
    QCOMPARE(editor.platform.messages.constFirst().icon, platform::MessageIcon::None);
    QVERIFY(!editor.label("Label35")->isVisibleTo(editor.window.get()));
    QVERIFY(!editor.timer()->isActive());
}

void EditingTest::textTheFileCannotHoldIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::newRow("name outside Windows-1252") << QStringLiteral("\u0141ukasz") << -1 << QString()
                                               << QStringLiteral("BotNames[5]");
    QTest::newRow("line break pasted into a box") << QString() << 11 << QStringLiteral("1\nBotNames[0]=Evil")
                                                  << QStringLiteral("BotJumpy[5]");
}

void EditingTest::textTheFileCannotHoldIsRefused()
{
    QFETCH(QString, name);
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(QString, key);
    Editor editor;
    const QByteArray before = editor.file();
    editor.choose(5);
    editor.slider(3)->setValue(-5); // something valid changed as well
    if (!name.isEmpty()) {
        editor.platform.inputAnswers.append(name);
        editor.find<QPushButton>(QStringLiteral("Command3"))->click();
    }
    if (box >= 0)
        editor.box(box)->setText(text);
    editor.action("mnuSave")->trigger();
    QCOMPARE(editor.platform.messages.size(), 1);
    QVERIFY2(editor.platform.messages[0].text.contains(key), qPrintable(editor.platform.messages[0].text));
    QVERIFY(editor.platform.messages[0].text.contains(QStringLiteral("Nothing of this bot was saved")));
    QVERIFY(!editor.label("Label35")->isVisibleTo(editor.window.get()));
    QCOMPARE(editor.file(), before);
}

void EditingTest::untouchedBotSavesNothingNew()
{
    // Quoted, padded, unusual and absent values all survive a save of a bot
    // that the player only looked at.
    const QByteArray original = testing::sampleRoster()
                                    .replace("BotAccuracy[5]=0.200000", "BotAccuracy[5]= \"0.33\" ")
                                    .replace("BotNames[5]=Cinder", "BotNames[5]=\"Cinder\"");
    Editor editor(original);
    for (int bot : {0, 1, 5}) {
        editor.choose(bot);
        editor.action("mnuSave")->trigger();
        QVERIFY(editor.platform.messages.isEmpty());
        QVERIFY(editor.label("Label35")->isVisibleTo(editor.window.get()));
    }
    QCOMPARE(editor.file(), original);
}

void EditingTest::playerSessionChangesOnlyThatBotsKeys()
{
    const QByteArray original = testing::sampleRoster();
    Editor editor(original);
    editor.choose(6);
    editor.slider(3)->setValue(5);                          // accuracy
    editor.slider(8)->setValue(2);                          // camping
    editor.box(6)->setText(QStringLiteral("0.2"));          // alertness, typed
    editor.platform.inputAnswers.append(QStringLiteral("Thorne II"));
    editor.find<QPushButton>(QStringLiteral("Command3"))->click();
    editor.check()->click();                                // jumps now
    editor.slider(2)->setValue(3);                          // skill up...
    editor.slider(2)->setValue(-1);                         // ...and back: unchanged
    editor.find<QPushButton>(QStringLiteral("Command1"))->click();
    QVERIFY(editor.platform.messages.isEmpty());

    const QByteArray expected = replaced(original, {{"BotNames[6]=Thorne", "BotNames[6]=Thorne II"},
                                                    {"BotAccuracy[6]=0.850000", "BotAccuracy[6]=0.250000"},
                                                    {"Camping[6]=0.900000", "Camping[6]=0.200000"},
                                                    {"Alertness[6]=0.250000", "Alertness[6]=0.200000"},
                                                    {"BotJumpy[6]=0", "BotJumpy[6]=1"}});
    QCOMPARE(editor.file(), expected);

    // Saving again without changes leaves the file as it is.
    editor.action("mnuSave")->trigger();
    QCOMPARE(editor.file(), expected);
}

void EditingTest::undoAndRedoFromTheKeyboard()
{
    // The Edit menu says what it would undo; Ctrl+Z and Ctrl+Y write the file
    // back and forth, and the sliders follow.
    Editor editor;
    Player player(editor, 5);
    QVERIFY(player.ready());
    QVERIFY(!editor.action("mnuUndo")->isEnabled());
    QVERIFY(player.pressOn(editor.slider(3), Qt::Key_End));
    QVERIFY(player.save());
    const QByteArray saved = editor.file();
    QCOMPARE(editor.action("mnuUndo")->text(), QStringLiteral("&Undo Save Cinder"));
    player.press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor.file(), testing::sampleRoster());
    QCOMPARE(editor.box(4)->text(), QStringLiteral("0.200000"));
    QCOMPARE(editor.action("mnuRedo")->text(), QStringLiteral("&Redo Save Cinder"));
    player.press(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(editor.file(), saved);
    QCOMPARE(editor.slider(3)->value(), 20);
    QVERIFY(editor.platform.messages.isEmpty());
}

QTEST_MAIN(EditingTest)
#include "test_editing.moc"
