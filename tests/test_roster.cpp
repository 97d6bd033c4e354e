// The roster: key names, listing, loading and saving one bot, the text
// codec, and the slider arithmetic.

#include "profile/profile_file.h"
#include "roster/roster.h"
#include "roster/roster_table.h"
#include "roster/scale.h"
#include "roster/set_values.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>
#include <numeric>

using namespace roster;

namespace {

const QByteArray Header = "[CovertstrikeUT.CovBotInfo]\r\n";

// A roster file in a fresh folder, and the keys each operation touches.
struct RosterOnDisk {
    explicit RosterOnDisk(const QByteArray& content, const QString& name = QStringLiteral("CovertstrikeUser.ini"))
        : path(dir.filePath(name)), file(testing::toStd(path))
    {
        testing::writeBytes(path, content);
        file.setObserver([this](Access access, std::string_view key) {
            (access == Access::Read ? reads : writes).append(QString::fromUtf8(key.data(), qsizetype(key.size())));
        });
    }
    QByteArray bytes() const { return testing::readBytes(path); }

    QTemporaryDir dir;
    QString path;
    RosterFile file;
    QStringList reads;
    QStringList writes;
};

QByteArray names(int from, int to, int skip = -1)
{
    QByteArray out = Header;
    for (int i = from; i <= to; ++i) {
        if (i != skip)
            out += "BotNames[" + QByteArray::number(i) + "]=Bot" + QByteArray::number(i) + "\r\n";
    }
    return out;
}

const RosterField& field(int box) { return RosterFields[static_cast<std::size_t>(box)]; }

BotEdit editAll(const std::string& name)
{
    BotEdit edit;
    edit.name = name;
    edit.values = {"COV_Voices.COVv_VoiceP2", "face", "1", "2.000000", "-0.900000", "1.000000",
                   "1.000000", "0.800000", "1.000000", "class", "skin", "1"};
    edit.changed.fill(true);
    return edit;
}

} // namespace

class RosterTest : public QObject {
    Q_OBJECT

private slots:
    void formsKeysAndChecksTheFileName();
    void listingStops_data();
    void listingStops();
    void listingStopsAtThePath();
    void namesReadAndSaveWhole_data();
    void namesReadAndSaveWhole();
    void loadReadsTwelveKeysInBoxOrder();
    void loadTellsAbsentFromEmpty();
    void saveWritesOnlyChangedKeysInOrder();
    void saveRefusesWhatTheFileCannotHold_data();
    void saveRefusesWhatTheFileCannotHold();
    void saveReportsTheFailedKey();
    void manyBotsSaveAsOneAfterAnother_data();
    void manyBotsSaveAsOneAfterAnother();
    void randomValuesStayOnTheStepsBetweenTheBounds_data();
    void randomValuesStayOnTheStepsBetweenTheBounds();
    void cellsSayWhatTheScalesSay_data();
    void cellsSayWhatTheScalesSay();
    void averagesSkipWhatIsNotThere();
    void oneValueReadsAndWritesLikeTheBuffer();
    void windows1252RoundTripsEveryByte();
    void utf8FilesStayUtf8();

    void valueOfText_data();
    void valueOfText();
    void roundsHalfToEven_data();
    void roundsHalfToEven();
    void sixDecimalForm_data();
    void sixDecimalForm();
    void everyPositionReadsBackAsItself();
    void positionsFromBoxTexts_data();
    void positionsFromBoxTexts();
    void hugeValuesClampWithoutOverflow();
};

void RosterTest::formsKeysAndChecksTheFileName()
{
    QCOMPARE(FormKey("BotSkills[", 12), std::string("BotSkills[12]"));
    QCOMPARE(FormKey(NamePrefix, 0), std::string("BotNames[0]"));
    QCOMPARE(FormKey("BotNames[", 10), std::string("BotNames[10]"));
    QCOMPARE(FormKey("BotNames[", -3), std::string("BotNames[-3]"));

    QVERIFY(IsRosterFileName("/games/UT/System/CovertstrikeUser.ini"));
    QVERIFY(IsRosterFileName("C:\\UT\\System\\covertstrikeuser.INI"));
    QVERIFY(IsRosterFileName("MyCovertstrikeUser.ini"));
    QVERIFY(IsRosterFileName("CovertstrikeUser.ini"));
    QVERIFY(!IsRosterFileName("/x/CovertstrikeUser.ini.bak"));
    QVERIFY(!IsRosterFileName("/x/CovertstrikeUser.cfg"));
    QVERIFY(!IsRosterFileName("overtstrikeUser.ini"));
    QVERIFY(!IsRosterFileName(""));
}

