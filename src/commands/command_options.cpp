#include "commands/command_options.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>

namespace commands {
namespace {

struct CommandOption {
    const char* name;
    Command command;
};

constexpr std::array<CommandOption, 6> Commands = {{
    {"list", Command::List},
    {"export", Command::Export},
    {"import", Command::Import},
    {"set", Command::Set},
    {"deal", Command::Deal},
    {"check", Command::Check},
}};

// An option that goes with some commands only.
struct Companion {
    const char* name;
    std::array<const char*, 2> commands; // the second may be null
};

constexpr std::array<Companion, 7> Companions = {{
    {"bots", {"export", "set"}},
    {"replace", {"import", nullptr}},
    {"count", {"deal", nullptr}},
    {"seed", {"deal", nullptr}},
    {"keep", {"deal", nullptr}},
    {"balance", {"deal", nullptr}},
    {"fix", {"check", nullptr}},
}};

QString dashed(const char* name) { return QStringLiteral("--") + QLatin1String(name); }

// The help and the mistakes, in the command line's translation context.
class Words {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    static void describe(QCommandLineParser& parser);
    static CommandReading read(const QCommandLineParser& parser);
};

void Words::describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        parser.applicationDescription() + QStringLiteral("\n\n")
        + tr("The commands from --list to --check work on FILE without the window or a display. They end with exit "
             "code 0 when done, 1 after a mistake or a refusal (nothing is written then), 2 when FILE cannot be read "
             "or written, and --check with 3 when it finds anything."));
    const QString range = tr("RANGE", "bot numbers such as 0-3,7, as the help names them");
    parser.addOption({QStringLiteral("list"), tr("Prints the roster of FILE, tab-separated: a title line, then each "
                                                 "bot's number, name and nine fields as the file holds them.")});
    parser.addOption({QStringLiteral("export"),
                      tr("Writes the bots of FILE (or those of --bots) to the bot file OUT (.covbots)."),
                      tr("OUT", "the bot file --export writes, as the help names it")});
    parser.addOption({QStringLiteral("import"),
                      tr("Adds the bots of the bot file BOTS to FILE after its last bot, or in place of the bots of "
                         "--replace."),
                      tr("BOTS", "the bot file --import reads, as the help names it")});
    parser.addOption({QStringLiteral("set"),
                      tr("Sets KEY (BotSkills, BotAccuracy, Camping...) to VALUE for every bot of FILE, or those of "
                         "--bots. Give it once for each key."),
                      tr("KEY=VALUE", "what --set takes, as the help names it")});
    parser.addOption({QStringLiteral("deal"),
                      tr("Deals FILE a fresh roster from LIBRARY, a folder of bot files or one bot file, and prints "
                         "the seed used."),
                      tr("LIBRARY", "what --deal deals from, as the help names it")});
    parser.addOption({QStringLiteral("check"),
                      tr("Prints each key of FILE the game will not play as it stands, and what the game will do.")});
    parser.addOption({QStringLiteral("fix"),
                      tr("With --check: makes every sound fix in one write, after a backup, and prints them.")});
    parser.addOption({QStringLiteral("bots"), tr("With --export or --set: the bots to take."), range});
    parser.addOption(
        {QStringLiteral("replace"), tr("With --import: the bots to replace, one for each bot imported."), range});
    parser.addOption({QStringLiteral("count"),
                      tr("With --deal: how many bots to deal (1 to 101); as many as FILE lists by default."),
                      tr("N", "the value of --count, as the help names it")});
    parser.addOption({QStringLiteral("seed"),
                      tr("With --deal: the seed of the draw; the same seed deals the same roster."),
                      tr("S", "the value of --seed, as the help names it")});
    parser.addOption({QStringLiteral("keep"), tr("With --deal: the bots that stay as they are."), range});
    parser.addOption({QStringLiteral("balance"),
                      tr("With --deal: puts the dealt bots on the team with fewer bots, Red and Blue in turn.")});
}

CommandReading Words::read(const QCommandLineParser& parser)
{
    CommandReading reading;
    const CommandOption* chosen = nullptr;
    for (const CommandOption& option : Commands) {
        if (!parser.isSet(QLatin1String(option.name)))
            continue;
        if (chosen) {
            reading.mistake = tr("%1 and %2 cannot be given together: one command at a time")
                                  .arg(dashed(chosen->name), dashed(option.name));
            return reading;
        }
        chosen = &option;
    }
    for (const Companion& companion : Companions) {
        if (!parser.isSet(QLatin1String(companion.name)))
            continue;
        const bool belongs = chosen
            && (QLatin1String(chosen->name) == QLatin1String(companion.commands[0])
                || (companion.commands[1] && QLatin1String(chosen->name) == QLatin1String(companion.commands[1])));
        if (!belongs) {
            reading.mistake = companion.commands[1]
                ? tr("%1 goes with %2 or %3")
                      .arg(dashed(companion.name), dashed(companion.commands[0]), dashed(companion.commands[1]))
                : tr("%1 goes with %2").arg(dashed(companion.name), dashed(companion.commands[0]));
            return reading;
        }
    }
    if (!chosen)
        return reading;
    // Every option but --set is given once: a second value would silently
    // win over the first.
    for (const QString& name : parser.optionNames()) {
        if (name != QLatin1String("set") && parser.optionNames().count(name) > 1) {
            reading.mistake = tr("%1 is given twice").arg(QStringLiteral("--") + name);
            return reading;
        }
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        reading.mistake = files.isEmpty() ? tr("%1 needs the roster file FILE").arg(dashed(chosen->name))
                                          : tr("%1 works on one roster file, not %2")
                                                .arg(dashed(chosen->name))
                                                .arg(files.size());
        return reading;
    }
    Request request;
    request.command = chosen->command;
    request.roster = files.constFirst();
    const auto value = [&](const char* name) -> std::optional<QString> {
        if (!parser.isSet(QLatin1String(name)))
            return std::nullopt;
        return parser.value(QLatin1String(name));
    };
    switch (request.command) {
    case Command::Export:
    case Command::Import:
    case Command::Deal:
        request.file = parser.value(QLatin1String(chosen->name));
        break;
    case Command::Set:
        request.settings = parser.values(QStringLiteral("set"));
        break;
    case Command::List:
    case Command::Check:
        break;
    }
    request.bots = value("bots");
    if (!request.bots)
        request.bots = value("replace");
    if (!request.bots)
        request.bots = value("keep");
    request.count = value("count");
    request.seed = value("seed");
    request.balance = parser.isSet(QStringLiteral("balance"));
    request.fix = parser.isSet(QStringLiteral("fix"));
    reading.request = std::move(request);
    return reading;
}

} // namespace

void DescribeOptions(QCommandLineParser& parser) { Words::describe(parser); }

CommandReading ReadCommand(const QCommandLineParser& parser) { return Words::read(parser); }

} // namespace commands
