// Sharing bots and restoring backups: the bot file, the import's numbering
// and its one transaction, the restore.

#include "profile/profile_file.h"
#include "roster/backups.h"
#include "roster/bot_file.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace roster;

namespace {

const QByteArray Head = "[Other]\r\nBotNames[0]=not ours\r\n[CovertstrikeUT.CovBotInfo]\r\nBotCount=3\r\n";

// The per-bot key lines of bot `n`, renumbered to 0, in the file's bytes.
QByteArrayList keysOf(const QString& path, int n)
{
    QByteArrayList keys;
    for (const profile::KeyValue& kv : profile::loadProfile(testing::toStd(path)).document.entries(BotRoster)) {
        const auto split = SplitBotKey(kv.key);
        if (split && split->number == n)
            keys << QByteArray::fromStdString(split->prefix + "[]" + split->rest + "=" + kv.value);
    }
    return keys;
}

Targets replacing(const std::vector<BotIndex>& numbers)
{
    return ChooseTargets(Placement::Replace, int(numbers.size()), 0, numbers);
}

const Targets AfterLastOne = ChooseTargets(Placement::AfterLast, 1, 0, {});

std::vector<SharedBot> botsOf(const QByteArray& text)
{
    const BotFileReading read = ReadBotFile(text.toStdString());
    return read.sections.empty() ? std::vector<SharedBot>{} : read.sections[0].bots;
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
    void foreignKeysTravelAsStored();
    void loadsOnlyRegularFiles_data();
    void loadsOnlyRegularFiles();
    void numbersTheImportedBots_data();
    void numbersTheImportedBots();
    void addsAfterEveryNumberedKey_data();
    void addsAfterEveryNumberedKey();
    void keepsTheKeysItDoesNotKnow_data();
    void keepsTheKeysItDoesNotKnow();
    void importIsTheKeyByKeyWritesInOneGo();
    void refusesWhatTheEncodingCannotHold();
    void namesTheExportedFile_data();
    void namesTheExportedFile();
    void restoreCanBeUndone();
    void onlyARosterIsRestored_data();
    void onlyARosterIsRestored();
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
    const BotFileReading read = LoadBotFile(testing::toStd(shared));
    QVERIFY2(read.error.empty(), read.error.c_str());
    QCOMPARE(read.sections.size(), std::size_t{1});
    QCOMPARE(read.sections[0].bots.size(), std::size_t{1});
    QCOMPARE(read.sections[0].bots[0].name, std::string("Sniper"));

    // Over itself: not a byte changes.
    QVERIFY(ImportBots(testing::toStd(path), read.sections[0].bots, replacing({1}), {}).ok);
    QCOMPARE(testing::readBytes(path), roster);
    // After the last bot: the same keys, renumbered.
    const int free = ReadFirstFreeNumber(testing::toStd(path));
    QVERIFY(ImportBots(testing::toStd(path), read.sections[0].bots, AfterLastOne, {}).ok);
    QCOMPARE(keysOf(path, free), keysOf(path, 1));
    QVERIFY(testing::readBytes(path).startsWith(roster.left(roster.indexOf("BotNames[0]=Alpha"))));
}

void BotFileTest::readingIsTolerantAndStrict_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("sections"); // "name: bots"
    QTest::addColumn<QString>("error");
    const QByteArray two = "[CovertstrikeBots]\r\nBotNames[0]=A\r\n\r\n  BotNames[1] = B \r\nCount=2\r\n";
    const QByteArray own = "[CovertstrikeBots]\nBotNames[0]=A\n";
    const QStringList one{QStringLiteral("CovertstrikeBots: 1")};
    QTest::newRow("CRLF, blanks") << two << QStringList{QStringLiteral("CovertstrikeBots: 2")} << QString();
    QTest::newRow("LF, BOM, comments") << QByteArray("\xEF\xBB\xBF; shared\n[covertstrikebots]\nBotNames[0]=A\n")
                                       << QStringList{QStringLiteral("covertstrikebots: 1")} << QString();
    QTest::newRow("UTF-16") << utf16(two) << QStringList{QStringLiteral("CovertstrikeBots: 2")} << QString();
    QTest::newRow("tab inside a value, longest value")
        << own + "BotFaces[0]=a\tb\nBotSkins[0]=" + QByteArray(int(MaxNameCharacters) - 1, 'x') + "\xC3\xA9\n" << one
        << QString();
    QTest::newRow("plain text") << QByteArray("Look at my sniper!") << QStringList() << QStringLiteral("not a bot file");
    QTest::newRow("not UTF-8") << QByteArray("[CovertstrikeBots]\nBotNames[0]=\xE9\n") << QStringList()
                               << QStringLiteral("not UTF-8");
    QTest::newRow("NUL") << QByteArray("[CovertstrikeBots]\nBotNames[0]=A\0B\n", 33) << QStringList()
                         << QStringLiteral("not UTF-8");
    QTest::newRow("too large") << QByteArray(int(MaxBotFileBytes) + 1, ' ') << QStringList()
                               << QStringLiteral("too large");
    QTest::newRow("no bots in the section") << QByteArray("[CovertstrikeBots]\nCount=2\n[Other]\nBotNames[0]=A\n")
                                            << QStringList() << QStringLiteral("section [CovertstrikeBots] holds no bots");
    QTest::newRow("second section") << own + "[Other]\n[CovertstrikeBots]\nBotNames[0]=B\n" << QStringList()
                                    << QStringLiteral("second [CovertstrikeBots] section, on line 4");
    QTest::newRow("bot without a name") << own + "BotSkills[1]=2\n" << QStringList()
                                        << QStringLiteral("Bot 1 of [CovertstrikeBots] has no name (BotNames[1])");
    QTest::newRow("name of blanks") << own + "BotNames[1]=\" \t \"\n" << QStringList()
                                    << QStringLiteral("Bot 1 of [CovertstrikeBots] has a name of blanks only");
    QTest::newRow("beyond the last number") << QByteArray("[CovertstrikeBots]\nBotNames[101]=A\n") << QStringList()
                                            << QStringLiteral("BotNames[101] on line 2 numbers a bot beyond");
    QTest::newRow("four digits") << own + "BotNames[1000]=A\n" << QStringList()
                                 << QStringLiteral("BotNames[1000] on line 3 numbers a bot beyond");
    QTest::newRow("leading zero") << own + "BotSkills[0100]=1\n" << QStringList()
                                  << QStringLiteral("BotSkills[0100] on line 3 numbers its bot with a leading zero, "
                                                    "which the game never reads: write BotSkills[100].");
    QTest::newRow("control in a key") << own + "Bot\x01Skills[0]=1\n" << QStringList()
                                      << QStringLiteral("Bot\u2401Skills[0] on line 3 holds a control character (U+0001)");
    QTest::newRow("control in a value") << own + "BotSkills[0]=1\x7F" "2\n" << QStringList()
                                        << QStringLiteral("BotSkills[0] on line 3 holds a control character (U+007F)");
    QTest::newRow("value too long") << own + "BotFaces[0]=" + QByteArray(int(MaxNameCharacters) + 1, 'x') + "\n"
                                    << QStringList() << QStringLiteral("longer than 4096 characters");
    QTest::newRow("key too long") << own + QByteArray(int(MaxNameCharacters), 'K') + "[0]=1\n" << QStringList()
                                  << QStringLiteral("Line 3 holds a key or a section name longer than 4096");

