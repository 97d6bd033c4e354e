// The roster's shape, the library of bot files and dealing a roster: the
// edits each plans, applied to the text, and the library's files.

#include "profile/profile_file.h"
#include "roster/deal.h"
#include "roster/library.h"
#include "roster/shape.h"
#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <set>

using namespace roster;

namespace {

const QByteArray Section = "[CovertstrikeUT.CovBotInfo]\n";

std::vector<profile::KeyValue> entriesOf(const QByteArray& text)
{
    return profile::Document(text.toStdString()).entries(BotRoster);
}

QByteArray applied(const QByteArray& text, const std::vector<profile::KeyValue>& edits)
{
    const profile::Document document(text.toStdString());
    const profile::Splice splice = document.editAll(BotRoster, edits);
    const std::string_view bytes = document.bytes();
    return QByteArray::fromStdString(std::string(bytes.substr(0, splice.keep)) + splice.insert
                                     + std::string(bytes.substr(splice.resume)));
}

// "remove 1 3", "up 2", "down 0", "add", "duplicate 1": the edits, or "!" and the refusal.
QByteArray reshaped(const QByteArray& text, const QString& operation)
{
    const QStringList words = operation.split(QLatin1Char(' '));
    const std::vector<profile::KeyValue> entries = entriesOf(text);
    std::vector<BotIndex> numbers;
    for (const QString& word : words.mid(1))
        numbers.push_back(static_cast<BotIndex>(word.toInt()));
    RosterEdits planned;
    if (words[0] == QLatin1String("remove")) {
        planned = RemoveBots(entries, numbers);
    } else if (words[0] == QLatin1String("up") || words[0] == QLatin1String("down")) {
        planned = MoveBot(entries, numbers[0], words[0] == QLatin1String("up") ? Direction::Up : Direction::Down);
    } else {
        const AddedNumber at = NumberForAddedBots(entries, 1);
        std::vector<std::string> names;
        for (const SharedBot& bot : CollectBots(entries, {0, 1, 2, 3, 4}, TextEncoding::Windows1252))
            names.push_back(bot.name);
        const SharedBot bot = numbers.empty()
            ? MakeNewBot(NewBotName(names), nullptr)
            : RenamedBot(CollectBots(entries, numbers, TextEncoding::Windows1252)[0],
                         DuplicateName(names[static_cast<std::size_t>(numbers[0])], names));
        planned.refusal = at.refusal;
        if (!at.refusal)
            planned.edits = ImportValues({bot}, {at.number}, entries, TextEncoding::Windows1252);
    }
    if (planned.refusal)
        return "!" + QByteArray::fromStdString(planned.refusal->text());
    return applied(text, planned.edits);
}

QByteArray fullRoster()
{
    QByteArray text = Section;
    for (int n = 0; n <= 100; ++n)
        text += "BotNames[" + QByteArray::number(n) + "]=B" + QByteArray::number(n) + "\n";
    return text;
}

QStringList names(const Library& library)
{
    QStringList list;
    for (const LibraryBot& bot : library.bots)
        list << QString::fromStdString(library.files[bot.file].name + ":" + bot.bot.name);
    return list;
}

} // namespace

class LibraryTest : public QObject {
    Q_OBJECT

private slots:
    void reshapes_data();
    void reshapes();
    void namesNewBots_data();
    void namesNewBots();
    void readsTheLibrary();
    void changesLibraryFiles();
    void filters_data();
    void filters();
    void deals_data();
    void deals();
    void writesAPlanOrNothing();
};

