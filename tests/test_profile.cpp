// The INI engine: reading every quirk of the Windows profile calls, editing
// a file without disturbing a byte beyond the changed line, and writing it
// back atomically.

#include "profile/file_system.h"
#include "profile/merge.h"
#include "profile/profile.h"
#include "profile/profile_file.h"
#include "profile/utf16.h"
#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using profile::Document;

namespace {

QByteArray bytes(std::string_view s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }

Document quirks() { return Document(testing::readBytes(QStringLiteral(CBT_TEST_DATA "/quirks.ini")).toStdString()); }

// Every (section, key) pair of a file that the engine can reach.
QList<QPair<QByteArray, QByteArray>> reachableKeys(const QByteArray& file)
{
    QList<QPair<QByteArray, QByteArray>> keys;
    QByteArray section;
    for (QByteArray line : file.split('\n')) {
        line = line.trimmed();
        if (line.startsWith('['))
            section = line.mid(1, line.indexOf(']') - 1);
        else if (!section.isEmpty() && line.contains('=') && !line.startsWith(';'))
            keys.append({section, line.left(line.indexOf('='))});
    }
    return keys;
}

// The bytes a file holds when it holds `text`.
QByteArray fileBytes(const profile::FileText& text)
{
    std::string units;
    if (!text.utf16)
        return bytes(text.text);
    return profile::utf16leFromUtf8(text.text, units) ? "\xFF\xFE" + bytes(units) + bytes(text.oddByte) : "not UTF-8";
}

const QByteArray Utf16File = QByteArray("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\x01\xD8\r\0\n\0\x07", 23); // a lone surrogate, an odd byte

} // namespace

class ProfileTest : public QObject {
    Q_OBJECT

private slots:
    void readsAsWindowsDoes_data();
    void readsAsWindowsDoes();
    void byteOrderMarkHidesTheFirstSection();
    void cutsToTheBufferAndHandlesTheDefault_data();
    void cutsToTheBufferAndHandlesTheDefault();
    void editsOnlyTheChangedLine_data();
    void removesKeysAndKeepsEveryOtherByte_data();
    void removesKeysAndKeepsEveryOtherByte();
    void editsOnlyTheChangedLine();
    void writingEveryKeyBackLeavesTheFileIdentical_data();
    void writingEveryKeyBackLeavesTheFileIdentical();
    void oneTransactionWritesWhatKeyByKeyWritesWould_data();
    void oneTransactionWritesWhatKeyByKeyWritesWould();
    void anotherProgramsChangeDuringAWriteIsKept_data();
    void anotherProgramsChangeDuringAWriteIsKept();
    void everyWriteRecordsWhatItReplaced_data();
    void everyWriteRecordsWhatItReplaced();
    void rewriteDecidesOnTheFileAsItIsAtEachAttempt_data();
    void rewriteDecidesOnTheFileAsItIsAtEachAttempt();
    void stepsOfAWriteComeInTheirSafeOrder_data();
    void stepsOfAWriteComeInTheirSafeOrder();
    void backupsAreNamedAndRotated();
    void restoreBacksUpWhatAnotherProgramWroteMeanwhile();
    void refusesTextThatWouldSplitALine_data();
    void refusesTextThatWouldSplitALine();
    void createsANewFileAsWindowsDoes();
    void keepsLinksPermissionsAndRemovesStaleTemporaries();
    void failedWritesLeaveTheFileAsItWas_data();
    void failedWritesLeaveTheFileAsItWas();
    void refusesToReadWhatIsNotAFile();
    void carriesAChangeOverAnotherProgramsChanges_data();
    void carriesAChangeOverAnotherProgramsChanges();
};

void ProfileTest::readsAsWindowsDoes_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("value");

    auto row = [](const char* name, const char* section, const char* key, bool found, const char* value) {
        QTest::newRow(name) << QByteArray(section) << QByteArray(key) << found << QByteArray(value);
    };
    row("plain", "Quirks", "plain", true, "value");
    row("names ignore case", "quirks", "PLAIN", true, "value");
    row("argument spaces trimmed", " Quirks ", " plain ", true, "value");
    row("argument tabs kept", "Quirks", "\tplain", false, "");
    row("blanks around key and value", "Quirks", "Spaced Key", true, "spaced value");
    row("tabs around value", "Quirks", "Tabbed", true, "x");
    row("double quotes removed, inner blanks kept", "Quirks", "quoted", true, "  inside  ");
    row("single quotes removed", "Quirks", "single", true, "one");
    row("mixed quotes kept", "Quirks", "mixed", true, "\"x'");
    row("lone quote kept", "Quirks", "lone", true, "\"");
    row("present but empty", "Quirks", "empty", true, "");
    row("split at first equals", "Quirks", "equals", true, "a=b=c");
    row("comment never matched", "Quirks", ";commented", false, "");
    row("comment name not matched", "Quirks", "commented", false, "");
    row("indented comment", "Quirks", ";indented", false, "");
    row("semicolon inside value is data", "Quirks", "semi", true, "diet ;gag");
    row("hash is ordinary", "Quirks", "hash", true, "#not a comment");
    row("line without equals", "Quirks", "no equals sign here", false, "");
    row("first duplicate wins", "Quirks", "dup", true, "first");
    row("value keeps its case", "Quirks", "casekey", true, "Mixed Case Value");
    row("duplicate section not merged", "Quirks", "later", false, "");
    row("line before first header", "Quirks", "stray", false, "");
    row("no empty section before header", "", "stray", false, "");
    row("section name trimmed, tail ignored", "Spaced Section", "k", true, "in spaced");
    row("header without bracket", "Unclosed", "k", true, "in unclosed");
    row("LF endings", "LF", "lf", true, "unix");
    row("lone CR endings", "CR", "cr", true, "old mac");
    row("last line without ending", "End", "last", true, "no newline");
    row("absent section", "Missing", "plain", false, "");
}

