// The roster document without a window or a display: every write is a
// command on its history, tells its outcome, and can be undone and redone
// byte for byte, keeping what another program changed in between.

#include "document/messages.h"
#include "document/roster_document.h"
#include "support/files.h"
#include "support/scripted_platform.h"

#include <QDir>
#include <QSignalSpy>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QUndoStack>
#include <QtTest>

#include <functional>

using document::Outcome;
using document::Result;
using document::RosterDocument;

namespace {

const QString RosterName = QStringLiteral("CovertstrikeUser.ini");

// A document over a copy of the sample roster in a fresh folder, the
// game's .int files beside it when `installed`.
struct Fixture {
    explicit Fixture(const QByteArray& content = testing::sampleRoster(), bool installed = false)
    {
        path = dir.filePath(RosterName);
        testing::writeBytes(path, content);
        if (installed)
            install();
        document.open(path);
    }
    void install() const
    {
        for (const QString& name : {QStringLiteral("Trooper.int"), QStringLiteral("Ranger.int")})
            QFile::copy(QStringLiteral(CBT_TEST_DATA "/install/") + name, dir.filePath(name));
    }
    // Lets the file watch's settled change through at once.
    bool settle()
    {
        auto* timer = document.findChild<QTimer*>(QStringLiteral("rosterSettle"));
        if (!QTest::qWaitFor([timer] { return timer->isActive(); }, 5000))
            return false;
        timer->stop();
        return QMetaObject::invokeMethod(timer, "timeout");
    }
    QByteArray file() const { return testing::readBytes(path); }
    QStringList backups() const
    {
        return QDir(dir.path()).entryList({RosterName + QStringLiteral(".*.bak")}, QDir::Files);
    }

    QTemporaryDir dir;
    QString path;
    ScriptedPlatform platform;
    RosterDocument document{platform};
};

// A write, given the document: what a player's command asks of it.
using Write = std::function<Outcome(RosterDocument&)>;

Outcome saveBot5(RosterDocument& document, const std::string& name = "Cinder")
{
    roster::BotTexts texts = roster::TextsOf(document.roster().bots[5]);
    document.show(5, texts);
    texts.name = name;
    texts.fields[4] = "1.000000";
    document.edit(texts);
    return document.saveShownBot();
}

roster::SharedBot sharedBot(const std::string& name)
{
    return {name, {{"BotNames", "", name}, {"BotSkills", "", "2.000000"}}};
}

Outcome importBot(RosterDocument& document, roster::Placement placement, const std::string& name = "Sniper")
{
    const roster::Targets targets = roster::ChooseTargets(
        placement, 1, roster::ReadFirstFreeNumber(document.pathBytes()), {3});
    return document.importBots({sharedBot(name)}, targets);
}

Outcome removeBot2(RosterDocument& document)
{
    return document.apply(QStringLiteral("Remove Bramble"), [](const auto& entries, roster::TextEncoding) {
        return roster::RemoveBots(entries, {2});
    });
}

// A roster of the bot keys given, and another section after it.
QByteArray rosterOf(const QByteArray& keys)
{
    return "[CovertstrikeUT.CovBotInfo]\r\nDifficulty=3\r\n" + keys + "[Other]\r\nBotAccuracy[1]=kept\r\n";
}

const game::Finding* findingOf(const RosterDocument& document, const QString& key)
{
    for (const game::Finding& finding : document.check().findings) {
        if (QString::fromStdString(finding.key) == key)
            return &finding;
    }
    return nullptr;
}

Outcome restoreFirst(RosterDocument& document)
{
    const std::vector<roster::BackupSummary> backups = document.backups();
    return backups.empty() ? Outcome{} : document.restore(backups.front());
}

} // namespace

Q_DECLARE_METATYPE(Write)
Q_DECLARE_METATYPE(Result)

class DocumentTest : public QObject {
    Q_OBJECT

private slots:
    void commandsAreUndoneAndRedoneByteForByte_data();
    void commandsAreUndoneAndRedoneByteForByte();
    void failedWritesLeaveFileAndHistory_data();
    void failedWritesLeaveFileAndHistory();
    void undoKeepsWhatAnotherProgramChanged();
    void undoNeverWritesAVanishedFile();
    void onlyTheRunsFirstWriteBacksUp();
    void refusalIsReadInThePlayersLanguage();
    void eachFixWritesItsKeyAlone_data();
    void eachFixWritesItsKeyAlone();
    void fixAfterTheFileChangedWritesWhatStillNeedsIt();
    void followsTheInstall();
    void aRosterThatCannotBeReadIsNeverGone_data();
    void aRosterThatCannotBeReadIsNeverGone();
};

