// What the installed game declares (its .int files) and the checks of a
// roster as the game will play it, with their fixes.

#include "game/declarations.h"
#include "game/roster_check.h"
#include "profile/profile_file.h"
#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace game;

namespace {

QByteArray utf16(const QByteArray& utf8, bool bigEndian)
{
    QByteArray out = bigEndian ? QByteArray("\xFE\xFF", 2) : QByteArray("\xFF\xFE", 2);
    for (char16_t u : QString::fromUtf8(utf8).toStdU16String()) {
        const char low = static_cast<char>(u & 0xFF), high = static_cast<char>(u >> 8);
        out.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return out;
}

const QByteArray TrooperInt = "[Public]\r\n"
    "Object=(Name=Trooper.Trooper,Class=Class,MetaClass=Botpack.TournamentPlayer,Description=\"Trooper\")\r\n"
    "Object=(Name=Trooper.TrooperBot,Class=Class,MetaClass=Botpack.Bot,Description=\"Trooper\")\r\n"
    "Object=(Name=Trooper.VoiceGruff,Class=Class,MetaClass=Botpack.ChallengeVoicePack,Description=\"Gruff\")\r\n"
    "Object=(Name=Trooper.Carbine,Class=Class,MetaClass=Botpack.TournamentWeapon,Description=\"Carbine\")\r\n"
    "Object=(Name=Trooper.Drill,Class=Class,MetaClass=Engine.Mutator,Description=\"Drill,Practice\")\r\n";
const QByteArray TrooperSkinsInt = "[Public]\r\n"
    "Object=(Name=TrooperSkins.dsrt1,Class=Texture,Description=\"Desert\")\r\n"
    "Object=(Name=TrooperSkins.dsrt5Hawk,Class=Texture,Description=\"Hawk\")\r\n"
    "Object=(Name=TrooperSkins.dsrt5Vole,Class=Texture,Description=\"Vole\")\r\n"
    "Object=(Name=TrooperSkins.snow1,Class=Texture,Description=\"Snow\")\r\n"
    "Object=(Name=TrooperSkins.snow5Yeti,Class=Texture,Description=\"Yeti\")\r\n"
    "Object=(Name=TrooperSkins.leaf5Moss,Class=Texture,Description=\"Moss\")\r\n";
// A model whose .int file declares its own skins, of another name.
const QByteArray ScoutInt = "[Public]\r\n"
    "Object=(Name=Scout.ScoutGirl,Class=Class,MetaClass=Botpack.TournamentPlayer,Description=\"Scout\")\r\n"
    "Object=(Name=Scout.ScoutGirlBot,Class=Class,MetaClass=Botpack.Bot,Description=\"Scout\")\r\n"
    "Object=(Name=RangerSkins.leaf1,Class=Texture,Description=\"Leaf\")\r\n"
    "Object=(Name=RangerSkins.leaf5Fern,Class=Texture,Description=\"Fern\")\r\n"
    "Object=(Name=Scout.Ranger,Class=Class,MetaClass=Botpack.TournamentPlayer,Description=\"Ranger\")\r\n";

Declarations install()
{
    Declarations declarations;
    for (const QByteArray& file : {TrooperInt, TrooperSkinsInt, ScoutInt})
        declarations.add(ReadIntFile(file.toStdString()));
    return declarations;
}

QStringList namesOf(const std::vector<Declared>& list)
{
    QStringList names;
    for (const Declared& d : list)
        names << QString::fromStdString(d.name);
    return names;
}

QStringList strings(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list << QString::fromUtf8(item);
    return list;
}

const char* const KindNames[] = {"OutOfRange", "NotANumber", "SkillOutOfRange", "DuplicateName", "BlankName",
                                 "LeftOver", "UnknownClass", "UnknownSkin", "UnknownFace", "FaceNotForSkin",
                                 "SkinOfOtherModel", "UnknownVoice", "UnknownWeapon"};

} // namespace

class GameTest : public QObject {
    Q_OBJECT

private slots:
    void readsIntFiles_data();
    void readsIntFiles();
    void answersWhatIsDeclared_data();
    void answersWhatIsDeclared();
    void listsForAnAppearanceDialog();
    void readsASystemFolder();
    void checksTheRoster_data();
    void checksTheRoster();
    void namesTheSkillInPlay_data();
    void namesTheSkillInPlay();
    void fixAllIsOneTransaction();
    void fixPlanWritesTheFilesEncoding_data();
    void fixPlanWritesTheFilesEncoding();
};

void GameTest::readsIntFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("objects"); // name|class|metaclass|description
    QTest::addColumn<int>("skipped");         // broken lines + 100 x long lines
    const QByteArray ab = "Object=(Name=A.B,Class=Class,Description=\"Bee\")";
    QTest::newRow("case, blanks, field order, commas in quotes")
        << QByteArray("[ public ]\r\n  oBJECT = ( class = Texture , NAME = S.skin1 , description = \"Sk, in\" )\r\n"
                      "Object=(Name=A.B.C,Class=Class,MetaClass=Botpack.Bot)")
        << strings({"S.skin1|Texture||Sk, in", "A.B.C|Class|Botpack.Bot|"}) << 0;
    QTest::newRow("comments and other sections")
        << "; Object=(Name=X.Y,Class=Class)\n[Public]\n// note\n" + ab + "\n[Other]\nObject=(Name=C.D,Class=Class)\n"
        << strings({"A.B|Class||Bee"}) << 0;
    QTest::newRow("CR endings") << "[Public]\r" + ab + "\rObject=(Name=C.D,Class=Class)"
                                << strings({"A.B|Class||Bee", "C.D|Class||"}) << 0;
    QTest::newRow("broken lines skipped")
        << "[Public]\nObject=Name=X.Y,Class=Class\nObject=(Class=Class)\nObject=(Name=XY,Class=Class)\n"
           "Object=(Name=.Y,Class=Class)\nObject=(Name=X.,Class=Class)\nObject=(Name=X.Y)\n"
           "Object=(Name=X.Y,Class=Class,Description=\"open)\nObject=(Name=X.Y,Class=Class\n" + ab
        << strings({"A.B|Class||Bee"}) << 8;
    QTest::newRow("Windows-1252") << QByteArray("[Public]\nObject=(Name=A.B,Class=Class,Description=\"Caf\xE9\x80\")")
                                  << strings({"A.B|Class||Caf\u00E9\u20AC"}) << 0;
    const QByteArray lodz = "[Public]\r\nObject=(Name=A.B,Class=Class,Description=\"\xC5\x81\xC3\xB3" "d\xC5\xBA\")\r\n";
    const QStringList lodzObject{QString::fromUtf8("A.B|Class||\xC5\x81\xC3\xB3" "d\xC5\xBA")};
    QTest::newRow("UTF-16LE") << utf16(lodz, false) << lodzObject << 0;
    QTest::newRow("UTF-16BE") << utf16(lodz, true) << lodzObject << 0;
    QTest::newRow("UTF-8 with its mark") << "\xEF\xBB\xBF" + lodz << lodzObject << 0;
    QTest::newRow("overlong line") << "[Public]\n" + ab.left(ab.size() - 2) + QByteArray(5000, 'x') + "\")\n" + ab
                                   << strings({"A.B|Class||Bee"}) << 100;
    QByteArray huge = "[Public]\n" + ab + "\n";
    huge += QByteArray(static_cast<qsizetype>(MaxIntFileBytes) - huge.size() + 1, ';');
    QTest::newRow("too large: nothing read") << huge << QStringList{} << 0;
}