void ProfileTest::readsAsWindowsDoes()
{
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(bool, found);
    QFETCH(QByteArray, value);

    const Document doc = quirks();
    const auto got = doc.find(section.toStdString(), key.toStdString());
    QCOMPARE(got.has_value(), found);
    if (found)
        QCOMPARE(bytes(*got), value);
    // Looking up many keys in one pass agrees with looking up each.
    const auto many = doc.findAll(section.toStdString(), {"dup", key.toStdString(), "plain", key.toStdString()});
    QCOMPARE(many[1], got);
    QCOMPARE(many[3], got);
    QCOMPARE(many[0], doc.find(section.toStdString(), "dup"));
    QCOMPARE(many[2], doc.find(section.toStdString(), "plain"));
}

void ProfileTest::byteOrderMarkHidesTheFirstSection()
{
    const Document doc("\xEF\xBB\xBF[S]\r\nk=v\r\n[T]\r\nk=t\r\n");
    QVERIFY(!doc.find("S", "k"));
    QCOMPARE(bytes(*doc.find("T", "k")), QByteArray("t"));
}

void ProfileTest::cutsToTheBufferAndHandlesTheDefault_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("defaultText");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("value cut to size - 1") << QByteArray("long") << QByteArray("d") << 4 << 3 << QByteArray("abc");
    QTest::newRow("value that fits") << QByteArray("short") << QByteArray("d") << 4 << 3 << QByteArray("xyz");
    QTest::newRow("empty value counts 0") << QByteArray("empty") << QByteArray("d") << 50 << 0 << QByteArray();
    QTest::newRow("default loses trailing spaces") << QByteArray("absent") << QByteArray("def  ") << 50 << 3
                                                   << QByteArray("def");
    QTest::newRow("default keeps leading spaces") << QByteArray("absent") << QByteArray("  lead") << 50 << 6
                                                  << QByteArray("  lead");
    QTest::newRow("default not unquoted") << QByteArray("absent") << QByteArray("\"q\"") << 50 << 3
                                          << QByteArray("\"q\"");
    QTest::newRow("default cut like a value") << QByteArray("absent") << QByteArray("abcdef") << 3 << 2
                                              << QByteArray("ab");
    QTest::newRow("size 1 copies nothing") << QByteArray("long") << QByteArray("d") << 1 << 0 << QByteArray();
}

void ProfileTest::cutsToTheBufferAndHandlesTheDefault()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, defaultText);
    QFETCH(int, size);
    QFETCH(int, count);
    QFETCH(QByteArray, text);

    const Document doc("[S]\r\nlong=abcdef\r\nshort=xyz\r\nempty=\r\n");
    const auto read = profile::readProfileString(doc, "S", key.toStdString(), defaultText.toStdString(),
                                                 static_cast<std::size_t>(size));
    QCOMPARE(static_cast<int>(read.count), count);
    QCOMPARE(bytes(read.text), text);
    QCOMPARE(read.found, key != "absent");
}

void ProfileTest::editsOnlyTheChangedLine_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("after");

    auto row = [](const char* name, const char* before, const char* section, const char* key, const char* value,
                  const char* after) {
        QTest::newRow(name) << QByteArray(before) << QByteArray(section) << QByteArray(key) << QByteArray(value)
                            << QByteArray(after);
    };
    row("existing key keeps its spelling", "[S]\r\nKey=old\r\n", "s", "KEY", "new", "[S]\r\nKey=new\r\n");
    row("existing key keeps its spacing", "[S]\r\n  Key = old  \r\nx=1\r\n", "S", "key", "new",
        "[S]\r\n  Key =new\r\nx=1\r\n");
    row("new key after last key line", "[S]\r\na=1\r\n; note\r\n\r\n[T]\r\n", "S", "b", "2",
        "[S]\r\na=1\r\nb=2\r\n; note\r\n\r\n[T]\r\n");
    row("new key in section without keys", "[S]\r\n\r\n[T]\r\n", "S", "b", "2", "[S]\r\nb=2\r\n\r\n[T]\r\n");
    row("comment is no key line", "[S]\r\n;k=1\r\n", "S", "k", "2", "[S]\r\nk=2\r\n;k=1\r\n");
    row("new section at the end", "[S]\r\na=1\r\n", "T", "b", "2", "[S]\r\na=1\r\n[T]\r\nb=2\r\n");
    row("ending added to last line", "[S]\r\na=1", "S", "b", "2", "[S]\r\na=1\r\nb=2\r\n");
    row("ending added before new section", "[S]\na=1", "T", "b", "2", "[S]\na=1\n[T]\nb=2\n");
    row("header at end of file", "[S]", "S", "k", "v", "[S]\r\nk=v\r\n");
    row("empty file", "", "S", "k", "v", "[S]\r\nk=v\r\n");
    row("LF file keeps LF", "[S]\na=1\n", "S", "b", "2", "[S]\na=1\nb=2\n");
    row("CR file keeps CR", "[S]\ra=1\r", "S", "b", "2", "[S]\ra=1\rb=2\r");
    row("CR ending not joined to a following LF", "[S]\ra=1\r\n\n[T]\r", "S", "b", "2",
        "[S]\ra=1\r\nb=2\r\n\n[T]\r");
    row("mixed endings untouched", "[S]\na=1\r\nb=2\r\n", "S", "b", "3", "[S]\na=1\r\nb=3\r\n");
    row("first duplicate key edited", "[S]\r\nk=1\r\nK=2\r\n", "S", "k", "9", "[S]\r\nk=9\r\nK=2\r\n");
    row("first duplicate section edited", "[S]\r\na=1\r\n[T]\r\n[S]\r\nb=1\r\n", "S", "b", "2",
        "[S]\r\na=1\r\nb=2\r\n[T]\r\n[S]\r\nb=1\r\n");
    row("value written as given", "[S]\r\n", "S", "k", "  \"x\" ", "[S]\r\nk=  \"x\" \r\n");
    row("arguments lose spaces", "[S]\r\nk=1\r\n", " S ", " k ", "2", "[S]\r\nk=2\r\n");
    row("byte-order mark kept, section unreachable", "\xEF\xBB\xBF[S]\r\nk=1\r\n", "S", "k", "2",
        "\xEF\xBB\xBF[S]\r\nk=1\r\n[S]\r\nk=2\r\n");
    row("bytes before first header kept", "junk\x01\xFF\r\n[S]\r\nk=1\r\n", "S", "k", "2",
        "junk\x01\xFF\r\n[S]\r\nk=2\r\n");
}

