// Starting the editor with a roster named on the command line, dropping a
// roster onto its window, the options the built program answers without a
// display, and its commands for scripts.

#include "app/command_line.h"
#include "platform/identity.h"
#include "overview/roster_overview.h"
#include "support/child_process.h"
#include "support/editor.h"
#include "support/messages.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QProcess>
#include <QListWidget>
#include <QtTest>

#include <grp.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

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

struct Ran {
    int exitCode = -1;
    QString out, err;
};

// Runs the built program as a terminal user would, without a display: in
// `folder`, with `home` as its home, the desktop's languages `desktop`
// (English by default); as an unprivileged user when asked and run as root.
Ran runEditor(const QStringList& arguments, const QString& home, const QString& desktop, const QString& folder = {},
              bool unprivileged = false)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("LANGUAGE"), desktop.isEmpty() ? QStringLiteral("en") : desktop);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
    QProcess editor;
    editor.setProcessEnvironment(environment);
    editor.setWorkingDirectory(folder);
    if (unprivileged && ::getuid() == 0) {
        editor.setChildProcessModifier([] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(testing::Nobody) != 0 || ::setuid(testing::Nobody) != 0)
                ::_exit(125);
        });
    }
    editor.start(QStringLiteral(CBT_EDITOR), arguments);
    Ran ran;
    if (!editor.waitForFinished(20000) || editor.exitStatus() != QProcess::NormalExit)
        return ran;
    ran.exitCode = editor.exitCode();
    ran.out = QString::fromLocal8Bit(editor.readAllStandardOutput());
    ran.err = QString::fromLocal8Bit(editor.readAllStandardError());
    return ran;
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
    void rosterCommands_data();
    void rosterCommands();
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
    const Ran ran = runEditor(arguments, home.path(), desktop);
    QCOMPARE(ran.exitCode, exitCode);
    const QString said = exitCode == 0 ? ran.out : ran.err;
    QVERIFY2(said.contains(output), qPrintable(said));
    if (exitCode != 0)
        QVERIFY2(said.count(QLatin1Char('\n')) == 1 && said.endsWith(QLatin1Char('\n')), qPrintable(said));
    QCOMPARE(QDir(home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

// The commands for scripts, run as a launch script runs them: in the
// roster's folder, without a display. Beside the roster lie a bot file of
// two bots, the same in a library folder, and a text with two rosters.
void CommandLineTest::rosterCommands_data()
{
    QTest::addColumn<QString>("arguments"); // split at blanks
    QTest::addColumn<QByteArray>("roster"); // "": none; "/": a folder in its place
    QTest::addColumn<bool>("locked");       // its folder read-only to the program
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");       // the whole standard output
    QTest::addColumn<QString>("err");       // a part of the standard error; "": none at all
    QTest::addColumn<QByteArray>("after");  // the roster's bytes after; null: as they were
    QTest::addColumn<QStringList>("made");  // files made beside it, a backup as "bak"

    const QByteArray head = "[CovertstrikeUT.CovBotInfo]\r\nBotNames[0]=Moth\r\nBotAccuracy[0]=2\r\n"
                            "BotNames[1]=Wren\r\nVoiceType[1]=COV_Voices.COVv_VoiceP1\r\nBotNames[2]=Tab\tby\r\n";
    const QByteArray tail = "[Other]\r\nBotAccuracy[0]=kept\r\n";
    const QByteArray roster = head + tail;
    const QByteArray same;
    const QStringList none;
    const QStringList backup{QStringLiteral("bak")};
    const QString title = QStringLiteral("#\tBotNames\tBotTeams\tBotSkills\tBotAccuracy\tAlertness\tStrafingAbility\t"
                                         "CombatStyle\tCamping\tBotJumpy\tVoiceType\n");
    const QString noInstall = QStringLiteral("classes, skins, faces, voices and weapons are not checked");
    const auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };

    row("list") << "--list CovertstrikeUser.ini" << roster << false << 0
                << title
                       + QStringLiteral("0\tMoth\t\t\t2\t\t\t\t\t\t\n1\tWren\t\t\t\t\t\t\t\t\tCOV_Voices.COVv_VoiceP1\n"
                                        "2\tTab\\tby\t\t\t\t\t\t\t\t\t\n")
                << QString() << same << none;
    row("list, no roster") << "--list CovertstrikeUser.ini" << QByteArray() << false << 2 << QString()
                           << "The roster file was not found" << same << none;
    row("list, roster unreadable") << "--list CovertstrikeUser.ini" << QByteArray("/") << false << 2 << QString()
                                   << "The roster file cannot be read" << same << none;
    row("list, no roster, in German") << "--lang de --list CovertstrikeUser.ini" << QByteArray() << false << 2
                                      << QString() << "Die Botliste wurde nicht gefunden" << same << none;
    row("list, not a roster") << "--list pair.covbots" << roster << false << 1 << QString()
                              << "its name must end in CovertstrikeUser.ini" << same << none;
    row("no roster named") << "--list" << roster << false << 1 << QString() << "--list needs the roster file" << same
                           << none;
    row("two commands") << "--list --check CovertstrikeUser.ini" << roster << false << 1 << QString()
                        << "one command at a time" << same << none;
    row("option of another command") << "--check --bots 1 CovertstrikeUser.ini" << roster << false << 1
                                     << QString() << "--bots goes with --export or --set" << same << none;

    row("set") << "--set BotAccuracy=.5 --set voicetype=3 --bots 1-2 CovertstrikeUser.ini" << roster << false << 0
               << "Set BotAccuracy, VoiceType of 2 bots.\n" << QString()
               << QByteArray(head).replace("VoiceP1", "VoiceP3")
                      + "BotAccuracy[1]=0.500000\r\nBotAccuracy[2]=0.500000\r\nVoiceType[2]=COV_Voices.COVv_VoiceP3\r\n"
                      + tail
               << backup;
    row("set, out of range") << "--set Camping=1.5 CovertstrikeUser.ini" << roster << false << 1 << QString()
                             << "Camping takes a number from 0 to 1, not \"1.5\"" << same << none;
    row("set, not whole") << "--set BotTeams=0.5 CovertstrikeUser.ini" << roster << false << 1 << QString()
                          << "BotTeams takes a whole number from 0 to 1" << same << none;
    row("set, the looks") << "--set BotSkins=x CovertstrikeUser.ini" << roster << false << 1 << QString()
                          << "BotSkins cannot be set here" << same << none;
    row("set, unknown key") << "--set Accuracy=1 CovertstrikeUser.ini" << roster << false << 1 << QString()
                            << "unknown key Accuracy" << same << none;
    row("set, bot not listed") << "--set Camping=1 --bots 1,3 CovertstrikeUser.ini" << roster << false << 1
                               << QString() << "--bots: the roster lists bots 0 to 2; 3 is not one of them" << same
                               << none;
    row("set, range backwards") << "--set Camping=1 --bots 2-1 CovertstrikeUser.ini" << roster << false << 1
                                << QString() << "the range 2-1 runs backwards" << same << none;
    row("set, folder read-only") << "--set Camping=1 CovertstrikeUser.ini" << roster << true << 2 << QString()
                                 << "could not be backed up" << same << none;

    row("export") << "--export out.covbots --bots 2,0 CovertstrikeUser.ini" << roster << false << 0
                  << "Exported 2 bots to out.covbots.\n" << QString() << same
                  << QStringList{QStringLiteral("out.covbots")};
    row("export over the roster") << "--export CovertstrikeUser.ini CovertstrikeUser.ini" << roster << false << 1
                                  << QString() << "whose name ends in .covbots" << same << none;

    const QByteArray pair = "BotNames[3]=Solo\r\nBotSkills[3]=1.000000\r\nBotNames[4]=Duo\r\n";
    row("import") << "--import pair.covbots CovertstrikeUser.ini" << roster << false << 0
                  << "Imported 2 bots, numbered 3,4.\n" << QString() << head + pair + tail << backup;
    row("import in place") << "--import pair.covbots --replace 2,0 CovertstrikeUser.ini" << roster << false << 0
                           << "Imported 2 bots, numbered 2,0.\n" << QString()
                           << "[CovertstrikeUT.CovBotInfo]\r\nBotNames[0]=Duo\r\nBotNames[1]=Wren\r\n"
                              "VoiceType[1]=COV_Voices.COVv_VoiceP1\r\nBotNames[2]=Solo\r\nBotSkills[2]=1.000000\r\n"
                              + tail
                           << backup;
    row("import, too few to replace") << "--import pair.covbots --replace 1 CovertstrikeUser.ini" << roster << false
                                      << 1 << QString() << "holds 2 bots, and --replace names 1" << same << none;
    row("import, two rosters") << "--import two.ini CovertstrikeUser.ini" << roster << false << 1 << QString()
                               << "holds bots in 2 sections: [A] on line 1, [B] on line 3" << same << none;

    row("deal") << "--deal lib --count 2 --seed 7 --balance CovertstrikeUser.ini" << roster << false << 0
                << "Dealt 2 bots with seed 7.\n" << QString()
                << "[CovertstrikeUT.CovBotInfo]\r\nBotNames[0]=Duo\r\nBotNames[1]=Solo\r\nBotTeams[0]=0\r\n"
                   "BotSkills[1]=1.000000\r\nBotTeams[1]=1\r\n" + tail
                << backup;
    row("deal, count 0") << "--deal lib --count 0 CovertstrikeUser.ini" << roster << false << 1 << QString()
                         << "--count takes a number of bots from 1 to 101, not \"0\"" << same << none;
    row("deal, count 102") << "--deal lib --count 102 CovertstrikeUser.ini" << roster << false << 1 << QString()
                           << "not \"102\"" << same << none;
    row("deal, too few") << "--deal pair.covbots --seed 1 CovertstrikeUser.ini" << roster << false << 1 << QString()
                         << "Nothing was dealt" << same << none;

    const QString outside = QStringLiteral("2 is outside the range the game uses, -1 to 1: the game uses 1.000000.");
    row("check") << "--check CovertstrikeUser.ini" << roster << false << 3
                 << QStringLiteral("BotAccuracy[0]\t2\t%1\n").arg(outside) << noInstall << same << none;
    row("check and fix") << "--check --fix CovertstrikeUser.ini" << roster << false << 0
                         << "Fixed BotAccuracy[0]: \"2\" is now \"1.000000\".\n" << noInstall
                         << QByteArray(roster).replace("]=2\r", "]=1.000000\r") << backup;
    row("check, nothing found") << "--check CovertstrikeUser.ini" << tail << false << 0 << QString() << noInstall
                                << same << none;
    row("check, roster unreadable") << "--check CovertstrikeUser.ini" << QByteArray("/") << false << 2 << QString()
                                    << "cannot be read" << same << none;
}

void CommandLineTest::rosterCommands()
{
    QFETCH(QString, arguments);
    QFETCH(QByteArray, roster);
    QFETCH(bool, locked);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, made);

    QTemporaryDir home;
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QString path = folder.filePath(QStringLiteral("CovertstrikeUser.ini"));
    const QByteArray bots = "[CovertstrikeBots]\nBotNames[0]=Solo\nBotSkills[0]=1.000000\nBotNames[1]=Duo\n";
    QVERIFY(folder.mkdir(QStringLiteral("lib")));
    QVERIFY(testing::writeBytes(folder.filePath(QStringLiteral("pair.covbots")), bots));
    QVERIFY(testing::writeBytes(folder.filePath(QStringLiteral("lib/pair.covbots")), bots));
    QVERIFY(testing::writeBytes(folder.filePath(QStringLiteral("two.ini")),
                                "[A]\nBotNames[0]=X\n[B]\nBotNames[0]=Y\n"));
    QVERIFY(roster == "/" ? folder.mkdir(QStringLiteral("CovertstrikeUser.ini"))
                          : roster.isEmpty() || testing::writeBytes(path, roster));
    const QStringList before = folder.entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), locked ? 0555 : 0777) == 0);

    const Ran ran = runEditor(arguments.split(QLatin1Char(' ')), home.path(), {}, dir.path(), locked);
    QCOMPARE(ran.exitCode, exitCode);
    QCOMPARE(ran.out, out);
    if (err.isEmpty())
        QCOMPARE(ran.err, QString());
    QVERIFY2(ran.err.contains(err), qPrintable(ran.err));
    for (const QString& line : ran.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        QVERIFY2(line.startsWith(QStringLiteral("CovBotEd: ")), qPrintable(line));
    QCOMPARE(testing::readBytes(path), !after.isNull() ? after : roster == "/" ? QByteArray() : roster);
    QStringList madeNow;
    for (const QString& name : folder.entryList(QDir::NoDotAndDotDot | QDir::AllEntries))
        if (!before.contains(name))
            madeNow.append(name.endsWith(QStringLiteral(".bak")) ? QStringLiteral("bak") : name);
    QCOMPARE(madeNow, made);
    QCOMPARE(QDir(home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

QTEST_MAIN(CommandLineTest)
#include "test_command_line.moc"
