// The About dialog: its layout and captions, closing it, and the System
// Information launcher's lookups against a scripted platform.

#include "about/frm_about.h"
#include "platform/controls.h"
#include "support/player.h"

#include <QDialog>
#include <QtTest>

using platform::RegistryValue;

namespace {

const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");
const QString Step1 = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH");
const QString Step2 = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO");

RegistryValue text(const QByteArray& bytes) { return {1, bytes}; }

// The design's twips as the dialog shows them: grown alike for the font in
// use, measured by the dialog's own size against its designed 5730 x 3555.
QPoint scaled(const QDialog& about, int x, int y)
{
    return {int(std::lround(x * about.width() / 5730.0)), int(std::lround(y * about.height() / 3555.0))};
}

// Within two pixels at either end: what rounding twips to pixels may leave.
bool withinTwoPixels(QPoint a, QPoint b) { return (a - b).manhattanLength() <= 2; }

} // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void windowIsAFixedDarkBlueDialog();
    void keysPressTheFocusedButton_data();
    void keysPressTheFocusedButton();
    void everyOpeningIsFreshAndTheSame();

    void registryValuesBecomeText_data();
    void registryValuesBecomeText();
    void launcherLooksUpInOrder_data();
    void launcherLooksUpInOrder();
};

void AboutTest::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    auto row = [](const char* name, int x, int y, int w, int h, const QString& text) {
        QTest::newRow(name) << QString::fromLatin1(name) << QRect(x, y, w, h) << text;
    };
    row("Image1", 120, 120, 2475, 1125, QString());
    row("lblTitle", 2760, 120, 2325, 240, QStringLiteral("Covertstrike Bot Tweaker"));
    row("lblVersion", 2760, 360, 3885, 225, QStringLiteral("Version 1.0.6"));
    row("lblDescription", 120, 1320, 2805, 210, QString());
    row("Image2", 360, 1800, 4935, 360, QString());
    row("Label2", 360, 2160, 4965, 210, QStringLiteral("www.covertstrike.example"));
    row("cmdOK", 4245, 2625, 1260, 345, QStringLiteral("OK"));
    row("cmdSysInfo", 4260, 3075, 1245, 345, QStringLiteral("&System Info..."));
    row("Label1", 240, 2880, 3765, 450, QString());
}

void AboutTest::controlsStandWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    ScriptedPlatform platform;
    frmAbout about(platform, nullptr);
    QWidget* w = about.findChild<QWidget*>(name);
    QVERIFY2(w, qPrintable(name));
    QVERIFY(withinTwoPixels(w->geometry().topLeft(), scaled(about, geometry.left(), geometry.top())));
    QVERIFY(withinTwoPixels(w->geometry().bottomRight() + QPoint(1, 1),
                 scaled(about, geometry.left() + geometry.width(), geometry.top() + geometry.height())));
    if (text.isEmpty())
        return;
    if (auto* label = qobject_cast<QLabel*>(w))
        QCOMPARE(label->text(), text);
    else
        QCOMPARE(qobject_cast<QPushButton*>(w)->text(), text);
}