void ProfileTest::removesKeysAndKeepsEveryOtherByte_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    // The edit: k removed, n set to 5, gone removed (absent).
    QTest::newRow("line and its ending go") << QByteArray("[S]\r\na=1\r\nk=2\r\n;c\r\nn=1\n")
                                           << QByteArray("[S]\r\na=1\r\n;c\r\nn=5\n");
    QTest::newRow("every duplicate goes") << QByteArray("[S]\nK = 1\nk=2\n[T]\nk=3\n")
                                          << QByteArray("[S]\nn=5\n[T]\nk=3\n");
    QTest::newRow("last line without ending") << QByteArray("[S]\nn=1\nk=2") << QByteArray("[S]\nn=5\n");
    QTest::newRow("new key after the last kept line") << QByteArray("[S]\r\na=1\r\nk=2\r\n")
                                                      << QByteArray("[S]\r\na=1\r\nn=5\r\n");
    QTest::newRow("no section") << QByteArray("[T]\r\nk=1\r\n") << QByteArray("[T]\r\nk=1\r\n[S]\r\nn=5\r\n");
}

void ProfileTest::removesKeysAndKeepsEveryOtherByte()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    const Document doc(before.toStdString());
    const profile::Splice splice = doc.editAll("S", {{"n", "0"}, {"k", "", true}, {"gone", "", true}, {"n", "5"}});
    const std::string b(doc.bytes());
    QCOMPARE(bytes(b.substr(0, splice.keep) + splice.insert + b.substr(splice.resume)), after);
}

void ProfileTest::editsOnlyTheChangedLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, after);

    const Document doc(before.toStdString());
    const std::string edited = doc.withValue(section.toStdString(), key.toStdString(), value.toStdString());
    QCOMPARE(bytes(edited), after);
    QCOMPARE(bytes(*Document(edited).find(section.toStdString(), key.toStdString())),
             value.trimmed().replace("\"", ""));
}

void ProfileTest::writingEveryKeyBackLeavesTheFileIdentical_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("sample roster") << QStringLiteral(CBT_SAMPLE_ROSTER);
    QTest::newRow("roster with LF endings") << QStringLiteral(CBT_TEST_DATA "/lf-roster.ini");
}

void ProfileTest::writingEveryKeyBackLeavesTheFileIdentical()
{
    QFETCH(QString, file);
    const QByteArray original = testing::readBytes(file);
    QVERIFY(!original.isEmpty());

    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
    QVERIFY(testing::writeBytes(copy, original));

    const auto keys = reachableKeys(original);
    QVERIFY(keys.size() > 100);
    for (const auto& [section, key] : keys) {
        const Document doc(original.toStdString());
        const auto value = doc.find(section.toStdString(), key.toStdString());
        QVERIFY2(value, key.constData());
        const auto result = profile::writeProfileString(section.toStdString(), key.toStdString(),
                                                        std::string(*value), testing::toStd(copy));
        QVERIFY2(result.ok, result.error.c_str());
    }
    QCOMPARE(testing::readBytes(copy), original);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);
}

void ProfileTest::oneTransactionWritesWhatKeyByKeyWritesWould_data()
{
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArrayList>("keys"); // each set to "<key>-new"
    const QByteArray roster = "CovertstrikeUT.CovBotInfo";
    const QByteArrayList bot = {"BotNames[5]",     "VoiceType[5]", "BotSkills[5]", "BotAccuracy[5]",
                                "BotTeams[5]",     "Alertness[5]", "Camping[5]",   "CombatStyle[5]",
                                "StrafingAbility[5]", "BotJumpy[5]"};
    const QByteArrayList mixed = {"BotNames[40]", "BotSkills[3]", "BotJumpy[40]", "botnames[40]", "Camping[0]"};
    const QByteArrayList fresh = {"a", "b", "a", "c"};
    const std::pair<const char*, QString> files[] = {
        {"sample", QStringLiteral(CBT_SAMPLE_ROSTER)},
        {"LF roster", QStringLiteral(CBT_TEST_DATA "/lf-roster.ini")},
        {"quirks", QStringLiteral(CBT_TEST_DATA "/quirks.ini")},
    };
    for (const auto& [name, file] : files) {
        const QByteArray bytes = testing::readBytes(file);
        QTest::addRow("%s: one bot's keys", name) << bytes << roster << bot;
        QTest::addRow("%s: new and repeated keys", name) << bytes << roster << mixed;
        QTest::addRow("%s: a new section", name) << bytes << QByteArray("Brand.New") << fresh;
        QTest::addRow("%s: quirky section", name) << bytes << QByteArray(" second ") << fresh;
    }
    const std::pair<const char*, QByteArray> small[] = {
        {"empty", ""},
        {"last line without ending", "[X]\r\nk=1"},
        {"LF and blank lines", "[X]\nk=1\n\n"},
        {"lone CR", "; only a comment\r"},
        {"header without ending", "k=1\r\n[Brand.New]"},
        {"first line ends unlike the section's", "; LF first\n[Brand.New]\r\nk=1\r\n[Next]\r\n"},
    };
    for (const auto& [name, bytes] : small)
        QTest::addRow("small file, %s", name) << bytes << QByteArray("Brand.New") << fresh;
}