void GameTest::readsIntFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, objects);
    QFETCH(int, skipped);
    const IntFile file = ReadIntFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    QStringList read;
    for (const ObjectLine& o : file.objects)
        read << QString::fromStdString(o.name + "|" + o.objectClass + "|" + o.metaClass + "|" + o.description);
    QCOMPARE(read, objects);
    QCOMPARE(static_cast<int>(file.brokenLines + 100 * file.longLines), skipped);
    QCOMPARE(file.tooLarge, static_cast<std::size_t>(bytes.size()) > MaxIntFileBytes);
}

void GameTest::answersWhatIsDeclared_data()
{
    QTest::addColumn<int>("kind"); // a Kind, or -1: any class, -2: a face on the skin `skin`
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("skin");
    QTest::addColumn<bool>("declared");
    const int bot = int(Kind::BotClass), player = int(Kind::PlayerClass), skin = int(Kind::Skin),
              face = int(Kind::Face);
    QTest::newRow("bot class, any case") << bot << "tROOPER.trooperbot" << QString() << true;
    QTest::newRow("a player class is no bot class") << bot << "Trooper.Trooper" << QString() << false;
    QTest::newRow("player class") << player << "Trooper.Trooper" << QString() << true;
    QTest::newRow("voice") << int(Kind::Voice) << "Trooper.VoiceGruff" << QString() << true;
    QTest::newRow("weapon") << int(Kind::Weapon) << "Trooper.Carbine" << QString() << true;
    QTest::newRow("a mutator is a class") << -1 << "Trooper.Drill" << QString() << true;
    QTest::newRow("undeclared class") << -1 << "MultiMesh.TSkaarjBot" << QString() << false;
    QTest::newRow("skin from its first texture") << skin << "TrooperSkins.DSRT" << QString() << true;
    QTest::newRow("a texture as a skin of its own") << skin << "TrooperSkins.dsrt1" << QString() << true;
    QTest::newRow("part of a skin's name") << skin << "TrooperSkins.dsr" << QString() << false;
    QTest::newRow("skin of another package") << skin << "SoldierSkins_ci.dsrt" << QString() << false;
    QTest::newRow("face") << face << "trooperskins.hawk" << QString() << true;
    QTest::newRow("face of another package") << face << "RangerSkins.Hawk" << QString() << false;
    QTest::newRow("face on its skin") << -2 << "TrooperSkins.Hawk" << "TrooperSkins.dsrt" << true;
    QTest::newRow("face of another skin") << -2 << "TrooperSkins.Yeti" << "TrooperSkins.dsrt" << false;
    QTest::newRow("face on a skin of another package") << -2 << "TrooperSkins.Hawk" << "RangerSkins.dsrt" << true;
}