    // Rosters pasted as they stand in a user INI file.
    const QByteArray base = "[Botpack.ChallengeBotInfo]\r\nDifficulty=3\r\nBotNames[0]=Dante\r\nBotSkills[0]=1\r\n"
                            "FavoriteWeapon[0]=Botpack.ut_biorifle\r\nBotNames[1]=Ash\r\n";
    QTest::newRow("the base game's section") << base << QStringList{QStringLiteral("Botpack.ChallengeBotInfo: 2")}
                                             << QString();
    QTest::newRow("another mod's") << QByteArray("[MyMod.Bots]\nbotnames[3]=X\nAim[3]=5\n")
                                   << QStringList{QStringLiteral("MyMod.Bots: 1")} << QString();
    QTest::newRow("whole user INI") << QByteArray("[Engine.Engine]\nGameEngine=Engine.GameEngine\n")
            + "[UnrealShare.BotInfo]\nBotNames[0]=Old\n" + base + "[CovertstrikeUT.CovBotInfo]\nBotNames[0]=Ours\n"
                                    << QStringList{QStringLiteral("UnrealShare.BotInfo: 1"),
                                                   QStringLiteral("Botpack.ChallengeBotInfo: 2"),
                                                   QStringLiteral("CovertstrikeUT.CovBotInfo: 1")}
                                    << QString();
    QTest::newRow("bot file beside a roster") << base + own << one << QString();
    QTest::newRow("a text with none") << QByteArray("[Engine.Engine]\nBotNames=all\nNames[0]=A\n") << QStringList()
                                      << QStringLiteral("no [CovertstrikeBots] section, and no section with BotNames[n]");
}

