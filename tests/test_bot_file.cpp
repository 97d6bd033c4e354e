// Sharing bots and restoring backups: the bot file, the import's numbering
// and its one transaction, the restore.

#include "profile/profile_file.h"
#include "roster/backups.h"
#include "roster/bot_file.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace roster;

namespace {

const QByteArray Head = "[Other]\r\nBotNames[0]=not ours\r\n[CovertstrikeUT.CovBotInfo]\r\nBotCount=3\r\n";

// The per-bot key lines of bot `n`, renumbered to 0, in the file's bytes.
QStringList keysOf(const QString& path, int n)
{
    QStringList keys;
    for (const profile::KeyValue& kv : profile::loadProfile(testing::toStd(path)).document.entries(BotRoster)) {
        const auto split = SplitBotKey(kv.key);
        if (split && split->number == n)
            keys << QString::fromStdString(split->prefix + "[]" + split->rest + "=" + kv.value);
    }
    return keys;
}

QByteArray utf16(const QByteArray& utf8)
{
    const std::u16string units = QString::fromUtf8(utf8).toStdU16String();
    QByteArray out("\xFF\xFE", 2);
    for (char16_t u : units)
        out.append(static_cast<char>(u & 0xFF)).append(static_cast<char>(u >> 8));
    return out;
}

} // namespace

class BotFileTest : public QObject {
    Q_OBJECT

private slots:
    void exportThenImportReproducesTheKeys_data();
    void exportThenImportReproducesTheKeys();
    void readingIsTolerantAndStrict_data();
    void readingIsTolerantAndStrict();
    void numbersTheImportedBots_data();
    void numbersTheImportedBots();
    void replacingRemovesTheKeysTheBotLacks();
    void importIsTheKeyByKeyWritesInOneGo();
    void refusesWhatTheEncodingCannotHold();
    void restoreCanBeUndone();
};

void BotFileTest::exportThenImportReproducesTheKeys_data()
{
    QTest::addColumn<QByteArray>("roster");
    const QByteArray bots = "BotNames[0]=Alpha\r\nBotNames[1]=Sniper\r\nBotSkills[0]=1.000000\r\n";
    QTest::newRow("absent keys") << Head + bots + "BotSkills[1]=2.500000\r\n";
    QTest::newRow("empty values") << Head + bots + "BotSkills[1]=\r\nCamping[1]=\r\nVoiceType[1]=\r\n";
    QTest::newRow("face, class, skin, quotes") << Head + bots
            + "BotFaces[1]=Cov.Face3\r\nBotClasses[1]=\"CovPawns.Sniper\"\r\nBotSkins[1]=Cov.Skin ; dark\r\n";
    QTest::newRow("keys the editor does not know") << Head + bots
            + "FavoriteWeapon[1]=Cov.Rifle\r\nslotUsed[1]=True\r\nLoadout[1].Slot=2\r\nNote[10]=other bot\r\n";
    QTest::newRow("grouped by prefix") << Head + "BotNames[0]=A\nBotNames[1]=Sniper\nBotNames[2]=C\n"
            "BotSkills[0]=1\nBotSkills[1]=2\nBotSkills[2]=3\nBotTeams[0]=0\nBotTeams[1]=1\nBotTeams[2]=0\n";
    QTest::newRow("Windows-1252") << Head + bots + "BotFaces[1]=Z\xE9ro\xA0\x80\r\n";
    QTest::newRow("UTF-8") << Head + bots + "BotFaces[1]=Z\xC3\xA9ro \xC5\x81\r\n";
    QTest::newRow("UTF-16") << utf16(Head + bots + "BotFaces[1]=\xC5\x81ucja\r\nBotSkills[1]=1\r\n");
}

void BotFileTest::exportThenImportReproducesTheKeys()
{
    QFETCH(QByteArray, roster);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
    QVERIFY(testing::writeBytes(path, roster));

    const CollectedBots collected = ReadRosterBots(testing::toStd(path), {1});
    QVERIFY(collected.error.empty());
    const QString shared = dir.filePath(QStringLiteral("sniper.covbots"));
    QVERIFY(SaveBotFile(testing::toStd(shared), WriteBotFile(collected.bots, "Test 1.0")).ok);
    const BotFileReading read = ReadBotFile(testing::readBytes(shared).toStdString());
    QVERIFY2(read.error.empty(), read.error.c_str());
    QCOMPARE(read.bots.size(), std::size_t{1});
    QCOMPARE(read.bots[0].name, std::string("Sniper"));

    // Over itself: not a byte changes.
    QVERIFY(ImportBots(testing::toStd(path), read.bots, {1}, {}).ok);
    QCOMPARE(testing::readBytes(path), roster);
    // After the last bot: the same keys, renumbered.
    const int listed = static_cast<int>(RosterFile(testing::toStd(path)).LoadRoster().bots.size());
    QVERIFY(ImportBots(testing::toStd(path), read.bots, {static_cast<BotIndex>(listed)}, {}).ok);
    QCOMPARE(keysOf(path, listed), keysOf(path, 1));
    QVERIFY(testing::readBytes(path).startsWith(roster.left(roster.indexOf("BotNames[0]=Alpha"))));
}