void RosterTest::listingStops_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("beep");
    QTest::newRow("151 names: 101 listed") << names(0, 150) << 101 << false;
    QTest::newRow("gap at 5") << names(0, 6, 5) << 5 << false;
    QTest::newRow("empty name 3") << QByteArray(Header + "BotNames[0]=Bot0\r\nBotNames[1]=Bot1\r\nBotNames[2]=Bot2\r\n"
                                                        "BotNames[3]=\r\nBotNames[4]=e\r\n")
                                  << 3 << true;
    QTest::newRow("blank name counts as empty") << QByteArray(Header + "BotNames[0]=   \r\n") << 0 << true;
    QTest::newRow("padded key is not the key") << QByteArray(Header + "BotNames[00]=x\r\n") << 0 << false;
    QTest::newRow("no section") << QByteArray("[Other]\r\nBotNames[0]=x\r\n") << 0 << false;
    QTest::newRow("empty file") << QByteArray() << 0 << false;
}

void RosterTest::listingStops()
{
    QFETCH(QByteArray, content);
    QFETCH(int, count);
    QFETCH(bool, beep);
    RosterOnDisk roster(content);
    const BotNameList list = roster.file.ListBotNames();
    QCOMPARE(int(list.names.size()), count);
    QCOMPARE(list.endedOnEmptyName, beep);
    QVERIFY(list.error.empty());
    for (int i = 0; i < count; ++i)
        QCOMPARE(QString::fromStdString(list.names[std::size_t(i)]), QStringLiteral("Bot%1").arg(i));
    QVERIFY(roster.reads.size() <= MaxListedBots);
}

void RosterTest::listingStopsAtThePath()
{
    // A name that begins with the file's own path reads like an absent key.
    RosterOnDisk prefixed{QByteArray()};
    testing::writeBytes(prefixed.path, Header + "BotNames[0]=Zed\r\nBotNames[1]=" + prefixed.path.toUtf8() + "x\r\n");
    QCOMPARE(prefixed.file.ListBotNames().names.size(), std::size_t(1));

    // A long path still ends the listing at an absent name.
    RosterOnDisk deep(names(0, 2), QStringLiteral("a-folder-name-long-enough-to-pass-the-buffer-CovertstrikeUser.ini"));
    QCOMPARE(deep.file.ListBotNames().names.size(), std::size_t(3));

    RosterOnDisk missing{QByteArray()};
    QFile::remove(missing.path);
    const BotNameList none = missing.file.ListBotNames();
    QVERIFY(none.names.empty());
    QVERIFY(none.error.empty());
}

void RosterTest::namesReadAndSaveWhole_data()
{
    QTest::addColumn<QByteArray>("stored"); // BotNames[0]'s value in the file
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("renamed"); // saved as the new name; "" keeps the name
    const QString longName(60, QLatin1Char('n'));
    QTest::newRow("60 characters") << longName.toLatin1() << longName << QString();
    QTest::newRow("renamed to 300") << QByteArray("Ann") << QStringLiteral("Ann") << QString(300, QLatin1Char('m'));
    // Blanks inside the quotes stay in the value and go from the name.
    QTest::newRow("blanks inside quotes") << QByteArray("\"  Bob \"") << QStringLiteral("Bob") << QString();
}

void RosterTest::namesReadAndSaveWhole()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, listed);
    QFETCH(QString, renamed);
    RosterOnDisk roster(Header + "BotNames[0]=" + stored + "\r\nVoiceType[0]=\"" + QByteArray(60, 'v') + "\"\r\n");
    QCOMPARE(QString::fromStdString(roster.file.ListBotNames().names.at(0)), listed);
    QCOMPARE(roster.file.LoadBot(0).fields[0].text, std::string(60, 'v'));

    BotEdit edit = editAll(renamed.toStdString());
    edit.nameChanged = !renamed.isEmpty();
    edit.changed.fill(false);
    edit.changed[4] = true;
    QVERIFY(roster.file.SaveBot(0, edit).ok);
    QVERIFY(roster.bytes().startsWith(Header + "BotNames[0]=" + (renamed.isEmpty() ? stored : renamed.toLatin1()) + "\r\n"));
    QCOMPARE(QString::fromStdString(roster.file.ListBotNames().names.at(0)), renamed.isEmpty() ? listed : renamed);
}