void GameTest::answersWhatIsDeclared()
{
    QFETCH(int, kind);
    QFETCH(QString, name);
    QFETCH(QString, skin);
    QFETCH(bool, declared);
    const Declarations declarations = install();
    const std::string n = name.toStdString();
    const bool answer = kind == -1 ? declarations.declaresClass(n)
        : kind == -2               ? declarations.hasFaceTexture(skin.toStdString(), n)
                                   : declarations.declares(Kind(kind), n);
    QCOMPARE(answer, declared);
}

void GameTest::listsForAnAppearanceDialog()
{
    const Declarations declarations = install();
    QCOMPARE(namesOf(declarations.list(Kind::Skin)),
             strings({"TrooperSkins.dsrt", "TrooperSkins.snow", "RangerSkins.leaf"}));
    QCOMPARE(namesOf(declarations.list(Kind::BotClass)), strings({"Trooper.TrooperBot", "Scout.ScoutGirlBot"}));
    QCOMPARE(namesOf(declarations.facesOf("TrooperSkins.dsrt")), strings({"TrooperSkins.Hawk", "TrooperSkins.Vole"}));
    QCOMPARE(declarations.botClassOf("Trooper.Trooper"), std::string("Trooper.TrooperBot"));
    QCOMPARE(namesOf(declarations.skinsOf("Trooper.TrooperBot").value()),
             strings({"TrooperSkins.dsrt", "TrooperSkins.snow"}));
    QCOMPARE(namesOf(declarations.skinsOf("Scout.ScoutGirl").value()), strings({"RangerSkins.leaf"}));
    QVERIFY(!declarations.skinsOf("Trooper.Drill"));
    QCOMPARE(declarations.otherModelOf("RangerSkins.leaf", "Trooper.Trooper").value().description, std::string("Scout"));
    QVERIFY(!declarations.otherModelOf("TrooperSkins.snow", "Trooper.Trooper"));
    QVERIFY(!declarations.otherModelOf("RangerSkins.leaf", "Scout.ScoutGirl")); // Scout.Ranger's too
}

