#include "commands/command_run.h"

#include "platform/identity.h"
#include "platform/platform.h"
#include "platform/qt_platform.h"
#include "platform/translate.h"
#include "roster/bot_file.h"

#include <QDir>
#include <QRegularExpression>

namespace commands {

int Run(const Request& request, platform::System& system, const Output& output)
{
    return RosterCommands(request, system, output).run();
}

QString Cell(const QString& text)
{
    QString cell;
    cell.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            cell += QStringLiteral("\\\\");
            break;
        case u'\t':
            cell += QStringLiteral("\\t");
            break;
        case u'\r':
            cell += QStringLiteral("\\r");
            break;
        case u'\n':
            cell += QStringLiteral("\\n");
            break;
        default:
            cell += c;
        }
    }
    return cell;
}

QString Cell(const std::string& text) { return Cell(QString::fromStdString(text)); }

RosterCommands::RosterCommands(const Request& request, platform::System& system, const Output& output)
    : request_(request), output_(output), document_(system)
{
    document_.setWatching(false);
}

int RosterCommands::run()
{
    switch (request_.command) {
    case Command::List:
        return list();
    case Command::Export:
        return exportBots();
    case Command::Import:
        return importBots();
    case Command::Set:
        return setValues();
    case Command::Deal:
        return deal();
    case Command::Check:
        return check();
    }
    return Mistake;
}

QString RosterCommands::native(const QString& path) const { return QDir::toNativeSeparators(path); }

int RosterCommands::fail(const QString& text, int exit)
{
    // One line: a sentence made for a message box may hold line breaks.
    static const QRegularExpression lineBreaks(QStringLiteral("\\s*\\n\\s*"));
    output_.problem(QString(text).replace(lineBreaks, QStringLiteral(" ")));
    return exit;
}

bool RosterCommands::openRoster()
{
    QString copy;
    if (!document_.open(request_.roster, &copy)) {
        exit_ = fail(
            tr("%1 is not a roster file: its name must end in CovertstrikeUser.ini").arg(native(request_.roster)));
        return false;
    }
    if (!copy.isEmpty())
        output_.problem(tr("the game keeps its own copy of this roster, which is used instead: %1").arg(native(copy)));
    const roster::RosterSnapshot& roster = document_.roster();
    if (roster.state != roster::RosterState::Read) {
        exit_ = fail(document::Messages::whyNoBots(roster, document_.path()).explanation, Unusable);
        return false;
    }
    return true;
}

std::optional<std::vector<roster::BotIndex>> RosterCommands::chosenBots(const QString& option)
{
    const int listed = document_.model().botCount();
    if (!request_.bots) {
        std::vector<roster::BotIndex> every;
        for (int bot = 0; bot < listed; ++bot)
            every.push_back(static_cast<roster::BotIndex>(bot));
        return every;
    }
    const BotNumbers read = ReadBotNumbers(option, *request_.bots);
    QString mistake = read.mistake;
    if (mistake.isEmpty())
        mistake = UnlistedMistake(option, read.numbers, listed);
    if (!mistake.isEmpty()) {
        fail(mistake);
        return std::nullopt;
    }
    return read.numbers;
}

bool RosterCommands::numbersWellWritten(const QString& option)
{
    if (!request_.bots)
        return true;
    const BotNumbers read = ReadBotNumbers(option, *request_.bots);
    if (!read.mistake.isEmpty())
        fail(read.mistake);
    return read.mistake.isEmpty();
}

int RosterCommands::wrote(const document::Outcome& outcome, document::Write write)
{
    switch (outcome.result) {
    case document::Result::Done:
        if (document_.gameRunning())
            output_.problem(tr("the game is running: it may write its own roster over this one when it closes"));
        return Done;
    case document::Result::Refused:
        // A backup that cannot be made refuses the write: the roster's
        // folder cannot be written, which is no refusal of the request.
        if (outcome.detail.pattern.starts_with("The roster file could not be backed up"))
            return fail(document::Messages::failure(outcome, write, document_.path()), Unusable);
        break;
    case document::Result::Gone:
        if (outcome.detail.gone == roster::Gone::Bot)
            break;
        [[fallthrough]];
    case document::Result::InUse:
    case document::Result::Unwritable:
        return fail(document::Messages::failure(outcome, write, document_.path()), Unusable);
    }
    return fail(document::Messages::failure(outcome, write, document_.path()));
}