void DocumentTest::commandsAreUndoneAndRedoneByteForByte_data()
{
    QTest::addColumn<Write>("setup");
    QTest::addColumn<Write>("write");
    QTest::addColumn<QString>("undoText");
    const Write none = [](RosterDocument&) { return Outcome{}; };
    QTest::newRow("save a bot") << none << Write([](RosterDocument& d) { return saveBot5(d, "Ember"); })
                                << QStringLiteral("Save Ember");
    QTest::newRow("set values") << none << Write([](RosterDocument& d) {
        return d.setValues({0, 1, 2}, {{4, 10, 10}, {11, 1, 1}}, 7);
    }) << QStringLiteral("Set Values (3 bots)");
    QTest::newRow("import after the last bot, adding keys")
        << none << Write([](RosterDocument& d) { return importBot(d, roster::Placement::AfterLast); })
        << QStringLiteral("Import Bots (1 bots)");
    QTest::newRow("import in place of a bot, removing keys")
        << none << Write([](RosterDocument& d) { return importBot(d, roster::Placement::Replace); })
        << QStringLiteral("Import Bots (1 bots)");
    QTest::newRow("remove a bot") << none << Write(removeBot2) << QStringLiteral("Remove Bramble");
    QTest::newRow("add a bot after the last") << none << Write([](RosterDocument& d) {
        return d.addBots(QStringLiteral("Add Sniper"), {sharedBot("Sniper")});
    }) << QStringLiteral("Add Sniper");
    QTest::newRow("restore a backup") << Write([](RosterDocument& d) { return saveBot5(d, "Ember"); })
                                      << Write(restoreFirst) << QStringLiteral("Restore Backup");
}

void DocumentTest::commandsAreUndoneAndRedoneByteForByte()
{
    QFETCH(Write, setup);
    QFETCH(Write, write);
    QFETCH(QString, undoText);
    Fixture fixture;
    QVERIFY(setup(fixture.document).done());
    const QByteArray before = fixture.file();
    const int commands = fixture.document.history()->count();
    QVERIFY(write(fixture.document).done());
    const QByteArray after = fixture.file();
    QVERIFY(after != before);
    QCOMPARE(fixture.document.history()->count(), commands + 1);
    QCOMPARE(fixture.document.history()->undoText(), undoText);

    const Outcome undone = fixture.document.undo();
    QVERIFY(undone.done());
    QVERIFY(undone.keptAsChanged.isEmpty());
    QCOMPARE(fixture.file(), before);
    QVERIFY(fixture.document.redo().done());
    QCOMPARE(fixture.file(), after);
    // The document follows its own writes.
    QCOMPARE(fixture.document.roster().bots.size(), roster::RosterFile(fixture.document.pathBytes()).LoadRoster().bots.size());
}

