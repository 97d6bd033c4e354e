// The roster overview as a player uses it, through keys and clicks: the
// table, its sorting and marking, showing a bot from it, and Set Values.

#include "overview/import_bots_dialog.h"
#include "overview/restore_backup_dialog.h"
#include "overview/roster_actions.h"
#include "overview/roster_overview.h"
#include "platform/desktop.h"
#include "platform/qt_platform.h"
#include "roster/bot_file.h"
#include "roster/deal.h"
#include "roster/roster_table.h"
#include "support/player.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTreeWidget>
#include <QHeaderView>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include <functional>

namespace {

// The sample roster with one key's value replaced.
QByteArray withBot(const QByteArray& key, const QByteArray& value)
{
    QByteArray roster = testing::sampleRoster();
    const qsizetype at = roster.indexOf(key + '=');
    return roster.replace(at, roster.indexOf("\r\n", at) - at, key + '=' + value);
}

// The overview's window and its parts, once Roster, Overview opened it.
struct Overview {
    explicit Overview(const Editor& editor) : window(editor.window->findChild<RosterOverview*>())
    {
        if (window) {
            table = window->findChild<QTableView*>(QStringLiteral("grdRoster"));
            averages = window->findChild<QTableWidget*>(QStringLiteral("grdAverages"));
        }
    }
    QString cell(int row, int column) const { return table->model()->index(row, column).data().toString(); }
    QStringList column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            texts.append(cell(row, column));
        return texts;
    }
    // Clicks a column's header.
    void clickHeader(int column) const
    {
        QHeaderView* header = table->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    QDialog* dialog() const { return qobject_cast<QDialog*>(QApplication::activeModalWidget()); }

    RosterOverview* window;
    QTableView* table = nullptr;
    QTableWidget* averages = nullptr;
};

// Selects `count` rows of a table from `first` on, with a click and Shift+Down.
void selectRows(QTableView* table, int first, int count)
{
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                      table->visualRect(table->model()->index(first, 0)).center());
    for (int i = 1; i < count; ++i)
        QTest::keyClick(table, Qt::Key_Down, Qt::ShiftModifier);
}

// A library folder of bot files: name -> text after the section's header.
QString writeLibrary(const Editor& editor, const QMap<QString, QByteArray>& files)
{
    const QString folder = editor.platform.dataPath + QStringLiteral("/Library");
    QDir().mkpath(folder);
    for (auto file = files.begin(); file != files.end(); ++file)
        testing::writeBytes(folder + QLatin1Char('/') + file.key(), "[CovertstrikeBots]\n" + file.value());
    return folder;
}

// Brings a window over the others, with the keyboard.
bool activate(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// Opens the library with Ctrl+L from the main window; its table, or null.
QTableView* openLibrary(const Editor& editor)
{
    if (!activate(editor.window.get()))
        return nullptr;
    QTest::keyClick(editor.window.get(), Qt::Key_L, Qt::ControlModifier);
    auto* library = editor.window->findChild<QWidget*>(QStringLiteral("frmLibrary"));
    if (!library || !QTest::qWaitFor([library] { return QApplication::activeWindow() == library; }))
        return nullptr;
    return library->findChild<QTableView*>(QStringLiteral("grdLibrary"));
}

QStringList column(const QTableView* table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        texts.append(table->model()->index(row, column).data().toString());
    return texts;
}

// Opens the overview with Ctrl+R and waits for it to take the focus.
bool openOverview(const Editor& editor)
{
    QTest::keyClick(editor.window.get(), Qt::Key_R, Qt::ControlModifier);
    auto* overview = editor.window->findChild<RosterOverview*>();
    if (!overview || !QTest::qWaitForWindowExposed(overview))
        return false;
    // The window system activates it once it is on the screen.
    return QTest::qWaitFor([overview] { return QApplication::activeWindow() == overview; });
}

// Presses each key of `keys` on what has them: an open menu, else the focus.
void press(const QKeySequence& keys)
{
    for (int i = 0; i < keys.count(); ++i) {
        QWidget* popup = QApplication::activePopupWidget();
        QTest::keyClick(popup ? popup : QApplication::focusWidget(), keys[i].key(), keys[i].keyboardModifiers());
    }
}

// Presses Escape in the next box of class `box` to open, once it has the
// keys: from inside its own event loop. The timer goes once it has.
QPointer<QTimer> escapeNextBox(const QString& box)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, box] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->inherits(qPrintable(box)) || QApplication::activeWindow() != modal)
            return;
        timer->deleteLater();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : modal, Qt::Key_Escape);
    });
    timer->start();
    return timer;
}

// A request of the player's, with the roster's actions at hand.
using Request = std::function<void(Editor&, RosterActions&)>;

} // namespace

Q_DECLARE_METATYPE(Request)

class OverviewTest : public QObject {
    Q_OBJECT

public slots:
    // Where QDesktopServices sends the folders it is asked to open.
    void openUrl(const QUrl& url) { opened_.append(url); }

private:
    QList<QUrl> opened_;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void showsTheRosterSortedByAnyColumn();
    void showsTheChosenBotInTheMainWindow();
    void setValuesWritesExactlyTheTickedFields_data();
    void setValuesWritesExactlyTheTickedFields();
    void followsTheFile();
    void opensBesideTheMainWindow_data();
    void opensBesideTheMainWindow();
    void ownWriteBesideUnsavedChangesIsNoNews();
    void sharesBotsAndRestoresABackup();
    void restoresOnlyARosterAndAsksFirst();
    void botFilesGoWhereThePlayerKeepsThem();
    void dialogsGiveTheKeysBack_data();
    void dialogsGiveTheKeysBack();
    void everyWriteAsksWhileTheGameRuns_data();
    void everyWriteAsksWhileTheGameRuns();
    void importTakesTheChosenRosterAndWhatFits();
    void shapesTheRosterThroughKeys_data();
    void shapesTheRosterThroughKeys();
    void shapeWritesNothingOverBotsChangedMeanwhile();
    void libraryListsAndFilters();
    void dealsWithASeedAndUndoesByteForByte();
    void libraryTakesAndLosesBots();
    void namesEveryControl_data();
    void namesEveryControl();
    void checkColumnAndWindowTellTheFindings();
    void appearanceWritesTheFiveKeysOfTheSelectedBots_data();
    void appearanceWritesTheFiveKeysOfTheSelectedBots();
    void columnChoiceIsRemembered();
};

