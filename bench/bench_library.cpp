// Times the library and the deal: reading a library of 10,000 bots in 200
// bot files, and dealing 100 bots from it into a 1 MB roster (the plan and
// its one transaction) beside one plain durable rewrite of the same file.
// Prints medians in milliseconds; the files live in a temporary folder
// (TMPDIR decides where).

#include "bench/generated_roster.h"
#include "profile/profile_file.h"
#include "roster/deal.h"
#include "roster/library.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// 200 files of 50 bots, each bot with a name of its own, the twelve fields
// and one key the editor does not know, as an exported roster holds them.
bool makeLibrary(const QString& folder)
{
    for (int f = 0; f < 200; ++f) {
        QByteArray text = "; Bots shared with Covertstrike Bot Tweaker 1.0.6\n[CovertstrikeBots]\n";
        for (int b = 0; b < 50; ++b) {
            const QByteArray n = QByteArray::number(b);
            text += "BotNames[" + n + "]=Bot " + QByteArray::number(f) + "-" + n + "\nVoiceType[" + n
                + "]=COV_Voices.COVv_VoiceP2\nBotFaces[" + n + "]=CovFaces.Face" + n + "\nBotTeams[" + n + "]="
                + QByteArray::number(b % 2) + "\n";
            for (const char* field : {"BotSkills", "BotAccuracy", "CombatStyle", "Alertness", "Camping",
                                      "StrafingAbility"})
                text += QByteArray(field) + "[" + n + "]=0." + QByteArray::number(100000 + b * 7) + "\n";
            text += "BotClasses[" + n + "]=CovPawns.Soldier\nBotSkins[" + n + "]=CovSkins.Urban\nBotJumpy[" + n
                + "]=0\nFavoriteWeapon[" + n + "]=CovWeapons.Rifle\n";
        }
        QFile file(folder + QStringLiteral("/team%1.covbots").arg(f, 3, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return false;
    }
    return true;
}

double median(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

double msSince(const QElapsedTimer& clock) { return static_cast<double>(clock.nsecsElapsed()) / 1e6; }

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("library"));
    if (!dir.isValid() || !QDir().mkpath(folder) || !makeLibrary(folder))
        return 1;
    const std::string libraryFolder = QFile::encodeName(folder).toStdString();

    // Beside the time, the processor time it took: on a machine shared with
    // other work the time waits for the processor, the processor time does not.
    std::vector<double> reads, processor;
    roster::Library library;
    for (int round = 0; round < 21; ++round) {
        QElapsedTimer clock;
        clock.start();
        const std::clock_t started = std::clock();
        library = roster::ReadLibrary(libraryFolder);
        processor.push_back(1e3 * static_cast<double>(std::clock() - started) / CLOCKS_PER_SEC);
        reads.push_back(msSince(clock));
    }
    if (library.bots.size() != 10000 || library.files.size() != 200)
        return 1;
    std::printf("read a library of %zu bots in %zu files: first %.1f ms, median of 21 %.1f ms (processor time %.1f "
                "ms)\n",
                library.bots.size(), library.files.size(), reads.front(), median(reads), median(processor));

    const std::string path = QFile::encodeName(dir.filePath(QStringLiteral("CovertstrikeUser.ini"))).toStdString();
    const QByteArray generated = generateRoster(1024 * 1024);
    if (!profile::replaceFile(path, std::string_view(generated.constData(), std::size_t(generated.size()))))
        return 1;
    roster::DealRequest request;
    request.count = 100;
    request.kept = {0};
    request.teams = roster::TeamChoice::Balanced;
    const auto deal = [&](const std::vector<profile::KeyValue>& entries, roster::TextEncoding encoding) {
        return roster::PlanDeal(entries, encoding, library.bots, request);
    };
    std::vector<double> dealing, planning, rewriting;
    std::size_t size = 0;
    for (int round = 0; round < 41; ++round) {
        request.seed = static_cast<std::uint64_t>(round);
        QElapsedTimer clock;
        clock.start();
        if (!roster::WriteRoster(path, deal, {}).ok)
            return 1;
        dealing.push_back(msSince(clock));

        const profile::LoadedFile file = profile::loadProfile(path);
        const std::vector<profile::KeyValue> entries = file.document.entries(roster::BotRoster);
        clock.restart();
        deal(entries, roster::TextEncoding::Windows1252);
        planning.push_back(msSince(clock));

        const std::string bytes(file.document.bytes());
        size = bytes.size();
        clock.restart();
        if (!profile::replaceFile(path, bytes))
            return 1;
        rewriting.push_back(msSince(clock));
    }
    std::printf("deal 100 bots from %zu into a %zu-byte roster: %.3f ms (the plan alone %.3f ms); plain durable "
                "rewrite %.3f ms; %.2f x (medians of 41)\n",
                library.bots.size(), size, median(dealing), median(planning), median(rewriting),
                median(dealing) / median(rewriting));
    return 0;
}