void LibraryTest::reshapes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray three = Section + "BotNames[0]=A\nBotNames[1]=B\nBotNames[2]=C\nBotSkills[0]=1\n";
    QTest::newRow("remove: unknown keys move, others stay")
        << three + "FavoriteWeapon[2]=Gun\nLoadout[1].Slot=2\nBotCount=3\nSkin[03]=x\n[Other]\nBotNames[2]=x\n"
        << QStringLiteral("remove 1")
        << Section + "BotNames[0]=A\nBotNames[1]=C\nBotSkills[0]=1\nBotCount=3\nSkin[03]=x\n"
                     "FavoriteWeapon[1]=Gun\n[Other]\nBotNames[2]=x\n";
    QTest::newRow("remove two, either order") << three + "BotNames[3]=D\n" << QStringLiteral("remove 2 0")
                                              << Section + "BotNames[0]=B\nBotNames[1]=D\n";
    QTest::newRow("remove: keys past a blank name move up too")
        << Section + "BotNames[0]=A\nBotNames[1]=\nBotNames[2]=C\nCamping[2]=0.5\n" << QStringLiteral("remove 0")
        << Section + "BotNames[0]=\nBotNames[1]=C\nCamping[1]=0.5\n";
    QTest::newRow("remove: equal values keep their bytes, beyond 100 stays")
        << QByteArray("[CovertstrikeUT.CovBotInfo]\r\nBotNames[0]=A\r\nBotTeams[0] =  0 \r\nBotNames[1]=B\r\n"
                      "BotTeams[1]=0\r\nBotNames[100]=Z\r\nNote[101]=x\r\n")
        << QStringLiteral("remove 0")
        << QByteArray("[CovertstrikeUT.CovBotInfo]\r\nBotNames[0]=B\r\nBotTeams[0] =  0 \r\nNote[101]=x\r\n"
                      "BotNames[99]=Z\r\n");
    QTest::newRow("remove beyond 100") << three << QStringLiteral("remove 101") << QByteArray("!There is no bot 101");
    QTest::newRow("up: a key only one holds moves") << Section + "BotNames[0]=A\nBotNames[1]=B\nBotSkills[1]=2\n"
                                                    << QStringLiteral("up 1")
                                                    << Section + "BotNames[0]=B\nBotNames[1]=A\nBotSkills[0]=2\n";
    QTest::newRow("down") << three << QStringLiteral("down 0")
                          << Section + "BotNames[0]=B\nBotNames[1]=A\nBotNames[2]=C\nBotSkills[1]=1\n";
    QTest::newRow("up from the first") << three << QStringLiteral("up 0") << QByteArray("!Bot 0 is the first bot");
    QTest::newRow("down from the last") << three << QStringLiteral("down 2") << QByteArray("!Bot 2 is the last bot");
    QTest::newRow("down past a blank name") << Section + "BotNames[0]=A\nBotNames[1]= \n" << QStringLiteral("down 0")
                                            << QByteArray("!Bot 0 is the last bot");
    QTest::newRow("add: names compared without case and blanks")
        << Section + "BotNames[0]=A\nBotNames[1]= new BOT \n" << QStringLiteral("add")
        << Section + "BotNames[0]=A\nBotNames[1]= new BOT \nBotNames[2]=New Bot 2\n";
    QTest::newRow("add past keys left without a name") << Section + "BotNames[0]=A\nBotSkills[1]=3\n" << QStringLiteral("add")
                                                        << QByteArray("!The list of bots ends at bot 1");
    QTest::newRow("add to a full roster") << fullRoster() << QStringLiteral("add") << QByteArray("!A roster holds at most 101 bots, "
                                                                                 "and 0 more fit");
    QTest::newRow("duplicate: every key, a name of its own")
        << Section + "BotNames[0]=Moth\nFavoriteWeapon[0]=Gun\nBotNames[1]=Moth 2\n" << QStringLiteral("duplicate 0")
        << Section + "BotNames[0]=Moth\nFavoriteWeapon[0]=Gun\nBotNames[1]=Moth 2\nBotNames[2]=Moth 3\n"
                     "FavoriteWeapon[2]=Gun\n";
}

void LibraryTest::reshapes()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, operation);
    QFETCH(QByteArray, expected);
    const QByteArray result = reshaped(text, operation);
    if (expected.startsWith('!'))
        QVERIFY2(result.startsWith(expected), result.constData());
    else
        QCOMPARE(result, expected);
}

void LibraryTest::namesNewBots_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("used");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first new bot") << QString() << QStringList{QStringLiteral("Moth")} << QStringLiteral("New Bot");
    QTest::newRow("copy") << QStringLiteral("Moth") << QStringList{QStringLiteral("Moth")} << QStringLiteral("Moth 2");
    QTest::newRow("copy of a copy") << QStringLiteral("Moth 2") << QStringList{QStringLiteral("MOTH 3 ")}
                                    << QStringLiteral("Moth 4");
    QTest::newRow("a number of its own") << QStringLiteral("Agent 47") << QStringList{} << QStringLiteral("Agent 48");
    QTest::newRow("digits alone") << QStringLiteral("007") << QStringList{} << QStringLiteral("007 2");
    QTest::newRow("letters beyond ASCII") << QStringLiteral("\u00c9mile") << QStringList{QStringLiteral("\u00e9MILE 2")}
                                          << QStringLiteral("\u00c9mile 3");
    QTest::newRow("Cyrillic") << QStringLiteral("\u0411\u043e\u0442") << QStringList{QStringLiteral("\u0431\u041e\u0422 2")}
                              << QStringLiteral("\u0411\u043e\u0442 3");
}