void GameTest::readsASystemFolder()
{
    QTemporaryDir dir;
    QVERIFY(testing::writeBytes(dir.filePath(QStringLiteral("Trooper.int")), TrooperInt));
    QVERIFY(testing::writeBytes(dir.filePath(QStringLiteral("TROOPERSKINS.INT")), TrooperSkinsInt));
    QVERIFY(testing::writeBytes(dir.filePath(QStringLiteral("Scout.txt")), ScoutInt));
    QVERIFY(testing::writeBytes(dir.filePath(QStringLiteral("Huge.int")),
                                TrooperInt + QByteArray(static_cast<qsizetype>(MaxIntFileBytes), ';')));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Folder.int")));
    const InstallReading reading = ReadInstall(testing::toStd(dir.path()));
    QVERIFY(reading.found());
    QCOMPARE(reading.filesRead, std::size_t{2});
    QCOMPARE(reading.skipped.size(), std::size_t{1});
    QCOMPARE(reading.skipped[0].name, std::string("Huge.int"));
    QVERIFY(reading.declarations.declares(Kind::Face, "TrooperSkins.Yeti"));
    QVERIFY(!reading.declarations.declaresClass("Scout.ScoutGirl"));

    const InstallReading none = ReadInstall(testing::toStd(dir.filePath(QStringLiteral("missing"))));
    QVERIFY(!none.found());
    QVERIFY(!none.error.empty());
    QCOMPARE(FolderOf("/ut/System/CovertstrikeUser.ini"), std::string("/ut/System"));
    QCOMPARE(FolderOf("C:\\CovertstrikeUser.ini"), std::string("C:\\"));
}

void GameTest::checksTheRoster_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QStringList>("findings"); // "key kind"
    QTest::addColumn<QStringList>("fixes");    // "key=value", "-key"
    const QByteArray ab = "BotNames[0]=Ash\nBotNames[1]=Birch\n";
    QTest::newRow("sound") << ab + "Difficulty=3\nBotSkills[0]=2\nBotTeams[0]=255\nBotTeams[1]=1.000000\n"
                                   "CombatStyle[1]=-1\nCamping[1]=1\nBotJumpy[1]=0\n"
                           << true << QStringList{} << QStringList{};
    QTest::newRow("numbers out of range")
        << ab + "BotAccuracy[0]=1.5\nCamping[0]=-0.2\nBotJumpy[0]=2\nBotTeams[0]=7\nStrafingAbility[1]=-1e9\n"
                "BotJumpy[1]=0.5\n"
        << false
        << strings({"BotAccuracy[0] OutOfRange", "Camping[0] OutOfRange", "BotJumpy[0] OutOfRange",
                       "BotTeams[0] OutOfRange", "StrafingAbility[1] OutOfRange", "BotJumpy[1] OutOfRange"})
        << strings({"BotAccuracy[0]=1.000000", "Camping[0]=0.000000", "BotJumpy[0]=1", "BotTeams[0]=255",
                       "StrafingAbility[1]=-1.000000", "BotJumpy[1]=0"});
    QTest::newRow("text in numbers")
        << ab + "BotAccuracy[0]=abc\nAlertness[0]=0.5 or so\nBotTeams[0]=Red\nBotSkills[0]=\nBotJumpy[1]=True\n"
        << false
        << strings({"BotAccuracy[0] NotANumber", "Alertness[0] NotANumber", "BotTeams[0] NotANumber",
                       "BotSkills[0] NotANumber", "BotJumpy[1] NotANumber"})
        << strings({"BotAccuracy[0]=0.000000", "Alertness[0]=0.500000", "BotTeams[0]=0", "BotSkills[0]=0.000000"});
    QTest::newRow("skill past 7 and below 0")
        << ab + "Difficulty=6\nBotSkills[0]=3\nBotSkills[1]=-3\nBotNames[2]=Cedar\nBotSkills[2]=-7\n" << false
        << strings({"BotSkills[0] SkillOutOfRange", "BotSkills[2] SkillOutOfRange"}) << QStringList{};
    QTest::newRow("no difficulty, no skill findings") << ab + "BotSkills[0]=30\n" << false << QStringList{}
                                                     << QStringList{};
    QTest::newRow("names used twice")
        << QByteArray("BotNames[0]=Moth\nBotNames[1]=\" moth \"\nBotNames[2]=Moth 2\nBotNames[3]=MOTH\n") << false
        << strings({"BotNames[1] DuplicateName", "BotNames[3] DuplicateName"})
        << strings({"BotNames[1]=moth 3", "BotNames[3]=MOTH 4"});
    QTest::newRow("blank and missing names before a named bot")
        << QByteArray("BotNames[0]=Ash\nBotNames[1]=\nBotSkills[2]=1\nBotNames[3]=Bot\nBotAccuracy[2]=3\n") << false
        << strings({"BotNames[1] BlankName", "BotNames[2] BlankName", "BotAccuracy[2] OutOfRange"})
        << strings({"BotNames[1]=Bot 2", "BotNames[2]=Bot 3", "BotAccuracy[2]=1.000000"});
    QTest::newRow("left over")
        << ab + "BotSkills[2]=1\nbotnames[0]=Birch\nBotNames[3]=\nNote[4]=not a bot's\nFavoriteWeapon[7]=X.Y\n"
                "BotAccuracy[1]=0.5\nBotSkills[120]=1\nBotNames[101]=Far\n"
        << false
        << strings({"BotSkills[2] LeftOver", "BotNames[3] LeftOver", "FavoriteWeapon[7] LeftOver",
                       "BotSkills[120] LeftOver", "BotNames[101] LeftOver"})
        << strings({"-BotSkills[2]", "-BotNames[3]", "-FavoriteWeapon[7]", "-BotSkills[120]", "-BotNames[101]"});
    QTest::newRow("no named bot") << QByteArray("BotNames[0]=\nCamping[0]=5\n") << false
                                  << strings({"BotNames[0] LeftOver", "Camping[0] LeftOver"})
                                  << strings({"-BotNames[0]", "-Camping[0]"});
    const QByteArray looks = ab + "BotClasses[0]=MultiMesh.TSkaarjBot\nBotSkins[0]=SoldierSkins_ci.rtci\n"
        "BotFaces[0]=Jester.Jester\nVoiceType[0]=COV_Voices.COVv_VoiceP1\nFavoriteWeapon[0]=Botpack.SniperRifle\n"
        "BotClasses[1]=Trooper.TrooperBot\nBotSkins[1]=RangerSkins.leaf\nBotFaces[1]=TrooperSkins.Yeti\n"
        "VoiceType[1]=trooper.voicegruff\nFavoriteWeapon[1]=Trooper.Carbine\n";
    QTest::newRow("looks, not installed here")
        << looks << true
        << strings({"BotClasses[0] UnknownClass", "BotSkins[0] UnknownSkin", "VoiceType[0] UnknownVoice",
                       "FavoriteWeapon[0] UnknownWeapon", "BotFaces[1] FaceNotForSkin", "BotSkins[1] SkinOfOtherModel"})
        << strings({"BotFaces[1]=RangerSkins.Fern"});
    QTest::newRow("looks, no install known") << looks << false << QStringList{} << QStringList{};
    QTest::newRow("a face no package declares, a face that fits")
        << ab + "BotSkins[0]=TrooperSkins.snow\nBotFaces[0]=Jester.Jester\nBotSkins[1]=TrooperSkins.snow\n"
                "BotFaces[1]=TrooperSkins.Yeti\n"
        << true << strings({"BotFaces[0] UnknownFace"}) << QStringList{};
}

