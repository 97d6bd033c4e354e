// Nothing lost: saves killed midway, writes that cannot complete, other
// programs' changes, the encodings the game writes, and hostile files.

#include "profile/profile_file.h"
#include "profile/utf16.h"
#include "roster/roster.h"
#include "support/child_process.h"
#include "support/files.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <thread>

using roster::BotEdit;
using roster::RosterFile;

namespace {

const QString RosterName = QStringLiteral("CovertstrikeUser.ini");

// At most one copy of the file is alive at a time, so the peak stays under
// two; AddressSanitizer keeps freed blocks in quarantine, which adds more.
#if defined(__SANITIZE_ADDRESS__)
constexpr long PeakPerFileByte = 4;
#else
constexpr long PeakPerFileByte = 2;
#endif
const QByteArray Header = "[CovertstrikeUT.CovBotInfo]\r\n";

// Our temporary files beside the roster, as a killed write leaves them.
QStringList temporaries(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral(".CovertstrikeUser.ini.cbt~*")}, QDir::Files | QDir::Hidden);
}

BotEdit accuracyOnly(const std::string& value)
{
    BotEdit edit;
    edit.nameChanged = false;
    edit.values[4] = value;
    edit.changed[4] = true;
    return edit;
}

QByteArray utf16le(const QByteArray& utf8)
{
    std::string units;
    if (!profile::utf16leFromUtf8(utf8.toStdString(), units))
        return {};
    return QByteArray("\xFF\xFE") + QByteArray(units.data(), qsizetype(units.size()));
}

// A folder that the unprivileged child can reach.
void openUp(const QString& path, mode_t mode) { ::chmod(QFile::encodeName(path).constData(), mode); }
void giveToNobody(const QString& path)
{
    if (::getuid() == 0)
        QCOMPARE(::chown(QFile::encodeName(path).constData(), testing::Nobody, testing::Nobody), 0);
}

} // namespace

class SafetyTest : public QObject {
    Q_OBJECT

private slots:
    void killedSavesLeaveTheOldBotOrTheNewWhole();
    void refusedWritesKeepTheOriginal_data();
    void refusedWritesKeepTheOriginal();
    void backupComesFirstOrStopsTheSave_data();
    void backupComesFirstOrStopsTheSave();
    void ownerSurvivesASave();
    void otherProgramsChangesSurviveOurSave();
    void utf16FilesStayUtf16();
    void utf8ByteOrderMarkIsKept();
    void hostileFiles_data();
    void hostileFiles();
    void filesThatAreNotFilesGiveAClearError();
};

void SafetyTest::killedSavesLeaveTheOldBotOrTheNewWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(RosterName);
    const QByteArray before = testing::sampleRoster();
    QVERIFY(testing::writeBytes(path, before));
    const std::string file = testing::toStd(path);

    // Bot 5 as it stands, and bot 5 with its name and every saved field changed.
    BotEdit oldBot;
    oldBot.name = RosterFile(file).ListBotNames().names.at(5);
    const roster::LoadedBot loaded = RosterFile(file).LoadBot(5);
    BotEdit newBot = oldBot;
    newBot.name = "Renamed";
    for (int box : roster::ControlOrder) {
        oldBot.values[box] = loaded.fields[box].text;
        newBot.values[box] = loaded.fields[box].text + "1";
        oldBot.changed[box] = newBot.changed[box] = true;
    }
    QVERIFY(RosterFile(file).SaveBot(5, newBot).ok);
    const QByteArray after = testing::readBytes(path);
    QVERIFY(RosterFile(file).SaveBot(5, oldBot).ok);
    QCOMPARE(testing::readBytes(path), before);
    QVERIFY(after.contains("BotNames[5]=Renamed\r\n"));

    const QString foreign = dir.filePath(QStringLiteral(".CovertstrikeUser.ini.cbt~notours"));
    QVERIFY(testing::writeBytes(foreign, "someone else's"));
    QRandomGenerator random(20261207);
    int killedMidway = 0;
    for (int round = 0; round < 300; ++round) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            for (int i = 0;; ++i)
                RosterFile(file).SaveBot(5, i % 2 ? oldBot : newBot);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(200, 6000)));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);

        const QByteArray now = testing::readBytes(path);
        QVERIFY2(now == before || now == after, qPrintable(QStringLiteral("round %1").arg(round)));
        const QStringList left = temporaries(dir.path());
        QVERIFY(left.size() <= 2); // at most one of ours, beside the stranger
        killedMidway += int(left.size()) - 1;
    }
    qInfo("%d of 300 kills left a temporary file behind", killedMidway);

    QVERIFY(RosterFile(file).SaveBot(5, oldBot).ok);
    QCOMPARE(testing::readBytes(path), before);
    QCOMPARE(temporaries(dir.path()), QStringList({QStringLiteral(".CovertstrikeUser.ini.cbt~notours")}));
    QCOMPARE(testing::readBytes(foreign), QByteArray("someone else's"));
}