void LibraryTest::namesNewBots()
{
    QFETCH(QString, name);
    QFETCH(QStringList, used);
    QFETCH(QString, expected);
    std::vector<std::string> names;
    for (const QString& n : used)
        names.push_back(n.toStdString());
    const std::string made = name.isNull() ? NewBotName(names) : DuplicateName(name.toStdString(), names);
    QCOMPARE(QString::fromStdString(made), expected);
}

void LibraryTest::readsTheLibrary()
{
    QTemporaryDir dir, elsewhere;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QVERIFY(testing::writeBytes(dir.filePath(name), bytes));
    };
    write(QStringLiteral("b.COVBOTS"), "[CovertstrikeBots]\nBotNames[0]= moth\nBotSkills[0]=3\n"
                                       "BotNames[1]=Sniper\nBotSkills[1]=2\n");
    write(QStringLiteral("a.covbots"), "[CovertstrikeBots]\nBotNames[0]=Moth\nBotSkills[0]=1\n"
                                       "BotSkills[1]=2\nBotNames[1]=Sniper\n");
    write(QStringLiteral("broken.covbots"), "Look at my sniper!");
    write(QStringLiteral(".hidden.covbots"), "[CovertstrikeBots]\nBotNames[0]=Hidden\n");
    write(QStringLiteral("notes.txt"), "[CovertstrikeBots]\nBotNames[0]=Text\n");
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.covbots")));
    const QString outside = elsewhere.filePath(QStringLiteral("out.covbots"));
    QVERIFY(testing::writeBytes(outside, "[CovertstrikeBots]\nBotNames[0]=Outside\n"));
#ifndef Q_OS_WIN
    QVERIFY(QFile::link(outside, dir.filePath(QStringLiteral("link.covbots"))));
    const std::string link = testing::toStd(dir.filePath(QStringLiteral("link.covbots")));
    QCOMPARE(profile::readFileBytes(link, 1000, false).state, profile::FileState::Unusable);
    QCOMPARE(profile::readFileBytes(link, 1000, true).bytes, std::string("[CovertstrikeBots]\nBotNames[0]=Outside\n"));
    QCOMPARE(profile::readFileBytes(link, 10, true).state, profile::FileState::Unusable);
#endif

    const Library library = ReadLibrary(testing::toStd(dir.path()));
    QVERIFY(!library.problem);
    QStringList files, problems;
    for (const LibraryFile& file : library.files) {
        files << QString::fromStdString(file.name);
        if (file.problem)
            problems << QString::fromStdString(file.name);
    }
    QStringList expectedFiles{QStringLiteral("a.covbots"), QStringLiteral("b.COVBOTS"), QStringLiteral("broken.covbots"),
                              QStringLiteral("folder.covbots")};
#ifndef Q_OS_WIN
    expectedFiles << QStringLiteral("link.covbots");
#endif
    QCOMPARE(files, expectedFiles);
    QCOMPARE(problems, expectedFiles.mid(2));
    QCOMPARE(names(library), (QStringList{QStringLiteral("a.covbots:Moth"), QStringLiteral("a.covbots:Sniper"),
                                          QStringLiteral("b.COVBOTS:moth"), QStringLiteral("b.COVBOTS:Sniper")}));
    QCOMPARE(library.duplicates.size(), std::size_t{2});
    QCOMPARE(library.duplicates[0].bots, (std::vector<std::size_t>{0, 2}));
    QVERIFY(!library.duplicates[0].identical);
    QCOMPARE(library.duplicates[1].bots, (std::vector<std::size_t>{1, 3}));
    QVERIFY(library.duplicates[1].identical);
    QVERIFY(ReadLibrary(testing::toStd(dir.filePath(QStringLiteral("none")))).problem);
}