void DocumentTest::failedWritesLeaveFileAndHistory_data()
{
    QTest::addColumn<Write>("write");
    QTest::addColumn<bool>("fileRemoved");
    QTest::addColumn<Result>("result");
    const auto save = [](const std::string& name) { return Write([name](RosterDocument& d) { return saveBot5(d, name); }); };
    const Write setValues = [](RosterDocument& d) { return d.setValues({0, 1}, {{4, 10, 10}}, 7); };
    const auto import = [](const std::string& name) {
        return Write([name](RosterDocument& d) { return importBot(d, roster::Placement::AfterLast, name); });
    };
    // The sample roster is Windows-1252: it holds "é", not "Ł".
    QTest::newRow("save, a name the file cannot hold") << save("\u0141ukasz") << false << Result::Refused;
    QTest::newRow("save, a blank name") << save("  ") << false << Result::Refused;
    QTest::newRow("save, file gone") << save("Ember") << true << Result::Gone;
    QTest::newRow("set values, file gone") << setValues << true << Result::Gone;
    QTest::newRow("set values, none of the bots listed any more")
        << Write([](RosterDocument& d) { return d.setValues({40, 41}, {{4, 10, 10}}, 7); }) << false << Result::Gone;
    QTest::newRow("import, a name the file cannot hold") << import("\u0141ukasz") << false << Result::Refused;
    QTest::newRow("import, file gone") << import("Sniper") << true << Result::Gone;
    QTest::newRow("move the first bot up") << Write([](RosterDocument& d) {
        return d.apply(QStringLiteral("Move"), [](const auto& entries, roster::TextEncoding) {
            return roster::MoveBot(entries, 0, roster::Direction::Up);
        });
    }) << false << Result::Refused;
    QTest::newRow("remove a bot, file gone") << Write(removeBot2) << true << Result::Gone;
    QTest::newRow("add, a name the file cannot hold") << Write([](RosterDocument& d) {
        return d.addBots(QStringLiteral("Add"), {sharedBot("\u0141ukasz")});
    }) << false << Result::Refused;
    QTest::newRow("appearance of a bot no longer named") << Write([](RosterDocument& d) {
        return d.setAppearance({3, 40}, {"Trooper.TrooperBot", {}, {}, {}, {}});
    }) << false << Result::Refused;
    QTest::newRow("fix, file gone") << Write([](RosterDocument& d) {
        return d.fix({{3, "Stroud", "BotAccuracy[3]", "9", game::FindingKind::OutOfRange, {}, {}, {{"BotAccuracy[3]", "1"}}}});
    }) << true << Result::Gone;
}

void DocumentTest::failedWritesLeaveFileAndHistory()
{
    QFETCH(Write, write);
    QFETCH(bool, fileRemoved);
    QFETCH(Result, result);
    Fixture fixture;
    if (fileRemoved)
        QVERIFY(QFile::remove(fixture.path));
    const Outcome outcome = write(fixture.document);
    QCOMPARE(outcome.result, result);
    QVERIFY(!document::Messages::failure(outcome, document::Write::Save, fixture.path).isEmpty());
    QCOMPARE(QFile::exists(fixture.path), !fileRemoved);
    if (!fileRemoved)
        QCOMPARE(fixture.file(), testing::sampleRoster());
    QCOMPARE(fixture.document.history()->count(), 0);
    QVERIFY(fixture.backups().isEmpty());
}

void DocumentTest::undoKeepsWhatAnotherProgramChanged()
{
    Fixture fixture;
    QVERIFY(fixture.document.setValues({4, 5}, {{4, 10, 10}, {7, 10, 10}}, 7).done());
    // The game changes the camping it set for Cinder, and a line elsewhere.
    QByteArray game = fixture.file();
    game.replace("Camping[5]=1.000000", "Camping[5]=0.700000").replace("RoundTimeLimit=8", "RoundTimeLimit=9");
    QVERIFY(testing::writeBytes(fixture.path, game));

    const Outcome undone = fixture.document.undo();
    QVERIFY(undone.done());
    QCOMPARE(undone.keptAsChanged, QStringList({QStringLiteral("Camping of Cinder")}));
    QCOMPARE(document::Messages::keptAsChanged(undone),
             QStringLiteral("Camping of Cinder was changed by another program since; it stays."));
    QByteArray expected = testing::sampleRoster();
    expected.replace("Camping[5]=0.200000", "Camping[5]=0.700000").replace("RoundTimeLimit=8", "RoundTimeLimit=9");
    QCOMPARE(fixture.file(), expected);
    QVERIFY(fixture.document.history()->canRedo());
}

void DocumentTest::undoNeverWritesAVanishedFile()
{
    Fixture fixture;
    QVERIFY(saveBot5(fixture.document, "Ember").done());
    QVERIFY(QFile::remove(fixture.path));
    const Outcome undone = fixture.document.undo();
    QCOMPARE(undone.result, Result::Gone);
    QVERIFY(!QFile::exists(fixture.path));
    QVERIFY(fixture.document.history()->canUndo()); // still there, should the file come back
    QVERIFY(!fixture.document.history()->canRedo());
}