void ProfileTest::oneTransactionWritesWhatKeyByKeyWritesWould()
{
    QFETCH(QByteArray, original);
    QFETCH(QByteArray, section);
    QFETCH(QByteArrayList, keys);

    // Key by key: each edit made on the whole file as the previous one left it.
    std::string oneByOne = original.toStdString();
    std::vector<profile::KeyValue> values;
    for (const QByteArray& key : keys) {
        values.push_back({key.toStdString(), key.toStdString() + "-new"});
        oneByOne = Document(oneByOne).withValue(section.toStdString(), values.back().key, values.back().value);
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
    QVERIFY(testing::writeBytes(path, original));
    const auto result = profile::writeProfileStrings(section.toStdString(), values, testing::toStd(path));
    QVERIFY2(result.ok, result.error.c_str());
    QCOMPARE(testing::readBytes(path), bytes(oneByOne));
    QVERIFY(bytes(oneByOne) != original);
}

void ProfileTest::anotherProgramsChangeDuringAWriteIsKept_data()
{
    QTest::addColumn<int>("interruptions");
    QTest::addColumn<bool>("byRename");
    QTest::newRow("rewritten in place once") << 1 << false;
    QTest::newRow("replaced by rename twice") << 2 << true;
    QTest::newRow("changed at every attempt") << profile::MaxWriteAttempts << false;
}

void ProfileTest::anotherProgramsChangeDuringAWriteIsKept()
{
    QFETCH(int, interruptions);
    QFETCH(bool, byRename);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
    QVERIFY(testing::writeBytes(path, "[S]\r\nmine=1\r\ntheirs=0\r\n"));

    int seen = 0;
    QByteArray theirs;
    const auto otherProgram = [&] {
        if (seen >= interruptions)
            return;
        ++seen;
        theirs = "[S]\r\nmine=1\r\ntheirs=" + QByteArray::number(seen) + QByteArray(seen, ';') + "\r\n";
        const QString written = byRename ? dir.filePath(QStringLiteral("theirs.tmp")) : path;
        QVERIFY(testing::writeBytes(written, theirs));
        if (byRename) {
#ifdef Q_OS_WIN
            QVERIFY(::MoveFileExW(reinterpret_cast<const wchar_t*>(written.utf16()),
                                  reinterpret_cast<const wchar_t*>(path.utf16()), MOVEFILE_REPLACE_EXISTING));
#else
            QVERIFY(std::rename(testing::toStd(written).c_str(), testing::toStd(path).c_str()) == 0);
#endif
        }
    };
    const auto result = profile::writeProfileStrings("S", {{"mine", "2"}, {"new", "3"}}, testing::toStd(path),
                                                     otherProgram);
    QCOMPARE(seen, interruptions);
    if (interruptions < profile::MaxWriteAttempts) {
        QVERIFY2(result.ok, result.error.c_str());
        QCOMPARE(testing::readBytes(path), QByteArray(theirs).replace("mine=1\r\n", "mine=2\r\n") + "new=3\r\n");
    } else {
        QVERIFY(!result.ok);
        QVERIFY(QString::fromStdString(result.error).contains(QStringLiteral("Another program kept changing")));
        QCOMPARE(testing::readBytes(path), theirs);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({QStringLiteral("CovertstrikeUser.ini")}));
}

void ProfileTest::everyWriteRecordsWhatItReplaced_data()
{
    QTest::addColumn<QString>("write"); // keys, rewrite (to UTF-8, the text ending in "x=y"), restore
    QTest::addColumn<QByteArray>("original"); // null: no file
    QTest::addColumn<QByteArray>("copy");     // restore's
    QTest::addColumn<QByteArray>("written");

    const QByteArray plain = "[S]\r\nk=1\r\n";
    QTest::newRow("keys, plain file") << "keys" << plain << QByteArray() << QByteArray("[S]\r\nk=2\r\n");
    QTest::newRow("keys, new file") << "keys" << QByteArray() << QByteArray() << QByteArray("[S]\r\nk=2\r\n");
    QTest::newRow("keys, UTF-16 file") << "keys" << Utf16File << QByteArray()
                                       << QByteArray(Utf16File).replace(16, 2, QByteArray("2\0", 2));
    QTest::newRow("rewrite, UTF-16 file") << "rewrite" << Utf16File << QByteArray()
                                          << QByteArray("[S]\r\nk=\xED\xA0\x81\r\nx=y");
    QTest::newRow("restore, UTF-8 copy over UTF-16") << "restore" << Utf16File << plain << plain;
    QTest::newRow("restore, UTF-16 copy over UTF-8") << "restore" << plain << Utf16File << Utf16File;
    QTest::newRow("restore, onto no file") << "restore" << QByteArray() << plain << plain;
}

void ProfileTest::everyWriteRecordsWhatItReplaced()
{
    QFETCH(QString, write);
    QFETCH(QByteArray, original);
    QFETCH(QByteArray, copy);
    QFETCH(QByteArray, written);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
    if (!original.isNull())
        QVERIFY(testing::writeBytes(path, original));
    const QString copyPath = dir.filePath(QStringLiteral("copy.ini"));
    QVERIFY(testing::writeBytes(copyPath, copy));

    profile::Transaction record;
    profile::WriteResult result;
    if (write == QLatin1String("keys")) {
        result = profile::writeProfileStrings("S", {{"k", "2"}}, testing::toStd(path), {}, &record);
    } else if (write == QLatin1String("rewrite")) {
        const auto toUtf8 = [](const profile::LoadedFile&, profile::FileText& text) {
            text.text += "x=y";
            text.utf16 = false;
            return true;
        };
        result = profile::rewriteProfile(toUtf8, testing::toStd(path), {}, &record);
    } else {
        result = profile::restoreBackup(testing::toStd(path), testing::toStd(copyPath), "20261207-101500", 5, {},
                                        &record).result;
    }
    QVERIFY2(result.ok, result.error.c_str());
    QCOMPARE(testing::readBytes(path), written);
    QCOMPARE(record.existedBefore, !original.isNull());
    QCOMPARE(fileBytes(record.before), original.isNull() ? QByteArray("") : original);
    QCOMPARE(record.before.utf16, original.startsWith("\xFF\xFE"));
    QCOMPARE(fileBytes(record.after), written);
    QCOMPARE(record.after.utf16, written.startsWith("\xFF\xFE"));
}

void ProfileTest::rewriteDecidesOnTheFileAsItIsAtEachAttempt_data()
{
    QTest::addColumn<QString>("file"); // missing, unreadable, or its bytes
    QTest::addColumn<bool>("mayMake"); // the transform's answer for a missing file
    QTest::addColumn<QByteArray>("theirs"); // another program's bytes, written once before the rename
    QTest::addColumn<QString>("asked");     // the states the transform saw
    QTest::addColumn<QString>("outcome");

    QTest::newRow("missing, not to be made") << "missing" << false << QByteArray() << "Missing" << "refused";
    QTest::newRow("missing, made") << "missing" << true << QByteArray() << "Missing" << "ok";
    QTest::newRow("made meanwhile by another") << "missing" << true << QByteArray("a=1\n") << "Missing Read" << "ok";
    QTest::newRow("changed meanwhile") << "k=0\n" << true << QByteArray("a=1\n") << "Read Read" << "ok";
#ifdef Q_OS_UNIX
    QTest::newRow("unreadable: never written over") << "unreadable" << true << QByteArray() << "" << "failed";
#endif
}

void ProfileTest::rewriteDecidesOnTheFileAsItIsAtEachAttempt()
{
    QFETCH(QString, file);
    QFETCH(bool, mayMake);
    QFETCH(QByteArray, theirs);
    QFETCH(QString, asked);
    QFETCH(QString, outcome);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
#ifdef Q_OS_UNIX
    if (file == QLatin1String("unreadable"))
        QCOMPARE(::mkfifo(testing::toStd(path).c_str(), 0600), 0);
#endif
    if (file != QLatin1String("missing") && file != QLatin1String("unreadable"))
        QVERIFY(testing::writeBytes(path, file.toUtf8()));

    QStringList seen;
    const auto appendMine = [&](const profile::LoadedFile& read, profile::FileText& text) {
        seen.append(QLatin1String(read.state == profile::FileState::Read ? "Read" : "Missing"));
        text.text += "mine=1\n";
        return read.state == profile::FileState::Read || mayMake;
    };
    QByteArray pending = theirs;
    const auto otherProgram = [&] {
        if (!pending.isEmpty())
            QVERIFY(testing::writeBytes(path, std::exchange(pending, {})));
    };
    profile::Transaction record;
    const profile::WriteResult result = profile::rewriteProfile(appendMine, testing::toStd(path), otherProgram, &record);
    QCOMPARE(seen.join(QLatin1Char(' ')), asked);
    QCOMPARE(QLatin1String(result.ok ? "ok" : result.refused ? "refused" : "failed"), outcome);
    if (result.ok) {
        // The transform's text stands on what it was given: the last reading.
        const QByteArray last = !theirs.isEmpty() ? theirs : file == QLatin1String("missing") ? "" : file.toUtf8();
        QCOMPARE(bytes(record.before.text), last);
        QCOMPARE(testing::readBytes(path), last + "mine=1\n");
    } else if (file == QLatin1String("missing")) {
        QVERIFY(!QFile::exists(path));
    }
}

void ProfileTest::stepsOfAWriteComeInTheirSafeOrder_data()
{
    QTest::addColumn<QByteArray>("original"); // empty: no file yet
    QTest::addColumn<bool>("interrupted");    // another program writes the file once, just before the rename
    QTest::addColumn<QString>("steps");
    const QString safe = QStringLiteral("written flushed renamed folder-flushed ok");
    QTest::newRow("existing file") << QByteArray("[S]\r\nk=1\r\n") << false << safe;
    QTest::newRow("new file") << QByteArray() << false << safe;
    QTest::newRow("UTF-16 file") << QByteArray("\xff\xfe[\0S\0]\0\r\0\n\0", 12) << false << safe;
    QTest::newRow("changed meanwhile") << QByteArray("[S]\r\nk=1\r\n") << true
                                       << QStringLiteral("written flushed ") + safe;
}

void ProfileTest::stepsOfAWriteComeInTheirSafeOrder()
{
    QFETCH(QByteArray, original);
    QFETCH(bool, interrupted);
    QFETCH(QString, steps);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
    if (!original.isEmpty())
        QVERIFY(testing::writeBytes(path, original));

    QStringList seen;
    const char* names[] = {"written", "flushed", "renamed", "folder-flushed"};
    profile::fs::stepObserver() = [&](profile::fs::Step step, bool succeeded) {
        seen.append(QLatin1String(names[int(step)]) + QLatin1String(succeeded ? "" : " (failed)"));
    };
    const auto otherProgram = [&] {
        if (std::exchange(interrupted, false))
            QVERIFY(testing::writeBytes(path, original + "x=y\r\n"));
    };
    const profile::WriteResult result
        = profile::writeProfileStrings("S", {{"k", "2"}}, testing::toStd(path), otherProgram);
    profile::fs::stepObserver() = {};
    seen.append(QLatin1String(result.ok ? "ok" : "failed"));
    QCOMPARE(seen.join(QLatin1Char(' ')), steps);
}

void ProfileTest::backupsAreNamedAndRotated()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
    const QStringList strangers = {QStringLiteral("CovertstrikeUser.ini.old.bak"), QStringLiteral("Other.ini.20260101-000000.bak"),
                                   QStringLiteral("CovertstrikeUser.ini.2026010-000000.bak")};
    for (const QString& name : strangers)
        QVERIFY(testing::writeBytes(dir.filePath(name), "not ours"));

    // Seven saves, one a run; two of the runs in the same second. The
    // oldest copy stays beside the newest five.
    const char* stamps[] = {"20261207-101500", "20261207-101501", "20261207-101501", "20261207-235959",
                            "20261208-000000", "20261209-080000", "20261209-090000"};
    int n = 0;
    for (const char* stamp : stamps) {
        const QByteArray bytes = "[S]\r\nsave=" + QByteArray::number(++n) + "\r\n";
        QVERIFY(testing::writeBytes(path, bytes));
        const profile::Backup made = profile::backUpProfile(testing::toStd(path), stamp, 5);
        QVERIFY2(made.result.ok, made.result.error.c_str());
        QCOMPARE(testing::readBytes(QString::fromStdString(made.made)), bytes);
    }
    QStringList expected = strangers;
    expected << QStringLiteral("CovertstrikeUser.ini") << QStringLiteral("CovertstrikeUser.ini.20261207-101500.bak")
             << QStringLiteral("CovertstrikeUser.ini.20261207-101501-2.bak")
             << QStringLiteral("CovertstrikeUser.ini.20261207-235959.bak")
             << QStringLiteral("CovertstrikeUser.ini.20261208-000000.bak")
             << QStringLiteral("CovertstrikeUser.ini.20261209-080000.bak")
             << QStringLiteral("CovertstrikeUser.ini.20261209-090000.bak");
    expected.sort();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    QCOMPARE(testing::readBytes(dir.filePath(QStringLiteral("CovertstrikeUser.ini.20261207-101501-2.bak"))),
             QByteArray("[S]\r\nsave=3\r\n"));

    // A file still to be made needs no copy.
    const profile::Backup none = profile::backUpProfile(testing::toStd(dir.filePath(QStringLiteral("new.ini"))),
                                                        "20261210-000000", 5);
    QVERIFY(none.result.ok && none.made.empty());
}