void LibraryTest::changesLibraryFiles()
{
    QTemporaryDir dir;
    const std::string folder = testing::toStd(dir.path());
    const QString kept = dir.filePath(QStringLiteral("kept.covbots"));
    const QByteArray own = "; mine\r\n[CovertstrikeBots]\r\nBotNames[0]=Moth\r\nBotSkills[0] = 1 ; sharp\r\n"
                           "BotNames[1]=Sniper\r\n";
    QVERIFY(testing::writeBytes(kept, own));
    const std::vector<SharedBot> two = ReadBotFile("[CovertstrikeBots]\nBotNames[0]=Rookie\nFavoriteWeapon[0]=Gun\n"
                                                   "BotNames[1]=Ace\n").sections.front().bots;

    QVERIFY(AddToLibrary(folder, "kept", two, "Test 1.0").ok);
    QCOMPARE(testing::readBytes(kept), own + "BotNames[2]=Rookie\r\nFavoriteWeapon[2]=Gun\r\nBotNames[3]=Ace\r\n");
    QVERIFY(AddToLibrary(folder, "new.covbots", two, "Test 1.0").ok);
    QCOMPARE(ReadBotFile(testing::readBytes(dir.filePath(QStringLiteral("new.covbots"))).toStdString()).sections.front().bots.size(),
             std::size_t{2});
    for (const char* bad : {"../x", "a/b", "a\\b", ".hidden", "c:x", ""})
        QVERIFY2(AddToLibrary(folder, bad, two, "T").refused, bad);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

    // Removing: the bots after move up, the rest of the file stays.
    Library library = ReadLibrary(folder);
    QCOMPARE(names(library).first(), QStringLiteral("kept.covbots:Moth"));
    QVERIFY(RemoveFromLibrary(library, {1, 2}).ok);
    QCOMPARE(testing::readBytes(kept), "; mine\r\n[CovertstrikeBots]\r\nBotNames[0]=Moth\r\nBotSkills[0] = 1 ; sharp\r\n"
                                       "BotNames[1]=Ace\r\n");
    // The same request again finds other bots where it read them: refused.
    const SaveOutcome stale = RemoveFromLibrary(library, {1});
    QVERIFY(stale.refused && stale.failedKey == "kept.covbots");
    QVERIFY(testing::readBytes(kept).contains("BotNames[1]=Ace"));
    library = ReadLibrary(folder);
    QVERIFY(RemoveFromLibrary(library, {0, 1, 3}).ok);
    QVERIFY(!QFile::exists(kept));
    QCOMPARE(names(library).size(), 4);
    QCOMPARE(names(ReadLibrary(folder)), QStringList{QStringLiteral("new.covbots:Rookie")});

    // Taking a file in: under a name not yet used, the bytes as they were.
    QTemporaryDir away;
    const QString shared = away.filePath(QStringLiteral("New.covbots"));
    QVERIFY(testing::writeBytes(shared, own));
    const TakenFile first = TakeIntoLibrary(folder, testing::toStd(shared));
    QVERIFY(first.outcome.ok);
    QCOMPARE(first.name, std::string("New 2.covbots"));
    QCOMPARE(testing::readBytes(dir.filePath(QStringLiteral("New 2.covbots"))), own);
    QCOMPARE(TakeIntoLibrary(folder, testing::toStd(shared)).name, std::string("New 3.covbots"));
    QVERIFY(testing::writeBytes(shared, "Look at my sniper!"));
    QVERIFY(TakeIntoLibrary(folder, testing::toStd(shared)).outcome.refused);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

void LibraryTest::filters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("team");
    QTest::addColumn<QList<int>>("range"); // box, lowest, highest
    QTest::addColumn<QString>("passing");
    QTest::newRow("no filter") << QString() << -1 << QList<int>{} << QStringLiteral("Moth Sniper Rookie");
    QTest::newRow("part of a name") << QStringLiteral(" OTH ") << -1 << QList<int>{} << QStringLiteral("Moth");
    QTest::newRow("team") << QString() << 1 << QList<int>{} << QStringLiteral("Sniper Rookie");
    QTest::newRow("a bot without the key fails") << QString() << -1 << QList<int>{3, 1, 3} << QStringLiteral("Moth Sniper");
    QTest::newRow("lowest") << QString() << -1 << QList<int>{3, 2, 3} << QStringLiteral("Sniper");
    QTest::newRow("the end reaches past the slider") << QString() << -1 << QList<int>{4, 0, 20}
                                                     << QStringLiteral("Moth Sniper");
    QTest::newRow("bounds the wrong way round") << QString() << -1 << QList<int>{4, 15, 5} << QStringLiteral("Moth");
    QTest::newRow("all parts") << QStringLiteral("r") << 1 << QList<int>{4, -20, 20} << QStringLiteral("Sniper");
}

