// How fast the INI engine carries a change over the file as another program
// left it (what undo and redo do), how long it takes to give up on texts
// too different to compare, and what recording a write's transaction adds
// to a save. Generated rosters of 8 KB, 1 MB and 10 MB; medians of many
// rounds. Run with scripts/run-benchmarks.

#include "bench/generated_roster.h"
#include "profile/merge.h"
#include "profile/profile_file.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

void sizes()
{
    QTest::addColumn<qsizetype>("size");
    QTest::newRow("8 KB") << qsizetype(8 * 1024);
    QTest::newRow("1 MB") << qsizetype(1024 * 1024);
    QTest::newRow("10 MB") << qsizetype(10 * 1024 * 1024);
}

double medianMs(std::vector<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    return double(ns[ns.size() / 2]) / 1e6;
}

double medianOf(int rounds, const std::function<void()>& work)
{
    std::vector<qint64> ns;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        work();
        ns.push_back(timer.nsecsElapsed());
    }
    return medianMs(ns);
}

// The lines of `text`, each with its ending.
QList<QByteArray> linesOf(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    for (QByteArray& line : lines)
        line += '\n';
    lines.last().chop(1);
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Set Values as the roster writes it: nine fields of every bot that has
// them, each line's value changed in place.
QByteArray setValues(const QByteArray& roster)
{
    QList<QByteArray> lines = linesOf(roster);
    const QByteArrayList fields = {"VoiceType[", "BotSkills[", "BotAccuracy[", "CombatStyle[", "Alertness[",
                                   "Camping[", "StrafingAbility[", "BotJumpy[", "BotTeams["};
    int n = 0;
    for (QByteArray& line : lines) {
        if (std::any_of(fields.begin(), fields.end(), [&](const QByteArray& f) { return line.startsWith(f); }))
            line = line.left(line.indexOf('=') + 1) + QByteArray::number(++n % 7) + ".500000\r\n";
    }
    return lines.join();
}

std::string_view view(const QByteArray& b) { return {b.constData(), std::size_t(b.size())}; }

} // namespace

class EngineBenchmark : public QObject {
    Q_OBJECT

private slots:
    // The undo of a Set Values over 101 bots after another program changed
    // the file's first and last lines and one of the keys Set Values set.
    void carryChange_data() { sizes(); }
    void carryChange()
    {
        QFETCH(qsizetype, size);
        const QByteArray before = generateRoster(size);
        const QByteArray after = setValues(before);
        QByteArray current = after;
        current.replace("[CovertstrikeUT.CovGameInfo]\r\n", "[CovertstrikeUT.CovGameInfo]\r\nAdded=1\r\n");
        current.replace("BotSkills[50]=", "BotSkills[50]=9");
        current += "Appended=1\r\n";
        profile::CarriedChange undone;
        const double ms = medianOf(31, [&] { undone = profile::carryChange(view(after), view(before), view(current)); });
        const QList<QByteArray> a = linesOf(before), b = linesOf(after);
        qsizetype changed = 0;
        for (qsizetype i = 0; i < a.size(); ++i)
            changed += a[i] != b[i] ? 1 : 0;
        qInfo("undo of Set Values (%lld lines set) over another program's edits, %lld bytes: %.2f ms, %d skipped",
              static_cast<long long>(changed), static_cast<long long>(before.size()), ms, int(undone.skipped.size()));
    }

    // Texts that hold the same lines in the opposite order: the comparison
    // gives up at its bound.
    void carryChangeGivesUp_data() { sizes(); }
    void carryChangeGivesUp()
    {
        QFETCH(qsizetype, size);
        const QByteArray before = generateRoster(size);
        QList<QByteArray> lines = linesOf(before);
        std::reverse(lines.begin(), lines.end());
        const QByteArray reversed = lines.join();
        const QByteArray current = before + "Appended=1\r\n";
        profile::CarriedChange carried;
        const double ms
            = medianOf(5, [&] { carried = profile::carryChange(view(before), view(reversed), view(current)); });
        qInfo("all %lld lines reversed, %lld bytes: %.2f ms, %s", static_cast<long long>(lines.size()),
              static_cast<long long>(before.size()), ms,
              carried.skipped.size() == 1 && carried.skipped[0].reason == profile::SkipReason::TooLarge
                  ? "given up"
                  : "carried");
    }

    // A save of 909 keys with and without the record of its transaction,
    // beside a plain durable rewrite: medians of alternating rounds.
    void recordedSave_data() { sizes(); }
    void recordedSave()
    {
        QFETCH(qsizetype, size);
        QTemporaryDir dir;
        const std::string path = QFile::encodeName(dir.filePath(QStringLiteral("CovertstrikeUser.ini"))).toStdString();
        const QByteArray bytes = generateRoster(size);
        QVERIFY(profile::replaceFile(path, view(bytes)).ok);
        std::vector<profile::KeyValue> values;
        for (const char* field : {"VoiceType[", "BotSkills[", "BotAccuracy[", "CombatStyle[", "Alertness[", "Camping[",
                                  "StrafingAbility[", "BotJumpy[", "BotTeams["}) {
            for (int bot = 0; bot <= 100; ++bot)
                values.push_back({field + std::to_string(bot) + "]", "0.500000"});
        }
        std::vector<qint64> plain, recorded, rewrite;
        for (int round = 0; round < 41; ++round) {
            for (profile::KeyValue& kv : values)
                kv.value = round % 2 ? "0.500000" : "0.750000";
            profile::Transaction record;
            QElapsedTimer timer;
            timer.start();
            QVERIFY(profile::writeProfileStrings("CovertstrikeUT.CovBotInfo", values, path).ok);
            plain.push_back(timer.nsecsElapsed());
            timer.restart();
            QVERIFY(profile::writeProfileStrings("CovertstrikeUT.CovBotInfo", values, path, {}, &record).ok);
            recorded.push_back(timer.nsecsElapsed());
            timer.restart();
            QVERIFY(profile::replaceFile(path, record.after.text).ok);
            rewrite.push_back(timer.nsecsElapsed());
        }
        qInfo("909 keys, %lld bytes: save %.3f ms; with its record %.3f ms; plain durable rewrite %.3f ms; "
              "%.2f x and %.2f x",
              static_cast<long long>(bytes.size()), medianMs(plain), medianMs(recorded), medianMs(rewrite),
              medianMs(plain) / medianMs(rewrite), medianMs(recorded) / medianMs(rewrite));
    }
};

QTEST_GUILESS_MAIN(EngineBenchmark)
#include "bench_engine.moc"