void AboutTest::windowIsAFixedDarkBlueDialog()
{
    ScriptedPlatform platform;
    frmAbout about(platform, nullptr);
    QCOMPARE(about.windowTitle(), QStringLiteral("About Covertstrike Bot Tweaker"));
    // The designed 382 x 237 pixels, grown for fonts wider or taller than
    // the one it was drawn for, and fixed.
    QVERIFY(about.width() >= 382 && about.height() >= 237);
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(!about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!about.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(about.palette().color(QPalette::Window), QColor(0, 0, 0x40));
    QVERIFY(about.findChild<QPushButton*>(QStringLiteral("cmdOK"))->isDefault());

    // The freeware note: two sentences, two spaces after the first full stop.
    const QString note = about.findChild<QLabel*>(QStringLiteral("Label1"))->text();
    QCOMPARE(note.count(QLatin1Char('.')), 2);
    QVERIFY(note.contains(QStringLiteral(".  ")));
    QVERIFY(note.endsWith(QLatin1Char('.')));
    QVERIFY(!about.findChild<QLabel*>(QStringLiteral("lblDescription"))->text().isEmpty());
    // The pictures are there even when no main window registered them first.
    QCOMPARE(about.findChild<platform::PictureControl*>(QStringLiteral("Image1"))->pictureSize(), QSize(165, 75));
    QCOMPARE(about.findChild<platform::PictureControl*>(QStringLiteral("Image2"))->pictureSize(), QSize(329, 24));

    auto* shadow = about.findChild<platform::LineControl*>(QStringLiteral("Line1(1)"));
    auto* light = about.findChild<platform::LineControl*>(QStringLiteral("Line1(0)"));
    QVERIFY(shadow && light);
    QVERIFY(withinTwoPixels(shadow->from(), scaled(about, 90, 2445)));
    QVERIFY(withinTwoPixels(shadow->to(), scaled(about, 5654, 2445)));
    QCOMPARE(shadow->color(), QColor(0x80, 0x80, 0x80));
    QVERIFY(withinTwoPixels(light->from(), scaled(about, 105, 2460)));
    QCOMPARE(light->from().y(), shadow->from().y() + 1);
    QCOMPARE(light->color(), QColor(Qt::white));
    QCOMPARE(light->lineWidth(), 2);
}

void AboutTest::keysPressTheFocusedButton_data()
{
    QTest::addColumn<bool>("onSysInfo"); // else on OK, where the dialog opens
    QTest::addColumn<int>("key");
    QTest::newRow("Enter on OK") << false << int(Qt::Key_Return);
    QTest::newRow("Escape") << false << int(Qt::Key_Escape);
    QTest::newRow("Enter on System Info") << true << int(Qt::Key_Return);
    QTest::newRow("keypad Enter on System Info") << true << int(Qt::Key_Enter);
    QTest::newRow("Space on System Info") << true << int(Qt::Key_Space);
}

void AboutTest::keysPressTheFocusedButton()
{
    QFETCH(bool, onSysInfo);
    QFETCH(int, key);
    Editor editor;
    editor.platform.registry.insert(Step1, text("C:\\Tools\\msinfo32.exe"));
    Player player(editor);
    QVERIFY(player.ready());
    QVERIFY(player.menu(Qt::Key_H, Qt::Key_A));
    const QPointer<QDialog> about = editor.about();
    QVERIFY(about);
    QApplication::setActiveWindow(about);
    QVERIFY(QTest::qWaitForWindowActive(about));
    QCOMPARE(Player::focusName(), QStringLiteral("cmdOK"));

    if (onSysInfo) {
        player.press(Qt::Key_Tab);
        QCOMPARE(Player::focusName(), QStringLiteral("cmdSysInfo"));
        player.press(Qt::Key(key));
        QCOMPARE(editor.platform.launched, QStringList{QStringLiteral("C:\\Tools\\msinfo32.exe")});
        QVERIFY(about->isVisible());
        // Back on OK, Enter closes the dialog again.
        player.press(Qt::Key_Tab);
        QCOMPARE(Player::focusName(), QStringLiteral("cmdOK"));
        key = Qt::Key_Return;
    }
    player.press(Qt::Key(key));
    QVERIFY(!about || !about->isVisible());
    QTRY_VERIFY(!about); // deleted once closed
}

void AboutTest::everyOpeningIsFreshAndTheSame()
{
    Editor editor;
    QStringList captions;
    for (int i = 0; i < 2; ++i) {
        editor.action("mnuAbout")->trigger();
        QDialog* about = editor.about();
        QVERIFY(about);
        captions.append(about->windowTitle() + QLatin1Char('|')
                        + about->findChild<QLabel*>(QStringLiteral("lblVersion"))->text() + QLatin1Char('|')
                        + about->findChild<QLabel*>(QStringLiteral("lblTitle"))->text());
        delete about;
    }
    QCOMPARE(captions[0], captions[1]);
    QCOMPARE(captions[0], QStringLiteral("About Covertstrike Bot Tweaker|Version 1.0.6|Covertstrike Bot Tweaker"));
}

void AboutTest::registryValuesBecomeText_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("string with its zero") << 1u << QByteArray("C:\\x.exe\0", 9) << QString() << QStringLiteral("C:\\x.exe");
    QTest::newRow("string without zero") << 1u << QByteArray("C:\\x.exe") << QString() << QStringLiteral("C:\\x.exe");
    QTest::newRow("only one zero dropped") << 1u << QByteArray("ab\0\0", 4) << QString() << QString::fromLatin1("ab\0", 3);
    QTest::newRow("empty string") << 1u << QByteArray() << QStringLiteral("old") << QString();
    QTest::newRow("number") << 4u << QByteArray("\x2a\x01\0\0", 4) << QString() << QStringLiteral("298");
    QTest::newRow("binary keeps the text") << 3u << QByteArray("\x01\x02") << QStringLiteral("kept") << QStringLiteral("kept");
}