void LibraryTest::filters()
{
    QFETCH(QString, name);
    QFETCH(int, team);
    QFETCH(QList<int>, range);
    QFETCH(QString, passing);
    const BotFileReading read = ReadBotFile(
        "[CovertstrikeBots]\nBotNames[0]=Moth\nBotTeams[0]=0\nBotSkills[0]=1.000000\nBotAccuracy[0]=0.500000\n"
        "BotNames[1]=Sniper\nBotTeams[1]=1\nBotSkills[1]=3.000000\nBotAccuracy[1]=1.500000\n"
        "BotNames[2]=Rookie\nBotTeams[2]=1\nBotAccuracy[2]=abc\n");
    BotFilter filter{name.toStdString(), team < 0 ? std::nullopt : std::optional<int>(team), {}};
    if (!range.isEmpty())
        filter.ranges.push_back({range[0], range[1], range[2]});
    QStringList passed;
    for (const SharedBot& bot : read.sections.front().bots) {
        if (passes(bot, filter))
            passed << QString::fromStdString(bot.name);
    }
    QCOMPARE(passed.join(QLatin1Char(' ')), passing);
}

void LibraryTest::deals_data()
{
    QTest::addColumn<QByteArray>("roster");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("kept");
    QTest::addColumn<bool>("balanced");
    QTest::addColumn<int>("team");
    QTest::addColumn<QString>("expected"); // the teams dealt, the names for seed 7, or "!" and the refusal
    const QByteArray roster = Section + "BotNames[0]=Kilo\nBotTeams[0]=1\nBotNames[1]=Alpha\nBotTeams[1]=1\n"
                                        "BotNames[2]=Lima\nBotSkills[2]=1\nBotNames[5]=Old\nNote[5]=x\nNote[101]=stay\n";
    QTest::newRow("the same on every system") << roster << 4 << QList<int>{} << false << -1
                                              << QStringLiteral("Hotel Alpha Echo Golf");
    QTest::newRow("kept bots and their names stay") << roster << 6 << QList<int>{1} << false << -1 << QString();
    QTest::newRow("balanced") << roster << 5 << QList<int>{} << true << -1 << QStringLiteral("01010");
    QTest::newRow("balanced, kept bots count") << roster << 6 << QList<int>{0, 1} << true << -1
                                               << QStringLiteral("110001");
    QTest::newRow("a team filter") << roster << 3 << QList<int>{} << false << 1 << QStringLiteral("111");
    QTest::newRow("as many names as pass") << roster << 8 << QList<int>{} << false << -1 << QString();
    QTest::newRow("a UTF-8 roster holds one more") << Section + "BotNames[0]=Zo\xC3\xAB\n" << 9 << QList<int>{} << false
                                                   << -1 << QString();
    QTest::newRow("too few names pass") << roster << 9 << QList<int>{} << false << -1
                                        << QStringLiteral("!Only 8 bots with names of their own pass the filters, "
                                                          "and 9 are needed");
    QTest::newRow("a kept name counts") << roster << 9 << QList<int>{1} << false << -1
                                        << QStringLiteral("!Only 7 bots with names of their own pass the filters, and 8");
    QTest::newRow("kept beyond N") << roster << 2 << QList<int>{2} << false << -1
                                   << QStringLiteral("!Bot 2 is kept, but a roster of 2 bots ends at bot 1");
    QTest::newRow("kept but not listed") << roster << 8 << QList<int>{5} << false << -1
                                         << QStringLiteral("!Bot 5 cannot be kept");
    QTest::newRow("more than 101") << roster << 102 << QList<int>{} << false << -1
                                   << QStringLiteral("!A dealt roster holds 1 to 101 bots, not 102");
}