void GameTest::checksTheRoster()
{
    QFETCH(QByteArray, section);
    QFETCH(bool, installed);
    QFETCH(QStringList, findings);
    QFETCH(QStringList, fixes);
    const profile::Document document("[CovertstrikeUT.CovBotInfo]\n" + section.toStdString());
    const Declarations declarations = install();
    const RosterCheck check = CheckRoster(document.entries(roster::BotRoster), roster::TextEncoding::Windows1252,
                                          installed ? &declarations : nullptr);
    QCOMPARE(check.looksChecked, installed);
    QStringList found;
    for (const Finding& f : check.findings) {
        found << QString::fromStdString(f.key) + QLatin1Char(' ') + QLatin1String(KindNames[int(f.kind)]);
        QVERIFY2(f.sentence().find('%') == std::string::npos, f.sentence().c_str());
    }
    QCOMPARE(found, findings);
    QStringList edits;
    for (const profile::KeyValue& kv : FixAll(check))
        edits << QString::fromStdString(kv.remove ? "-" + kv.key : kv.key + "=" + kv.value);
    QCOMPARE(edits, fixes);
}

void GameTest::namesTheSkillInPlay_data()
{
    QTest::addColumn<QString>("difficulty"); // null: no Difficulty key
    QTest::addColumn<QString>("skill");
    QTest::addColumn<double>("played");
    QTest::addColumn<QString>("name");
    QTest::newRow("within") << "3" << "2.000000" << 5.0 << "Masterful";
    QTest::newRow("held at 7") << "6" << "3" << 7.0 << "Godlike";
    QTest::newRow("held at 0") << "0" << "-3" << 0.0 << "Novice";
    QTest::newRow("between levels") << "3" << "0.5" << 3.5 << "Skilled";
    QTest::newRow("no skill key") << "1" << "" << 1.0 << "Average";
    QTest::newRow("no difficulty") << QString() << "2" << -1.0 << QString();
}

