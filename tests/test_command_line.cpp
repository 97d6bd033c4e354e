// Starting the editor with a roster named on the command line, dropping a
// roster onto its window, and the options the built program answers
// without a display.

#include "app/command_line.h"
#include "platform/identity.h"
#include "overview/roster_overview.h"
#include "support/editor.h"
#include "support/messages.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QProcess>
#include <QListWidget>
#include <QtTest>

#include <memory>

using messages::Disclaimer;
using messages::InvalidFile;
using messages::Remembered;

namespace {

// A second roster beside the editor's, with one bot, so that the listed
// names tell which file is in force.
QString writeOtherRoster(const Editor& editor, const QString& name)
{
    const QString folder = editor.dir.filePath(QStringLiteral("other"));
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name;
    testing::writeBytes(path, "[CovertstrikeUT.CovBotInfo]\r\nBotNames[0]=Solo\r\n");
    return path;
}

// Drags `data` onto `target` as a file manager would; drops it when the
// entry is accepted. True when it was.
bool dragAndDrop(QWidget* target, QMimeData* data)
{
    const QPointF at(5, 5);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    return true;
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void startWithGivenRoster_data();
    void startWithGivenRoster();
    void givenPathsBecomeAbsolute_data();
    void givenPathsBecomeAbsolute();
    void botFileOpensTheImport();
    void dropRoster_data();
    void dropRoster();
    void answersWithoutDisplay_data();
    void answersWithoutDisplay();
};

void CommandLineTest::startWithGivenRoster_data()
{
    QTest::addColumn<QString>("remembered"); // "file", "unreadable" or "" (first start)
    QTest::addColumn<QString>("givenName");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("inForce"); // "given", "remembered" or ""
    QTest::addColumn<QString>("rememberedAfter"); // the same
    QTest::addColumn<QString>("firstListed");

    const QString solo = QStringLiteral("Solo");
    const QString sample = QStringLiteral("Havoc");
    const QString file = QStringLiteral("file");
    const QString given = QStringLiteral("given");
    const QString valid = QStringLiteral("CovertstrikeUser.ini");
    const QString misnamed = QStringLiteral("CovertstrikeUser.ini.bak");
    const QString kept = QStringLiteral("remembered");
    QTest::newRow("remembered, given passes") << file << valid << QStringList() << given << given << solo;
    QTest::newRow("remembered, given rejected")
        << file << misnamed << QStringList{InvalidFile} << kept << kept << sample;
    // The file remembered cannot be read: it is not read only to be replaced.
    QTest::newRow("remembered unreadable, given passes")
        << QStringLiteral("unreadable") << valid << QStringList() << given << given << solo;
    QTest::newRow("first start, given passes")
        << QString() << valid << QStringList{Disclaimer} << given << given << solo;
    QTest::newRow("first start, given rejected")
        << QString() << misnamed << QStringList{Disclaimer, InvalidFile} << QString() << QString() << QString();
    // A mistyped path shows as missing, but is not remembered for the next start.
    const QString missing = QStringLiteral("missing/CovertstrikeUser.ini");
    QTest::newRow("remembered, given missing") << file << missing << QStringList() << given << kept << QString();
    QTest::newRow("first start, given missing")
        << QString() << missing << QStringList{Disclaimer} << given << QString() << QString();
}

void CommandLineTest::startWithGivenRoster()
{
    QFETCH(QString, remembered);
    QFETCH(QString, givenName);
    QFETCH(QStringList, messages);
    QFETCH(QString, inForce);
    QFETCH(QString, rememberedAfter);
    QFETCH(QString, firstListed);

    Editor editor(testing::sampleRoster(), false);
    if (remembered.isEmpty())
        editor.platform.settings.clear();
    else if (remembered == QLatin1String("unreadable"))
        QVERIFY(QFile::remove(editor.rosterPath) && QDir().mkdir(editor.rosterPath));
    const platform::FolderProbe exists{platform::ProbeOutcome::Exists, {}};
    editor.platform.probes.insert(QStringLiteral("C:\\unrealtournament"), exists);
    const QString given = givenName.contains(QLatin1Char('/'))
        ? editor.dir.filePath(givenName)
        : writeOtherRoster(editor, givenName);

    editor.window->Form_Load(given);

    QCOMPARE(editor.platform.messageTexts(), messages);
    QVERIFY(editor.platform.dialogsShown.isEmpty());
    const QMap<QString, QString> paths{{QStringLiteral("given"), given}, {QStringLiteral("remembered"), editor.rosterPath}};
    QCOMPARE(editor.window->iniPath(), paths.value(inForce));
    QCOMPARE(editor.platform.settings.value(Remembered), paths.value(rememberedAfter));
    QCOMPARE(editor.listedNames().value(0), firstListed);
    // A first start still looks for the game, for File, Open's dialog.
    QCOMPARE(editor.window->commonDialog().startFolder, remembered.isEmpty()
                 ? QStringLiteral("C:\\unrealtournament\\system\\")
                 : QStringLiteral("c:\\unrealtournament"));
}

void CommandLineTest::givenPathsBecomeAbsolute_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("expected"); // relative to the current folder; "" for refused