void LibraryTest::deals()
{
    QFETCH(QByteArray, roster);
    QFETCH(int, count);
    QFETCH(QList<int>, kept);
    QFETCH(bool, balanced);
    QFETCH(int, team);
    QFETCH(QString, expected);
    // Eight names of their own: " alpha" repeats one, and a Windows-1252 roster cannot hold "Łucja".
    QByteArray file = "[CovertstrikeBots]\n";
    const QStringList pool = QStringLiteral("Alpha Bravo Charlie Delta Echo Foxtrot Golf Hotel \u0141ucja").split(QLatin1Char(' '));
    for (int n = 0; n <= pool.size(); ++n) {
        const QByteArray i = QByteArray::number(n);
        file += "BotNames[" + i + "]=" + (n < pool.size() ? pool[n].toUtf8() : " alpha") + "\nBotTeams[" + i + "]="
            + QByteArray::number(n % 2) + "\nFavoriteWeapon[" + i + "]=W" + i + "\n";
    }
    BotFileReading reading = ReadBotFile(file.toStdString());
    QVERIFY2(reading.error.empty(), reading.error.c_str());
    std::vector<LibraryBot> library;
    for (SharedBot& bot : reading.sections.front().bots)
        library.push_back({std::move(bot), 0, static_cast<int>(library.size())});
    DealRequest request{count, std::vector<BotIndex>(kept.begin(), kept.end()),
                        {{}, team < 0 ? std::nullopt : std::optional<int>(team), {}},
                        balanced ? TeamChoice::Balanced : TeamChoice::AsStored, 7};
    const std::vector<profile::KeyValue> entries = entriesOf(roster);
    const TextEncoding encoding = detectEncoding(roster.toStdString());
    const RosterEdits planned = PlanDeal(entries, encoding, library, request);
    if (expected.startsWith(QLatin1Char('!'))) {
        QVERIFY(planned.refusal && planned.edits.empty());
        QVERIFY2(QString::fromStdString(planned.refusal->text()).startsWith(expected.mid(1)), planned.refusal->text().c_str());
        return;
    }
    QVERIFY2(!planned.refusal, planned.refusal->text().c_str());
    QCOMPARE(applied(roster, PlanDeal(entries, encoding, library, request).edits), applied(roster, planned.edits));

    const profile::Document dealt(applied(roster, planned.edits).toStdString());
    QStringList names, teams;
    std::set<std::string> distinct;
    for (int n = 0; n < count; ++n) {
        const std::string key = std::to_string(n) + "]";
        const std::optional<std::string_view> name = dealt.find(BotRoster, "BotNames[" + key);
        QVERIFY(name && distinct.insert(NameKey(*name)).second);
        names << QString::fromStdString(std::string(*name));
        teams << QString::fromStdString(std::string(dealt.find(BotRoster, "BotTeams[" + key).value_or("-")));
        const bool stays = kept.contains(n);
        QCOMPARE(dealt.find(BotRoster, "BotSkills[" + key).has_value(), stays && n == 2);
        QCOMPARE(dealt.find(BotRoster, "FavoriteWeapon[" + key).has_value(), !stays);
    }
    for (int n = count; n <= 100; ++n)
        QVERIFY(!dealt.find(BotRoster, "BotNames[" + std::to_string(n) + "]"));
    QVERIFY(!dealt.find(BotRoster, "Note[5]"));
    QCOMPARE(dealt.find(BotRoster, "Note[101]").has_value(), roster.contains("Note[101]"));
    if (expected.contains(QLatin1Char(' ')))
        QCOMPARE(names.join(QLatin1Char(' ')), expected);
    else if (!expected.isEmpty())
        QCOMPARE(teams.join(QString()), expected);
    for (int k : kept)
        QCOMPARE(names[k].toStdString(), *profile::Document(roster.toStdString()).find(BotRoster, "BotNames[" + std::to_string(k) + "]"));
}

void LibraryTest::writesAPlanOrNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
    const QByteArray roster = testing::sampleRoster();
    QVERIFY(testing::writeBytes(path, roster));
    const auto removeFirst = [](const std::vector<profile::KeyValue>& entries, TextEncoding) {
        return RemoveBots(entries, {0});
    };
    const auto refuse = [](const std::vector<profile::KeyValue>&, TextEncoding) {
        return RosterEdits{{{"BotNames[0]", "X"}}, Refusal{"No %1", {"way"}}};
    };
    const SaveOutcome refused = WriteRoster(testing::toStd(path), refuse, "20261207-120000");
    QVERIFY(refused.refused && refused.pattern == "No %1" && refused.error == "No way");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    const SaveOutcome written = WriteRoster(testing::toStd(path), removeFirst, "20261207-120000");
    QVERIFY(written.ok && !written.backup.empty());
    QCOMPARE(testing::readBytes(path), applied(roster, RemoveBots(entriesOf(roster), {0}).edits));
    QVERIFY(testing::readBytes(path) != roster);

    QVERIFY(QFile::remove(path));
    QCOMPARE(WriteRoster(testing::toStd(path), removeFirst, {}).gone, Gone::File);
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(LibraryTest)
#include "test_library.moc"
