// The main window's layout: where the controls stand at the font in use,
// the grid, the start size, the keyboard (tab order, buttons, access keys)
// and the menus with every action they hold.

#include "platform/controls.h"
#include "support/player.h"

#include <QGroupBox>
#include <QMenuBar>
#include <QtTest>

namespace {

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

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void gridLinesRuleTheRows();
    void slidersHaveTheirRanges();
    void startSizeShowsTheSlidersNotTheValues();
    void enterOrSpacePressesTheFocusedButton_data();
    void enterOrSpacePressesTheFocusedButton();
    void tabOrderFollowsTheRowsOnScreen();
    void menusAndTimerAreAsDesigned();
    void altKeysOpenTheMenus();
    void everyMenuActionRuns();
};

void LayoutTest::controlsStandWhereDesigned_data()
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

void LayoutTest::controlsStandWhereDesigned()
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
    QString at;
    QDebug(&at) << w->geometry();
    QVERIFY2(withinTwoPixels(w->geometry(), scale.rect(geometry)), qPrintable(at));
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

void LayoutTest::gridLinesRuleTheRows()
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

void LayoutTest::slidersHaveTheirRanges()
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
    QCOMPARE(editor.window->windowTitle(), QStringLiteral("Covertstrike Bot Tweaker[*]")); // marked when modified
    QVERIFY(!editor.window->isWindowModified());
    QVERIFY(!editor.window->windowIcon().isNull());
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        QVERIFY(editor.window->windowIcon().availableSizes().contains(QSize(size, size)));
    QCOMPARE(editor.find<platform::PictureControl>(QStringLiteral("Image2"))->pictureSize(), QSize(329, 24));
    QVERIFY(!editor.find<QPushButton>(QStringLiteral("Command1"))->icon().isNull());
    QVERIFY(!editor.window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

void LayoutTest::startSizeShowsTheSlidersNotTheValues()
{
    // The frame is known only once the window is shown; the start size then
    // includes it, whatever was assumed before.
    Editor editor;
    editor.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.window.get()));
    QVERIFY(!(editor.window->frameGeometry().size() - editor.window->size()).isNull());
    QTRY_COMPARE(editor.window->frameGeometry().size(), editor.window->startOuterSize());
    const QWidget* client = editor.window->centralWidget();
    QVERIFY2(client->width() <= editor.box(0)->x(), "the value boxes must lie outside the start size");
    QVERIFY(client->width() > editor.find<platform::LineControl>(QStringLiteral("Line8"))->from().x()); // the grid
    QVERIFY(client->height() >= editor.find(QStringLiteral("Image2"))->geometry().bottom());

    // File, Open returns to it after the player resized the window.
    editor.window->resize(editor.window->size() + QSize(40, 40));
    editor.platform.fileAnswers.append(editor.rosterPath);
    editor.action("mnuOpen")->trigger();
    QCOMPARE(editor.window->frameGeometry().size(), editor.window->startOuterSize());
}

void LayoutTest::enterOrSpacePressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    for (const char* button : {"Command1", "Command3"}) {
        for (const auto& [key, name] : {std::pair{Qt::Key_Return, "Enter"}, std::pair{Qt::Key_Enter, "keypad Enter"},
                                        std::pair{Qt::Key_Space, "Space"}})
            QTest::addRow("%s, %s", button, name) << QString::fromLatin1(button) << int(key);
    }
}

void LayoutTest::enterOrSpacePressesTheFocusedButton()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    Editor editor;
    Player player(editor, 2);
    QVERIFY(player.ready());
    editor.platform.inputAnswers.append(QStringLiteral("Renamed"));
    QVERIFY(player.pressOn(editor.find(button), Qt::Key(key)));
    if (button == QLatin1String("Command1")) {
        QVERIFY(editor.label("Label35")->isVisible());
        QVERIFY(editor.platform.messages.isEmpty());
    } else {
        QCOMPARE(editor.combo()->itemText(2), QStringLiteral("Renamed"));
    }
}

void LayoutTest::tabOrderFollowsTheRowsOnScreen()
{
    Editor editor;
    Player player(editor);
    QVERIFY(player.ready());
    QCOMPARE(Player::focusName(), QStringLiteral("Combo1"));

    QStringList visited;
    for (int i = 0; i < 20; ++i) {
        player.press(Qt::Key_Tab);
        visited.append(Player::focusName());
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

void LayoutTest::menusAndTimerAreAsDesigned()
{
    Editor editor(testing::sampleRoster(), false);
    QStringList menus;
    for (QAction* top : editor.window->menuBar()->actions()) {
        QStringList items;
        for (QAction* item : top->menu()->actions()) {
            items.append(item->objectName() + QLatin1Char('=') + item->text()
                         + (item->shortcut().isEmpty() ? QString() : QLatin1Char(' ') + item->shortcut().toString()));
        }
        menus.append(top->objectName() + QLatin1Char('=') + top->text() + QLatin1Char(':') + items.join(QLatin1Char(',')));
    }
    QCOMPARE(menus, QStringList({QStringLiteral("mnuFile=&File:mnuOpen=&Open Ctrl+O,mnuSave=&Save Ctrl+S,"
                                                "mnuRestoreBackup=Restore &Backup...,mnuExit=E&xit"),
                                 QStringLiteral("mnuEdit=&Edit:mnuUndo=&Undo Ctrl+Z,mnuRedo=&Redo Ctrl+Shift+Z"),
                                 QStringLiteral("mnuPresets=Presets:mnuHuman=Human"),
                                 QStringLiteral("mnuRoster=&Roster:mnuOverview=&Overview... Ctrl+R,mnuExportBots=&Export Bots...,"
                                                "mnuImportBots=&Import Bots...,mnuLibrary=&Library... Ctrl+L,"
                                                "mnuCheckRoster=&Check Roster..."),
                                 QStringLiteral("mnuHelp=&Help:mnuAbout=&About")}));
    QCOMPARE(editor.timer()->interval(), 3000);
    QVERIFY(!editor.timer()->isActive());
    QCOMPARE(editor.window->commonDialog().title, QStringLiteral("Open"));
    QCOMPARE(editor.window->commonDialog().filter, QStringLiteral("CovertstrikeUser.ini | CovertstrikeUser.ini"));
    QCOMPARE(editor.window->commonDialog().startFolder, QStringLiteral("c:\\unrealtournament"));
    QVERIFY(editor.window->commonDialog().fileName.isEmpty());
}

void LayoutTest::altKeysOpenTheMenus()
{
    Editor editor;
    QVERIFY(editor.showActive());
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

void LayoutTest::everyMenuActionRuns()
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
    QDialog* about = editor.about();
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowModality(), Qt::WindowModal);
    about->reject();

    editor.action("mnuExit")->trigger();
    QVERIFY(!editor.window->isVisible());
}

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
