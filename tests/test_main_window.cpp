// The main window: its layout, its start-up paths through the scripted
// platform, the File menu and every menu action.

#include "platform/controls.h"
#include "support/editor.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using platform::MessageIcon;
using platform::ProbeOutcome;

namespace {

const QString Disclaimer = QStringLiteral(
    "USE AT YOUR OWN RISK!  This program modifies the settings of one of the initialization files used by your "
    "game.  These modifications could be harmful or fatal if swallowed.");
const QString Hint = QStringLiteral(
    "A dialog box will now appear that will allow you to select your CovertstrikeUser.ini file.  This file will be "
    "in the System folder that is located in your Unreal Tournament folder. (i.e. C:\\UnrealTournament\\System\\)");
const QString InvalidFile = QStringLiteral("Error: Invalid CovertstrikeUser.ini file.");
const QString Remembered = QStringLiteral("FileLoc/IniLoc");

QStringList sampleNames()
{
    return {QStringLiteral("Havoc"),   QStringLiteral("Nightjar"), QStringLiteral("Bramble"), QStringLiteral("Stroud"),
            QStringLiteral("Ember"),   QStringLiteral("Cinder"),   QStringLiteral("Thorne"),  QStringLiteral("Mallory"),
            QStringLiteral("Vesper"),  QStringLiteral("Quarry"),   QStringLiteral("Larkin"),  QStringLiteral("Draven"),
            QStringLiteral("Isolde"),  QStringLiteral("Crag"),     QStringLiteral("Fable"),   QStringLiteral("Rourke")};
}

// The layout's growth for the font, as the window shows it: measured across
// its widest spans, from Combo1's left edge to the wide boxes' right edge and
// from the frame's top to the last box's bottom.
struct MeasuredScale {
    explicit MeasuredScale(const Editor& editor)
    {
        const QRect wide = editor.box(10)->geometry();
        x = (wide.right() + 1 - editor.combo()->x()) / ((6615 - 360) / 15.0);
        y = (wide.bottom() + 1 - editor.find(QStringLiteral("Frame1"))->y()) / ((8325 - 120) / 15.0);
    }
    QPoint point(int tx, int ty) const { return {int(std::lround(tx * x / 15)), int(std::lround(ty * y / 15))}; }
    QRect rect(QRect twips) const
    {
        const QPoint end = point(twips.left() + twips.width(), twips.top() + twips.height());
        return {point(twips.left(), twips.top()), end - QPoint(1, 1)};
    }
    double x;
    double y;
};

// Two places that differ by at most two pixels at any edge: what rounding
// the design's twips to pixels may leave.
bool withinTwoPixels(QRect a, QRect b)
{
    return std::abs(a.left() - b.left()) <= 2 && std::abs(a.top() - b.top()) <= 2
           && std::abs(a.right() - b.right()) <= 2 && std::abs(a.bottom() - b.bottom()) <= 2;
}

// A window whose start-up finds nothing remembered.
struct FreshStart : Editor {
    FreshStart() : Editor(testing::sampleRoster(), false) { platform.settings.clear(); }
};

// The name of the control that has the focus (the combo box's edit field
// counts as the combo box).
QString focusName()
{
    QWidget* w = QApplication::focusWidget();
    while (w && w->objectName().isEmpty())
        w = w->parentWidget();
    return w ? w->objectName() : QString();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void gridLinesRuleTheRows();
    void slidersHaveTheirRanges();
    void startSizeHidesTheValueColumn();
    void startSizeIsTheOuterSize();
    void enterOrSpacePressesTheFocusedButton_data();
    void enterOrSpacePressesTheFocusedButton();
    void tabOrderFollowsTheRowsOnScreen();
    void menusAndTimerAreAsDesigned();
    void altKeysOpenTheMenus();

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
    void everyMenuActionRuns();
};

void MainWindowTest::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("text");