void DocumentTest::onlyTheRunsFirstWriteBacksUp()
{
    Fixture fixture;
    QVERIFY(saveBot5(fixture.document, "Ember").done());
    QCOMPARE(fixture.backups().size(), 1);
    QCOMPARE(testing::readBytes(fixture.dir.filePath(fixture.backups().constFirst())), testing::sampleRoster());
    QVERIFY(fixture.document.setValues({0}, {{4, 0, 0}}, 7).done());
    QVERIFY(fixture.document.undo().done());
    QCOMPARE(fixture.backups().size(), 1);
    // Another roster opened: its first write backs it up again.
    fixture.document.open(fixture.path);
    QCOMPARE(fixture.document.history()->count(), 0);
}

void DocumentTest::refusalIsReadInThePlayersLanguage()
{
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(CBT_I18N_DIR "/covbot_de.qm")));
    QCoreApplication::installTranslator(&german);
    Fixture fixture;
    const QString said = document::Messages::failure(saveBot5(fixture.document, "\u0141ukasz"), document::Write::Save,
                                                     fixture.path);
    QCoreApplication::removeTranslator(&german);
    QVERIFY2(said.contains(QStringLiteral("BotNames[5]")) && !said.contains(QStringLiteral("cannot hold")),
             qPrintable(said));
}

void DocumentTest::eachFixWritesItsKeyAlone_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<QString>("key");      // of the finding fixed
    QTest::addColumn<QByteArray>("fixed"); // its line now; empty: gone
    const QByteArray ab = "BotNames[0]=Ash\r\nBotNames[1]=Birch\r\n";
    QTest::newRow("out of range, beside another") << ab + "BotAccuracy[1]=1.5\r\nCamping[1]=-3\r\n"
                                                  << "BotAccuracy[1]" << QByteArray("BotAccuracy[1]=1.000000");
    QTest::newRow("text in a number") << ab + "Camping[0]=lots\r\n" << "Camping[0]" << QByteArray("Camping[0]=0.000000");
    QTest::newRow("a name used twice, Windows-1252") << QByteArray("BotNames[0]=M\xF6th\r\nBotNames[1]=m\xF6th\r\n")
                                                     << "BotNames[1]" << QByteArray("BotNames[1]=m\xF6th 2");
    QTest::newRow("a name used twice, UTF-8") << QByteArray("BotNames[0]=M\xC3\xB6th\r\nBotNames[1]=m\xC3\xB6th\r\n")
                                              << "BotNames[1]" << QByteArray("BotNames[1]=m\xC3\xB6th 2");
    QTest::newRow("a blank name") << QByteArray("BotNames[0]=Ash\r\nBotNames[1]=\r\nBotNames[2]=Cedar\r\n")
                                  << "BotNames[1]" << QByteArray("BotNames[1]=Bot");
    QTest::newRow("a key left over") << ab + "BotSkills[3]=1\r\n" << "BotSkills[3]" << QByteArray();
    QTest::newRow("a face not of the skin")
        << ab + "BotSkins[0]=TrooperSkins.snow\r\nBotFaces[0]=TrooperSkins.Hawk\r\n" << "BotFaces[0]"
        << QByteArray("BotFaces[0]=TrooperSkins.Yeti");
}

void DocumentTest::eachFixWritesItsKeyAlone()
{
    QFETCH(QByteArray, keys);
    QFETCH(QString, key);
    QFETCH(QByteArray, fixed);
    Fixture fixture(rosterOf(keys), true);
    const QByteArray before = fixture.file();
    QVERIFY(fixture.document.check().looksChecked);
    const game::Finding* finding = findingOf(fixture.document, key);
    QVERIFY(finding && !finding->fix.empty());
    QVERIFY(fixture.document.fix({*finding}).done());
    QByteArray expected = before;
    const qsizetype at = expected.indexOf(key.toLatin1() + '=');
    const qsizetype end = expected.indexOf("\r\n", at);
    expected.replace(at, end - at + (fixed.isEmpty() ? 2 : 0), fixed);
    QCOMPARE(fixture.file(), expected);
    QCOMPARE(fixture.document.history()->undoText(), QStringLiteral("Fix ") + key);
    QVERIFY(!findingOf(fixture.document, key));
    QVERIFY(fixture.document.undo().done());
    QCOMPARE(fixture.file(), before);
}