void SafetyTest::refusedWritesKeepTheOriginal_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("file-size limit reached") << QStringLiteral("limit") << QStringLiteral("File too large");
    QTest::newRow("read-only file") << QStringLiteral("read-only file") << QStringLiteral("Permission denied");
    QTest::newRow("read-only folder") << QStringLiteral("read-only folder") << QStringLiteral("Permission denied");
}

void SafetyTest::refusedWritesKeepTheOriginal()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(RosterName);
    const QByteArray original = testing::sampleRoster();
    QVERIFY(testing::writeBytes(path, original));
    openUp(dir.path(), 0777);
    giveToNobody(path);
    if (kind == QLatin1String("read-only file")) {
        openUp(path, 0444);
    } else if (kind == QLatin1String("read-only folder")) {
        giveToNobody(dir.path());
        openUp(dir.path(), 0555);
    }

    const std::string file = testing::toStd(path);
    const bool limit = kind == QLatin1String("limit");
    const testing::ChildResult child = testing::runInChild(
        [&](int fd) {
            if (limit) {
                std::signal(SIGXFSZ, SIG_IGN);
                const rlim_t size = static_cast<rlim_t>(original.size() / 2);
                const struct rlimit cap = {size, size};
                ::setrlimit(RLIMIT_FSIZE, &cap);
            }
            const RosterFile roster(file);
            const roster::SaveOutcome outcome = roster.SaveBot(5, accuracyOnly("0.500000"));
            testing::sendMessage(fd, outcome.failedKey + "|" + outcome.error);
            return outcome.ok ? 1 : 0;
        },
        /*unprivileged=*/!limit);
    openUp(dir.path(), 0700);

    QCOMPARE(child.exitCode, 0);
    QCOMPARE(QString::fromUtf8(child.message), QStringLiteral("BotAccuracy[5]|") + reason);
    QCOMPARE(testing::readBytes(path), original);
    QVERIFY(temporaries(dir.path()).isEmpty());
}

void SafetyTest::backupComesFirstOrStopsTheSave_data()
{
    QTest::addColumn<bool>("folderWritable");
    QTest::newRow("copy made") << true;
    QTest::newRow("copy refused") << false;
}

void SafetyTest::backupComesFirstOrStopsTheSave()
{
    QFETCH(bool, folderWritable);
    QTemporaryDir dir;
    const QString path = dir.filePath(RosterName);
    const QByteArray original = testing::sampleRoster();
    QVERIFY(testing::writeBytes(path, original));
    openUp(path, 0640);
    giveToNobody(path);
    giveToNobody(dir.path());
    openUp(dir.path(), folderWritable ? 0700 : 0500);

    const std::string file = testing::toStd(path);
    const testing::ChildResult child = testing::runInChild(
        [&](int fd) {
            BotEdit edit = accuracyOnly("0.500000");
            edit.backupStamp = "20261207-101500";
            const roster::SaveOutcome outcome = RosterFile(file).SaveBot(5, edit);
            testing::sendMessage(fd, outcome.error + "|" + outcome.backup);
            return outcome.ok == folderWritable && outcome.refused != folderWritable ? 0 : 1;
        },
        /*unprivileged=*/true);
    openUp(dir.path(), 0700);

    QCOMPARE(child.exitCode, 0);
    const QString backup = dir.filePath(QStringLiteral("CovertstrikeUser.ini.20261207-101500.bak"));
    if (folderWritable) {
        QCOMPARE(QString::fromUtf8(child.message), QStringLiteral("|") + backup);
        QCOMPARE(testing::readBytes(backup), original);
        QCOMPARE(QFileInfo(backup).permissions(), QFileInfo(path).permissions());
        QCOMPARE(testing::readBytes(path), QByteArray(original).replace("BotAccuracy[5]=0.200000", "BotAccuracy[5]=0.500000"));
    } else {
        QCOMPARE(QString::fromUtf8(child.message),
                 QStringLiteral("The roster file could not be backed up before saving: Permission denied. "
                                "Nothing of this bot was saved.|"));
        QCOMPARE(testing::readBytes(path), original);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({RosterName}));
    }
}

void SafetyTest::ownerSurvivesASave()
{
    if (::getuid() != 0)
        QSKIP("only an administrator can hand a file to another user");
    QTemporaryDir dir;
    const QString path = dir.filePath(RosterName);
    QVERIFY(testing::writeBytes(path, testing::sampleRoster()));
    giveToNobody(path);
    openUp(path, 0604);
    QVERIFY(RosterFile(testing::toStd(path)).SaveBot(5, accuracyOnly("0.500000")).ok);
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
    QCOMPARE(info.st_uid, testing::Nobody);
    QCOMPARE(info.st_gid, gid_t(testing::Nobody));
    QCOMPARE(info.st_mode & 07777, mode_t(0604));
}