int RosterCommands::list()
{
    if (!openRoster())
        return exit_;
    const std::vector<int> fields = ControlledFields();
    QString text = QStringLiteral("#\tBotNames");
    for (int box : fields)
        text += QLatin1Char('\t') + KeyName(box);
    text += QLatin1Char('\n');
    const std::vector<roster::ListedBot>& bots = document_.roster().bots;
    for (std::size_t bot = 0; bot < bots.size(); ++bot) {
        text += QString::number(bot) + QLatin1Char('\t') + Cell(bots[bot].name);
        for (int box : fields) {
            const roster::LoadedField& field = bots[bot].fields[static_cast<std::size_t>(box)];
            text += QLatin1Char('\t');
            if (field.state == roster::FieldState::Present)
                text += Cell(field.text);
        }
        text += QLatin1Char('\n');
    }
    output_.answer(text);
    return Done;
}

int RosterCommands::exportBots()
{
    // Only a bot file is written: never the roster, nor any other file a
    // slip of the keyboard names.
    const QString suffix = QString::fromLatin1(roster::BotFileSuffix.data(), qsizetype(roster::BotFileSuffix.size()));
    if (!request_.file.endsWith(suffix, Qt::CaseInsensitive))
        return fail(tr("--export writes a bot file, whose name ends in .covbots, not %1").arg(native(request_.file)));
    if (!numbersWellWritten(QStringLiteral("--bots")))
        return Mistake;
    if (!openRoster())
        return exit_;
    const std::optional<std::vector<roster::BotIndex>> bots = chosenBots(QStringLiteral("--bots"));
    if (!bots)
        return Mistake;
    if (bots->empty())
        return fail(tr("the roster lists no bots: there is nothing to export"));
    const roster::CollectedBots collected = document_.collect(*bots);
    if (!collected.error.empty())
        return fail(document::Messages::unreadable(collected.error), Unusable);
    const std::string program = std::string(identity::Title) + " " + identity::Version;
    const roster::SaveOutcome saved
        = roster::SaveBotFile(platform::nativePath(request_.file), roster::WriteBotFile(collected.bots, program));
    if (!saved.ok)
        return fail(tr("the bot file %1 could not be written: %2. Nothing was exported.")
                        .arg(native(request_.file), platform::rosterWord(saved.error)),
                    Unusable);
    output_.answer(tr("Exported %n bots to %1.", nullptr, static_cast<int>(bots->size())).arg(native(request_.file))
                   + QLatin1Char('\n'));
    return Done;
}

int RosterCommands::importBots()
{
    if (!numbersWellWritten(QStringLiteral("--replace")))
        return Mistake;
    const roster::BotFileReading reading = roster::LoadBotFile(platform::nativePath(request_.file));
    if (!reading.error.empty())
        return fail(native(request_.file) + QStringLiteral(": ")
                    + (reading.pattern.empty() ? platform::rosterWord(reading.error)
                                               : document::Messages::filled(reading.pattern, reading.arguments)));
    if (reading.sections.size() > 1) {
        // Which of them is meant, only the player knows: the window's
        // Import Bots lets them choose.
        QStringList sections;
        for (const roster::BotSection& section : reading.sections)
            sections.append(tr("[%1] on line %2").arg(QString::fromStdString(section.name)).arg(section.line));
        return fail(tr("%1 holds bots in %n sections: %2. Nothing was imported; put the bots to import in a file of "
                       "their own, or import them in the window, which lets you choose.",
                       nullptr, static_cast<int>(sections.size()))
                        .arg(native(request_.file), sections.join(QStringLiteral(", "))));
    }
    if (!openRoster())
        return exit_;
    const std::vector<roster::SharedBot>& bots = reading.sections.front().bots;
    const int count = static_cast<int>(bots.size());
    roster::Targets targets;
    if (request_.bots) {
        const std::optional<std::vector<roster::BotIndex>> replaced = chosenBots(QStringLiteral("--replace"));
        if (!replaced)
            return Mistake;
        targets = roster::ChooseTargets(roster::Placement::Replace, count, 0, *replaced);
        if (!targets.ok)
            return fail(tr("%1 holds %n bots, and --replace names %2. Nothing was imported.", nullptr, count)
                            .arg(native(request_.file))
                            .arg(replaced->size()));
    } else {
        targets = roster::ChooseTargets(roster::Placement::AfterLast, count,
                                        roster::ReadFirstFreeNumber(document_.pathBytes()), {});
        if (!targets.ok)
            return fail(tr("only %1 of the %2 bots fit after the last bot: a roster holds at most %3 bots. Nothing "
                           "was imported.")
                            .arg(targets.fitting)
                            .arg(count)
                            .arg(roster::MaxListedBots));
    }
    const int exit = wrote(document_.importBots(bots, targets), document::Write::Import);
    if (exit == Done)
        output_.answer(tr("Imported %n bots, numbered %1.", nullptr, count).arg(WrittenNumbers(targets.numbers))
                       + QLatin1Char('\n'));
    return exit;
}

} // namespace commands