    const QString name = QStringLiteral("CovertstrikeUser.ini");
    const QString absolute = QStringLiteral("/games/u t/System/CovertstrikeUser.ini");
    QTest::newRow("bare name") << name << name;
    QTest::newRow("dotted") << QStringLiteral("./System/../CovertstrikeUser.ini") << name;
    QTest::newRow("absolute") << absolute << absolute;
    QTest::newRow("file URL") << QStringLiteral("file:///games/u%20t/System/CovertstrikeUser.ini") << absolute;
    QTest::newRow("web URL") << QStringLiteral("https://example.org/CovertstrikeUser.ini") << QString();
}

void CommandLineTest::givenPathsBecomeAbsolute()
{
    QFETCH(QString, argument);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const QString path = app::rosterPathFromArgument(argument);
    QDir::setCurrent(before);
    const QDir folder(QDir(dir.path()).canonicalPath());
    QCOMPARE(path, expected.isEmpty() ? QString() : folder.absoluteFilePath(expected));
}

void CommandLineTest::dropRoster_data()
{
    QTest::addColumn<QStringList>("urls"); // relative to the test folder unless a URL
    QTest::addColumn<bool>("onBotList");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("opened");

    const QStringList other{QStringLiteral("other/CovertstrikeUser.ini")};
    const QStringList none;
    QTest::newRow("roster on the window") << other << false << true << none << true;
    // The bot list's edit field takes dropped text, but not a file.
    QTest::newRow("roster on the bot list") << other << true << true << none << true;
    QTest::newRow("misnamed file")
        << QStringList{QStringLiteral("other/Notes.txt")} << false << true << QStringList{InvalidFile} << false;
    QTest::newRow("two files") << other + other << false << false << none << false;
    QTest::newRow("web page")
        << QStringList{QStringLiteral("https://example.org/CovertstrikeUser.ini")} << false << false << none << false;
    QTest::newRow("text only") << none << false << false << none << false;
}

void CommandLineTest::dropRoster()
{
    QFETCH(QStringList, urls);
    QFETCH(bool, onBotList);
    QFETCH(bool, accepted);
    QFETCH(QStringList, messages);
    QFETCH(bool, opened);

    Editor editor;
    const QString other = writeOtherRoster(editor, QStringLiteral("CovertstrikeUser.ini"));
    writeOtherRoster(editor, QStringLiteral("Notes.txt"));
    QList<QUrl> dragged;
    for (const QString& u : urls)
        dragged.append(u.contains(QLatin1String("://")) ? QUrl(u) : QUrl::fromLocalFile(editor.dir.filePath(u)));
    auto data = std::make_unique<QMimeData>();
    data->setUrls(dragged);
    data->setText(other); // as file managers offer it too

    QWidget* target = editor.window.get();
    if (onBotList)
        target = editor.combo()->lineEdit();
    QCOMPARE(dragAndDrop(target, data.get()), accepted);
    QCOMPARE(editor.platform.messageTexts(), messages);
    QCOMPARE(editor.window->iniPath(), opened ? other : editor.rosterPath);
    QCOMPARE(editor.platform.settings.value(Remembered), opened ? other : editor.rosterPath);
    QCOMPARE(editor.listedNames().size(), opened ? 1 : 16);
    QCOMPARE(editor.combo()->currentText(), QString());
}

// A bot file named on the command line or dropped on either window: the
// editor keeps its roster and offers the bots for import.
void CommandLineTest::botFileOpensTheImport()
{
    Editor editor(testing::sampleRoster(), false);
    const QString bots = editor.dir.filePath(QStringLiteral("pair.covbots"));
    QVERIFY(testing::writeBytes(bots, "[CovertstrikeBots]\nBotNames[0]=Solo\nBotNames[1]=Duo\n"));
    editor.window->Form_Load(bots);
    QCOMPARE(editor.window->iniPath(), editor.rosterPath);
    editor.action("mnuOverview")->trigger();
    for (QWidget* target : {static_cast<QWidget*>(nullptr), static_cast<QWidget*>(editor.window.get()),
                            static_cast<QWidget*>(editor.window->findChild<RosterOverview*>())}) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(bots)});
        QVERIFY(!target || dragAndDrop(target, &data));
        QTRY_VERIFY(editor.find<QDialog>(QStringLiteral("frmImportBots")));
        auto* dialog = editor.find<QDialog>(QStringLiteral("frmImportBots"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Import Bots"));
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("lstBots"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), QStringLiteral("Duo"));
        dialog->reject();
        QTRY_VERIFY(!editor.find<QDialog>(QStringLiteral("frmImportBots")));
    }
    QCOMPARE(editor.file(), testing::sampleRoster());
    QVERIFY(editor.platform.messages.isEmpty());
}

