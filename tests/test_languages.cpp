// Each language the editor speaks: its catalogue holds a finished
// translation of every text the source marks, with the same placeholders
// and an access key where the English has one; no two captions of a menu
// or of a window share an access key; Qt's own texts are translated too;
// and what the editor writes (the roster, the settings store) is the
// English editor's, byte for byte.

#include "app/language.h"
#include "document/messages.h"
#include "platform/qt_platform.h"
#include "roster/bot_file.h"
#include "support/editor.h"
#include "support/player.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QScopeGuard>
#include <QTabBar>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <tuple>

namespace {

const QStringList Languages = QString::fromLatin1(CBT_LANGUAGES).split(QLatin1Char(';'));

// The placeholders (%1, %2...) of a text, sorted, and whether it has an access key.
QString shapeOf(const QString& text)
{
    QStringList marks;
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        marks.append(it.next().captured());
    marks.sort();
    static const QRegularExpression accessKey(QStringLiteral("&[^ &]"));
    if (text.contains(accessKey))
        marks.append(QStringLiteral("&"));
    return marks.join(QLatin1Char(' '));
}

// What is wrong with the catalogue at `path`, one line a message.
QStringList faultsOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {path + QStringLiteral(": cannot be read")};
    QStringList faults;
    QXmlStreamReader xml(&file);
    QString source;
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"message") {
            numerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            if (!type.isEmpty())
                faults.append(type + QStringLiteral(": ") + source);
            if (!numerus && shapeOf(xml.readElementText()) != shapeOf(source))
                faults.append(QStringLiteral("placeholders or access key differ: ") + source);
        } else if (xml.name() == u"numerusform") {
            if (shapeOf(xml.readElementText()) != shapeOf(source))
                faults.append(QStringLiteral("placeholders differ in a plural form: ") + source);
        }
    }
    if (xml.hasError())
        faults.append(xml.errorString());
    return faults;
}

// The sample roster after a player's edits (the preset, a slider, the jump
// box, a new name) and a save, with the settings the editor stored.
QByteArray savedByPlayer(QStringList& settings)
{
    Editor editor;
    Player player(editor, 3);
    if (!player.ready())
        return {};
    editor.action("mnuHuman")->trigger();
    player.pressOn(editor.slider(2), Qt::Key_End);
    QTest::mouseClick(editor.check(), Qt::LeftButton);
    player.retype(editor.combo(), QStringLiteral("Ängstlich Bot"));
    QTest::mouseClick(editor.find<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);
    for (auto it = editor.platform.settings.cbegin(); it != editor.platform.settings.cend(); ++it)
        settings.append(it.key() + QLatin1Char('=')
                        + QString(it.value()).replace(editor.rosterPath, QStringLiteral("ROSTER")));
    return editor.file();
}

// The captions among `captions` that take the same access key, as one
// line each, naming `where`.
QStringList clashesIn(const QString& where, const QStringList& captions)
{
    QMap<QString, QStringList> byKey;
    for (const QString& caption : captions) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (!key.isEmpty())
            byKey[key.toString(QKeySequence::PortableText)].append(caption);
    }
    QStringList clashes;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
        if (it->size() > 1)
            clashes.append(QStringLiteral("%1: %2 in %3").arg(it.key(), it->join(QStringLiteral(", ")), where));
    }
    return clashes;
}

// The access-key clashes of a window: within each of its menus, and among
// what one Alt key reaches in it (its menu titles, and the captions of its
// shown buttons, labels that lead to a box, group boxes and tabs).
QStringList accessKeyClashes(QWidget* window)
{
    QStringList captions;
    QStringList clashes;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (auto* menu = qobject_cast<QMenu*>(w)) {
            if (menu->parentWidget() && menu->parentWidget()->window() == window) {
                QStringList items;
                for (const QAction* action : menu->actions())
                    items.append(action->text());
                clashes += clashesIn(window->objectName() + QLatin1Char('/') + menu->objectName(), items);
            }
            continue;
        }
        if (w->window() != window || !w->isVisibleTo(window))
            continue;
        if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            for (const QAction* title : bar->actions())
                captions.append(title->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            captions.append(button->text());
        } else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) {
            captions.append(label->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            captions.append(group->title());
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                captions.append(tabs->tabText(i));
        }
    }
    return clashes + clashesIn(window->objectName(), captions);
}

