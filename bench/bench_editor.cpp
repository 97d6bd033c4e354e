// How fast the editor is on generated rosters of 8 KB, 1 MB and 10 MB, each
// with 101 bots: listing the names, loading one bot, saving one bot (ten
// durable writes) beside one plain durable rewrite of the same file, setting
// nine fields of all 101 bots in one save and undoing it beside the same, opening the
// roster overview, and start-up beside an empty Qt window. Run with
// scripts/run-benchmarks.

#include "app/frm_main.h"
#include "document/roster_document.h"
#include "bench/generated_roster.h"
#include "profile/profile_file.h"
#include "roster/roster.h"
#include "roster/set_values.h"
#include "tools/remembering_platform.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

struct Roster {
    explicit Roster(qsizetype size) : path(dir.filePath(QStringLiteral("CovertstrikeUser.ini")))
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(generateRoster(size));
    }
    std::string file() const { return QFile::encodeName(path).toStdString(); }

    QTemporaryDir dir;
    QString path;
};

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

} // namespace

class EditorBenchmark : public QObject {
    Q_OBJECT

private slots:
    void listBotNames_data() { sizes(); }
    void listBotNames()
    {
        QFETCH(qsizetype, size);
        Roster roster(size);
        const roster::RosterFile file(roster.file());
        QCOMPARE(file.ListBotNames().names.size(), std::size_t(101));
        QBENCHMARK {
            file.ListBotNames();
        }
    }

    void loadBot_data() { sizes(); }
    void loadBot()
    {
        QFETCH(qsizetype, size);
        Roster roster(size);
        const roster::RosterFile file(roster.file());
        QBENCHMARK {
            file.LoadBot(50);
        }
    }

    // What the window reads at start, on each pick and when the file is
    // touched: every listed bot with its fields, and the file's fingerprint.
    void loadRoster_data() { sizes(); }
    void loadRoster()
    {
        QFETCH(qsizetype, size);
        Roster roster(size);
        const roster::RosterFile file(roster.file());
        QCOMPARE(file.LoadRoster().bots.size(), std::size_t(101));
        QBENCHMARK {
            file.LoadRoster();
        }
    }

    void saveBot_data() { sizes(); }
    void saveBot()
    {
        QFETCH(qsizetype, size);
        Roster roster(size);
        const roster::RosterFile file(roster.file());
        roster::BotEdit edit;
        edit.changed.fill(true);
        int round = 0;
        QBENCHMARK {
            const std::string v = (++round % 2) ? "0.500000" : "0.250000";
            edit.name = round % 2 ? "Renamed" : "Bot number 50";
            edit.values.fill(v);
            QVERIFY(file.SaveBot(50, edit).ok);
        }
    }