void ProfileTest::restoreBacksUpWhatAnotherProgramWroteMeanwhile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
    const QString copy = dir.filePath(QStringLiteral("CovertstrikeUser.ini.20261201-000000.bak"));
    QVERIFY(testing::writeBytes(path, "[S]\r\nk=mine\r\n"));
    QVERIFY(testing::writeBytes(copy, "[S]\r\nk=old\r\n"));
    bool written = false;
    const auto otherProgram = [&] {
        if (!std::exchange(written, true))
            QVERIFY(testing::writeBytes(path, "[S]\r\nk=theirs\r\n"));
    };
    profile::Transaction record;
    const profile::Backup made
        = profile::restoreBackup(testing::toStd(path), testing::toStd(copy), "20261207-101500", 5, otherProgram, &record);
    QVERIFY2(made.result.ok, made.result.error.c_str());
    QCOMPARE(testing::readBytes(path), QByteArray("[S]\r\nk=old\r\n"));
    QCOMPARE(bytes(record.before.text), QByteArray("[S]\r\nk=theirs\r\n"));
    QCOMPARE(testing::readBytes(QString::fromStdString(made.made)), QByteArray("[S]\r\nk=theirs\r\n"));
    QCOMPARE(testing::readBytes(dir.filePath(QStringLiteral("CovertstrikeUser.ini.20261207-101500.bak"))),
             QByteArray("[S]\r\nk=mine\r\n"));
}

