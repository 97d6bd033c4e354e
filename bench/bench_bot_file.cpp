// How fast bot files are read: a 4 MiB file of 101 bots, a 4 MiB file of
// one bot's many short keys, a file holding one value of 4,096 characters
// (the longest a name may be), and a 4 MiB file of one longer name, which
// is refused; how fast the Import Bots dialog
// opens on 101 bots with names of that length; and how fast the 4 MiB file
// of 101 bots is imported over all the bots of a roster. Run with
// scripts/run-benchmarks.

#include "overview/import_bots_dialog.h"
#include "roster/bot_file.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <string>

namespace {

// 101 bots, each with its name, the twelve fields and unknown keys, as
// many as make the text `size` bytes.
std::string manyBots(std::size_t size)
{
    std::string text = "[CovertstrikeBots]\n";
    for (int bot = 0; bot < roster::MaxListedBots; ++bot)
        text += "BotNames[" + std::to_string(bot) + "]=Bot number " + std::to_string(bot) + "\n";
    for (int key = 0; text.size() < size - 64; ++key)
        text += "Setting" + std::to_string(key / roster::MaxListedBots) + "[" + std::to_string(key % roster::MaxListedBots)
            + "]=0.250000\n";
    return text;
}

std::string manyKeysOfOneBot(std::size_t size)
{
    std::string text = "[CovertstrikeBots]\nBotNames[0]=Solo\n";
    for (int key = 0; text.size() < size - 64; ++key)
        text += "K" + std::to_string(key) + "[0]=1\n";
    return text;
}

} // namespace

class BotFileBenchmark : public QObject {
    Q_OBJECT

private slots:
    void readBotFile_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("refused");
        const std::size_t size = roster::MaxBotFileBytes;
        QTest::newRow("4 MiB, 101 bots") << QByteArray::fromStdString(manyBots(size)) << false;
        QTest::newRow("4 MiB, one bot's keys") << QByteArray::fromStdString(manyKeysOfOneBot(size)) << false;
        QTest::newRow("one value of 4,096 characters")
            << QByteArray("[CovertstrikeBots]\nBotNames[0]=" + QByteArray(int(roster::MaxNameCharacters), 'x') + "\n")
            << false;
        QTest::newRow("4 MiB, one name, refused")
            << QByteArray("[CovertstrikeBots]\nBotNames[0]=" + QByteArray(int(size) - 64, 'x') + "\n") << true;
    }
    void readBotFile()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, refused);
        const std::string_view bytes(text.constData(), std::size_t(text.size()));
        QCOMPARE(roster::ReadBotFile(bytes).error.empty(), !refused);
        QBENCHMARK {
            roster::ReadBotFile(bytes);
        }
    }

    // Every bot of a 101-bot roster replaced, in one transaction.
    void importBotFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
        QByteArray roster = "[CovertstrikeUT.CovBotInfo]\r\n";
        for (int bot = 0; bot < roster::MaxListedBots; ++bot)
            roster += "BotNames[" + QByteArray::number(bot) + "]=Old\r\nBotSkills[" + QByteArray::number(bot) + "]=1\r\n";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(roster) == roster.size());
        file.close();
        const roster::BotFileReading reading = roster::ReadBotFile(manyBots(roster::MaxBotFileBytes));
        std::vector<roster::BotIndex> all;
        for (int bot = 0; bot < roster::MaxListedBots; ++bot)
            all.push_back(static_cast<roster::BotIndex>(bot));
        const roster::Targets targets
            = roster::ChooseTargets(roster::Placement::Replace, roster::MaxListedBots, 0, all);
        const std::string at = QFile::encodeName(path).toStdString();
        QBENCHMARK {
            QVERIFY(roster::ImportBots(at, reading.sections.at(0).bots, targets, {}).ok);
        }
    }

    // From the reading to the dialog painted, with the longest names.
    void openImportDialog()
    {
        std::string text = "[CovertstrikeBots]\n";
        for (int bot = 0; bot < roster::MaxListedBots; ++bot)
            text += "BotNames[" + std::to_string(bot) + "]=" + std::string(roster::MaxNameCharacters - 3, 'x')
                + std::to_string(100 + bot) + "\n";
        const roster::BotFileReading reading = roster::ReadBotFile(text);
        QCOMPARE(reading.sections.at(0).bots.size(), std::size_t(roster::MaxListedBots));
        QBENCHMARK {
            ImportBotsDialog dialog(reading.sections, 0, {}, nullptr);
            dialog.show();
            dialog.repaint();
        }
    }
};

QTEST_MAIN(BotFileBenchmark)
#include "bench_bot_file.moc"