    // Set Values on every bot, nine fields, beside a plain durable rewrite
    // of the file as that save leaves it (the first save adds the keys the
    // generated file lacks): the medians of alternating rounds.
    void setValuesOnEveryBot_data() { sizes(); }
    void setValuesOnEveryBot()
    {
        QFETCH(qsizetype, size);
        Roster roster(size);
        const roster::RosterFile file(roster.file());
        std::vector<roster::BotIndex> bots(101);
        for (std::size_t i = 0; i < bots.size(); ++i)
            bots[i] = static_cast<roster::BotIndex>(i);
        std::vector<roster::FieldSetting> fields;
        for (int box : roster::ControlOrder)
            fields.push_back({box, roster::RosterFields[static_cast<std::size_t>(box)].minimum,
                              roster::RosterFields[static_cast<std::size_t>(box)].maximum});
        roster::ValueDraws draws(7);
        QVERIFY(file.SaveBots(roster::PlanSetValues(bots, fields, draws)).ok);
        QFile f(roster.path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const std::string bytes = f.readAll().toStdString();
        std::vector<qint64> save;
        std::vector<qint64> rewrite;
        for (int round = 0; round < 41; ++round) {
            const auto edits = roster::PlanSetValues(bots, fields, draws);
            QElapsedTimer timer;
            timer.start();
            QVERIFY(file.SaveBots(edits).ok);
            save.push_back(timer.nsecsElapsed());
            timer.restart();
            QVERIFY(profile::replaceFile(roster.file(), bytes).ok);
            rewrite.push_back(timer.nsecsElapsed());
        }
        qInfo("Set Values, 101 bots x 9 fields, %lld bytes: %.3f ms; plain durable rewrite %.3f ms; %.2f x",
              static_cast<long long>(bytes.size()), medianMs(save), medianMs(rewrite), medianMs(save) / medianMs(rewrite));
    }

    // Undo of that Set Values through the document (the file as the command
    // left it, so written back whole), beside a plain durable rewrite.
    void undoSetValues_data() { sizes(); }
    void undoSetValues()
    {
        QFETCH(qsizetype, size);
        Roster roster(size);
        RememberingPlatform platform(roster.path);
        document::RosterDocument document(platform);
        QVERIFY(document.open(roster.path));
        std::vector<roster::BotIndex> bots(101);
        for (std::size_t i = 0; i < bots.size(); ++i)
            bots[i] = static_cast<roster::BotIndex>(i);
        std::vector<roster::FieldSetting> fields;
        for (int box : roster::ControlOrder)
            fields.push_back({box, roster::RosterFields[static_cast<std::size_t>(box)].minimum,
                              roster::RosterFields[static_cast<std::size_t>(box)].maximum});
        QFile f(roster.path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const std::string bytes = f.readAll().toStdString();
        std::vector<qint64> undo;
        std::vector<qint64> rewrite;
        for (int round = 0; round < 41; ++round) {
            QVERIFY(document.setValues(bots, fields, static_cast<std::uint64_t>(round)).done());
            QElapsedTimer timer;
            timer.start();
            QVERIFY(document.undo().done());
            undo.push_back(timer.nsecsElapsed());
            timer.restart();
            QVERIFY(profile::replaceFile(roster.file(), bytes).ok);
            rewrite.push_back(timer.nsecsElapsed());
            document.follow();
        }
        qInfo("Undo of Set Values, 101 bots x 9 fields, %lld bytes: %.3f ms; plain durable rewrite %.3f ms; %.2f x",
              static_cast<long long>(bytes.size()), medianMs(undo), medianMs(rewrite),
              medianMs(undo) / medianMs(rewrite));
    }

    // Roster, Overview over a remembered 101-bot roster: from the command
    // to the window painted, the file read once (RosterFile::LoadRoster).
    void openOverview()
    {
        Roster roster(1024 * 1024);
        RememberingPlatform platform(roster.path);
        frmMain window(platform);
        window.Form_Load();
        QAction* overview = window.findChild<QAction*>(QStringLiteral("mnuOverview"));
        std::vector<qint64> ns;
        for (int round = 0; round < 31; ++round) {
            QElapsedTimer timer;
            timer.start();
            overview->trigger();
            QWidget* opened = window.findChild<QWidget*>(QStringLiteral("frmOverview"));
            QVERIFY(opened);
            opened->repaint();
            ns.push_back(timer.nsecsElapsed());
            opened->close();
        }
        qInfo("Roster, Overview over 101 bots at 1 MB, to the window painted: median of 31 openings %.1f ms",
              medianMs(ns));
    }

    void plainDurableRewrite_data() { sizes(); }
    void plainDurableRewrite()
    {
        QFETCH(qsizetype, size);
        Roster roster(size);
        const std::string bytes = generateRoster(size).toStdString();
        QBENCHMARK {
            QVERIFY(profile::replaceFile(roster.file(), bytes).ok);
        }
    }

    // Whole processes, so the median of many starts rather than QBENCHMARK.
    void startUp()
    {
        Roster roster(1024 * 1024);
        const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_startup");
        auto run = [&](const QStringList& args) {
            std::vector<qint64> ns;
            for (int i = 0; i < 30; ++i) {
                QProcess p;
                const auto started = std::chrono::steady_clock::now().time_since_epoch();
                p.start(program, args);
                p.waitForFinished(30000);
                const qint64 exposed = p.readAllStandardOutput().trimmed().toLongLong();
                if (p.exitCode() != 0 || exposed == 0)
                    return -1.0;
                ns.push_back(exposed - std::chrono::duration_cast<std::chrono::nanoseconds>(started).count());
            }
            return medianMs(ns);
        };
        run({QStringLiteral("empty")}); // warm the caches
        const double empty = run({QStringLiteral("empty")});
        const double text = run({QStringLiteral("text")});
        const double editor = run({QStringLiteral("editor"), roster.path});
        QVERIFY(empty > 0 && text > 0 && editor > 0);
        qInfo("start-up to the window exposed, median of 30 starts: empty Qt window %.1f ms; one with a line edit "
              "%.1f ms; the editor over a remembered 101-bot 1 MB roster %.1f ms (%.2f x empty, %.2f x line edit)",
              empty, text, editor, editor / empty, editor / text);
    }
};

QTEST_MAIN(EditorBenchmark)
#include "bench_editor.moc"