void RosterTest::loadReadsTwelveKeysInBoxOrder()
{
    RosterOnDisk roster(testing::sampleRoster());
    const LoadedBot bot = roster.file.LoadBot(3);
    QCOMPARE(roster.reads,
             QStringList({QStringLiteral("VoiceType[3]"), QStringLiteral("BotFaces[3]"), QStringLiteral("BotTeams[3]"),
                          QStringLiteral("BotSkills[3]"), QStringLiteral("BotAccuracy[3]"),
                          QStringLiteral("CombatStyle[3]"), QStringLiteral("Alertness[3]"), QStringLiteral("Camping[3]"),
                          QStringLiteral("StrafingAbility[3]"), QStringLiteral("BotClasses[3]"),
                          QStringLiteral("BotSkins[3]"), QStringLiteral("BotJumpy[3]")}));
    QCOMPARE(bot.fields[0].text, std::string("COV_Voices.COVv_VoiceP1"));
    QCOMPARE(bot.fields[1].text, std::string("COV_Faces.Face03"));
    QCOMPARE(bot.fields[3].text, std::string("-2.000000"));
    QCOMPARE(bot.fields[9].text, std::string("COV_Bots.CovSoldierMale"));
}

void RosterTest::loadTellsAbsentFromEmpty()
{
    RosterOnDisk roster(Header + "BotNames[0]=A\r\nBotFaces[0]=\r\nBotSkills[0]=  1.5  \r\n");
    const LoadedBot bot = roster.file.LoadBot(0);
    QCOMPARE(bot.fields[1].state, FieldState::Empty);
    QCOMPARE(bot.fields[3].state, FieldState::Present);
    QCOMPARE(bot.fields[3].text, std::string("1.5"));
    for (int box : {0, 2, 4, 5, 6, 7, 8, 9, 10, 11}) {
        QCOMPARE(bot.fields[std::size_t(box)].state, FieldState::Absent);
        QVERIFY(bot.fields[std::size_t(box)].text.empty()); // never the file's path
    }
}

void RosterTest::saveWritesOnlyChangedKeysInOrder()
{
    const QByteArray original = testing::sampleRoster();
    RosterOnDisk roster(original);
    BotEdit edit = editAll("Renamed");
    const SaveOutcome outcome = roster.file.SaveBot(4, edit);
    QVERIFY2(outcome.ok, outcome.error.c_str());
    QCOMPARE(roster.writes,
             QStringList({QStringLiteral("BotNames[4]"), QStringLiteral("VoiceType[4]"), QStringLiteral("BotSkills[4]"),
                          QStringLiteral("BotAccuracy[4]"), QStringLiteral("BotTeams[4]"),
                          QStringLiteral("StrafingAbility[4]"), QStringLiteral("Alertness[4]"),
                          QStringLiteral("CombatStyle[4]"), QStringLiteral("Camping[4]"), QStringLiteral("BotJumpy[4]")}));
    const QByteArray after = roster.bytes();
    for (const char* kept : {"BotFaces[4]=COV_Faces.Face04", "BotClasses[4]=COV_Bots.CovSoldierFemale",
                             "BotSkins[4]=COV_Skins.Desert1"})
        QVERIFY2(after.contains(QByteArray(kept) + "\r\n"), kept);
    QVERIFY(after.contains("BotNames[4]=Renamed\r\n"));

    // Untouched fields and an unchanged name are not written at all.
    roster.writes.clear();
    edit.nameChanged = false;
    edit.changed.fill(false);
    edit.changed[4] = true;
    QVERIFY(roster.file.SaveBot(4, edit).ok);
    QCOMPARE(roster.writes, QStringList({QStringLiteral("BotAccuracy[4]")}));

    // New keys are added in the save's order after the section's last key.
    RosterOnDisk fresh(Header + "BotNames[0]=A\r\n\r\n[Next]\r\n");
    QVERIFY(fresh.file.SaveBot(0, editAll("A")).ok);
    QCOMPARE(fresh.bytes(), QByteArray(Header + "BotNames[0]=A\r\nVoiceType[0]=COV_Voices.COVv_VoiceP2\r\n"
                                                "BotSkills[0]=2.000000\r\nBotAccuracy[0]=-0.900000\r\nBotTeams[0]=1\r\n"
                                                "StrafingAbility[0]=1.000000\r\nAlertness[0]=1.000000\r\n"
                                                "CombatStyle[0]=1.000000\r\nCamping[0]=0.800000\r\nBotJumpy[0]=1\r\n"
                                                "\r\n[Next]\r\n"));
}