void ProfileTest::refusesTextThatWouldSplitALine_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("LF in value") << QByteArray("S") << QByteArray("k") << QByteArray("a\nb=1");
    QTest::newRow("CR in value") << QByteArray("S") << QByteArray("k") << QByteArray("a\rb");
    QTest::newRow("NUL in value") << QByteArray("S") << QByteArray("k") << QByteArray("a\0b", 3);
    QTest::newRow("LF in key") << QByteArray("S") << QByteArray("k\n[X]") << QByteArray("v");
    QTest::newRow("CR in section") << QByteArray("S\r") << QByteArray("k") << QByteArray("v");
}

void ProfileTest::refusesTextThatWouldSplitALine()
{
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.ini"));
    const QByteArray original("[S]\r\nk=1\r\n");
    QVERIFY(testing::writeBytes(path, original));
    const auto result = profile::writeProfileString(section.toStdString(), key.toStdString(),
                                                    value.toStdString(), testing::toStd(path));
    QVERIFY(!result.ok);
    QVERIFY(!result.error.empty());
    QCOMPARE(testing::readBytes(path), original);
}

void ProfileTest::createsANewFileAsWindowsDoes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.ini"));
    const auto result = profile::writeProfileString("Section", "key", "value", testing::toStd(path));
    QVERIFY2(result.ok, result.error.c_str());
    QCOMPARE(testing::readBytes(path), QByteArray("[Section]\r\nkey=value\r\n"));
}

