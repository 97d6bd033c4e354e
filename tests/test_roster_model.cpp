// The roster being edited: how another program's change to the file meets
// the player's changes, and what a save may write.

#include "roster/roster_model.h"
#include "roster/scale.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace roster;

namespace {

// Bots 0 to 2; `changes` replaces "key=value" lines, "-key" removes one.
QByteArray rosterWith(const QStringList& changes = {})
{
    QByteArray out = "[CovertstrikeUT.CovBotInfo]\r\n";
    const char* const names[] = {"Ash", "Birch", "Cedar"};
    for (int n = 0; n < 3; ++n) {
        const QByteArray i = QByteArray::number(n);
        out += "BotNames[" + i + "]=" + names[n] + "\r\nBotSkills[" + i + "]=1.000000\r\nCamping[" + i
            + "]=0.200000\r\n";
    }
    for (const QString& change : changes) {
        const QByteArray c = change.toUtf8();
        if (c.startsWith('-')) {
            const qsizetype at = out.indexOf(c.mid(1) + '=');
            out.remove(at, out.indexOf("\r\n", at) + 2 - at);
        } else {
            const QByteArray key = c.left(c.indexOf('=') + 1);
            const qsizetype at = out.indexOf(key);
            out.replace(at, out.indexOf("\r\n", at) - at, c);
        }
    }
    return out;
}

QStringList words(const char* text) { return QString::fromLatin1(text).split(QLatin1Char(' ')); }

// The model over a fresh copy of the three-bot roster, showing one bot.
struct ShownBot {
    explicit ShownBot(int bot) : path(dir.filePath(QStringLiteral("CovertstrikeUser.ini")))
    {
        testing::writeBytes(path, rosterWith());
        model.open(RosterFile(testing::toStd(path)).LoadRoster());
        model.show(bot, TextsOf(model.roster().bots[std::size_t(bot)]));
    }
    QTemporaryDir dir;
    QString path;
    RosterModel model;
};

constexpr int Skill = 3;
constexpr int Camping = 7;

} // namespace

Q_DECLARE_METATYPE(roster::Gone)

class RosterModelTest : public QObject {
    Q_OBJECT

private slots:
    void followsTheFileAndKeepsThePlayersChanges_data();
    void followsTheFileAndKeepsThePlayersChanges();
    void savesNeverMakeAFileOrABot_data();
    void savesNeverMakeAFileOrABot();
    void typedValuesAreNumbersInFull_data();
    void typedValuesAreNumbersInFull();
};

void RosterModelTest::followsTheFileAndKeepsThePlayersChanges_data()
{
    QTest::addColumn<QStringList>("edits");     // "field=text" the player changed on bot 1; field -1 is the name
    QTest::addColumn<QByteArray>("fileNow");    // empty: the file is removed
    QTest::addColumn<QStringList>("shown");     // name, skill, camping shown afterwards
    QTest::addColumn<QList<int>>("conflicts");
    QTest::addColumn<int>("shownBot");
    QTest::addColumn<bool>("listChanged");
    QTest::addColumn<bool>("changes");          // the player's changes remain to be saved

    const QStringList none;
    const QStringList camping{QStringLiteral("7=0.900000")};
    QTest::newRow("untouched field follows") << none << rosterWith({QStringLiteral("Camping[1]=0.500000")})
                                             << words("Birch 1.000000 0.500000") << QList<int>() << 1
                                             << false << false;
    QTest::newRow("changed field stays") << camping << rosterWith({QStringLiteral("BotSkills[1]=-1.000000")})
                                         << words("Birch -1.000000 0.900000") << QList<int>() << 1
                                         << false << true;
    QTest::newRow("both changed") << camping << rosterWith({QStringLiteral("Camping[1]=0.100000")})
                                  << words("Birch 1.000000 0.900000") << QList<int>{Camping} << 1
                                  << false << true;
    QTest::newRow("both changed alike") << camping << rosterWith({QStringLiteral("Camping[1]=0.900000")})
                                        << words("Birch 1.000000 0.900000") << QList<int>() << 1
                                        << false << false;
    QTest::newRow("renamed there") << none << rosterWith({QStringLiteral("BotNames[1]=Beech")})
                                   << words("Beech 1.000000 0.200000") << QList<int>() << 1 << true
                                   << false;
    QTest::newRow("renamed both ways") << QStringList{QStringLiteral("-1=Bark")}
                                       << rosterWith({QStringLiteral("BotNames[1]=Beech")})
                                       << words("Bark 1.000000 0.200000") << QList<int>{NameField} << 1
                                       << true << true;
    QTest::newRow("bot added") << camping << rosterWith() + "BotNames[3]=Dogwood\r\n"
                               << words("Birch 1.000000 0.900000") << QList<int>() << 1 << true << true;
    QTest::newRow("shown bot removed, unchanged")
        << none << rosterWith({QStringLiteral("-BotNames[1]")}) << QStringList() << QList<int>() << -1 << true << false;
    QTest::newRow("shown bot removed, changed")
        << camping << rosterWith({QStringLiteral("-BotNames[1]")}) << QStringList() << QList<int>() << 1 << true << true;
    QTest::newRow("file gone, changed") << camping << QByteArray() << QStringList() << QList<int>() << 1 << true
                                        << true;
}