void RosterTest::saveRefusesWhatTheFileCannotHold_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accuracy");
    QTest::addColumn<QString>("failedKey");
    QTest::addColumn<QString>("named"); // how the message names what was refused
    QTest::newRow("name outside Windows-1252") << QStringLiteral("\u0141ukasz") << QStringLiteral("0.5")
                                               << QStringLiteral("BotNames[2]") << QStringLiteral("\"\u0141\" (U+0141)");
    QTest::newRow("emoji") << QStringLiteral("Bot \U0001F600") << QStringLiteral("0.5") << QStringLiteral("BotNames[2]")
                           << QStringLiteral("\"\U0001F600\" (U+1F600)");
    QTest::newRow("line break in a value") << QStringLiteral("Fine") << QStringLiteral("0.5\nBotNames[9]=Evil")
                                           << QStringLiteral("BotAccuracy[2]") << QStringLiteral("a line feed");
    QTest::newRow("NUL in a value") << QStringLiteral("Fine") << QString(QChar(0)) << QStringLiteral("BotAccuracy[2]")
                                    << QStringLiteral("a NUL character");
}

void RosterTest::saveRefusesWhatTheFileCannotHold()
{
    QFETCH(QString, name);
    QFETCH(QString, accuracy);
    QFETCH(QString, failedKey);
    QFETCH(QString, named);
    const QByteArray original = testing::sampleRoster();
    RosterOnDisk roster(original);
    BotEdit edit = editAll(name.toStdString());
    edit.values[4] = accuracy.toStdString();
    const SaveOutcome outcome = roster.file.SaveBot(2, edit);
    QVERIFY(!outcome.ok);
    QVERIFY(outcome.refused);
    QCOMPARE(QString::fromStdString(outcome.failedKey), failedKey);
    QVERIFY(QString::fromStdString(outcome.error).contains(failedKey));
    QVERIFY2(QString::fromStdString(outcome.error).contains(QStringLiteral(" holds ") + named + QStringLiteral(", ")),
             outcome.error.c_str());
    QVERIFY(roster.writes.isEmpty());
    QCOMPARE(roster.bytes(), original);
}

void RosterTest::saveReportsTheFailedKey()
{
    RosterOnDisk roster(testing::sampleRoster());
    QVERIFY(QFile::remove(roster.path));
    QVERIFY(roster.dir.remove()); // the folder is gone: the first write fails
    const SaveOutcome outcome = roster.file.SaveBot(1, editAll("X"));
    QVERIFY(!outcome.ok);
    QVERIFY(!outcome.refused);
    QCOMPARE(outcome.failedKey, std::string("BotNames[1]"));
    QCOMPARE(QString::fromStdString(outcome.error), testing::missingFolderText());
}

void RosterTest::manyBotsSaveAsOneAfterAnother_data()
{
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<QList<int>>("bots"); // each gets accuracy, team and jumpy; an odd one a new name too
    const std::pair<const char*, QByteArray> files[] = {
        {"sample", testing::sampleRoster()},
        {"LF roster", testing::readBytes(QStringLiteral(CBT_TEST_DATA "/lf-roster.ini"))},
        {"quirks", testing::readBytes(QStringLiteral(CBT_TEST_DATA "/quirks.ini"))},
    };
    for (const auto& [name, bytes] : files) {
        QTest::addRow("%s: listed bots", name) << bytes << QList<int>{3, 5, 15};
        QTest::addRow("%s: keys the file lacks", name) << bytes << QList<int>{0, 1, 2};
        QTest::addRow("%s: bots beyond the list, out of order", name) << bytes << QList<int>{40, 7, 17, 7};
    }
}