void SafetyTest::otherProgramsChangesSurviveOurSave()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(RosterName);
    QVERIFY(testing::writeBytes(path, testing::sampleRoster()));
    const RosterFile roster(testing::toStd(path));
    const roster::LoadedBot loaded = roster.LoadBot(5);
    QCOMPARE(loaded.fields[4].text, std::string("0.200000"));

    // Meanwhile another program edits the same bot and another one.
    QByteArray theirs = testing::readBytes(path);
    theirs.replace("BotSkins[5]=COV_Skins.Urban2", "BotSkins[5]=COV_Skins.Night9");
    theirs.replace("BotSkills[6]=-1.000000", "BotSkills[6]=2.000000");
    theirs.replace("bAdjustSkill=True", "bAdjustSkill=True\r\n; tuned by hand");
    QVERIFY(testing::writeBytes(path, theirs));

    QVERIFY(roster.SaveBot(5, accuracyOnly("0.650000")).ok);
    QCOMPARE(testing::readBytes(path), QByteArray(theirs).replace("BotAccuracy[5]=0.200000", "BotAccuracy[5]=0.650000"));
}

void SafetyTest::utf16FilesStayUtf16()
{
    // The sample with a name and a comment outside Windows-1252.
    QByteArray text = testing::sampleRoster();
    text.replace("BotNames[2]=Bramble", "BotNames[2]=Br\xc3\xa5mble \xc5\x81");
    text.replace("[CovertstrikeUT.CovHUD]", "; \xe2\x98\x85 \xf0\x9f\x8e\xae\r\n[CovertstrikeUT.CovHUD]");
    const QByteArray original = utf16le(text) + QByteArray("\x3d\xd8", 2) + "\x01"; // a lone surrogate, an odd byte
    QTemporaryDir dir;
    const QString path = dir.filePath(RosterName);
    QVERIFY(testing::writeBytes(path, original));

    const RosterFile roster(testing::toStd(path));
    const roster::BotNameList names = roster.ListBotNames();
    QCOMPARE(names.names.size(), std::size_t(16));
    QCOMPARE(names.names[2], std::string("Br\u00e5mble \u0141"));
    QCOMPARE(roster.LoadBot(5).fields[4].text, std::string("0.200000"));

    BotEdit edit = accuracyOnly("-0.100000");
    edit.name = "Cinder \u2605";
    edit.nameChanged = true;
    QVERIFY(roster.SaveBot(5, edit).ok);
    QByteArray expected = text;
    expected.replace("BotAccuracy[5]=0.200000", "BotAccuracy[5]=-0.100000");
    expected.replace("BotNames[5]=Cinder", "BotNames[5]=Cinder \xe2\x98\x85");
    QCOMPARE(testing::readBytes(path), utf16le(expected) + QByteArray("\x3d\xd8", 2) + "\x01");
}

void SafetyTest::utf8ByteOrderMarkIsKept()
{
    const QByteArray original = "\xEF\xBB\xBF" + testing::sampleRoster().replace("Fable", "F\xc3\xa1" "ble");
    QTemporaryDir dir;
    const QString path = dir.filePath(RosterName);
    QVERIFY(testing::writeBytes(path, original));
    const RosterFile roster(testing::toStd(path));
    QCOMPARE(roster.ListBotNames().names.at(14), std::string("F\u00e1ble"));
    QVERIFY(roster.SaveBot(14, accuracyOnly("0.300000")).ok);
    const QByteArray after = testing::readBytes(path);
    QVERIFY(after.startsWith("\xEF\xBB\xBF[CovertstrikeUT.CovGameInfo]"));
    QCOMPARE(after, QByteArray(original).replace("BotAccuracy[14]=-0.100000", "BotAccuracy[14]=0.300000"));

    // As on Windows, a section right behind the mark cannot be found.
    QVERIFY(testing::writeBytes(path, "\xEF\xBB\xBF" + Header + "BotNames[0]=A\r\n"));
    QVERIFY(roster.ListBotNames().names.empty());
}

void SafetyTest::hostileFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("names");
    for (const char* kind : {"50 MB file", "one 10 MB line", "NUL bytes", "random binary", "100000 sections",
                             "1 MB header line", "10 MB with lone CR endings"})
        QTest::newRow(kind) << QString::fromLatin1(kind) << (QByteArray(kind) == "random binary" ? -1 : 16);
}