    auto row = [](const char* name, int x, int y, int w, int h, bool visible, const char* text) {
        QTest::newRow(name) << QString::fromLatin1(name) << QRect(x, y, w, h) << visible << QString::fromLatin1(text);
    };
    row("Frame1", 120, 120, 5895, 855, true, "Selected Bot");
    row("Label2", 2160, 120, 855, 255, true, "Bot #");
    row("Command3", 3360, 360, 1215, 375, true, "Edit Name");
    row("Label35", 4560, 120, 1335, 255, false, "Save Successful");
    row("Combo1", 360, 480, 2775, 315, true, "BotName");
    row("Command1", 5160, 480, 375, 375, true, "");
    row("Label3", 240, 1080, 975, 255, true, "Voice Type:");
    row("Label5", 240, 1680, 975, 255, true, "Team:");
    row("Label7", 240, 2280, 975, 255, true, "Accuracy:");
    row("Label6", 240, 2880, 975, 255, true, "Skill:");
    row("Label11", 240, 3480, 975, 255, true, "Strafing:");
    row("Label9", 240, 4080, 975, 255, true, "Alertness:");
    row("Label8", 240, 4680, 975, 255, true, "Combat Style:");
    row("Label10", 240, 5280, 975, 255, true, "Camping:");
    row("Label14", 240, 5880, 975, 255, true, "Bot Jumpy:");
    row("Slider1", 1560, 1080, 4215, 255, true, "");
    row("Slider4", 1560, 1680, 4215, 255, true, "");
    row("Slider3", 1560, 2280, 4215, 255, true, "");
    row("Slider2", 1560, 2880, 4215, 255, true, "");
    row("Slider5", 1560, 3480, 4215, 255, true, "");
    row("Slider6", 1560, 4080, 4215, 255, true, "");
    row("Slider7", 1560, 4680, 4215, 255, true, "");
    row("Slider8", 1560, 5280, 4215, 255, true, "");
    row("Check1", 1560, 5880, 1335, 255, true, "");
    row("Label15", 1440, 1320, 615, 255, true, "Voice 1");
    row("Label16", 3360, 1320, 615, 255, true, "Voice 2");
    row("Label17", 5400, 1320, 615, 255, true, "Voice 3");
    row("Label23", 1320, 1920, 615, 255, true, "Red");
    row("Label22", 5400, 1920, 495, 255, true, "Blue");
    row("Label21", 1320, 2520, 615, 255, true, "Bad");
    row("Label20", 5400, 2520, 495, 255, true, "Good");
    row("Label18", 1320, 3120, 615, 255, true, "Bad");
    row("Label19", 5400, 3120, 495, 255, true, "Good");
    row("Label24", 1320, 3720, 615, 255, true, "Bad");
    row("Label25", 5400, 3720, 495, 255, true, "Good");
    row("Label26", 1320, 4320, 615, 255, true, "Bad");
    row("Label27", 5400, 4320, 495, 255, true, "Good");
    row("Label32", 1200, 4920, 975, 255, true, "Avoidant");
    row("Label31", 2160, 4920, 975, 255, true, "Cautious");
    row("Label28", 3360, 4920, 615, 255, true, "Normal");
    row("Label29", 4200, 4920, 975, 255, true, "Aggressive");
    row("Label30", 5160, 4920, 975, 255, true, "Berzerk");
    row("Label34", 1320, 5520, 615, 255, true, "Less");
    row("Label33", 5400, 5520, 615, 255, true, "More");
    row("Image2", 600, 6480, 4935, 360, true, "");
    row("Label1", 600, 6840, 4965, 210, true, "www.covertstrike.example");
    row("Text1(0)", 6240, 1080, 1335, 285, true, "Voice Type");
    row("Text1(1)", 1440, 7320, 5175, 285, false, "Text1");
    row("Text1(2)", 6240, 2880, 1335, 285, true, "Team");
    row("Text1(3)", 6240, 1680, 1335, 285, true, "Bot Skills");
    row("Text1(4)", 6240, 2280, 1335, 285, true, "Accuracy");
    row("Text1(5)", 6240, 4680, 1335, 285, true, "Combat Style");
    row("Text1(6)", 6240, 4080, 1335, 285, true, "Alertness");
    row("Text1(7)", 6240, 5280, 1335, 285, true, "Camping");
    row("Text1(8)", 6240, 3480, 1335, 285, true, "Strafing");
    row("Text1(9)", 1440, 7680, 5175, 285, false, "Text1");
    row("Text1(10)", 1440, 8040, 5175, 285, false, "Text1");
    row("Text1(11)", 3360, 5880, 1335, 285, false, "Jumpy");
    row("Label4", 240, 7320, 975, 255, false, "Bot Faces");
    row("Label12", 240, 7680, 975, 255, false, "Bot Classes");
    row("Label13", 240, 8040, 975, 255, false, "Bot Skins");
    row("Dir1", 6000, 5880, 1095, 765, false, "");
    row("Command2", 5280, 6240, 1455, 255, false, "Erase Reg Info");
}