void BotFileTest::readingIsTolerantAndStrict()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, sections);
    QFETCH(QString, error);
    const BotFileReading read = ReadBotFile(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    QStringList got;
    for (const BotSection& section : read.sections)
        got << QStringLiteral("%1: %2").arg(QString::fromStdString(section.name)).arg(section.bots.size());
    QCOMPARE(got, sections);
    QVERIFY2(QString::fromStdString(read.error).contains(error) && read.error.empty() == error.isEmpty(),
             read.error.c_str());
    QCOMPARE(FillPattern(read.pattern, read.arguments), read.error);
}

void BotFileTest::foreignKeysTravelAsStored()
{
    const BotFileReading read = ReadBotFile("[Botpack.ChallengeBotInfo]\r\nDifficulty=3\r\nBotNames[4]=\"Dante\"\r\n"
                                            "BotSkills[4]= 1.5 \r\nFavoriteWeapon[4]=Botpack.ut_biorifle\r\n"
                                            "BotSkills[4]=2\r\nLoadout[4].Slot=2\r\n");
    QCOMPARE(read.sections.size(), std::size_t{1});
    QCOMPARE(read.sections[0].line, std::size_t{1});
    const SharedBot& bot = read.sections[0].bots.at(0);
    QCOMPARE(bot.name, std::string("Dante"));
    QStringList keys;
    for (const BotKey& key : bot.keys)
        keys << QString::fromStdString(key.name(0) + "=" + key.value);
    QCOMPARE(keys, QStringList({QStringLiteral("BotNames[0]=\"Dante\""), QStringLiteral("BotSkills[0]=1.5"),
                                QStringLiteral("FavoriteWeapon[0]=Botpack.ut_biorifle"),
                                QStringLiteral("Loadout[0].Slot=2")}));
}

void BotFileTest::loadsOnlyRegularFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("error");
    QTest::newRow("a bot file") << QStringLiteral("sniper.covbots") << QString();
    QTest::newRow("missing") << QStringLiteral("gone.covbots") << QStringLiteral("The file was not found.");
    QTest::newRow("a folder") << QStringLiteral("folder") << QStringLiteral("not a regular file");
#ifdef Q_OS_UNIX
    QTest::newRow("a pipe") << QStringLiteral("pipe") << QStringLiteral("not a regular file");
#endif
}

void BotFileTest::loadsOnlyRegularFiles()
{
    QFETCH(QString, name);
    QFETCH(QString, error);
    QTemporaryDir dir;
    QVERIFY(testing::writeBytes(dir.filePath(QStringLiteral("sniper.covbots")), "[CovertstrikeBots]\nBotNames[0]=A\n"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
#ifdef Q_OS_UNIX
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0600), 0);
#endif
    const BotFileReading read = LoadBotFile(testing::toStd(dir.filePath(name)));
    QVERIFY2(QString::fromStdString(read.error).contains(error) && read.error.empty() == error.isEmpty(),
             read.error.c_str());
    QCOMPARE(read.sections.size(), std::size_t(error.isEmpty() ? 1 : 0));
}

void BotFileTest::numbersTheImportedBots_data()
{
    QTest::addColumn<bool>("replace");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("firstFree");
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
    QFETCH(int, firstFree);
    QFETCH(QList<int>, selected);
    QFETCH(QList<int>, numbers);
    QFETCH(int, fitting);
    const Targets targets = ChooseTargets(replace ? Placement::Replace : Placement::AfterLast, count, firstFree,
                                          std::vector<BotIndex>(selected.begin(), selected.end()));
    QCOMPARE(QList<int>(targets.numbers.begin(), targets.numbers.end()), numbers);
    QCOMPARE(targets.ok, !numbers.isEmpty());
    QCOMPARE(targets.fitting, fitting);
}