void DocumentTest::fixAfterTheFileChangedWritesWhatStillNeedsIt()
{
    Fixture fixture(rosterOf("BotNames[0]=Ash\r\nBotAccuracy[0]=2\r\nCamping[0]=-1\r\n"));
    const std::vector<game::Finding> shown = fixture.document.check().findings;
    QCOMPARE(shown.size(), std::size_t{2});
    // The game sets the accuracy its own way and spoils the strafing.
    QByteArray game = fixture.file();
    game.replace("BotAccuracy[0]=2", "BotAccuracy[0]=0.5").replace("Camping[0]=-1", "Camping[0]=-1\r\nStrafingAbility[0]=9");
    QVERIFY(testing::writeBytes(fixture.path, game));
    QVERIFY(fixture.document.fix(shown).done());
    QCOMPARE(fixture.file(), QByteArray(game).replace("Camping[0]=-1", "Camping[0]=0.000000"));
    QCOMPARE(fixture.document.history()->undoText(), QStringLiteral("Fix (2 findings)"));
    // Nothing of them is left to fix: nothing is written.
    QVERIFY(fixture.document.fix(shown).done());
    QCOMPARE(fixture.document.history()->count(), 1);
}

void DocumentTest::followsTheInstall()
{
    Fixture fixture(rosterOf("BotNames[0]=Ash\r\nBotClasses[0]=Nowhere.NowhereBot\r\n"));
    QVERIFY(!fixture.document.install()->found());
    QVERIFY(!fixture.document.check().looksChecked);
    QSignalSpy installs(&fixture.document, &RosterDocument::installChanged);
    fixture.install();
    QVERIFY(fixture.settle());
    QCOMPARE(installs.count(), 1);
    QVERIFY(fixture.document.check().looksChecked);
    QCOMPARE(fixture.document.check().findings.at(0).kind, game::FindingKind::UnknownClass);
    // The roster's own writes leave the install as it was read.
    QVERIFY(fixture.document.setValues({0}, {{4, 10, 10}}, 7).done());
    QVERIFY(fixture.settle());
    QCOMPARE(installs.count(), 1);
}

void DocumentTest::aRosterThatCannotBeReadIsNeverGone_data()
{
    QTest::addColumn<int>("sharing"); // held open by another program sharing this, or a folder in its place (-1)
    QTest::addColumn<Result>("result");
    QTest::newRow("a folder in its place") << -1 << Result::Unwritable;
#ifdef Q_OS_WIN
    QTest::newRow("held open without sharing") << 0 << Result::InUse;
    QTest::newRow("held open, shared but for deleting") << int(FILE_SHARE_READ | FILE_SHARE_WRITE) << Result::InUse;
#endif
}

// Saving says what the note beside the bot's number says (in use when
// another program holds the file), never that the file is gone, and keeps
// the player's change; Set Values is refused alike.
void DocumentTest::aRosterThatCannotBeReadIsNeverGone()
{
    QFETCH(int, sharing);
    QFETCH(Result, result);
    Fixture fixture;
    roster::BotTexts texts = roster::TextsOf(fixture.document.roster().bots[5]);
    fixture.document.show(5, texts);
    texts.fields[4] = "1.000000";
    fixture.document.edit(texts);
    if (sharing < 0)
        QVERIFY(QFile::remove(fixture.path) && QDir().mkdir(fixture.path));
#ifdef Q_OS_WIN
    const std::wstring native = QDir::toNativeSeparators(fixture.path).toStdWString();
    HANDLE held = sharing < 0 ? INVALID_HANDLE_VALUE
        : ::CreateFileW(native.c_str(), GENERIC_READ | GENERIC_WRITE, DWORD(sharing), nullptr, OPEN_EXISTING, 0, nullptr);
    const auto release = qScopeGuard([held] { ::CloseHandle(held); });
#endif
    QCOMPARE(fixture.document.setValues({0}, {{4, 0, 0}}, 7).result, result);
    const Outcome outcome = fixture.document.saveShownBot();
    QCOMPARE(outcome.result, result);
    const QString said = document::Messages::failure(outcome, document::Write::Save, fixture.path, {}, 5);
    const QString note = document::Messages::whyNoBots(fixture.document.roster(), fixture.path).explanation;
    QVERIFY2(result == Result::InUse ? said.contains(QStringLiteral("in use")) : said.startsWith(note), qPrintable(said));
    QVERIFY(fixture.document.hasChanges());
}

QTEST_GUILESS_MAIN(DocumentTest)
#include "test_document.moc"