void RosterTest::manyBotsSaveAsOneAfterAnother()
{
    QFETCH(QByteArray, original);
    QFETCH(QList<int>, bots);
    RosterFile::BotEdits edits;
    for (int bot : bots) {
        BotEdit edit = editAll("Renamed " + std::to_string(bot));
        edit.nameChanged = bot % 2;
        edit.changed.fill(false);
        for (int box : {4, 2, JumpBox})
            edit.changed[static_cast<std::size_t>(box)] = true;
        edits.emplace_back(static_cast<BotIndex>(bot), edit);
    }
    RosterOnDisk oneByOne(original);
    for (const auto& [bot, edit] : edits)
        QVERIFY(oneByOne.file.SaveBot(bot, edit).ok);
    RosterOnDisk together(original);
    const SaveOutcome outcome = together.file.SaveBots(edits);
    QVERIFY2(outcome.ok, outcome.error.c_str());
    QCOMPARE(together.bytes(), oneByOne.bytes());
    QCOMPARE(together.writes, oneByOne.writes);

    // A refusal of the last bot leaves the file as it was, backup and all.
    edits.back().second.nameChanged = true;
    edits.back().second.name = "  ";
    edits.front().second.backupStamp = "20261207-101500";
    const SaveOutcome refused = together.file.SaveBots(edits);
    QVERIFY(refused.refused);
    QVERIFY(QString::fromStdString(refused.error).endsWith(QStringLiteral("Nothing of these bots was saved.")));
    QCOMPARE(together.bytes(), oneByOne.bytes());
    QCOMPARE(QDir(together.dir.path()).count(), 3u); // ".", ".." and the roster
}

void RosterTest::randomValuesStayOnTheStepsBetweenTheBounds_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::addColumn<int>("from"); // the positions drawn, all of them
    QTest::addColumn<int>("to");
    QTest::newRow("accuracy, a middle stretch") << 4 << -5 << 7 << -5 << 7;
    QTest::newRow("skill, bounds reversed") << 3 << 2 << -1 << -1 << 2;
    QTest::newRow("camping, whole range") << 7 << 0 << 10 << 0 << 10;
    QTest::newRow("combat style, past the ends") << 5 << -9 << 9 << -2 << 2;
    QTest::newRow("voice") << 0 << 1 << 3 << 1 << 3;
    QTest::newRow("jumpy") << JumpBox << 0 << 1 << 0 << 1;
    QTest::newRow("team, one position") << 2 << 1 << 1 << 1 << 1;
}

void RosterTest::randomValuesStayOnTheStepsBetweenTheBounds()
{
    QFETCH(int, box);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    QFETCH(int, from);
    QFETCH(int, to);
    std::vector<BotIndex> bots(300);
    std::iota(bots.begin(), bots.end(), BotIndex(0));
    ValueDraws draws(17);
    const RosterFile::BotEdits edits = PlanSetValues(bots, {{box, lowest, highest}}, draws);
    QCOMPARE(edits.size(), bots.size());
    QSet<int> drawn;
    for (const auto& [bot, edit] : edits) {
        QVERIFY(!edit.nameChanged);
        for (std::size_t b = 0; b < edit.changed.size(); ++b)
            QCOMPARE(edit.changed[b], int(b) == box);
        const std::string& text = edit.values[static_cast<std::size_t>(box)];
        const int position = int(PositionForBoxText(field(box), text));
        QCOMPARE(text, BoxTextForPosition(field(box), position)); // on a step
        QVERIFY2(position >= from && position <= to, text.c_str());
        drawn.insert(position);
    }
    QCOMPARE(drawn.size(), to - from + 1); // every step between the bounds comes up
}