void BotFileTest::addsAfterEveryNumberedKey_data()
{
    QTest::addColumn<QByteArray>("bots"); // the roster section's key lines
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("first"); // the first number given, or -1: they do not fit
    QTest::addColumn<int>("fitting");
    QByteArray blank;
    for (int n = 0; n < 32; ++n)
        blank += "BotNames[" + QByteArray::number(n) + "]=" + (n == 20 ? "" : "Bot") + "\r\nBotSkills["
            + QByteArray::number(n) + "]=1\r\n";
    QTest::newRow("a blank name among them") << blank << 2 << 32 << 2;
    QTest::newRow("an empty roster") << QByteArray() << 1 << 0 << 1;
    QTest::newRow("a gap, then an unknown key") << QByteArray("BotNames[0]=A\r\nBotNames[1]=B\r\nslotUsed[10]=1\r\n")
                                                << 1 << 11 << 1;
    QTest::newRow("a key with more after its number") << QByteArray("BotNames[0]=A\r\nLoadout[40].Slot=2\r\n") << 3
                                                      << 41 << 3;
    QTest::newRow("no bot's keys") << QByteArray("BotNames[0]=A\r\nBotNames[07]=B\r\nNote[500]=C\r\nBotCount=9\r\n")
                                   << 2 << 1 << 2;
    QTest::newRow("some do not fit") << QByteArray("BotNames[0]=A\r\nBotFaces[99]=F\r\n") << 3 << -1 << 1;
    QTest::newRow("none fit") << QByteArray("BotNames[0]=A\r\nBotFaces[100]=F\r\n") << 1 << -1 << 0;
}

void BotFileTest::addsAfterEveryNumberedKey()
{
    QFETCH(QByteArray, bots);
    QFETCH(int, count);
    QFETCH(int, first);
    QFETCH(int, fitting);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
    const QByteArray roster = Head + bots + "[After]\r\nKey=1\r\n";
    QVERIFY(testing::writeBytes(path, roster));
    QByteArray shared = "[CovertstrikeBots]\n";
    for (int n = 0; n < count; ++n)
        shared += "BotNames[" + QByteArray::number(n) + "]=New" + QByteArray::number(n) + "\n";
    const std::vector<SharedBot> imported = botsOf(shared);

    const Targets targets = ChooseTargets(Placement::AfterLast, count, ReadFirstFreeNumber(testing::toStd(path)), {});
    QCOMPARE(targets.fitting, fitting);
    QCOMPARE(targets.ok, first >= 0);
    const SaveOutcome outcome = ImportBots(testing::toStd(path), imported, targets, {});
    QCOMPARE(outcome.ok, first >= 0);
    if (first < 0) { // refused whole, with the count that would fit
        QVERIFY2(outcome.refused && outcome.arguments.at(0) == std::to_string(fitting), outcome.error.c_str());
        QCOMPARE(testing::readBytes(path), roster);
        return;
    }
    for (int n = 0; n < count; ++n) {
        QCOMPARE(targets.numbers.at(std::size_t(n)), BotIndex(first + n));
        QCOMPARE(keysOf(path, first + n), QByteArrayList{"BotNames[]=New" + QByteArray::number(n)});
    }
    // Every line of the roster is still there, in its order, byte for byte.
    const QByteArrayList before = roster.split('\n');
    const QByteArrayList after = testing::readBytes(path).split('\n');
    qsizetype at = 0;
    for (const QByteArray& line : before) {
        while (at < after.size() && after[at] != line)
            ++at;
        QVERIFY2(at < after.size(), line.constData());
        ++at;
    }
    QCOMPARE(after.size(), before.size() + count);
}

void BotFileTest::keepsTheKeysItDoesNotKnow_data()
{
    QTest::addColumn<QByteArray>("bots"); // the roster section's key lines
    QTest::addColumn<QByteArray>("shared");
    QTest::addColumn<int>("target");      // -1: after the last bot
    QTest::addColumn<int>("number");      // the number whose keys are looked at
    QTest::addColumn<QByteArrayList>("keys");
    const QByteArray two = "BotNames[0]=Old\r\nBotFaces[0]=F\r\nFavoriteWeapon[0]=Gun\r\nBotSkills[0]=1\r\n"
                           "slotUsed[0]=1\r\nBotNames[1]=Next\r\nslotUsed[1]=1\r\nClan[0]=A\r\nClan[1]=B\r\n";
    const QByteArray newBot = "[CovertstrikeBots]\nBotNames[0]=New\nBotSkills[0]=3\n";
    QTest::newRow("replaced: the known go, the others stay")
        << two << newBot << 0 << 0
        << QByteArrayList{"BotNames[]=New", "FavoriteWeapon[]=Gun", "BotSkills[]=3", "slotUsed[]=1", "Clan[]=A"};
    QTest::newRow("replaced: the import's own value wins")
        << two << newBot + "slotUsed[0]=0\nFavoriteWeapon[0]=Knife\n" << 1 << 1
        << QByteArrayList{"BotNames[]=New", "slotUsed[]=0", "Clan[]=B", "BotSkills[]=3", "FavoriteWeapon[]=Knife"};
    QTest::newRow("added: what every bot carries alike") << two << newBot << -1 << 2
                                                         << QByteArrayList{"BotNames[]=New", "BotSkills[]=3",
                                                                           "slotUsed[]=1"};
    QTest::newRow("added: not what one bot lacks")
        << QByteArray("BotNames[0]=A\r\nslotUsed[0]=1\r\nBotNames[1]=B\r\n") << newBot << -1 << 2
        << QByteArrayList{"BotNames[]=New", "BotSkills[]=3"};
    QTest::newRow("added: only the listed bots count")
        << QByteArray("BotNames[0]=A\r\nTag[0]=Z\xE9\r\nBotNames[1]=\r\nBotSkills[1]=1\r\n") << newBot << -1 << 2
        << QByteArrayList{"BotNames[]=New", "BotSkills[]=3", "Tag[]=Z\xE9"};
}