// Every window the editor opens from its menus, and from the buttons that
// open one ("..."), each checked for access-key clashes once.
struct WindowWalk {
    void visit(QWidget* window)
    {
        if (visited.contains(window->objectName()))
            return;
        visited.append(window->objectName());
        faults += accessKeyClashes(window);
        for (QAction* action : window->findChildren<QAction*>()) {
            if (action->menu() || action->associatedObjects().isEmpty() || !action->isEnabled())
                continue;
            action->trigger();
            window->show(); // again, after Exit
            visitNewWindows(window);
        }
        // Commands on a selection have all rows to work on.
        for (QAbstractItemView* view : window->findChildren<QAbstractItemView*>())
            view->selectAll();
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (button->window() == window && button->isVisible() && button->isEnabled()
                && (button->text().endsWith(QStringLiteral("...")) || button->text().endsWith(QChar(0x2026)))) {
                button->click();
                visitNewWindows(window);
            }
        }
    }

    void visitNewWindows(QWidget* from)
    {
        QCoreApplication::processEvents();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top == from || top == main || !top->isVisible() || qobject_cast<QMenu*>(top))
                continue;
            visit(top);
            if (auto* dialog = qobject_cast<QDialog*>(top))
                dialog->reject();
            else
                top->close();
            QCoreApplication::processEvents();
        }
    }

    QWidget* main;
    QStringList visited;
    QStringList faults;
};

// The parts of `english`, between its stops and the data that stays as it
// is in every language (a path, the system's reason), of three words or
// more, that `translated` holds as they are.
QStringList leftInEnglish(QString english, const QString& translated, const QStringList& data)
{
    for (const QString& same : data)
        english.replace(same, QStringLiteral("\n"));
    QStringList left;
    for (const QString& part : english.split(QRegularExpression(QStringLiteral("[.:?!()\\n]")))) {
        if (part.simplified().count(QLatin1Char(' ')) >= 2 && translated.contains(part.simplified()))
            left.append(part.simplified());
    }
    return left;
}

} // namespace

Q_DECLARE_METATYPE(document::Outcome)
Q_DECLARE_METATYPE(document::Write)

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void catalogueIsComplete_data();
    void catalogueIsComplete();
    void savesAsEnglishDoes_data() { catalogueIsComplete_data(); }
    void savesAsEnglishDoes();
    void accessKeysAreUnique_data();
    void accessKeysAreUnique();
    void refusalsAreSaidInTheLanguage_data();
    void refusalsAreSaidInTheLanguage();
};

void LanguagesTest::catalogueIsComplete_data()
{
    QTest::addColumn<QString>("code");
    for (const QString& code : Languages)
        QTest::newRow(qPrintable(code)) << code;
}

// The catalogue as lupdate brings it up to date with the source: a text
// added or changed since shows as unfinished, one gone as vanished.
void LanguagesTest::catalogueIsComplete()
{
    QFETCH(QString, code);
    if (QStringLiteral(CBT_LUPDATE).isEmpty())
        QSKIP("lupdate is not at hand in this build");
    const QString name = QStringLiteral("covbot_%1.ts").arg(code);
    QTemporaryDir dir;
    const QString copy = dir.filePath(name);
    QVERIFY(QFile::copy(QStringLiteral(CBT_SOURCE_DIR "/translations/") + name, copy));
    QProcess lupdate;
    lupdate.start(QStringLiteral(CBT_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-tr-function-alias"), QStringLiteral("QT_TRANSLATE_NOOP+=CBT_WORD"),
                   QStringLiteral(CBT_SOURCE_DIR "/src"), QStringLiteral("-ts"), copy});
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);
    const QStringList faults = faultsOf(copy);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void LanguagesTest::savesAsEnglishDoes()
{
    QFETCH(QString, code);
    QStringList englishSettings;
    const QByteArray english = savedByPlayer(englishSettings);
    QVERIFY(!english.isEmpty());
    QVERIFY(english != testing::sampleRoster());

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/covbot_%1.qm").arg(code)));
    QCoreApplication::installTranslator(&translator);
    QStringList settings;
    const QByteArray translated = savedByPlayer(settings);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(translated, english);
    QCOMPARE(settings, englishSettings);
}

void LanguagesTest::accessKeysAreUnique_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("en") << QStringLiteral("en");
    for (const QString& code : Languages)
        QTest::newRow(qPrintable(code)) << code;
}