void RosterTest::cellsSayWhatTheScalesSay_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("stored"); // null: the key is absent
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* name, int column, const QString& stored, const char* shown) {
        QTest::newRow(name) << column << stored << QString::fromUtf8(shown);
    };
    const auto s = [](const char* text) { return QString::fromLatin1(text); };
    row("team 0", 2, s("0"), "Red");
    row("team 1", 2, s("1"), "Blue");
    row("team 2", 2, s("2"), "Green");
    row("team 3", 2, s("3"), "Gold");
    row("team 255", 2, s("255"), "None");
    row("team 7", 2, s("7"), "7");
    row("team absent", 2, QString(), "—");
    row("skill", 3, s("-1.000000"), "-1");
    row("accuracy", 4, s("0.350000"), "0.35");
    row("camping", 8 /* column of Camping */, s("0.200000"), "0.2");
    row("strafing not a number", 6, s("fast"), "fast");
    row("combat style", 7, s("-1.000000"), "Avoidant");
    row("combat style beyond the scale", 7, s("3.000000"), "3.000000");
    row("combat style between words", 7, s("0.250000"), "0.250000");
    row("jumpy", 9, s("1"), "Yes");
    row("not jumpy", 9, s("0"), "No");
    row("jumpy greyed", 9, s("2"), "2");
    row("voice", 10, s("COV_Voices.COVv_VoiceP2"), "Voice 2");
    row("another package's voice", 10, s("BotPack.VoiceMaleTwo"), "BotPack.VoiceMaleTwo");
    row("voice absent", 10, QString(), "—");
}

void RosterTest::cellsSayWhatTheScalesSay()
{
    QFETCH(int, column);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    ListedBot bot{"Bot", {}};
    LoadedField& field = bot.fields[static_cast<std::size_t>(TableColumns[static_cast<std::size_t>(column)].box)];
    field.state = stored.isNull() ? FieldState::Absent : FieldState::Present;
    field.text = stored.toStdString();
    QCOMPARE(QString::fromStdString(MakeCell(column, 4, bot).text), shown);
}

void RosterTest::averagesSkipWhatIsNotThere()
{
    const auto bot = [](const char* team, const char* skill) {
        ListedBot b{"Bot", {}};
        for (auto [box, text] : {std::pair{2, team}, std::pair{3, skill}}) {
            if (text)
                b.fields[static_cast<std::size_t>(box)] = {FieldState::Present, text};
        }
        return b;
    };
    // Skill is column 3; an absent key and a text that is no number count for nothing.
    const std::vector<AverageRow> rows = Averages(
        {bot("0", "1.000000"), bot("0", nullptr), bot("0", "x"), bot("1", "-2.000000"), bot("3", "3.000000"),
         bot("1", "-1.000000"), bot(nullptr, "2.000000"), bot("255", "-3.000000")});
    QStringList seen;
    for (const AverageRow& row : rows)
        seen.append(QString::fromStdString(row.label) + QLatin1Char('=')
                    + (row.means[3] ? QString::fromStdString(ShortNumber(*row.means[3])) : QStringLiteral("none")));
    QCOMPARE(seen, QStringList({QStringLiteral("Red average=1"), QStringLiteral("Blue average=-1.5"),
                                QStringLiteral("Gold average=3"), QStringLiteral("None average=-3"),
                                QStringLiteral("All average=0")}));
    QVERIFY(!rows.back().means[4]); // nobody holds an accuracy
}

void RosterTest::oneValueReadsAndWritesLikeTheBuffer()
{
    RosterOnDisk roster(Header + "BotNames[0]=  Ann  \r\nBotNames[1]=\r\n");
    const auto read = [&](const char* key) {
        return profile::readProfileString(BotRoster, key, "absent", profile::WholeValue, roster.file.path());
    };
    QCOMPARE(read("BotNames[0]").text, std::string("Ann"));
    QCOMPARE(read("BotNames[0]").count, std::size_t(3));
    QCOMPARE(read("BotNames[1]").count, std::size_t(0));
    QVERIFY(!read("BotNames[2]").found);
    const RosterSnapshot listed = roster.file.LoadRoster();
    QCOMPARE(listed.bots.size(), std::size_t(1));
    QCOMPARE(listed.bots[0].name, std::string("Ann"));
    QVERIFY(listed.endedOnEmptyName);

    BotEdit name;
    name.name = "Zo\u00eb";
    QVERIFY(roster.file.SaveBot(1, name).ok);
    QCOMPARE(roster.bytes(), QByteArray(Header + "BotNames[0]=  Ann  \r\nBotNames[1]=Zo\xeb\r\n"));
    name.name = "\u0141";
    const SaveOutcome refused = roster.file.SaveBot(1, name);
    QVERIFY(!refused.ok && refused.refused);
    QCOMPARE(roster.bytes(), QByteArray(Header + "BotNames[0]=  Ann  \r\nBotNames[1]=Zo\xeb\r\n"));
    QCOMPARE(roster.writes, QStringList({QStringLiteral("BotNames[1]")}));
}