void SafetyTest::hostileFiles()
{
    QFETCH(QString, kind);
    QFETCH(int, names);
    QTemporaryDir dir;
    const QString path = dir.filePath(RosterName);
    {
        QByteArray bytes = testing::sampleRoster();
        if (kind == QLatin1String("50 MB file")) {
            QByteArray padding = "[CovertstrikeUT.Padding]\r\n";
            const QByteArray line = "SomeSetting=" + QByteArray(100, 'p') + "\r\n";
            while (padding.size() < 50 * 1024 * 1024)
                padding += line;
            bytes = padding + bytes;
        } else if (kind == QLatin1String("one 10 MB line")) {
            bytes.replace("BotFaces[0]=COV_Faces.Face00", "BotFaces[0]=" + QByteArray(10 * 1024 * 1024, 'f'));
        } else if (kind == QLatin1String("NUL bytes")) {
            bytes.replace("BotFaces[1]=", QByteArray("Bot\0Faces[1]=", 13));
            bytes.replace("BotSkins[5]=COV_Skins.Urban2", QByteArray("BotSkins[5]=Ur\0ban", 18));
            bytes += QByteArray(1000, '\0');
        } else if (kind == QLatin1String("random binary")) {
            bytes.resize(1024 * 1024);
            QRandomGenerator random(5);
            for (char& c : bytes)
                c = static_cast<char>(random.bounded(256));
        } else if (kind == QLatin1String("100000 sections")) {
            QByteArray many;
            for (int i = 0; i < 100000; ++i)
                many += "[S" + QByteArray::number(i) + "]\r\nk=v\r\n";
            bytes = many + bytes;
        } else if (kind == QLatin1String("1 MB header line")) {
            bytes = "[" + QByteArray(1024 * 1024, 'h') + "\r\n" + bytes;
        } else {
            QByteArray padding = "[CovertstrikeUT.Padding]\r";
            while (padding.size() < 10 * 1024 * 1024)
                padding += "Key=value\r";
            bytes = padding + bytes.replace("\r\n", "\r");
        }
        QVERIFY(testing::writeBytes(path, bytes));
    }
    const qint64 size = QFileInfo(path).size();
    const std::string file = testing::toStd(path);

    // The growth of a child's peak over that of a child that does nothing:
    // both start from this process's pages, which they share.
    ::malloc_trim(0); // give back what generating the file took, so the child cannot reuse it unseen
    const long baseline = testing::runInChild([](int) { return 0; }).maxResidentKb;
    const testing::ChildResult child = testing::runInChild([&](int fd) {
        const RosterFile roster(file);
        const roster::BotNameList list = roster.ListBotNames();
        const roster::LoadedBot bot = roster.LoadBot(5);
        const roster::SaveOutcome saved = roster.SaveBot(5, accuracyOnly("0.450000"));
        testing::sendMessage(fd, std::to_string(list.names.size()) + "|" + bot.fields[10].text + "|" + saved.error);
        return saved.ok && list.error.empty() && bot.error.empty() ? 0 : 1;
    });
    QCOMPARE(child.exitCode, 0);
    const QList<QByteArray> parts = child.message.split('|');
    if (names >= 0)
        QCOMPARE(parts[0].toInt(), names);
    const long usedKb = child.maxResidentKb - baseline;
    qInfo("%s: %lld bytes, the child's peak grew by %ld KB", qPrintable(kind), size, usedKb);
    QVERIFY2(usedKb < PeakPerFileByte * size / 1024 + 16 * 1024, qPrintable(QString::number(usedKb)));

    const QByteArray after = testing::readBytes(path);
    QVERIFY(after.contains("BotAccuracy[5]=0.450000"));
    QVERIFY(!after.contains("BotAccuracy[5]=0.200000"));
    if (names >= 0)
        QCOMPARE(after.size(), size); // the same length of value, in place
}

void SafetyTest::filesThatAreNotFilesGiveAClearError()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(RosterName);
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = dir.filePath(QStringLiteral("big/CovertstrikeUser.ini"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("big")));
    {
        QFile sparse(huge);
        QVERIFY(sparse.open(QIODevice::WriteOnly));
        QVERIFY(sparse.resize(qint64(profile::MaxProfileBytes) + 1));
    }
    const QList<QPair<std::string, QString>> cases = {
        {testing::toStd(fifo), QStringLiteral("Not a regular file")},
        {"/dev/null", QStringLiteral("Not a regular file")},
        {testing::toStd(huge), QStringLiteral("File too large")},
    };
    for (const auto& [file, reason] : cases) {
        const RosterFile roster(file);
        QCOMPARE(QString::fromStdString(roster.ListBotNames().error), reason);
        QCOMPARE(QString::fromStdString(roster.LoadBot(0).error), reason);
        const roster::SaveOutcome saved = roster.SaveBot(0, accuracyOnly("0.5"));
        QVERIFY(!saved.ok);
        QCOMPARE(QString::fromStdString(saved.error), reason);
    }
}

QTEST_GUILESS_MAIN(SafetyTest)
#include "test_safety.moc"