// The main window and every window it leads to; then the question about
// unsaved changes, as the system's box asks it. Each language with Qt's
// own texts in it, as the editor installs them.
void LanguagesTest::accessKeysAreUnique()
{
    QFETCH(QString, code);
    app::useLanguage(code);
    const auto englishAgain = qScopeGuard([] {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    });
    // Qt's own catalogue is in the program for every language.
    if (code != QLatin1String("en")) {
        QTranslator qt;
        QVERIFY(qt.load(QStringLiteral(":/i18n/qtbase_%1.qm").arg(code)));
        QVERIFY(qt.translate("QPlatformTheme", "Cancel") != QString());
    }

    Editor editor;
    // A backup to restore, a bot file to import; every question answered
    // Discard, every file dialog with the bot file.
    QVERIFY(testing::writeBytes(editor.rosterPath + QStringLiteral(".20261207-101500.bak"), testing::sampleRoster()));
    const QString bots = editor.dir.filePath(QStringLiteral("pair.covbots"));
    QVERIFY(testing::writeBytes(bots, "[CovertstrikeBots]\nBotNames[0]=Solo\nBotNames[1]=Duo\n"));
    for (int i = 0; i < 20; ++i) {
        editor.platform.saveAnswers.append(platform::SaveAnswer::Discard);
        editor.platform.fileAnswers.append(bots);
    }
    QVERIFY(editor.showActive());
    WindowWalk walk{editor.window.get(), {}, {}};
    walk.visit(walk.main);
    for (const char* window : {"frmMain", "frmAbout", "frmOverview", "SetValues", "frmImportBots", "frmRestoreBackup",
                               "frmLibrary", "frmDeal"})
        QVERIFY2(walk.visited.contains(QLatin1String(window)), qPrintable(walk.visited.join(QLatin1Char(' '))));

    QTimer::singleShot(0, [&walk] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->setObjectName(QStringLiteral("question"));
            walk.faults += accessKeyClashes(box);
            box->reject();
        }
    });
    platform::QtPlatform system;
    system.askToSave(editor.window.get(), QStringLiteral("Save changes to Havoc?"));

    QVERIFY2(walk.faults.isEmpty(), qPrintable(walk.faults.join(QLatin1Char('\n'))));
}

void LanguagesTest::refusalsAreSaidInTheLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<document::Outcome>("outcome");
    QTest::addColumn<document::Write>("write");
    QTemporaryDir dir;
    const std::string roster = testing::toStd(dir.filePath(QStringLiteral("CovertstrikeUser.ini")));
    testing::writeBytes(dir.filePath(QStringLiteral("CovertstrikeUser.ini")), testing::sampleRoster());
    const auto saving = [&roster](const std::string& name) {
        roster::BotEdit edit;
        edit.name = name;
        return roster::RosterFile(roster).SaveBot(5, edit);
    };
    const auto reading = [](const char* text) {
        const roster::BotFileReading read = roster::ReadBotFile(text);
        return roster::SaveOutcome::refusal({}, read.pattern, read.arguments);
    };
    document::Outcome unreadable = document::Outcome::of(roster::SaveOutcome::failure({}, "Is a directory"));
    unreadable.unreadable = true;
    const QList<std::tuple<const char*, document::Outcome, document::Write>> kinds = {
        {"a name the encoding cannot hold", document::Outcome::of(saving("\u0141ukasz")), document::Write::Save},
        {"a blank name", document::Outcome::of(saving("  ")), document::Write::Save},
        {"a bot file without bots", document::Outcome::of(reading("[Other]\nx=1\n")), document::Write::Import},
        {"a bot number past the last", document::Outcome::of(reading("[CovertstrikeBots]\nBotSkills[101]=1\n")),
         document::Write::Import},
        {"a bot number with a leading zero", document::Outcome::of(reading("[CovertstrikeBots]\nBotSkills[07]=1\n")),
         document::Write::Import},
        {"a second bot section", document::Outcome::of(reading("[CovertstrikeBots]\nBotNames[0]=A\n[CovertstrikeBots]\n")),
         document::Write::Import},
        {"a bot file's blank name", document::Outcome::of(reading("[CovertstrikeBots]\nBotNames[0]=  \n")),
         document::Write::Import},
        {"in use", document::Outcome::of(roster::SaveOutcome::failure({}, "held", true)), document::Write::Save},
        {"gone", document::Outcome::gone(roster::Gone::File), document::Write::Save},
        {"unwritable", document::Outcome::of(roster::SaveOutcome::failure({}, "Is a directory")), document::Write::Import},
        {"unreadable", unreadable, document::Write::Save},
    };
    for (const QString& code : Languages) {
        for (const auto& [kind, outcome, write] : kinds)
            QTest::newRow(qPrintable(code + QStringLiteral(", ") + QLatin1String(kind))) << code << outcome << write;
    }
}

// Every kind of refusal the player meets, in the language under test: no
// sentence of it is left in English.
void LanguagesTest::refusalsAreSaidInTheLanguage()
{
    QFETCH(QString, code);
    QFETCH(document::Outcome, outcome);
    QFETCH(document::Write, write);
    const QString path = QStringLiteral("/games/ut/System/CovertstrikeUser.ini");
    const QString english = document::Messages::failure(outcome, write, path, QStringLiteral("Cinder"), 5);
    QVERIFY(!english.isEmpty());
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/covbot_%1.qm").arg(code)));
    QCoreApplication::installTranslator(&translator);
    const QString said = document::Messages::failure(outcome, write, path, QStringLiteral("Cinder"), 5);
    QCoreApplication::removeTranslator(&translator);
    const QStringList left = leftInEnglish(english, said, {QDir::toNativeSeparators(path), QStringLiteral("Is a directory")});
    QVERIFY2(left.isEmpty(), qPrintable(said + QStringLiteral("\nleft in English: ") + left.join(QStringLiteral(" | "))));
}

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"