void MainWindowTest::controlsStandWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, visible);
    QFETCH(QString, text);

    // The design's places in twips, grown alike for the font in use.
    Editor editor(testing::sampleRoster(), false);
    const MeasuredScale scale(editor);
    QVERIFY(scale.x >= 0.99 && scale.y >= 0.99);
    QWidget* w = editor.find(name);
    QVERIFY2(w, qPrintable(name));
    QVERIFY2(withinTwoPixels(w->geometry(), scale.rect(geometry)), qPrintable(QStringLiteral("at %1,%2 %3x%4")
                                                                       .arg(w->x())
                                                                       .arg(w->y())
                                                                       .arg(w->width())
                                                                       .arg(w->height())));
    QCOMPARE(w->isVisibleTo(editor.window.get()), visible);
    if (auto* label = qobject_cast<QLabel*>(w); label && !text.isEmpty())
        QCOMPARE(label->text(), text);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        QCOMPARE(button->text(), text);
    else if (auto* box = qobject_cast<QLineEdit*>(w))
        QCOMPARE(box->text(), text);
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        QCOMPARE(combo->currentText(), text);
    else if (auto* frame = qobject_cast<QGroupBox*>(w))
        QCOMPARE(frame->title(), text);
}

void MainWindowTest::gridLinesRuleTheRows()
{
    Editor editor(testing::sampleRoster(), false);
    const MeasuredScale scale(editor);
    const QList<QPair<QString, QLine>> lines = {
        {QStringLiteral("Line1"), {120, 1560, 6000, 1560}},  {QStringLiteral("Line2"), {120, 2160, 6000, 2160}},
        {QStringLiteral("Line3"), {120, 2760, 6000, 2760}},  {QStringLiteral("Line4"), {120, 3360, 6000, 3360}},
        {QStringLiteral("Line5"), {120, 3960, 6000, 3960}},  {QStringLiteral("Line6"), {120, 4560, 6000, 4560}},
        {QStringLiteral("Line7"), {120, 5160, 6000, 5160}},  {QStringLiteral("Line11"), {6000, 5760, 120, 5760}},
        {QStringLiteral("Line9"), {120, 6360, 6000, 6360}},  {QStringLiteral("Line10"), {120, 960, 120, 6360}},
        {QStringLiteral("Line8"), {6000, 960, 6000, 6360}},  {QStringLiteral("Line12"), {1320, 960, 1320, 6360}},
    };
    for (const auto& [name, twips] : lines) {
        auto* line = editor.find<platform::LineControl>(name);
        QVERIFY2(line, qPrintable(name));
        QVERIFY2((line->from() - scale.point(twips.x1(), twips.y1())).manhattanLength() <= 2, qPrintable(name));
        QVERIFY2((line->to() - scale.point(twips.x2(), twips.y2())).manhattanLength() <= 2, qPrintable(name));
    }
}

void MainWindowTest::slidersHaveTheirRanges()
{
    Editor editor(testing::sampleRoster(), false);
    const QList<QPair<int, QPair<int, int>>> ranges
        = {{1, {1, 3}}, {2, {-3, 3}}, {3, {-20, 20}}, {4, {0, 1}}, {5, {-4, 4}}, {6, {-20, 20}}, {7, {-2, 2}}, {8, {0, 10}}};
    for (const auto& [number, range] : ranges) {
        QCOMPARE(editor.slider(number)->minimum(), range.first);
        QCOMPARE(editor.slider(number)->maximum(), range.second);
        QCOMPARE(editor.slider(number)->orientation(), Qt::Horizontal);
    }
    QCOMPARE(editor.find(QStringLiteral("Command1"))->toolTip(), QStringLiteral("Save these settings"));
    QCOMPARE(editor.find(QStringLiteral("Image2"))->toolTip(), QStringLiteral("The best 3d shooter around"));
    QCOMPARE(editor.combo()->toolTip(), QStringLiteral("Select a bot from the list"));
    QVERIFY(editor.combo()->isEditable());
    QCOMPARE(editor.window->windowTitle(), QStringLiteral("Covertstrike Bot Tweaker"));
    QVERIFY(!editor.window->windowIcon().isNull());
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        QVERIFY(editor.window->windowIcon().availableSizes().contains(QSize(size, size)));
    QCOMPARE(editor.find<platform::PictureControl>(QStringLiteral("Image2"))->pictureSize(), QSize(329, 24));
    QVERIFY(!editor.find<QPushButton>(QStringLiteral("Command1"))->icon().isNull());
    QVERIFY(!editor.window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

void MainWindowTest::startSizeHidesTheValueColumn()
{
    Editor editor;
    editor.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.window.get()));
    const int clientWidth = editor.window->centralWidget()->width();
    QVERIFY(clientWidth <= editor.window->startOuterSize().width());
    QVERIFY2(clientWidth <= editor.box(0)->x(), "the value boxes must lie outside the start size");
    const QRect banner = editor.find(QStringLiteral("Image2"))->geometry();
    QVERIFY(editor.window->centralWidget()->height() >= banner.bottom());
    // The grid's right line stays inside.
    QVERIFY(clientWidth > editor.find<platform::LineControl>(QStringLiteral("Line8"))->from().x());
}