void AboutTest::registryValuesBecomeText()
{
    QFETCH(uint, type);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QString keyVal = before;
    registryValueText({type, bytes}, keyVal);
    QCOMPARE(keyVal, after);
}

void AboutTest::launcherLooksUpInOrder_data()
{
    QTest::addColumn<bool>("step1");
    QTest::addColumn<uint>("step1Type");
    QTest::addColumn<bool>("step2");
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<bool>("launchWorks");
    QTest::addColumn<QStringList>("reads");
    QTest::addColumn<QStringList>("launched");
    QTest::addColumn<bool>("message");

    const QString tool = QStringLiteral("C:\\Tools\\msinfo32.exe");
    const QString folderTool = QStringLiteral("C:\\Program Files\\MSInfo\\MSINFO32.EXE");
    QTest::newRow("step 1 found") << true << 1u << true << true << true << QStringList{Step1} << QStringList{tool} << false;
    QTest::newRow("only step 2, file there") << false << 1u << true << true << true << QStringList{Step1, Step2}
                                             << QStringList{folderTool} << false;
    QTest::newRow("only step 2, no file") << false << 1u << true << false << true << QStringList{Step1, Step2}
                                          << QStringList{} << true;
    QTest::newRow("neither") << false << 1u << false << false << true << QStringList{Step1, Step2} << QStringList{}
                             << true;
    QTest::newRow("step 1 of another type") << true << 3u << true << true << true << QStringList{Step1}
                                            << QStringList{QString()} << true;
    QTest::newRow("launch fails") << true << 1u << false << false << false << QStringList{Step1} << QStringList{tool}
                                  << true;
}

void AboutTest::launcherLooksUpInOrder()
{
    QFETCH(bool, step1);
    QFETCH(uint, step1Type);
    QFETCH(bool, step2);
    QFETCH(bool, fileThere);
    QFETCH(bool, launchWorks);
    QFETCH(QStringList, reads);
    QFETCH(QStringList, launched);
    QFETCH(bool, message);

    ScriptedPlatform platform;
    if (step1)
        platform.registry.insert(Step1, {step1Type, QByteArray("C:\\Tools\\msinfo32.exe\0", 22)});
    if (step2)
        platform.registry.insert(Step2, text("C:\\Program Files\\MSInfo"));
    if (fileThere)
        platform.existingFiles.insert(QStringLiteral("C:\\Program Files\\MSInfo\\MSINFO32.EXE"));
    platform.launchSucceeds = launchWorks;

    frmAbout about(platform, nullptr);
    about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
    QCOMPARE(platform.registryReads, reads);
    QCOMPARE(platform.launched, launched);
    QCOMPARE(platform.messageTexts(), message ? QStringList{Unavailable} : QStringList{});
    if (message)
        QCOMPARE(platform.messages[0].icon, platform::MessageIcon::None);
}

QTEST_MAIN(AboutTest)
#include "test_about.moc"