void CommandLineTest::answersWithoutDisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // on stdout for 0, on stderr otherwise
    QTest::addColumn<QString>("desktop"); // the desktop's languages (LANGUAGE); English by default

    const QString version = QStringLiteral("CovBotEd %1\n").arg(QString::fromUtf8(identity::Version));
    const auto args = [](const char* line) { return QString::fromLatin1(line).split(QLatin1Char(' ')); };
    QTest::newRow("--version") << args("--version") << 0 << version << QString();
    QTest::newRow("--help") << args("--help") << 0 << QStringLiteral("[options] [FILE]") << QString();
    QTest::newRow("-h after a window-system option")
        << args("-style fusion -h") << 0 << QStringLiteral("--version") << QString();
    QTest::newRow("--help-all") << args("--help-all") << 0 << QStringLiteral("-platform <name") << QString();
    // Mistakes are told without a display, the window system's options
    // left out of the judging.
    QTest::newRow("two files") << args("a b") << 1 << QStringLiteral("one roster file at most") << QString();
    QTest::newRow("unknown option") << args("--bogus") << 1 << QStringLiteral("Unknown option 'bogus'") << QString();
    QTest::newRow("two files after a window-system option")
        << args("-platform offscreen a b") << 1 << QStringLiteral("one roster file at most") << QString();
    QTest::newRow("unknown option among window-system ones")
        << args("--platform offscreen -style=fusion --roster=x") << 1 << QStringLiteral("Unknown option 'roster'")
        << QString();
    QTest::newRow("web URL") << args("-platform offscreen https://example.org/CovertstrikeUser.ini") << 1
                             << QStringLiteral("not a local file") << QString();
    // In the desktop's language, or the one asked for; English where none matches.
    const QString german = QStringLiteral("Bearbeitet die Bots");
    QTest::newRow("German desktop") << args("--help") << 0 << german << QStringLiteral("de_DE");
    QTest::newRow("English before German") << args("--help") << 0 << QStringLiteral("Edits the bots")
                                           << QStringLiteral("en:de");
    QTest::newRow("--lang de") << args("--lang de --help") << 0 << german << QString();
    QTest::newRow("--lang en on a German desktop") << args("--lang=en -h") << 0 << QStringLiteral("Edits the bots")
                                                   << QStringLiteral("de");
    QTest::newRow("mistake in Polish") << args("--lang=pl a b") << 1 << QStringLiteral("najwyżej jeden plik")
                                       << QString();
    QTest::newRow("unknown language") << args("--lang xx") << 1 << QStringLiteral("no translation for xx") << QString();
    // The help's own lines and value names in the player's language too.
    QTest::newRow("help in French") << args("--lang fr --help") << 0 << QStringLiteral("[options] [FICHIER]")
                                    << QString();
    QTest::newRow("help in Polish") << args("--help") << 0 << QStringLiteral("--lang <KOD>") << QStringLiteral("pl");
    QTest::newRow("help in Spanish") << args("--lang=es -h") << 0 << QStringLiteral("Muestra esta ayuda.") << QString();
    // Whatever needs the window is refused in a line, never aborted, and
    // nothing is remembered.
    const QString noDisplay = QStringLiteral("CovBotEd: cannot open the window: no display");
    QTest::newRow("no file, no display") << QStringList() << 1 << noDisplay << QString();
    QTest::newRow("bot file, no display") << args("sniper.covbots") << 1 << noDisplay << QString();
    QTest::newRow("missing roster, no display") << args("/missing/CovertstrikeUser.ini") << 1 << noDisplay << QString();
    QTest::newRow("no display, in German")
        << args("--lang de") << 1 << QStringLiteral("das Fenster kann nicht geöffnet werden") << QString();
}

void CommandLineTest::answersWithoutDisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, desktop);

    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("LANGUAGE"), desktop.isEmpty() ? QStringLiteral("en") : desktop);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    QProcess editor;
    editor.setProcessEnvironment(environment);
    editor.start(QStringLiteral(CBT_EDITOR), arguments);
    QVERIFY(editor.waitForFinished(20000));
    QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(editor.exitCode(), exitCode);
    const QByteArray bytes = exitCode == 0 ? editor.readAllStandardOutput() : editor.readAllStandardError();
    const QString said = QString::fromLocal8Bit(bytes);
    QVERIFY2(said.contains(output), qPrintable(said));
    if (exitCode != 0)
        QVERIFY2(said.count(QLatin1Char('\n')) == 1 && said.endsWith(QLatin1Char('\n')), qPrintable(said));
    QCOMPARE(QDir(home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

QTEST_MAIN(CommandLineTest)
#include "test_command_line.moc"