void GameTest::namesTheSkillInPlay()
{
    QFETCH(QString, difficulty);
    QFETCH(QString, skill);
    QFETCH(double, played);
    QFETCH(QString, name);
    const std::string d = difficulty.toStdString();
    const auto inPlay
        = SkillInPlay(difficulty.isNull() ? std::nullopt : std::optional<std::string_view>(d), skill.toStdString());
    QCOMPARE(inPlay.has_value(), !difficulty.isNull());
    if (inPlay) {
        QCOMPARE(inPlay->played, played);
        QCOMPARE(QString::fromUtf8(inPlay->name.data(), qsizetype(inPlay->name.size())), name);
    }
}

void GameTest::fixAllIsOneTransaction()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
    const QByteArray before = "[CovertstrikeUT.CovBotInfo]\r\nBotNames[0]=M\xF6th\r\nBotNames[1]=m\xF6th\r\n"
                              "BotAccuracy[1]=2\r\nBotSkills[2]=1.000000\r\n[Other]\r\nBotSkills[2]=kept\r\n";
    QVERIFY(testing::writeBytes(path, before));
    const RosterCheck check = CheckRosterFile(testing::toStd(path), nullptr);
    QCOMPARE(check.findings.size(), std::size_t{3});
    QCOMPARE(check.findings[0].botName, std::string("m\xC3\xB6th"));

    const roster::SaveOutcome outcome = ApplyFixes(testing::toStd(path), FixAll(check), "20260101-120000");
    QVERIFY2(outcome.ok, outcome.error.c_str());
    QVERIFY(!outcome.backup.empty());
    QCOMPARE(testing::readBytes(path), QByteArray("[CovertstrikeUT.CovBotInfo]\r\nBotNames[0]=M\xF6th\r\n"
                                                  "BotNames[1]=m\xF6th 2\r\nBotAccuracy[1]=1.000000\r\n"
                                                  "[Other]\r\nBotSkills[2]=kept\r\n"));
    QVERIFY(CheckRosterFile(testing::toStd(path), nullptr).findings.empty());

    const std::string gone = testing::toStd(dir.filePath(QStringLiteral("gone.ini")));
    QCOMPARE(ApplyFixes(gone, FixAll(check), {}).gone, roster::Gone::File);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("gone.ini"))));
}

// A fix's value (UTF-8) in the roster's own bytes, or the whole plan refused.
void GameTest::fixPlanWritesTheFilesEncoding_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("utf8");
    QTest::addColumn<QByteArray>("written"); // null: the plan is refused
    QTest::newRow("Windows-1252") << QByteArray("M\xC3\xB6th 2") << false << QByteArray("M\xF6th 2");
    QTest::newRow("UTF-8") << QByteArray("M\xC3\xB6th 2") << true << QByteArray("M\xC3\xB6th 2");
    QTest::newRow("not in Windows-1252") << QByteArray("\xC5\x81ucja 2") << false << QByteArray();
    QTest::newRow("a line break") << QByteArray("Moth\r\n[Other]") << true << QByteArray();
}

void GameTest::fixPlanWritesTheFilesEncoding()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, utf8);
    QFETCH(QByteArray, written);
    const std::vector<profile::KeyValue> fixes{{"BotNames[0]", "x", true}, {"BotNames[1]", value.toStdString()}};
    const roster::RosterEdits planned
        = FixPlan(fixes)({}, utf8 ? roster::TextEncoding::Utf8 : roster::TextEncoding::Windows1252);
    QCOMPARE(planned.refusal.has_value(), written.isNull());
    if (planned.refusal) {
        QVERIFY(planned.edits.empty());
        QCOMPARE(planned.refusal->arguments.front(), std::string("BotNames[1]"));
        return;
    }
    QCOMPARE(planned.edits.size(), std::size_t{2});
    QVERIFY(planned.edits[0].remove);
    QCOMPARE(QByteArray::fromStdString(planned.edits[1].value), written);
}

QTEST_GUILESS_MAIN(GameTest)
#include "test_game.moc"