void MainWindowTest::startSizeIsTheOuterSize()
{
    // The frame is known only once the window is shown; the start size then
    // includes it, whatever was assumed before (here a frame unlike it).
    Editor editor;
    editor.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.window.get()));
    const QSize frame = editor.window->frameGeometry().size() - editor.window->size();
    QVERIFY(!frame.isNull());
    QTRY_COMPARE(editor.window->frameGeometry().size(), editor.window->startOuterSize());

    // File, Open returns to it after the user resized the window.
    editor.window->resize(editor.window->size() + QSize(40, 40));
    editor.platform.fileAnswers.append(editor.rosterPath);
    editor.action("mnuOpen")->trigger();
    QCOMPARE(editor.window->frameGeometry().size(), editor.window->startOuterSize());
}

void MainWindowTest::enterOrSpacePressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    for (const char* button : {"Command1", "Command3"}) {
        for (const auto& [key, name] : {std::pair{Qt::Key_Return, "Enter"}, std::pair{Qt::Key_Enter, "keypad Enter"},
                                        std::pair{Qt::Key_Space, "Space"}})
            QTest::addRow("%s, %s", button, name) << QString::fromLatin1(button) << int(key);
    }
}

void MainWindowTest::enterOrSpacePressesTheFocusedButton()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    Editor editor;
    editor.window->show();
    QApplication::setActiveWindow(editor.window.get());
    QVERIFY(QTest::qWaitForWindowActive(editor.window.get()));
    editor.choose(2);
    editor.platform.inputAnswers.append(QStringLiteral("Renamed"));
    auto* pressed = editor.find<QPushButton>(button);
    pressed->setFocus();
    QTest::keyClick(pressed, Qt::Key(key));
    if (button == QLatin1String("Command1")) {
        QVERIFY(editor.label("Label35")->isVisible());
        QVERIFY(editor.platform.messages.isEmpty());
    } else {
        QCOMPARE(editor.combo()->itemText(2), QStringLiteral("Renamed"));
    }
}

void MainWindowTest::tabOrderFollowsTheRowsOnScreen()
{
    Editor editor;
    editor.window->show();
    QApplication::setActiveWindow(editor.window.get());
    QVERIFY(QTest::qWaitForWindowActive(editor.window.get()));
    QCOMPARE(focusName(), QStringLiteral("Combo1"));

    QStringList visited;
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(focusName());
    }
    const QStringList expected = {
        QStringLiteral("Command1"), QStringLiteral("Slider1"),  QStringLiteral("Slider4"),  QStringLiteral("Slider3"),
        QStringLiteral("Slider2"),  QStringLiteral("Slider5"),  QStringLiteral("Slider6"),  QStringLiteral("Slider7"),
        QStringLiteral("Slider8"),  QStringLiteral("Text1(0)"), QStringLiteral("Text1(2)"), QStringLiteral("Text1(3)"),
        QStringLiteral("Text1(4)"), QStringLiteral("Text1(5)"), QStringLiteral("Text1(6)"), QStringLiteral("Text1(7)"),
        QStringLiteral("Text1(8)"), QStringLiteral("Check1"),   QStringLiteral("Command3"), QStringLiteral("Combo1"),
    };
    QCOMPARE(visited, expected);
}