void OverviewTest::showsTheRosterSortedByAnyColumn()
{
    Editor editor(withBot("BotTeams[4]", "255"));
    Player player(editor, 5);
    QVERIFY(player.ready());
    QVERIFY(openOverview(editor));
    Overview overview(editor);
    QCOMPARE(overview.window->windowTitle(), QStringLiteral("Roster - Covertstrike Bot Tweaker"));
    QCOMPARE(overview.table->model()->rowCount(), 16);
    QCOMPARE(overview.column(1).mid(0, 3), QStringList({QStringLiteral("Havoc"), QStringLiteral("Nightjar"),
                                                         QStringLiteral("Bramble")}));
    QCOMPARE(overview.cell(4, 2), QStringLiteral("None"));
    // The shown bot's row is marked.
    QVERIFY(overview.table->model()->index(5, 1).data(Qt::FontRole).value<QFont>().bold());
    QVERIFY(!overview.table->model()->index(6, 1).data(Qt::FontRole).value<QFont>().bold());
    QCOMPARE(overview.averages->item(0, 0)->text(), QStringLiteral("Red average"));

    // A header click sorts by accuracy; the bots without one come last.
    overview.clickHeader(4);
    QStringList accuracy = overview.column(4);
    QCOMPARE(accuracy.first(), QStringLiteral("-0.75"));
    QCOMPARE(accuracy.last(), QString::fromUtf8("\u2014"));
    // From the keyboard: Sort by Name, descending, then "#" restores roster order.
    player.press(Qt::Key_B, Qt::AltModifier);
    QCOMPARE(Player::focusName(), QStringLiteral("cboSortBy"));
    player.press(Qt::Key_Home);
    player.press(Qt::Key_Down);
    // A check box's access key clicks it after a moment, as a press shows.
    player.press(Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(overview.cell(0, 1), QStringLiteral("Vesper"));
    player.press(Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(overview.cell(0, 1), QStringLiteral("Bramble"));
    player.press(Qt::Key_B, Qt::AltModifier);
    player.press(Qt::Key_Up);
    QCOMPARE(overview.column(0).mid(0, 3), QStringList({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}));
}

void OverviewTest::showsTheChosenBotInTheMainWindow()
{
    Editor editor;
    Player player(editor, 5);
    QVERIFY(player.ready());
    // A change not saved is asked about, as choosing in the list would; Cancel keeps the bot.
    QVERIFY(player.pressOn(editor.slider(3), Qt::Key_Left));
    QVERIFY(openOverview(editor));
    Overview overview(editor);
    QTest::mouseClick(overview.table->viewport(), Qt::LeftButton, Qt::NoModifier,
                      overview.table->visualRect(overview.table->model()->index(7, 1)).center());
    QTest::keyClick(overview.table, Qt::Key_Return);
    QCOMPARE(editor.platform.saveQuestions, QStringList({QStringLiteral("Save changes to Cinder?")}));
    QCOMPARE(editor.combo()->currentIndex(), 5);
    editor.platform.saveAnswers = {platform::SaveAnswer::Discard};
    QTest::keyClick(overview.table, Qt::Key_Enter);
    QCOMPARE(editor.combo()->currentIndex(), 7);
    QCOMPARE(editor.box(4)->text(), QStringLiteral("-0.550000"));
    QVERIFY(overview.table->model()->index(7, 0).data(Qt::FontRole).value<QFont>().bold());
    // A double-click shows a bot too.
    const QRect row = overview.table->visualRect(overview.table->model()->index(9, 1));
    QTest::mouseClick(overview.table->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QTest::mouseDClick(overview.table->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QCOMPARE(editor.combo()->currentIndex(), 9);
}

void OverviewTest::setValuesWritesExactlyTheTickedFields_data()
{
    QTest::addColumn<bool>("random");
    QTest::addColumn<QList<Qt::Key>>("sliderKeys"); // on the Accuracy slider, or its lowest one
    QTest::addColumn<QStringList>("allowed");        // what every bot's accuracy may be now
    QTest::newRow("same value") << false << QList<Qt::Key>{Qt::Key_End} << QStringList{QStringLiteral("1.000000")};
    QTest::newRow("random values") << true << QList<Qt::Key>{Qt::Key_End, Qt::Key_Left}
                                   << QStringList{QStringLiteral("0.950000"), QStringLiteral("1.000000")};
}

void OverviewTest::setValuesWritesExactlyTheTickedFields()
{
    QFETCH(bool, random);
    QFETCH(QList<Qt::Key>, sliderKeys);
    QFETCH(QStringList, allowed);
    const QByteArray original = testing::sampleRoster();
    Editor editor(original);
    Player player(editor, 5);
    QVERIFY(player.ready());
    QVERIFY(player.pressOn(editor.slider(2), Qt::Key_Left)); // bot 5's skill, not saved
    editor.platform.saveAnswers = {platform::SaveAnswer::Discard};
    QVERIFY(openOverview(editor));
    Overview overview(editor);
    player.press(Qt::Key_A, Qt::ControlModifier);
    player.press(Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(overview.dialog());
    QDialog* dialog = overview.dialog();
    QVERIFY(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Set Values"));
    if (random) {
        player.press(Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(dialog->findChild<QRadioButton*>(QStringLiteral("optRandom"))->isChecked());
    }
    auto* accuracy = dialog->findChild<QCheckBox*>(QStringLiteral("IncludeSlider3"));
    QTest::mouseClick(accuracy, Qt::LeftButton, Qt::NoModifier, QPoint(6, accuracy->height() / 2));
    QVERIFY(accuracy->isChecked());
    const QString slider = random ? QStringLiteral("Slider3Lowest") : QStringLiteral("Slider3");
    QVERIFY(player.tabTo(dialog->findChild<QSlider*>(slider)));
    for (Qt::Key key : sliderKeys)
        player.press(key);
    // The value beside the slider; the editor's unsaved values, said to be so.
    QCOMPARE(dialog->findChild<QLabel*>(slider + QStringLiteral("Value"))->text(),
             QString::fromStdString(roster::ShortNumber(allowed.first().toDouble())));
    QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("lblStart"))->text(),
             QStringLiteral("The sliders start at the values of Cinder in the editor, with changes not yet saved."));
    player.press(Qt::Key_Return);
    QTRY_VERIFY(!dialog->isVisible());

    // The shown bot was asked about; every bot's accuracy and nothing else changed.
    QCOMPARE(editor.platform.saveQuestions, QStringList({QStringLiteral("Save changes to Cinder?")}));
    const QList<QByteArray> before = original.split('\n');
    const QList<QByteArray> after = editor.file().split('\n');
    QStringList accuracies;
    for (const QByteArray& line : after) {
        if (line.startsWith("BotAccuracy["))
            accuracies.append(QString::fromLatin1(line.mid(line.indexOf('=') + 1).trimmed()));
        else
            QVERIFY2(before.contains(line), line.constData());
    }
    QCOMPARE(accuracies.size(), 16);
    for (const QString& value : accuracies)
        QVERIFY2(allowed.contains(value), qPrintable(value));
    QCOMPARE(QDir(editor.dir.path()).entryList({QStringLiteral("*.bak")}).size(), 1);
    // The main window and the table show the new values.
    QVERIFY(allowed.contains(editor.box(4)->text()));
    QVERIFY(!editor.window->isWindowModified());
    QCOMPARE(overview.table->selectionModel()->selectedRows().size(), 16);
    QCOMPARE(overview.cell(5, 4), QString::fromStdString(roster::ShortNumber(editor.box(4)->text().toDouble())));
}

void OverviewTest::ownWriteBesideUnsavedChangesIsNoNews()
{
    Editor editor;
    Player player(editor, 5);
    QVERIFY(player.ready());
    QVERIFY(player.pressOn(editor.slider(3), Qt::Key_End)); // bot 5's accuracy, not saved
    QVERIFY(openOverview(editor));
    Overview overview(editor);
    QTest::mouseClick(overview.table->viewport(), Qt::LeftButton, Qt::NoModifier,
                      overview.table->visualRect(overview.table->model()->index(0, 1)).center());
    player.press(Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(overview.dialog());
    QDialog* dialog = overview.dialog();
    auto* camping = dialog->findChild<QCheckBox*>(QStringLiteral("IncludeSlider8"));
    QTest::mouseClick(camping, Qt::LeftButton, Qt::NoModifier, QPoint(6, camping->height() / 2));
    QTest::keyClick(dialog, Qt::Key_Return);
    QTRY_VERIFY(!dialog->isVisible());

    // Bot 0 changed by the editor itself: bot 5 keeps its change, unasked and without the note.
    QVERIFY(editor.platform.saveQuestions.isEmpty());
    QVERIFY(editor.file().contains("Camping[0]="));
    QCOMPARE(editor.box(4)->text(), QStringLiteral("1.000000"));
    QVERIFY(editor.window->isWindowModified());
    QVERIFY(!editor.label("lblFileChanged")->isVisibleTo(editor.window.get()));
}

void OverviewTest::opensBesideTheMainWindow_data()
{
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("at");
    const QRect wide(0, 0, 1280, 1024);
    QTest::newRow("room on the right") << QRect(100, 100, 400, 500) << QSize(300, 400) << wide << QPoint(500, 100);
    QTest::newRow("room on the left only") << QRect(800, 100, 400, 500) << QSize(300, 400) << wide << QPoint(500, 100);
    QTest::newRow("no room: flush with the edge of more room, raised")
        << QRect(1580, 600, 400, 100) << QSize(900, 560) << QRect(1280, 0, 1024, 768) << QPoint(1404, 208);
    QTest::newRow("larger than the screen") << QRect(100, 100, 400, 500) << QSize(1100, 900)
                                            << QRect(0, 0, 1024, 768) << QPoint(0, 0);
}

void OverviewTest::opensBesideTheMainWindow()
{
    QFETCH(QRect, main);
    QFETCH(QSize, size);
    QFETCH(QRect, screen);
    QFETCH(QPoint, at);
    QCOMPARE(platform::placeBeside(main, size, screen), at);
}

void OverviewTest::followsTheFile()
{
    Editor editor;
    Player player(editor);
    QVERIFY(player.ready());
    QVERIFY(openOverview(editor));
    Overview overview(editor);
    // The game rewrites the file: the table follows it.
    QVERIFY(testing::writeBytes(editor.rosterPath, withBot("BotNames[2]", "Renamed")));
    QTRY_COMPARE(overview.cell(2, 1), QStringLiteral("Renamed"));
    // Another file, opened by File, Open.
    const QString other = editor.dir.filePath(QStringLiteral("other/CovertstrikeUser.ini"));
    QVERIFY(QDir(editor.dir.path()).mkdir(QStringLiteral("other")));
    QVERIFY(testing::writeBytes(other, QByteArray("[CovertstrikeUT.CovBotInfo]\r\nBotNames[0]=Solo\r\nBotTeams[0]=3\r\n")));
    QVERIFY(editor.window->openRosterFile(other));
    QCOMPARE(overview.column(1), QStringList({QStringLiteral("Solo")}));
    QCOMPARE(overview.averages->item(2, 0)->text(), QStringLiteral("Gold average"));
    // It remembers its size through the settings store.
    overview.window->resize(640, 420);
    overview.window->close();
    QCOMPARE(editor.platform.settings.value(QStringLiteral("Overview/Size")), QStringLiteral("640x420"));
    QVERIFY(editor.showActive());
    QVERIFY(openOverview(editor));
    QCOMPARE(Overview(editor).window->size(), QSize(640, 420));
}

void OverviewTest::sharesBotsAndRestoresABackup()
{
    const QByteArray original = testing::sampleRoster();
    Editor editor(original);
    Player player(editor, 5);
    QVERIFY(player.ready());
    // Roster, Export Bots without the overview: every bot, the suffix added.
    editor.platform.fileAnswers = {editor.dir.filePath(QStringLiteral("all"))};
    editor.action("mnuExportBots")->trigger();
    QCOMPARE(editor.platform.dialogsShown.constLast().title, QStringLiteral("Export Bots"));
    const QByteArray all = testing::readBytes(editor.dir.filePath(QStringLiteral("all.covbots")));
    QCOMPARE(roster::ReadBotFile(all.toStdString()).sections.at(0).bots.size(), std::size_t{16});
    QVERIFY(player.pressOn(editor.slider(2), Qt::Key_Left)); // bot 5's skill, not saved
    QVERIFY(openOverview(editor));
    Overview overview(editor);
    const auto selectRows = [&](int first) {
        const QRect row = overview.table->visualRect(overview.table->model()->index(first, 1));
        QTest::mouseClick(overview.table->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
        QTest::keyClick(overview.table, Qt::Key_Down, Qt::ShiftModifier);
    };
    // Ctrl+C: bots 2 and 3 as bot-file text.
    selectRows(2);
    QTest::keyClick(overview.table, Qt::Key_C, Qt::ControlModifier);
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY2(copied.startsWith(QStringLiteral("; Bots shared with Covertstrike Bot Tweaker")), qPrintable(copied));
    QVERIFY(copied.contains(QStringLiteral("\nBotNames[1]=") + overview.cell(3, 1) + QLatin1Char('\n')));
    // Text that is no bot file is refused.
    QGuiApplication::clipboard()->setText(QStringLiteral("gg, nice sniper"));
    QTest::keyClick(overview.table, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(editor.platform.messages.size(), 1);
    QVERIFY(editor.platform.messages[0].text.startsWith(QStringLiteral("The clipboard holds no bots to paste")));
    QCOMPARE(editor.file(), original);

    // Ctrl+V over bots 5 and 6: the shown bot's change is asked about first.
    QGuiApplication::clipboard()->setText(copied);
    selectRows(5);
    QTest::keyClick(overview.table, Qt::Key_V, Qt::ControlModifier);
    QTRY_VERIFY(overview.dialog());
    QDialog* dialog = overview.dialog();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Import Bots"));
    QVERIFY(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
    editor.platform.saveAnswers = {platform::SaveAnswer::Discard};
    player.press(Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(dialog->findChild<QRadioButton*>(QStringLiteral("optReplace"))->isChecked());
    player.press(Qt::Key_Return);
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(editor.platform.saveQuestions, QStringList({QStringLiteral("Save changes to Cinder?")}));
    QCOMPARE(overview.cell(5, 1), overview.cell(2, 1));
    QCOMPARE(overview.cell(6, 1), overview.cell(3, 1));
    QCOMPARE(editor.combo()->currentText(), overview.cell(2, 1));
    const QStringList backups = QDir(editor.dir.path()).entryList({QStringLiteral("*.bak")});
    QCOMPARE(backups.size(), 1);

    // File, Restore Backup puts the file back as it was, after backing it up.
    const QByteArray imported = editor.file();
    editor.action("mnuRestoreBackup")->trigger();
    QTRY_VERIFY(editor.find<QDialog>(QStringLiteral("frmRestoreBackup")));
    dialog = editor.find<QDialog>(QStringLiteral("frmRestoreBackup"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Restore Backup"));
    QVERIFY(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
    auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("lstBackups"));
    QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("16"));
    QCOMPARE(list->topLevelItem(0)->text(3), QStringLiteral("2"));
    editor.platform.confirmAnswers = {true};
    player.press(Qt::Key_Return);
    QTRY_COMPARE(editor.file(), original);
    QCOMPARE(editor.platform.confirmQuestions.size(), 1);
    QVERIFY(editor.platform.confirmQuestions[0].endsWith(QStringLiteral("? 2 bots differ.")));
    QCOMPARE(QDir(editor.dir.path()).entryList({QStringLiteral("*.bak")}).size(), 2);
    QCOMPARE(overview.cell(5, 1), editor.combo()->currentText());
}

void OverviewTest::restoresOnlyARosterAndAsksFirst()
{
    const QByteArray original = testing::sampleRoster();
    Editor editor(original);
    // The newest copy is random bytes; the one before it the roster with a bot renamed.
    QVERIFY(testing::writeBytes(editor.rosterPath + QStringLiteral(".20261207-101500.bak"),
                                QByteArray(original).replace("BotNames[2]=Bramble", "BotNames[2]=Briar")));
    QVERIFY(testing::writeBytes(editor.rosterPath + QStringLiteral(".20261207-101501.bak"),
                                QByteArray("\x7f" "ELF\x02\x01\0\0\xff\xfe", 10)));
    Player player(editor);
    QVERIFY(player.ready() && player.menu(Qt::Key_F, Qt::Key_B));
    QPointer<QDialog> dialog = editor.find<QDialog>(QStringLiteral("frmRestoreBackup"));
    QVERIFY(dialog && QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
    auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("lstBackups"));
    auto* restore = dialog->findChild<QPushButton*>(QStringLiteral("cmdRestore"));
    QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("not a roster"));
    // The roster comes chosen. On the copy that is none, Restore is disabled and Enter does nothing.
    QCOMPARE(list->currentIndex().row(), 1);
    player.press(Qt::Key_Up);
    QVERIFY(!restore->isEnabled());
    player.press(Qt::Key_Return);
    QVERIFY(dialog->isVisible());
    // The roster: asked first, and No leaves the file as it is.
    player.press(Qt::Key_Down);
    QVERIFY(restore->isEnabled());
    player.press(Qt::Key_Return);
    QTRY_VERIFY(!dialog);
    QCOMPARE(editor.platform.confirmQuestions,
             QStringList({QStringLiteral("Replace the roster with the copy of %1? 1 bot differs.")
                              .arg(RestoreBackupDialog::stampText("20261207-101500"))}));
    QCOMPARE(editor.file(), original);
}

void OverviewTest::botFilesGoWhereThePlayerKeepsThem()
{
    Editor editor(withBot("BotNames[2]", "AC/DC"));
    Player player(editor);
    QVERIFY(player.ready() && openOverview(editor));
    Overview overview(editor);
    // One bot, from the player's documents; then both dialogs start where it went.
    QTest::mouseClick(overview.table->viewport(), Qt::LeftButton, Qt::NoModifier,
                      overview.table->visualRect(overview.table->model()->index(2, 1)).center());
    editor.platform.fileAnswers = {editor.dir.filePath(QStringLiteral("mine"))};
    const QList<platform::FileDialogSettings>& shown = editor.platform.dialogsShown;
    for (Qt::Key key : {Qt::Key_E, Qt::Key_E, Qt::Key_I}) {
        const qsizetype before = shown.size();
        player.press(key, Qt::AltModifier);
        QTRY_COMPARE(shown.size(), before + 1);
    }
    QCOMPARE(shown[2].title, QStringLiteral("Import Bots"));
    QCOMPARE(shown[0].fileName, QStringLiteral("AC_DC.covbots"));
    QCOMPARE(shown[0].startFolder,
             QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
    QCOMPARE(shown[1].startFolder, QDir::toNativeSeparators(editor.dir.path()));
    QCOMPARE(shown[2].startFolder, QDir::toNativeSeparators(editor.dir.path()));
}

void OverviewTest::dialogsGiveTheKeysBack_data()
{
    QTest::addColumn<bool>("fromOverview");
    QTest::addColumn<QKeySequence>("open");   // pressed in the window
    QTest::addColumn<QKeySequence>("answer"); // pressed in the dialog it opens, if any
    QTest::addColumn<QString>("box");         // a box that opens meanwhile, escaped
    const auto keys = [](auto... key) { return QKeySequence(QKeyCombination(key)...); };
    QTest::newRow("Set Values, Escape") << true << keys(Qt::ALT | Qt::Key_S) << keys(Qt::Key_Escape) << QString();
    QTest::newRow("Set Values, Enter, the question about unsaved changes escaped")
        << true << keys(Qt::ALT | Qt::Key_S) << keys(Qt::Key_Space, Qt::Key_Return) << QStringLiteral("QMessageBox");
    QTest::newRow("Import Bots from the clipboard, Escape")
        << true << keys(Qt::CTRL | Qt::Key_V) << keys(Qt::Key_Escape) << QString();
    QTest::newRow("the file dialog, Escape") << true << keys(Qt::ALT | Qt::Key_I) << QKeySequence()
                                             << QStringLiteral("QFileDialog");
    QTest::newRow("showing a bot, the question about unsaved changes escaped")
        << true << keys(Qt::Key_Return) << QKeySequence() << QStringLiteral("QMessageBox");
    QTest::newRow("Restore Backup, Escape") << false << keys(Qt::ALT | Qt::Key_F, Qt::Key_B) << keys(Qt::Key_Escape)
                                            << QString();
}

// The window a dialog was opened from is the active one again when it
// closes, with the focus where it was: the same keys, pressed again, reach
// it again rather than the main window's name field.
void OverviewTest::dialogsGiveTheKeysBack()
{
    QFETCH(bool, fromOverview);
    QFETCH(QKeySequence, open);
    QFETCH(QKeySequence, answer);
    QFETCH(QString, box);
    Editor editor;
    platform::QtPlatform real;
    editor.platform.realDialogs = &real;
    QVERIFY(testing::writeBytes(editor.rosterPath + QStringLiteral(".20261207-101500.bak"), testing::sampleRoster()));
    QGuiApplication::clipboard()->setText(QStringLiteral("[CovertstrikeBots]\nBotNames[0]=Solo\n"));
    Player player(editor, 5);
    QVERIFY(player.ready());
    QVERIFY(player.pressOn(editor.slider(3), Qt::Key_Left)); // bot 5's accuracy, not saved
    QWidget* window = editor.window.get();
    if (fromOverview) {
        QVERIFY(openOverview(editor));
        Overview overview(editor);
        window = overview.window;
        QTest::mouseClick(overview.table->viewport(), Qt::LeftButton, Qt::NoModifier,
                          overview.table->visualRect(overview.table->model()->index(5, 1)).center());
    }
    QWidget* focus = QApplication::focusWidget();
    for (int time = 0; time < 2; ++time) {
        const QPointer<QTimer> escaping = box.isEmpty() ? nullptr : escapeNextBox(box);
        press(open);
        if (!answer.isEmpty()) {
            QTRY_VERIFY(QApplication::activeModalWidget());
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
            press(answer);
        }
        // (A button's access key clicks it after a moment.)
        QTRY_VERIFY(!escaping);
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QCOMPARE(QApplication::focusWidget(), focus);
    }
    QCOMPARE(editor.combo()->currentText(), QStringLiteral("Cinder"));
    QVERIFY(editor.window->isWindowModified());
    QCOMPARE(editor.file(), testing::sampleRoster());
}

void OverviewTest::everyWriteAsksWhileTheGameRuns_data()
{
    QTest::addColumn<Request>("before"); // while the game is not running
    QTest::addColumn<Request>("request");
    QTest::addColumn<QKeySequence>("keys"); // in the dialog the request opens
    const auto menu = [](const char* item) {
        return Request([item](Editor& editor, RosterActions&) { editor.action(item)->trigger(); });
    };
    const Request none = [](Editor&, RosterActions&) {};
    const QKeySequence enter(Qt::Key_Return);
    QTest::newRow("save") << none << menu("mnuSave") << QKeySequence();
    QTest::newRow("Set Values") << none << Request([](Editor& e, RosterActions& a) {
        a.setValues(e.window.get(), {4, 5}, nullptr);
    }) << QKeySequence(Qt::Key_Space, Qt::Key_Return);
    QTest::newRow("import") << none << Request([](Editor& e, RosterActions& a) {
        a.pasteBots(e.window.get(), QStringLiteral("[CovertstrikeBots]\nBotNames[0]=Solo\n"));
    }) << enter;
    QTest::newRow("restore") << none << Request([](Editor& e, RosterActions& a) {
        e.platform.confirmAnswers.prepend(true); // the restore's own question
        a.restoreBackup(e.window.get());
    }) << enter;
    QTest::newRow("undo") << menu("mnuSave") << menu("mnuUndo") << QKeySequence();
    QTest::newRow("redo") << Request([=](Editor& e, RosterActions& a) { menu("mnuSave")(e, a), menu("mnuUndo")(e, a); })
                          << menu("mnuRedo") << QKeySequence();
    QTest::newRow("add a bot") << Request([](Editor&, RosterActions& a) { a.showOverview(); })
                               << Request([](Editor&, RosterActions& a) {
                                      a.overview()->findChild<QAction*>(QStringLiteral("actAddBot"))->trigger();
                                  })
                               << QKeySequence();
}

// While the game runs, a write asks first; No writes nothing, Yes writes,
// and the shown bot's changes saved first do not ask again.
void OverviewTest::everyWriteAsksWhileTheGameRuns()
{
    QFETCH(Request, before);
    QFETCH(Request, request);
    QFETCH(QKeySequence, keys);
    Editor editor;
    auto* actions = editor.window->findChild<RosterActions*>();
    QVERIFY(testing::writeBytes(editor.rosterPath + QStringLiteral(".20261207-101500.bak"),
                                QByteArray(testing::sampleRoster()).replace("BotNames[2]=Bramble", "BotNames[2]=Briar")));
    editor.choose(5);
    QTest::keyClick(editor.slider(3), Qt::Key_End); // bot 5's accuracy, not saved
    before(editor, *actions);
    editor.platform.processes = {QStringLiteral("UnrealTournament.exe")};
    editor.platform.saveAnswers = {platform::SaveAnswer::Save};
    const QByteArray file = editor.file();
    for (bool yes : {false, true}) {
        editor.platform.confirmQuestions.clear();
        editor.platform.confirmAnswers = {yes};
        request(editor, *actions);
        for (int i = 0; i < keys.count(); ++i) {
            QWidget* dialog = QApplication::activeModalWidget();
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, keys[i].key());
        }
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(editor.platform.confirmQuestions.count(QStringLiteral(
                     "The game is running and may write the roster back when it closes. Save anyway?")),
                 1);
        QCOMPARE(editor.file() != file, yes);
    }
    QVERIFY(editor.label("lblGameRunning")->isVisibleTo(editor.window.get()));
}

// A text holding two rosters: the player takes the second, and unticks a
// bot when they do not all fit after the last one.
void OverviewTest::importTakesTheChosenRosterAndWhatFits()
{
    const roster::BotFileReading read = roster::ReadBotFile("[UnrealShare.BotInfo]\nBotNames[0]=Old\n"
                                                            "[Botpack.ChallengeBotInfo]\nBotNames[0]=Dante\n"
                                                            "BotNames[1]=Ash\nBotNames[2]=Rae\n");
    QList<int> asked;
    ImportBotsDialog dialog(read.sections, 0, [&asked](int count) {
        asked.append(count);
        return roster::ChooseTargets(roster::Placement::AfterLast, count, 99, {});
    }, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == &dialog; }));
    auto* sections = dialog.findChild<QComboBox*>(QStringLiteral("cboSections"));
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstBots"));
    auto* caption = dialog.findChild<QLabel*>(QStringLiteral("lblBots"));
    auto* note = dialog.findChild<QLabel*>(QStringLiteral("lblNote"));
    QCOMPARE(list->count(), 1);

    QTest::keyClick(&dialog, Qt::Key_T, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), sections);
    QTest::keyClick(sections, Qt::Key_Down);
    QCOMPARE(caption->text(), QStringLiteral("&Bots to import from [Botpack.ChallengeBotInfo]:"));
    QCOMPARE(list->count(), 3);
    QTest::keyClick(&dialog, Qt::Key_B, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QVERIFY(note->isVisible());
    QVERIFY2(note->text().startsWith(QStringLiteral("Only 2 of the 3 ticked bots fit")), qPrintable(note->text()));

    QCOMPARE(QApplication::focusWidget(), list);
    QTest::keyClick(list, Qt::Key_Space);
    QVERIFY(!note->isVisible());
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QStringList names;
    for (const roster::SharedBot& bot : dialog.botsToImport())
        names << QString::fromStdString(bot.name);
    QCOMPARE(names, QStringList({QStringLiteral("Ash"), QStringLiteral("Rae")}));
    QCOMPARE(asked, QList<int>({3, 2}));
}

void OverviewTest::shapesTheRosterThroughKeys_data()
{
    QTest::addColumn<int>("first"); // the rows selected
    QTest::addColumn<int>("count");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("yes");          // the answer to the question before removing
    QTest::addColumn<QString>("names");     // the roster after; empty: as it was
    QTest::addColumn<int>("like");          // the row whose values the last row took, or -1
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<bool>("asked");        // about Cinder's change not saved
    QTest::addColumn<QString>("undo");      // the command, empty for none
    const QString all = QStringLiteral("Havoc|Nightjar|Bramble|Stroud|Ember|Cinder|Thorne|Mallory|Vesper|Quarry|"
                                       "Larkin|Draven|Isolde|Crag|Fable|Rourke");
    const int none = Qt::NoModifier;
    QTest::newRow("add: the shown values, unsaved ones too") << 0 << 1 << Qt::Key_Insert << none << false
        << all + QStringLiteral("|New Bot") << 5 << QList<int>{16} << false << QStringLiteral("Add New Bot");
    QTest::newRow("duplicate two") << 2 << 2 << Qt::Key_D << int(Qt::ControlModifier) << false
        << all + QStringLiteral("|Bramble 2|Stroud 2") << 3 << QList<int>{16, 17} << false
        << QStringLiteral("Duplicate 2 bots");
    QTest::newRow("remove: the shown bot moves up") << 2 << 1 << Qt::Key_Delete << none << true
        << QString(all).remove(QStringLiteral("Bramble|")) << -1 << QList<int>{2} << true
        << QStringLiteral("Remove Bramble");
    QTest::newRow("remove answered No") << 2 << 1 << Qt::Key_Delete << none << false << QString() << -1
        << QList<int>{2} << false << QString();
    QTest::newRow("remove the last two") << 14 << 2 << Qt::Key_Delete << none << true
        << QString(all).remove(QStringLiteral("|Fable|Rourke")) << -1 << QList<int>{13} << false
        << QStringLiteral("Remove 2 bots");
    QTest::newRow("move the shown bot up") << 5 << 1 << Qt::Key_Up << int(Qt::AltModifier) << false
        << QString(all).replace(QStringLiteral("Ember|Cinder"), QStringLiteral("Cinder|Ember")) << -1
        << QList<int>{4} << true << QStringLiteral("Move Cinder Up");
    QTest::newRow("move down") << 0 << 1 << Qt::Key_Down << int(Qt::AltModifier) << false
        << QString(all).replace(QStringLiteral("Havoc|Nightjar"), QStringLiteral("Nightjar|Havoc")) << -1
        << QList<int>{1} << false << QStringLiteral("Move Havoc Down");
}

void OverviewTest::shapesTheRosterThroughKeys()
{
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(Qt::Key, key);
    QFETCH(int, modifiers);
    QFETCH(bool, yes);
    QFETCH(QString, names);
    QFETCH(int, like);
    QFETCH(QList<int>, selected);
    QFETCH(bool, asked);
    QFETCH(QString, undo);
    const QByteArray original = testing::sampleRoster();
    Editor editor(original);
    Player player(editor, 5);
    QVERIFY(player.ready());
    QVERIFY(player.pressOn(editor.slider(3), Qt::Key_End)); // Cinder's accuracy, not saved
    editor.platform.saveAnswers = {platform::SaveAnswer::Discard};
    editor.platform.confirmAnswers = {yes};
    QVERIFY(openOverview(editor));
    Overview overview(editor);
    const QString before = overview.column(1).join(QLatin1Char('|'));
    selectRows(overview.table, first, count);
    QTest::keyClick(overview.table, key, Qt::KeyboardModifiers(modifiers));

    QCOMPARE(editor.platform.saveQuestions.size(), asked ? 1 : 0);
    QCOMPARE(editor.platform.confirmQuestions.size(), key == Qt::Key_Delete ? 1 : 0);
    QCOMPARE(overview.column(1).join(QLatin1Char('|')), names.isEmpty() ? before : names);
    for (int column = 2; like >= 0 && column < overview.table->model()->columnCount(); ++column)
        QCOMPARE(overview.cell(overview.table->model()->rowCount() - 1, column),
                 column == 4 && like == 5 ? QStringLiteral("1") : overview.cell(like, column));
    QCOMPARE(overview.window->selectedBots(), selected);
    // The main window keeps showing Cinder wherever it went.
    QCOMPARE(editor.combo()->currentText(), QStringLiteral("Cinder"));
    QCOMPARE(editor.action("mnuUndo")->text(), undo.isEmpty() ? QStringLiteral("&Undo") : QStringLiteral("&Undo ") + undo);
    if (undo.isEmpty()) {
        QCOMPARE(editor.file(), original);
        return;
    }
    QVERIFY(editor.file() != original);
    QVERIFY(activate(editor.window.get()));
    editor.platform.saveAnswers = {platform::SaveAnswer::Discard};
    player.press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor.file(), original);
}

// The game rewrites the roster while the question is open: the bot at the
// number chosen is another one now, and stays.
void OverviewTest::shapeWritesNothingOverBotsChangedMeanwhile()
{
    Editor editor;
    Player player(editor);
    QVERIFY(player.ready());
    QVERIFY(openOverview(editor));
    Overview overview(editor);
    selectRows(overview.table, 2, 1);
    const QByteArray game = withBot("BotNames[2]", "Renamed");
    QVERIFY(testing::writeBytes(editor.rosterPath, game));
    editor.platform.confirmAnswers = {true};
    QTest::keyClick(overview.table, Qt::Key_Delete);
    QCOMPARE(editor.platform.confirmQuestions.size(), 1);
    QCOMPARE(editor.platform.messageTexts(),
             QStringList({QStringLiteral("Bot 2 is no longer Bramble: the roster changed meanwhile. Nothing was "
                                         "changed.")}));
    QCOMPARE(editor.file(), game);
    QCOMPARE(editor.action("mnuUndo")->text(), QStringLiteral("&Undo"));
}

void OverviewTest::libraryListsAndFilters()
{
    Editor editor;
    const QString folder = writeLibrary(
        editor, {{QStringLiteral("a.covbots"), "BotNames[0]=Moth\nBotTeams[0]=0\nBotSkills[0]=1.000000\n"
                                               "BotNames[1]=Sniper\nBotTeams[1]=1\nBotSkills[1]=3.000000\n"},
                 {QStringLiteral("b.covbots"), "BotNames[0]=Rookie\nBotTeams[0]=1\n"},
                 {QStringLiteral("broken.covbots"), "BotNames[0]= \n"}});
    QTableView* table = openLibrary(editor);
    QVERIFY(table);
    QWidget* library = table->window();
    const auto names = [table] { return column(table, 0).join(QLatin1Char('|')); };
    QCOMPARE(names(), QStringLiteral("Moth|Sniper|Rookie"));
    QCOMPARE(column(table, 10), QStringList({QStringLiteral("a.covbots"), QStringLiteral("a.covbots"),
                                             QStringLiteral("b.covbots")}));
    auto* problems = library->findChild<QListWidget*>(QStringLiteral("lstProblems"));
    QCOMPARE(problems->count(), 1);
    QVERIFY2(problems->item(0)->text().startsWith(QStringLiteral("broken.covbots: ")), qPrintable(problems->item(0)->text()));

    // A part of the name, in any case; then a team.
    QCOMPARE(Player::focusName(), QStringLiteral("txtName"));
    QTest::keyClicks(Player::focus(), QStringLiteral("OO"));
    QCOMPARE(names(), QStringLiteral("Rookie"));
    QTest::keyClick(Player::focus(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Player::focus(), Qt::Key_Backspace);
    QTest::keyClick(Player::focus(), Qt::Key_T, Qt::AltModifier);
    QTest::keyClick(Player::focus(), Qt::Key_Down);
    QCOMPARE(names(), QStringLiteral("Moth"));
    QTest::keyClick(Player::focus(), Qt::Key_Up);
    // A field's range: a bot without the key does not pass.
    auto* skill = library->findChild<QCheckBox*>(QStringLiteral("FilterSlider2"));
    QTest::mouseClick(skill, Qt::LeftButton, Qt::NoModifier, QPoint(6, skill->height() / 2));
    QCOMPARE(names(), QStringLiteral("Moth|Sniper"));
    QTest::keyClick(skill, Qt::Key_Tab);
    QCOMPARE(Player::focus()->objectName(), QStringLiteral("Slider2Lowest"));
    QTest::keyClick(Player::focus(), Qt::Key_End);
    QCOMPARE(names(), QStringLiteral("Sniper"));
    QCOMPARE(library->findChild<QLabel*>(QStringLiteral("lblState"))->text(), QStringLiteral("1 of 3 bots pass the filters"));
    QTest::mouseClick(skill, Qt::LeftButton, Qt::NoModifier, QPoint(6, skill->height() / 2));

    // Sorted by a header's click; a file coming into the folder joins in.
    QHeaderView* header = table->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(header->sectionViewportPosition(0) + 4, header->height() / 2));
    QCOMPARE(names(), QStringLiteral("Moth|Rookie|Sniper"));
    QVERIFY(testing::writeBytes(folder + QStringLiteral("/c.covbots"), "[CovertstrikeBots]\nBotNames[0]=Ace\n"));
    QTRY_COMPARE(names(), QStringLiteral("Ace|Moth|Rookie|Sniper"));
}

void OverviewTest::dealsWithASeedAndUndoesByteForByte()
{
    const QByteArray original = testing::sampleRoster();
    Editor editor(original);
    QByteArray pool;
    for (int n = 0; n < 20; ++n)
        pool += "BotNames[" + QByteArray::number(n) + "]=Pool " + QByteArray::number(n) + "\n";
    const QString folder = writeLibrary(editor, {{QStringLiteral("pool.covbots"), pool}});
    Player player(editor);
    QVERIFY(player.ready());
    QVERIFY(openOverview(editor));
    Overview overview(editor);
    selectRows(overview.table, 0, 1); // Havoc stays
    const auto deal = [&](Qt::Key field, const QString& text) {
        QVERIFY(openLibrary(editor));
        QTest::keyClick(Player::focus(), Qt::Key_D, Qt::AltModifier);
        QTRY_VERIFY(overview.dialog());
        QDialog* dialog = overview.dialog();
        QVERIFY(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
        QTest::keyClick(dialog, field, Qt::AltModifier);
        QTest::keyClick(Player::focus(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Player::focus(), text);
        QTest::keyClick(Player::focus(), Qt::Key_Return);
        QTRY_VERIFY(!dialog->isVisible());
    };
    deal(Qt::Key_S, QStringLiteral("42"));

    // The same library and seed deal the same roster, planned without a window.
    QTemporaryDir elsewhere;
    const QString copy = elsewhere.filePath(QStringLiteral("CovertstrikeUser.ini"));
    QVERIFY(testing::writeBytes(copy, original));
    const roster::Library library = roster::ReadLibrary(testing::toStd(folder));
    const roster::DealRequest request{16, {0}, {}, roster::TeamChoice::AsStored, 42};
    QVERIFY(roster::WriteRoster(testing::toStd(copy), [&](const auto& entries, roster::TextEncoding encoding) {
        return roster::PlanDeal(entries, encoding, library.bots, request);
    }, {}).ok);
    QCOMPARE(editor.file(), testing::readBytes(copy));
    QCOMPARE(overview.cell(0, 1), QStringLiteral("Havoc"));
    QVERIFY(overview.cell(1, 1).startsWith(QStringLiteral("Pool ")));
    QCOMPARE(editor.action("mnuUndo")->text(), QStringLiteral("&Undo Deal Roster (16 bots)"));
    QVERIFY(activate(editor.window.get()));
    QVERIFY(player.tabTo(editor.slider(1))); // the bot list's own field undoes its typing
    player.press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor.file(), original);

    // More bots than pass: the player is told how many, and nothing is dealt.
    deal(Qt::Key_B, QStringLiteral("30"));
    QCOMPARE(editor.platform.messages.size(), 1);
    QVERIFY2(editor.platform.messages[0].text.startsWith(QStringLiteral("Only 20 bots with names of their own pass the "
                                                                        "filters, and 29 are needed")),
             qPrintable(editor.platform.messages[0].text));
    QCOMPARE(editor.file(), original);
}

void OverviewTest::libraryTakesAndLosesBots()
{
    Editor editor;
    Player player(editor);
    QVERIFY(player.ready());
    QVERIFY(openOverview(editor));
    Overview overview(editor);
    selectRows(overview.table, 2, 2);
    QTableView* table = openLibrary(editor);
    QVERIFY(table);
    const QString folder = editor.platform.dataPath + QStringLiteral("/Library");
    QVERIFY(!QFileInfo::exists(folder)); // made when first needed

    // The overview's selection into a new file of the library.
    QTest::keyClick(Player::focus(), Qt::Key_L, Qt::AltModifier);
    QTRY_VERIFY(overview.dialog());
    QDialog* dialog = overview.dialog();
    QVERIFY(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
    QTest::keyClick(Player::focus(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Player::focus(), QStringLiteral("Squad"));
    QTest::keyClick(Player::focus(), Qt::Key_Return);
    QTRY_VERIFY(!dialog->isVisible());
    QVERIFY(activate(table->window()));
    QCOMPARE(column(table, 0), QStringList({QStringLiteral("Bramble"), QStringLiteral("Stroud")}));
    QCOMPARE(column(table, 10).constFirst(), QStringLiteral("Squad.covbots"));

    // Removed from the library after a question naming them. (A button's
    // access key clicks it after a moment, as a press shows.)
    editor.platform.confirmAnswers = {true};
    selectRows(table, 0, 1);
    QTest::keyClick(table, Qt::Key_M, Qt::AltModifier);
    QTRY_COMPARE(column(table, 0), QStringList({QStringLiteral("Stroud")}));
    QCOMPARE(editor.platform.confirmQuestions,
             QStringList({QStringLiteral("Remove Bramble (Squad.covbots) from the library? A file left without bots is "
                                         "deleted.")}));

    // A bot file taken in; another folder chosen and remembered; the folder opened.
    const QString other = editor.dir.filePath(QStringLiteral("shared.covbots"));
    QVERIFY(testing::writeBytes(other, "[CovertstrikeBots]\nBotNames[0]=Ace\n"));
    editor.platform.fileAnswers = {other, editor.dir.path()};
    QTest::keyClick(table, Qt::Key_I, Qt::AltModifier);
    QTRY_COMPARE(column(table, 0), QStringList({QStringLiteral("Stroud"), QStringLiteral("Ace")}));
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/shared.covbots")));
    QTest::keyClick(table, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(column(table, 0), QStringList({QStringLiteral("Ace")}));
    QCOMPARE(editor.platform.settings.value(QStringLiteral("Library/Folder")), editor.dir.path());
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
    QTest::keyClick(table, Qt::Key_O, Qt::AltModifier);
    QTRY_COMPARE(opened_, QList<QUrl>({QUrl::fromLocalFile(editor.dir.path())}));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QVERIFY(editor.platform.messages.isEmpty());
}

void OverviewTest::namesEveryControl_data()
{
    QTest::addColumn<QString>("control"); // object name, in the overview or its Set Values dialog
    QTest::addColumn<QString>("name");
    const auto row = [](const char* control, const char* name) {
        QTest::newRow(control) << QString::fromLatin1(control) << QString::fromLatin1(name);
    };
    row("grdRoster", "Roster");
    row("chkDescending", "Descending");
    row("cmdSetValues", "Set Values...");
    row("cmdClose", "Close");
    row("cmdExportBots", "Export Bots...");
    row("cmdImportBots", "Import Bots...");
    row("IncludeSlider3", "Accuracy");
    row("IncludeSlider7", "Combat Style");
    row("IncludeCheck1", "Bot Jumpy");
    row("Slider3", "Accuracy");
    row("Slider7Lowest", "Lowest Combat Style");
    row("Slider8Highest", "Highest Camping");
    row("Check1Highest", "Highest Bot Jumpy");
    row("cmdOK", "OK");
}

void OverviewTest::namesEveryControl()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    Editor editor;
    editor.window->findChild<QAction*>(QStringLiteral("mnuOverview"))->trigger();
    Overview overview(editor);
    overview.table->selectRow(0);
    overview.window->setValues();
    QWidget* w = overview.window->findChild<QWidget*>(control);
    QVERIFY(w);
    QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).remove(QLatin1Char('&')), name);
    if (control == QStringLiteral("grdRoster")) {
        // The column headers are header cells named by their titles.
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
        QStringList headers;
        for (int i = 0; i < reader->childCount(); ++i) {
            if (reader->child(i)->role() == QAccessible::ColumnHeader)
                headers.append(reader->child(i)->text(QAccessible::Name));
        }
        QCOMPARE(headers.join(QLatin1Char('|')), QStringLiteral("#|Name|Team|Skill|Accuracy|Alertness|Strafing|Combat "
                                                                 "Style|Camping|Jumpy|Voice|Check|Class|Skin|Face|Weapon"));
    }
}

void OverviewTest::checkColumnAndWindowTellTheFindings()
{
    Editor editor(withBot("BotAccuracy[4]", "1.5"));
    Player player(editor);
    QVERIFY(player.ready());
    QVERIFY(openOverview(editor));
    Overview overview(editor);
    const QModelIndex check = overview.table->model()->index(4, roster::CheckColumn);
    const QString said
        = QStringLiteral("BotAccuracy[4]: 1.5 is outside the range the game uses, -1 to 1: the game uses 1.000000.");
    QCOMPARE(check.data().toString(), QString::fromUtf8("\u26A0 1"));
    QCOMPARE(check.data(Qt::ToolTipRole).toString(), said);
    QCOMPARE(check.data(Qt::AccessibleDescriptionRole).toString(), said);
    QCOMPARE(overview.cell(5, roster::CheckColumn), QString());
    QCOMPARE(overview.table->model()->index(5, 3).data(Qt::ToolTipRole).toString(),
             QStringLiteral("The game plays this bot at 4 (Adept): difficulty 3 and skill 1."));

    // Check Roster from the overview: Fix writes the finding's key, and both windows follow.
    // A button's access key clicks it after a moment, as a press shows.
    player.press(Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(editor.find(QStringLiteral("frmCheckRoster")));
    QWidget* window = editor.find(QStringLiteral("frmCheckRoster"));
    QVERIFY(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
    auto* list = window->findChild<QTreeWidget*>(QStringLiteral("lstFindings"));
    QCOMPARE(list->topLevelItemCount(), 1);
    QCOMPARE(list->topLevelItem(0)->text(4), QStringLiteral("1.000000"));
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("lblInstall"))->isVisible());
    player.press(Qt::Key_F, Qt::AltModifier);
    QTRY_COMPARE(list->topLevelItemCount(), 0);
    QCOMPARE(editor.file(), withBot("BotAccuracy[4]", "1.000000"));
    QCOMPARE(overview.cell(4, roster::CheckColumn), QString());
    QCOMPARE(editor.action("mnuUndo")->text(), QStringLiteral("&Undo Fix BotAccuracy[4]"));
}

void OverviewTest::appearanceWritesTheFiveKeysOfTheSelectedBots_data()
{
    QTest::addColumn<bool>("installed");
    QTest::newRow("installed") << true;
    QTest::newRow("no install beside the roster") << false;
}

void OverviewTest::appearanceWritesTheFiveKeysOfTheSelectedBots()
{
    QFETCH(bool, installed);
    Editor editor(testing::sampleRoster(), false);
    for (const QString& name : {QStringLiteral("Trooper.int"), QStringLiteral("Ranger.int")}) {
        if (installed)
            QFile::copy(QStringLiteral(CBT_TEST_DATA "/install/") + name, editor.dir.filePath(name));
    }
    editor.window->Form_Load();
    const QByteArray before = editor.file();
    Player player(editor);
    QVERIFY(player.ready());
    QVERIFY(openOverview(editor));
    Overview overview(editor);
    QTest::mouseClick(overview.table->viewport(), Qt::LeftButton, Qt::NoModifier,
                      overview.table->visualRect(overview.table->model()->index(2, 1)).center());
    QTest::keyClick(overview.table, Qt::Key_Down, Qt::ShiftModifier);
    player.press(Qt::Key_N, Qt::AltModifier);
    QTRY_VERIFY(overview.dialog());
    QDialog* dialog = overview.dialog();
    QVERIFY(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Appearance (2 bots)"));
    QCOMPARE(dialog->findChildren<QComboBox*>().isEmpty(), !installed);
    // The class Ranger brings its skin and face; then the voice and the weapon.
    for (const Qt::Key access : {Qt::Key_C, Qt::Key_V, Qt::Key_W}) {
        player.press(access, Qt::AltModifier);
        player.press(Qt::Key_Home);
        player.press(Qt::Key_Down);
    }
    player.press(installed ? Qt::Key_Return : Qt::Key_Escape);
    QTRY_VERIFY(!dialog->isVisible());
    QStringList added, removed;
    for (const QByteArray& line : editor.file().split('\n'))
        if (!before.split('\n').contains(line))
            added.append(QString::fromLatin1(line.trimmed()));
    for (const QByteArray& line : before.split('\n'))
        if (!editor.file().split('\n').contains(line))
            removed.append(QString::fromLatin1(line.left(line.indexOf('='))));
    QStringList expected;
    for (const char* bot : {"2", "3"}) {
        for (const char* line : {"BotClasses[%1]=Ranger.RangerBot", "BotSkins[%1]=RangerSkins.leaf",
                                 "BotFaces[%1]=RangerSkins.Fern", "VoiceType[%1]=Trooper.VoiceGruff",
                                 "FavoriteWeapon[%1]=Trooper.Carbine"})
            expected.append(QString::fromLatin1(line).arg(QLatin1String(bot)));
    }
    added.sort();
    expected.sort();
    QCOMPARE(added, installed ? expected : QStringList());
    for (const QString& key : removed)
        QVERIFY2(expected.join(QLatin1Char(' ')).contains(key + QLatin1Char('=')), qPrintable(key));
    if (installed) {
        QCOMPARE(editor.action("mnuUndo")->text(), QStringLiteral("&Undo Appearance (2 bots)"));
        QCOMPARE(overview.cell(3, roster::ClassColumn), QStringLiteral("Ranger"));
    }
}

void OverviewTest::columnChoiceIsRemembered()
{
    Editor editor;
    Player player(editor);
    QVERIFY(player.ready());
    QVERIFY(openOverview(editor));
    Overview overview(editor);
    QVERIFY(overview.table->isColumnHidden(roster::ClassColumn));
    QVERIFY(overview.averages->isColumnHidden(roster::ClassColumn));
    QVERIFY(!overview.table->isColumnHidden(roster::CheckColumn));
    // The header's menu, from the last item up: Weapon, Face, Skin, Class.
    QHeaderView* header = overview.table->horizontalHeader();
    QTest::mouseClick(overview.window->windowHandle(), Qt::RightButton, Qt::NoModifier,
                      header->viewport()->mapTo(overview.window, QPoint(10, header->height() / 2)));
    auto* menu = overview.window->findChild<QMenu*>(QStringLiteral("mnuColumns"));
    QTRY_VERIFY(menu->isVisible());
    for (int up = 0; up < 4; ++up)
        QTest::keyClick(menu, Qt::Key_Up);
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_VERIFY(!overview.table->isColumnHidden(roster::ClassColumn));
    QVERIFY(!overview.averages->isColumnHidden(roster::ClassColumn));

    // The next start opens the overview with the same columns.
    Editor next;
    next.platform.settings = editor.platform.settings;
    Player again(next);
    QVERIFY(again.ready());
    QVERIFY(openOverview(next));
    Overview reopened(next);
    QVERIFY(!reopened.table->isColumnHidden(roster::ClassColumn));
    QVERIFY(reopened.table->isColumnHidden(roster::SkinColumn));
}

QTEST_MAIN(OverviewTest)
#include "test_overview.moc"