void ProfileTest::keepsLinksPermissionsAndRemovesStaleTemporaries()
{
#ifndef Q_OS_UNIX
    QSKIP("symbolic links and permission bits are POSIX's (tests/windows/smoke.cpp checks the temporaries)");
#else
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("game")));
    const QString target = dir.filePath(QStringLiteral("game/CovertstrikeUser.ini"));
    const QString link = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
    QVERIFY(testing::writeBytes(target, "[S]\r\nk=1\r\n"));
    QVERIFY(::chmod(testing::toStd(target).c_str(), 0640) == 0);
    QVERIFY(QFile::link(target, link));

    // What a write killed midway leaves behind, and a stranger's file.
    const QString stale = dir.filePath(QStringLiteral("game/.CovertstrikeUser.ini.cbt~a1B2c3"));
    const QString foreign = dir.filePath(QStringLiteral("game/.CovertstrikeUser.ini.bak"));
    QVERIFY(testing::writeBytes(stale, "half"));
    QVERIFY(testing::writeBytes(foreign, "keep me"));

    const auto result = profile::writeProfileString("S", "k", "2", testing::toStd(link));
    QVERIFY2(result.ok, result.error.c_str());

    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(testing::readBytes(target), QByteArray("[S]\r\nk=2\r\n"));
    struct stat info {};
    QCOMPARE(::stat(testing::toStd(target).c_str(), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0640));
    QVERIFY(!QFile::exists(stale));
    QCOMPARE(testing::readBytes(foreign), QByteArray("keep me"));
#endif
}

void ProfileTest::failedWritesLeaveTheFileAsItWas_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing folder") << QStringLiteral("missing folder");
    QTest::newRow("folder where the file should be") << QStringLiteral("folder");
#ifdef Q_OS_UNIX
    QTest::newRow("dangling link") << QStringLiteral("dangling");
    QTest::newRow("file unreadable as a profile") << QStringLiteral("fifo");
#endif
}

void ProfileTest::failedWritesLeaveTheFileAsItWas()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
    if (kind == QLatin1String("missing folder"))
        path = dir.filePath(QStringLiteral("nowhere/CovertstrikeUser.ini"));
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("CovertstrikeUser.ini")));
    else if (kind == QLatin1String("dangling"))
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone.ini")), path));
#ifdef Q_OS_UNIX
    else
        QCOMPARE(::mkfifo(testing::toStd(path).c_str(), 0600), 0);
#endif

    const auto before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    const auto result = profile::writeProfileString("S", "k", "v", testing::toStd(path));
    QVERIFY(!result.ok);
    QVERIFY2(!result.error.empty(), qPrintable(kind));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), before);
}

void ProfileTest::refusesToReadWhatIsNotAFile()
{
    QTemporaryDir dir;
#ifdef Q_OS_WIN
    const std::string device = "NUL";
    const std::string fifo = device; // no pipes among the files here
#else
    const std::string device = "/dev/zero";
    const std::string fifo = testing::toStd(dir.filePath(QStringLiteral("fifo.ini")));
    QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
#endif
    for (const std::string& path : {fifo, device, testing::toStd(dir.path())}) {
        const auto loaded = profile::loadProfile(path);
        QCOMPARE(loaded.state, profile::FileState::Unusable);
        QVERIFY(!loaded.error.empty());
    }
    QCOMPARE(profile::loadProfile(testing::toStd(dir.filePath(QStringLiteral("none.ini")))).state,
             profile::FileState::Missing);
    // An unusable file reads like an absent one: the default comes back.
    QCOMPARE(bytes(profile::readProfileString("S", "k", "def", 50, device).text), QByteArray("def"));
}