void BotFileTest::keepsTheKeysItDoesNotKnow()
{
    QFETCH(QByteArray, bots);
    QFETCH(QByteArray, shared);
    QFETCH(int, target);
    QFETCH(int, number);
    QFETCH(QByteArrayList, keys);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
    QVERIFY(testing::writeBytes(path, Head + bots));
    const QByteArrayList others = keysOf(path, number == 0 ? 1 : 0);
    const Targets targets = target < 0 ? AfterLastOne : replacing({BotIndex(target)});
    const SaveOutcome outcome = ImportBots(testing::toStd(path), botsOf(shared), targets, {});
    QVERIFY2(outcome.ok, outcome.error.c_str());
    QCOMPARE(keysOf(path, number), keys);
    QCOMPARE(keysOf(path, number == 0 ? 1 : 0), others);
}

void BotFileTest::importIsTheKeyByKeyWritesInOneGo()
{
    QTemporaryDir dir;
    const QString one = dir.filePath(QStringLiteral("one.ini"));
    const QString each = dir.filePath(QStringLiteral("each.ini"));
    const QByteArray roster = testing::sampleRoster();
    QVERIFY(testing::writeBytes(one, roster) && testing::writeBytes(each, roster));
    const std::vector<SharedBot> bots
        = botsOf(QByteArray::fromStdString(WriteBotFile(ReadRosterBots(testing::toStd(one), {2, 0, 5}).bots, "T")));
    QCOMPARE(bots.size(), std::size_t{3});
    const Targets targets = ChooseTargets(Placement::AfterLast, 3, ReadFirstFreeNumber(testing::toStd(one)), {});

    QVERIFY(ImportBots(testing::toStd(one), bots, targets, "20261207-120000").ok);
    for (std::size_t n = 0; n < targets.numbers.size(); ++n) {
        for (const BotKey& key : bots[n].keys)
            QVERIFY(profile::writeProfileString(BotRoster, key.name(targets.numbers[n]), key.value,
                                                testing::toStd(each)));
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
    const std::vector<SharedBot> bots
        = botsOf("[CovertstrikeBots]\nBotNames[0]=Good\nBotNames[1]=\xC5\x81ucja\nBotFaces[1]=x\n");
    const SaveOutcome outcome = ImportBots(testing::toStd(path), bots, replacing({1, 2}), "20261207-120000");
    QVERIFY(!outcome.ok && outcome.refused);
    QCOMPARE(outcome.arguments, (std::vector<std::string>{"\xC5\x81ucja", "BotNames[2]", "\"\xC5\x81\" (U+0141)",
                                                          "Windows-1252"}));
    QVERIFY2(QString::fromStdString(outcome.error).contains(QStringLiteral("\"\u0141ucja\" cannot be imported: its BotNames[2]")),
             outcome.error.c_str());
    QCOMPARE(testing::readBytes(path), roster);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void BotFileTest::namesTheExportedFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    const auto row = [](const char* tag, const QString& name, const QString& file) {
        QTest::newRow(tag) << name << file + QStringLiteral(".covbots");
    };
    row("plain", QStringLiteral("Sniper"), QStringLiteral("Sniper"));
    row("separator", QStringLiteral("AC/DC"), QStringLiteral("AC_DC"));
    row("up and out", QStringLiteral("../../Evil"), QStringLiteral("_Evil"));
    row("backslashes", QStringLiteral("..\\..\\Windows\\win.ini"), QStringLiteral("_Windows_win.ini"));
    row("forbidden on Windows", QStringLiteral("a<b>c:d\"e|f?g*h"), QStringLiteral("a_b_c_d_e_f_g_h"));
    row("controls and direction marks", QStringLiteral("Tab\tNew\nline\u202Egnp"), QStringLiteral("Tab_New_line_gnp"));
    row("ends with dots and blanks", QStringLiteral(" .Dr. No. . "), QStringLiteral("Dr. No"));
    row("only dots", QStringLiteral(".."), QStringLiteral("bot"));
    row("empty", QString(), QStringLiteral("bot"));
    row("device", QStringLiteral("con"), QStringLiteral("con_"));
    row("device with a dot", QStringLiteral("NUL.txt"), QStringLiteral("NUL_.txt"));
    row("device, numbered", QStringLiteral("COM1"), QStringLiteral("COM1_"));
    row("device, superscript", QStringLiteral("LPT\u00B2"), QStringLiteral("LPT\u00B2_"));
    row("not a device", QStringLiteral("Console"), QStringLiteral("Console"));
    row("not Latin", QStringLiteral("\u0141ucja \u72D9\u6483\u624B"), QStringLiteral("\u0141ucja \u72D9\u6483\u624B"));
    row("long", QString(70, u'\u00E9'), QString(64, u'\u00E9'));
    row("cut before a blank", QString(63, u'x') + QStringLiteral(" tail"), QString(63, u'x'));
}

void BotFileTest::namesTheExportedFile()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QCOMPARE(QString::fromStdString(ExportFileName(name.toStdString())), file);
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

void BotFileTest::onlyARosterIsRestored_data()
{
    QTest::addColumn<QByteArray>("copy"); // "folder": a folder of the copy's name
    QTest::addColumn<QString>("bots");    // as summarised: "bots/differing", "not a roster" or "unreadable"
    const QByteArray two = Head + "BotNames[0]=A\r\nBotNames[1]=B\r\n";
    QTest::newRow("the roster as it is") << two << "2/0";
    QTest::newRow("a bot renamed, one added") << QByteArray(Head + "BotNames[0]=A\r\nBotNames[1]=C\r\nBotNames[2]=D\r\n")
                                              << "3/2";
    QTest::newRow("random bytes") << QByteArray("\x7f" "ELF\x02\x01\0\0[x]\0\xff\xfe", 14) << "not a roster";
    QTest::newRow("no bot section") << QByteArray("[Engine.GameInfo]\r\nbBots=True\r\n") << "not a roster";
    QTest::newRow("the section, no bots") << QByteArray(Head + "BotNames[0]=\r\n") << "not a roster";
    QTest::newRow("empty") << QByteArray() << "not a roster";
    QTest::newRow("a folder") << QByteArray("folder") << "unreadable";
}

void BotFileTest::onlyARosterIsRestored()
{
    QFETCH(QByteArray, copy);
    QFETCH(QString, bots);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
    const QByteArray current = Head + "BotNames[0]=A\r\nBotNames[1]=B\r\n";
    QVERIFY(testing::writeBytes(path, current));
    const QString backup = path + QStringLiteral(".20261207-100000.bak");
    QVERIFY(copy == "folder" ? QDir().mkdir(backup) : testing::writeBytes(backup, copy));

    const std::string file = testing::toStd(path);
    const std::vector<BackupSummary> backups = SummariseBackups(file, RosterFile(file).LoadRoster());
    QCOMPARE(backups.size(), std::size_t{1});
    const BackupSummary& summary = backups[0];
    QCOMPARE(summary.isRoster() ? QStringLiteral("%1/%2").arg(summary.bots).arg(summary.differing)
                 : summary.readable ? QStringLiteral("not a roster")
                                    : QStringLiteral("unreadable"),
             bots);
    const SaveOutcome restored = RestoreBackup(file, summary.path, "20261207-110000");
    QCOMPARE(restored.ok, summary.isRoster());
    QCOMPARE(testing::readBytes(path), summary.isRoster() ? copy : current);
    // A refused copy leaves no backup of the file behind either.
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*.bak")}, QDir::AllEntries).size(),
             summary.isRoster() ? 2 : 1);
}

QTEST_GUILESS_MAIN(BotFileTest)
#include "test_bot_file.moc"