void RosterTest::windows1252RoundTripsEveryByte()
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = decodeText(all, TextEncoding::Windows1252);
    QVERIFY(isValidUtf8(utf8));
    QCOMPARE(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).size(), 256);
    QCOMPARE(encodeText(utf8, TextEncoding::Windows1252).value(), all);
    QCOMPARE(decodeText("\x80\x9f\xe9", TextEncoding::Windows1252), std::string("\u20ac\u0178\u00e9"));

    std::string refused;
    QVERIFY(!encodeText("\u0141", TextEncoding::Windows1252, &refused));
    QCOMPARE(refused, std::string("\"\u0141\" (U+0141)"));
    QVERIFY(!encodeText("\xc2\x80", TextEncoding::Windows1252)); // U+0080: 0x80 is the euro sign
}

void RosterTest::utf8FilesStayUtf8()
{
    QCOMPARE(detectEncoding("plain ascii"), TextEncoding::Windows1252);
    QCOMPARE(detectEncoding("caf\xc3\xa9"), TextEncoding::Utf8);
    QCOMPARE(detectEncoding("caf\xe9"), TextEncoding::Windows1252);
    QCOMPARE(detectEncoding("\xed\xa0\x80"), TextEncoding::Windows1252); // an encoded surrogate is not UTF-8
    // Long runs of ASCII are passed in blocks: what follows them still counts.
    const std::string ascii(200, 'a');
    QCOMPARE(detectEncoding(ascii + "caf\xc3\xa9" + ascii), TextEncoding::Utf8);
    QCOMPARE(detectEncoding(ascii + "caf\xe9" + ascii), TextEncoding::Windows1252);
    QCOMPARE(detectEncoding("caf\xc3\xa9" + ascii + "\xc3" + ascii), TextEncoding::Windows1252);

    RosterOnDisk roster(Header + "BotNames[0]=Zo\xc3\xab\r\n");
    QCOMPARE(roster.file.ListBotNames().names.at(0), std::string("Zo\u00eb"));
    BotEdit edit;
    edit.name = "\u0141ukasz";
    QVERIFY(roster.file.SaveBot(0, edit).ok);
    QCOMPARE(roster.bytes(), QByteArray(Header + "BotNames[0]=\xc5\x81ukasz\r\n"));

    RosterOnDisk legacy(Header + "BotNames[0]=Zo\xeb\r\n");
    QCOMPARE(legacy.file.ListBotNames().names.at(0), std::string("Zo\u00eb"));
    edit.name = "Zo\u00eb!";
    QVERIFY(legacy.file.SaveBot(0, edit).ok);
    QCOMPARE(legacy.bytes(), QByteArray(Header + "BotNames[0]=Zo\xeb!\r\n"));
}

void RosterTest::valueOfText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    auto row = [](const char* text, double value) { QTest::newRow(text) << QString::fromUtf8(text) << value; };
    row("0.7", 0.7);
    row("-0.9", -0.9);
    row("+2", 2);
    row(".5", 0.5);
    row("5.", 5);
    row(" 1 2 ", 12);
    row("\t-\n3", -3);
    row("1e2", 100);
    row("1E-1", 0.1);
    row("2e", 2);
    row("2e+", 2);
    row("3.5.7", 3.5);
    row("12abc", 12);
    row("abc", 0);
    row("", 0);
    row("-", 0);
    row(".", 0);
    row("Voice Type", 0);
    row("0,5", 0);
    row("1e-400", 0);
}

void RosterTest::valueOfText()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(ValueOfText(text.toStdString()), value);
}

void RosterTest::roundsHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    for (auto [v, r] : std::initializer_list<std::pair<double, double>>{
             {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {0.49999999999999994, 0}, {1.4, 1}, {-2.6, -3}, {7, 7}})
        QTest::newRow(qPrintable(QString::number(v, 'g', 17))) << v << r;
}

void RosterTest::roundsHalfToEven()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(RoundHalfEven(value), rounded);
}

void RosterTest::sixDecimalForm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("-0.9") << -0.9 << QStringLiteral("-0.900000");
    QTest::newRow("0") << 0.0 << QStringLiteral("0.000000");
    QTest::newRow("-0") << -0.0 << QStringLiteral("0.000000");
    QTest::newRow("tiny negative") << -1e-9 << QStringLiteral("0.000000");
    QTest::newRow("3") << 3.0 << QStringLiteral("3.000000");
    QTest::newRow("0.05") << 0.05 << QStringLiteral("0.050000");
    QTest::newRow("large") << 1234567.0 << QStringLiteral("1234567.000000");
}