void BotFileTest::readingIsTolerantAndStrict_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("bots");
    QTest::addColumn<QString>("error");
    const QByteArray two = "[CovertstrikeBots]\r\nBotNames[0]=A\r\n\r\n  BotNames[1] = B \r\nCount=2\r\n";
    QTest::newRow("CRLF, blanks") << two << 2 << QString();
    QTest::newRow("LF, BOM, comments") << QByteArray("\xEF\xBB\xBF; shared\n[covertstrikebots]\nBotNames[0]=A\n") << 1
                                       << QString();
    QTest::newRow("UTF-16") << utf16(two) << 2 << QString();
    QTest::newRow("plain text") << QByteArray("Look at my sniper!") << 0 << QStringLiteral("not a bot file");
    QTest::newRow("roster, not bots") << Head + "BotNames[0]=A\r\n" << 0 << QStringLiteral("not a bot file");
    QTest::newRow("not UTF-8") << QByteArray("[CovertstrikeBots]\nBotNames[0]=\xE9\n") << 0
                               << QStringLiteral("not UTF-8");
    QTest::newRow("NUL") << QByteArray("[CovertstrikeBots]\nBotNames[0]=A\0B\n", 33) << 0 << QStringLiteral("not UTF-8");
    QTest::newRow("bot without a name") << QByteArray("[CovertstrikeBots]\nBotNames[0]=A\nBotSkills[1]=2\n") << 0
                                        << QStringLiteral("Bot 1 of the bot file has no name");
    QTest::newRow("beyond the last number") << QByteArray("[CovertstrikeBots]\nBotNames[101]=A\n") << 0
                                            << QStringLiteral("beyond the roster's last number");
    QTest::newRow("too large") << QByteArray(int(MaxBotFileBytes) + 1, ' ') << 0 << QStringLiteral("too large");
}

void BotFileTest::readingIsTolerantAndStrict()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, bots);
    QFETCH(QString, error);
    const BotFileReading read = ReadBotFile(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    QCOMPARE(int(read.bots.size()), bots);
    QVERIFY2(QString::fromStdString(read.error).contains(error) && read.error.empty() == error.isEmpty(),
             read.error.c_str());
}

void BotFileTest::numbersTheImportedBots_data()
{
    QTest::addColumn<bool>("replace");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("listed");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("fitting");
    QTest::newRow("after the last") << false << 3 << 16 << QList<int>{} << QList<int>{16, 17, 18} << 3;
    QTest::newRow("empty roster") << false << 1 << 0 << QList<int>{} << QList<int>{0} << 1;
    QTest::newRow("up to 100") << false << 2 << 99 << QList<int>{} << QList<int>{99, 100} << 2;
    QTest::newRow("some do not fit") << false << 3 << 99 << QList<int>{} << QList<int>{} << 2;
    QTest::newRow("full roster") << false << 1 << 101 << QList<int>{} << QList<int>{} << 0;
    QTest::newRow("replace in order") << true << 2 << 16 << QList<int>{7, 3} << QList<int>{7, 3} << 0;
    QTest::newRow("replace, too few selected") << true << 2 << 16 << QList<int>{7} << QList<int>{} << 0;
}

void BotFileTest::numbersTheImportedBots()
{
    QFETCH(bool, replace);
    QFETCH(int, count);
    QFETCH(int, listed);
    QFETCH(QList<int>, selected);
    QFETCH(QList<int>, numbers);
    QFETCH(int, fitting);
    const Targets targets = ChooseTargets(replace ? Placement::Replace : Placement::AfterLast, count, listed,
                                          std::vector<BotIndex>(selected.begin(), selected.end()));
    QCOMPARE(QList<int>(targets.numbers.begin(), targets.numbers.end()), numbers);
    QCOMPARE(targets.ok, !numbers.isEmpty());
    QCOMPARE(targets.fitting, fitting);
}