void MainWindowTest::menusAndTimerAreAsDesigned()
{
    Editor editor(testing::sampleRoster(), false);
    QStringList menus;
    for (QAction* top : editor.window->menuBar()->actions()) {
        QStringList items;
        for (QAction* item : top->menu()->actions()) {
            items.append(item->objectName() + QLatin1Char('=') + item->text());
            QVERIFY(item->shortcut().isEmpty());
        }
        menus.append(top->objectName() + QLatin1Char('=') + top->text() + QLatin1Char(':') + items.join(QLatin1Char(',')));
    }
    QCOMPARE(menus, QStringList({QStringLiteral("mnuFile=&File:mnuOpen=&Open,mnuSave=&Save,mnuExit=E&xit"),
                                 QStringLiteral("mnuPresets=Presets:mnuHuman=Human"),
                                 QStringLiteral("mnuHelp=&Help:mnuAbout=&About")}));
    QCOMPARE(editor.timer()->interval(), 3000);
    QVERIFY(!editor.timer()->isActive());
    QCOMPARE(editor.window->commonDialog().title, QStringLiteral("Open"));
    QCOMPARE(editor.window->commonDialog().filter, QStringLiteral("CovertstrikeUser.ini | CovertstrikeUser.ini"));
    QCOMPARE(editor.window->commonDialog().startFolder, QStringLiteral("c:\\unrealtournament"));
    QVERIFY(editor.window->commonDialog().fileName.isEmpty());
}

void MainWindowTest::altKeysOpenTheMenus()
{
    Editor editor;
    editor.window->show();
    QApplication::setActiveWindow(editor.window.get());
    QVERIFY(QTest::qWaitForWindowActive(editor.window.get()));
    for (const auto& [key, menu] : {std::pair{Qt::Key_F, "mnuFile"}, std::pair{Qt::Key_H, "mnuHelp"}}) {
        QTest::keyClick(editor.window.get(), key, Qt::AltModifier);
        auto* opened = editor.find<QMenu>(QLatin1String(menu));
        QTRY_VERIFY2(opened->isVisible(), menu);
        QTest::keyClick(opened, Qt::Key_Escape);
        QTRY_VERIFY(!opened->isVisible());
        QTest::keyClick(editor.window->menuBar(), Qt::Key_Escape);
    }
    // "Presets" has no access key: Alt+P opens nothing.
    QTest::keyClick(editor.window.get(), Qt::Key_P, Qt::AltModifier);
    QVERIFY(!editor.find<QMenu>(QStringLiteral("mnuPresets"))->isVisible());
}

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
                          QStringLiteral("probe D:\\unrealtournament"), QStringLiteral("message"),
                          QStringLiteral("dialog"), QStringLiteral("remember")}));
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
    QTest::addColumn<QString>("startFolder");
    QTest::newRow("both") << true << true << QString() << QStringLiteral("C:\\unrealtournament\\system\\");
    QTest::newRow("only C") << true << false << QString() << QStringLiteral("C:\\unrealtournament\\system\\");
    QTest::newRow("only D") << false << true << QString() << QStringLiteral("D:\\unrealtournament\\system\\");
    QTest::newRow("neither") << false << false << QString() << QStringLiteral("c:\\unrealtournament");
    QTest::newRow("neither, native game") << false << false << QStringLiteral("/home/p/.utpg/System")
                                          << QStringLiteral("/home/p/.utpg/System");
    QTest::newRow("C wins over native game") << true << false << QStringLiteral("/home/p/.utpg/System")
                                             << QStringLiteral("C:\\unrealtournament\\system\\");
}

void MainWindowTest::probeOutcomesChooseTheStartFolder()
{
    QFETCH(bool, cExists);
    QFETCH(bool, dExists);
    QFETCH(QString, nativeFolder);
    QFETCH(QString, startFolder);

    FreshStart editor;
    if (cExists)
        editor.platform.probes.insert(QStringLiteral("C:\\unrealtournament"), {ProbeOutcome::Exists, {}});
    if (dExists)
        editor.platform.probes.insert(QStringLiteral("D:\\unrealtournament"), {ProbeOutcome::Exists, {}});
    editor.platform.nativeFolder = nativeFolder;
    editor.window->Form_Load();
    QCOMPARE(editor.platform.dialogsShown.size(), 1);
    QCOMPARE(editor.platform.dialogsShown[0].startFolder, startFolder);
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

void MainWindowTest::everyMenuActionRuns()
{
    Editor editor;
    editor.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.window.get()));
    for (QAction* action : editor.window->findChildren<QAction*>()) {
        if (action->menu() || action->objectName() == QLatin1String("mnuExit") || action->objectName().isEmpty())
            continue;
        action->trigger();
        QVERIFY2(editor.window->isVisible(), qPrintable(action->objectName()));
    }
    // The About dialog opened window-modal and is ours to close.
    auto* about = editor.window->findChild<QDialog*>(QStringLiteral("frmAbout"));
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowModality(), Qt::WindowModal);
    about->reject();

    editor.action("mnuExit")->trigger();
    QVERIFY(!editor.window->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