void RosterModelTest::followsTheFileAndKeepsThePlayersChanges()
{
    QFETCH(QStringList, edits);
    QFETCH(QByteArray, fileNow);
    QFETCH(QStringList, shown);
    QFETCH(QList<int>, conflicts);
    QFETCH(int, shownBot);
    QFETCH(bool, listChanged);
    QFETCH(bool, changes);

    ShownBot shownBot1(1);
    const QString& path = shownBot1.path;
    RosterModel& model = shownBot1.model;
    BotTexts texts = model.edits();
    for (const QString& edit : edits) {
        const int field = edit.section(QLatin1Char('='), 0, 0).toInt();
        (field == NameField ? texts.name : texts.fields[std::size_t(field)]) = edit.section(QLatin1Char('='), 1).toStdString();
    }
    model.edit(texts);

    if (fileNow.isEmpty())
        QVERIFY(QFile::remove(path));
    else
        testing::writeBytes(path, fileNow);
    const FileNews news = model.follow(RosterFile(testing::toStd(path)).LoadRoster());
    QVERIFY(news.changed);
    QCOMPARE(news.listChanged, listChanged);
    QCOMPARE(news.shownGone, shown.isEmpty());
    QCOMPARE(QList<int>(news.conflicts.begin(), news.conflicts.end()), conflicts);
    QCOMPARE(model.shownBot(), shownBot);
    if (!shown.isEmpty()) {
        QCOMPARE(QStringList({QString::fromStdString(news.shown.name),
                              QString::fromStdString(news.shown.fields[Skill]),
                              QString::fromStdString(news.shown.fields[Camping])}),
                 shown);
        model.tookFileTexts(news.shown);
    }
    QCOMPARE(model.hasChanges(), changes);
    QVERIFY(!model.follow(RosterFile(testing::toStd(path)).LoadRoster()).changed);

    // The file comes back as it was: the kept changes are still changes,
    // measured against the bot as the file holds it.
    testing::writeBytes(path, rosterWith());
    const FileNews back = model.follow(RosterFile(testing::toStd(path)).LoadRoster());
    if (model.shownBot() >= 0) {
        QVERIFY(!back.shownGone);
        model.tookFileTexts(back.shown);
        QCOMPARE(model.hasChanges(), changes);
        QCOMPARE(model.saveEdit().changed[Camping], changes && edits.contains(QStringLiteral("7=0.900000")));
    }
}

void RosterModelTest::savesNeverMakeAFileOrABot_data()
{
    QTest::addColumn<bool>("removeFile");
    QTest::addColumn<Gone>("gone");
    QTest::newRow("file removed") << true << Gone::File;
    QTest::newRow("bot removed") << false << Gone::Bot;
}

void RosterModelTest::savesNeverMakeAFileOrABot()
{
    QFETCH(bool, removeFile);
    QFETCH(Gone, gone);
    ShownBot shownBot2(2);
    const QString& path = shownBot2.path;
    RosterModel& model = shownBot2.model;
    BotTexts texts = model.edits();
    texts.fields[Camping] = "0.900000";
    model.edit(texts);
    QCOMPARE(model.saveBlock(), SaveBlock::None);

    // Gone after the model last looked: the save itself finds out.
    const QByteArray without = rosterWith({QStringLiteral("-BotNames[2]")});
    if (removeFile)
        QVERIFY(QFile::remove(path));
    else
        testing::writeBytes(path, without);
    const SaveOutcome outcome = RosterFile(testing::toStd(path)).SaveBot(2, model.saveEdit());
    QVERIFY(!outcome.ok);
    QCOMPARE(outcome.gone, gone);
    QCOMPARE(QFile::exists(path), !removeFile);
    if (!removeFile)
        QCOMPARE(testing::readBytes(path), without);
    model.follow(RosterFile(testing::toStd(path)).LoadRoster());
    QCOMPARE(model.saveBlock(), removeFile ? SaveBlock::FileGone : SaveBlock::BotGone);
}

void RosterModelTest::typedValuesAreNumbersInFull_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("taken");
    const int accuracy = 4;
    for (const char* good : {"0.5", " -2 ", "+.5", "3.", "1e-2", "7E+1"})
        QTest::addRow("%s", good) << accuracy << QString::fromLatin1(good) << true;
    for (const char* bad : {"abc", "", "  ", "0,5", "1.2.3", "-", ".", "1e", "5x", "1 000"})
        QTest::addRow("'%s'", bad) << accuracy << QString::fromLatin1(bad) << false;
    QTest::newRow("voice, number") << 0 << QStringLiteral("2") << true;
    QTest::newRow("voice, own form") << 0 << QStringLiteral("COV_Voices.COVv_VoiceP3") << true;
    QTest::newRow("voice, other text") << 0 << QStringLiteral("BotPack.VoiceMaleTwo") << false;
}

void RosterModelTest::typedValuesAreNumbersInFull()
{
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(bool, taken);
    QCOMPARE(IsTypedValue(RosterFields[std::size_t(box)], text.toStdString()), taken);
}

QTEST_GUILESS_MAIN(RosterModelTest)
#include "test_roster_model.moc"