void BotFileTest::replacingRemovesTheKeysTheBotLacks()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
    QVERIFY(testing::writeBytes(path, Head + "BotNames[0]=Old\r\nBotFaces[0]=F\r\nFavoriteWeapon[0]=Gun\r\n"
                                             "BotSkills[0]=1\r\nBotNames[1]=Next\r\nFavoriteWeapon[1]=Knife\r\n"));
    const BotFileReading read = ReadBotFile("[CovertstrikeBots]\nBotNames[0]=New\nBotSkills[0]=3\n");
    QVERIFY(ImportBots(testing::toStd(path), read.bots, {0}, {}).ok);
    QCOMPARE(testing::readBytes(path), Head + "BotNames[0]=New\r\nBotSkills[0]=3\r\nBotNames[1]=Next\r\n"
                                              "FavoriteWeapon[1]=Knife\r\n");
}

void BotFileTest::importIsTheKeyByKeyWritesInOneGo()
{
    QTemporaryDir dir;
    const QString one = dir.filePath(QStringLiteral("one.ini"));
    const QString each = dir.filePath(QStringLiteral("each.ini"));
    const QByteArray roster = testing::sampleRoster();
    QVERIFY(testing::writeBytes(one, roster) && testing::writeBytes(each, roster));
    const BotFileReading read = ReadBotFile(WriteBotFile(ReadRosterBots(testing::toStd(one), {2, 0, 5}).bots, "T"));
    QCOMPARE(read.bots.size(), std::size_t{3});
    const int listed = static_cast<int>(RosterFile(testing::toStd(one)).LoadRoster().bots.size());
    const std::vector<BotIndex> targets{BotIndex(listed), BotIndex(listed + 1), BotIndex(listed + 2)};

    QVERIFY(ImportBots(testing::toStd(one), read.bots, targets, "20261207-120000").ok);
    for (std::size_t n = 0; n < targets.size(); ++n) {
        for (const BotKey& key : read.bots[n].keys)
            QVERIFY(profile::writeProfileString(BotRoster, key.name(targets[n]), key.value, testing::toStd(each)));
    }
    QCOMPARE(testing::readBytes(one), testing::readBytes(each));
    QCOMPARE(testing::readBytes(one + QStringLiteral(".20261207-120000.bak")), roster);
}

void BotFileTest::refusesWhatTheEncodingCannotHold()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
    const QByteArray roster = Head + "BotNames[0]=Z\xE9ro\r\n";
    QVERIFY(testing::writeBytes(path, roster));
    const BotFileReading read
        = ReadBotFile("[CovertstrikeBots]\nBotNames[0]=Good\nBotNames[1]=\xC5\x81ucja\nBotFaces[1]=x\n");
    const SaveOutcome outcome = ImportBots(testing::toStd(path), read.bots, {1, 2}, "20261207-120000");
    QVERIFY(!outcome.ok && outcome.refused);
    QVERIFY2(QString::fromStdString(outcome.error).contains(QStringLiteral("\"\u0141ucja\" cannot be imported: its BotNames[2]")),
             outcome.error.c_str());
    QCOMPARE(testing::readBytes(path), roster);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void BotFileTest::restoreCanBeUndone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
    const QByteArray before = Head + "BotNames[0]=A\r\nBotNames[1]=B\r\n";
    const QByteArray after = Head + "BotNames[0]=A\r\nBotNames[1]=Changed\r\nBotNames[2]=New\r\n";
    QVERIFY(testing::writeBytes(path, before));
    QVERIFY(profile::backUpProfile(testing::toStd(path), "20261207-100000", KeptBackups).result);
    QVERIFY(testing::writeBytes(path, after));

    const std::string file = testing::toStd(path);
    std::vector<BackupSummary> backups = SummariseBackups(file, RosterFile(file).LoadRoster());
    QCOMPARE(backups.size(), std::size_t{1});
    QCOMPARE(backups[0].bots, 2);
    QCOMPARE(backups[0].differing, 2);
    QCOMPARE(backups[0].size, std::uint64_t(before.size()));

    QVERIFY(RestoreBackup(file, backups[0].path, "20261207-110000").ok);
    QCOMPARE(testing::readBytes(path), before);
    backups = SummariseBackups(file, RosterFile(file).LoadRoster());
    QCOMPARE(backups.size(), std::size_t{2});
    QCOMPARE(backups[0].stamp, std::string("20261207-110000"));
    QCOMPARE(backups[1].differing, 0);

    QVERIFY(RestoreBackup(file, backups[0].path, "20261207-120000").ok);
    QCOMPARE(testing::readBytes(path), after);
}

QTEST_GUILESS_MAIN(BotFileTest)
#include "test_bot_file.moc"