void RosterTest::sixDecimalForm()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(SixDecimal(value)), text);
}

void RosterTest::everyPositionReadsBackAsItself()
{
    for (int box : ControlOrder) {
        const RosterField& f = field(box);
        for (int p = f.minimum; p <= f.maximum; ++p) {
            const std::string text = BoxTextForPosition(f, p);
            QCOMPARE(PositionForBoxText(f, text), double(p));
        }
    }
    QCOMPARE(BoxTextForPosition(field(4), -18), std::string("-0.900000"));
    QCOMPARE(BoxTextForPosition(field(7), 7), std::string("0.700000"));
    QCOMPARE(BoxTextForPosition(field(3), -3), std::string("-3.000000"));
    QCOMPARE(BoxTextForPosition(field(2), 1), std::string("1"));
    QCOMPARE(BoxTextForPosition(field(0), 2), std::string("COV_Voices.COVv_VoiceP2"));
    QCOMPARE(BoxTextForPosition(field(5), 2), std::string("1.000000"));
    QCOMPARE(BoxTextForPosition(field(5), 0), std::string("0.000000"));
}

void RosterTest::positionsFromBoxTexts_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("position");
    QTest::newRow("0.375 strafing") << 8 << QStringLiteral("0.375") << 2.0;
    QTest::newRow("0.625 strafing") << 8 << QStringLiteral("0.625") << 2.0;
    QTest::newRow("0.35 camping") << 7 << QStringLiteral("0.35") << 4.0;
    QTest::newRow("0.45 camping") << 7 << QStringLiteral("0.45") << 4.0;
    QTest::newRow("2.5 skill") << 3 << QStringLiteral("2.5") << 2.0;
    QTest::newRow("0.7 accuracy") << 4 << QStringLiteral("0.7") << 14.0;
    QTest::newRow("voice ends in 3") << 0 << QStringLiteral("COV_Voices.COVv_VoiceP3") << 3.0;
    QTest::newRow("voice ends in 12") << 0 << QStringLiteral("x12") << 2.0;
    QTest::newRow("voice ends in a letter") << 0 << QStringLiteral("Voice Type") << 0.0;
    QTest::newRow("voice ends in a non-ASCII letter") << 0 << QStringLiteral("caf\u00e9") << 0.0;
    QTest::newRow("empty accuracy") << 4 << QString() << 0.0;
    QTest::newRow("typed 2 in accuracy") << 4 << QStringLiteral("2") << 40.0;
}

void RosterTest::positionsFromBoxTexts()
{
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(double, position);
    QCOMPARE(PositionForBoxText(field(box), text.toStdString()), position);
}

void RosterTest::hugeValuesClampWithoutOverflow()
{
    const double inf = std::numeric_limits<double>::infinity();
    QCOMPARE(PositionForBoxText(field(4), "1e999"), inf);
    QCOMPARE(ClampPosition(inf, -20, 20), 20);
    QCOMPARE(ClampPosition(-inf, -20, 20), -20);
    QCOMPARE(ClampPosition(std::nan(""), -20, 20), 0);
    QCOMPARE(ClampPosition(std::nan(""), 1, 3), 1);
    QCOMPARE(ClampPosition(1e300, 0, 10), 10);
    QCOMPARE(ClampPosition(-5e9, 1, 3), 1);
    QCOMPARE(CheckStateForBoxText("1"), 1);
    QCOMPARE(CheckStateForBoxText("0"), 0);
    QCOMPARE(CheckStateForBoxText("2"), 2);
    QCOMPARE(CheckStateForBoxText("1.6"), 2);
    QCOMPARE(CheckStateForBoxText("2.5"), 2);
    QCOMPARE(CheckStateForBoxText("3"), 1);
    QCOMPARE(CheckStateForBoxText("-7"), 0);
    QCOMPARE(CheckStateForBoxText("1e999"), 1);
    QCOMPARE(CheckStateForBoxText("Jumpy"), 0);
}

QTEST_GUILESS_MAIN(RosterTest)
#include "test_roster.moc"