void ProfileTest::carriesAChangeOverAnotherProgramsChanges_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QByteArray>("current");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("skipped"); // each part: its reason and its keys
    const auto row = [](const char* name, const QByteArray& from, const QByteArray& to, const QByteArray& current,
                        const QByteArray& expected, const char* skipped = "") {
        QTest::newRow(name) << from << to << current << expected << QString::fromUtf8(skipped);
    };
    const QByteArray base = "[G]\r\nx=1\r\n\r\n[S]\r\na=1\r\nb=1\r\nc=1\r\nd=1\r\n\r\n[T]\r\nz=1\r\n";
    const auto with = [&](std::initializer_list<std::pair<const char*, const char*>> edits) {
        QByteArray text = base;
        for (const auto& [line, now] : edits)
            text.replace(QByteArray(line) + "\r\n", now);
        return text;
    };
    const QByteArray set = with({{"a=1", "a=2\r\n"}, {"b=1", "b=2\r\n"}, {"c=1", "c=2\r\n"}});
    row("nothing changed since", base, set, base, set);
    row("another section changed", base, set, with({{"z=1", "z=9\r\n"}}),
        with({{"a=1", "a=2\r\n"}, {"b=1", "b=2\r\n"}, {"c=1", "c=2\r\n"}, {"z=1", "z=9\r\n"}}));
    row("a value changed by both", base, set, with({{"b=1", "b=9\r\n"}}),
        with({{"a=1", "a=2\r\n"}, {"b=1", "b=9\r\n"}, {"c=1", "c=2\r\n"}}), "changed S/b");
    row("the same key set otherwise by both", base, set, with({{"b=1", "B = 2\r\n"}}),
        with({{"a=1", "a=2\r\n"}, {"b=1", "B = 2\r\n"}, {"c=1", "c=2\r\n"}}), "changed S/b");
    row("the same line set by both", base, set, with({{"b=1", "b=2\r\n"}}), set);
    row("a neighbour changed and a line put beside", base, with({{"b=1", "b=2\r\n"}}),
        with({{"a=1", "a=7\r\n"}, {"c=1", "; note\r\nc=7\r\n"}}),
        with({{"a=1", "a=7\r\n"}, {"b=1", "b=2\r\n"}, {"c=1", "; note\r\nc=7\r\n"}}));
    row("key removed, a neighbour changed", base, with({{"c=1", ""}}), with({{"b=1", "b=5\r\n"}}),
        with({{"b=1", "b=5\r\n"}, {"c=1", ""}}));
    row("removed key back beside its changed neighbour", with({{"c=1", ""}}), base,
        with({{"b=1", "b=5\r\n"}, {"c=1", ""}}), with({{"b=1", "b=5\r\n"}}));
    row("removed key, its neighbour gone", with({{"c=1", ""}}), base, with({{"b=1", ""}, {"c=1", ""}}),
        with({{"b=1", ""}, {"c=1", ""}}), "place S/c");
    row("removed key changed since", base, with({{"c=1", ""}}), with({{"c=1", "c=3\r\n"}}),
        with({{"c=1", "c=3\r\n"}}), "changed S/c");
    row("key added where another program added one", base, with({{"d=1", "d=1\r\ne=1\r\n"}}),
        with({{"d=1", "d=1\r\nf=1\r\n"}}), with({{"d=1", "d=1\r\nf=1\r\n"}}), "place S/e");
    row("key added that another program added elsewhere", base, with({{"d=1", "d=1\r\ne=1\r\n"}}),
        with({{"a=1", "E=5\r\na=1\r\n"}}), with({{"a=1", "E=5\r\na=1\r\n"}}), "added S/e");
    row("values set, a key added beside them", base, with({{"c=1", "c=2\r\n"}, {"d=1", "d=2\r\ne=2\r\n"}}),
        with({{"c=1", "c=9\r\n"}}), with({{"c=1", "c=9\r\n"}, {"d=1", "d=2\r\ne=2\r\n"}}), "changed S/c");
    row("the whole section removed since", base, set, "[G]\r\nx=1\r\n\r\n[T]\r\nz=1\r\n",
        "[G]\r\nx=1\r\n\r\n[T]\r\nz=1\r\n", "removed S/a; removed S/b; removed S/c");
    row("mixed endings", "[S]\ra=1\r\nb=1\nc=1\r", "[S]\ra=2\r\nb=1\nc=2\r", "[S]\ra=1\r\nb=3\nc=1\r",
        "[S]\ra=2\r\nb=3\nc=2\r");
    row("no final line ending", "[S]\na=1\nb=1", "[S]\na=1\nb=2", "[S]\na=3\nb=1", "[S]\na=3\nb=2");
    row("a line without ending never runs into another", "[S]\na=1\n", "[S]\na=2", "[S]\na=1\nb=1\n",
        "[S]\na=1\nb=1\n", "place S/a");
    row("UTF-8 names", "[\xc3\x89quipe]\nB\xc3\xb6t=1\nM\xc3\xb6th=1\n", "[\xc3\x89quipe]\nB\xc3\xb6t=2\nM\xc3\xb6th=2\n",
        "[\xc3\x89quipe]\nB\xc3\xb6t=1\nM\xc3\xb6th=5\n", "[\xc3\x89quipe]\nB\xc3\xb6t=2\nM\xc3\xb6th=5\n",
        "changed \xc3\x89quipe/M\xc3\xb6th");
    QByteArray many, other;
    for (int i = 0; i <= int(profile::MaxCarriedDifferences / 2); ++i) {
        many += "k" + QByteArray::number(i) + "=1\n";
        other += "k" + QByteArray::number(i) + "=2\n";
    }
    row("too many differences", "[S]\n" + many, "[S]\n" + other, "[S]\n" + many + "x=1\n",
        "[S]\n" + many + "x=1\n", "large ");
}

void ProfileTest::carriesAChangeOverAnotherProgramsChanges()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QByteArray, current);
    QFETCH(QByteArray, expected);
    QFETCH(QString, skipped);
    const auto view = [](const QByteArray& b) { return std::string_view(b.constData(), std::size_t(b.size())); };
    const profile::CarriedChange carried = profile::carryChange(view(from), view(to), view(current));
    QCOMPARE(bytes(carried.text), expected);
    const char* reasons[] = {"changed", "removed", "place", "added", "large"};
    QStringList parts;
    for (const profile::SkippedPart& part : carried.skipped) {
        QStringList keys;
        for (const profile::SkippedKey& key : part.keys)
            keys.append(QString::fromStdString(key.section + "/" + key.key));
        parts.append(QLatin1String(reasons[int(part.reason)]) + QLatin1Char(' ')
                     + keys.join(QLatin1Char(' ')));
    }
    QCOMPARE(parts.join(QStringLiteral("; ")), skipped);
    // What was carried whole can be carried back (unless current held it already).
    if (skipped.isEmpty() && expected != to)
        QCOMPARE(bytes(profile::carryChange(view(to), view(from), carried.text).text), current);
}

QTEST_GUILESS_MAIN(ProfileTest)
#include "test_profile.moc"
