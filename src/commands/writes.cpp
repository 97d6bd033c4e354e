// The roster commands that change the roster, each in one transaction of
// the document: --set, --deal and --check (which changes it with --fix).

#include "commands/command_run.h"

#include "game/declarations.h"
#include "game/roster_check.h"
#include "platform/qt_platform.h"
#include "roster/deal.h"
#include "roster/library.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

namespace commands {
namespace {

// The numbers whose name key the roster section holds, present or empty:
// the bots a write may still change (a write never makes a bot anew).
std::vector<bool> namedNumbers(const std::vector<profile::KeyValue>& entries)
{
    std::vector<bool> named(roster::MaxListedBots, false);
    for (const profile::KeyValue& entry : entries) {
        const std::optional<roster::NumberedKey> key = roster::SplitBotKey(entry.key);
        if (key && key->rest.empty()
            && QString::fromStdString(key->prefix).compare(u"BotNames", Qt::CaseInsensitive) == 0)
            named[static_cast<std::size_t>(key->number)] = true;
    }
    return named;
}

} // namespace

int RosterCommands::setValues()
{
    std::vector<FieldValue> fields;
    for (const QString& assignment : request_.settings) {
        FieldValue field = ReadFieldValue(assignment);
        if (!field.mistake.isEmpty())
            return fail(field.mistake);
        if (std::any_of(fields.begin(), fields.end(), [&](const FieldValue& f) { return f.box == field.box; }))
            return fail(tr("--set gives %1 twice").arg(KeyName(field.box)));
        fields.push_back(std::move(field));
    }
    if (!numbersWellWritten(QStringLiteral("--bots")))
        return Mistake;
    if (!openRoster())
        return exit_;
    const std::optional<std::vector<roster::BotIndex>> bots = chosenBots(QStringLiteral("--bots"));
    if (!bots)
        return Mistake;
    if (bots->empty())
        return fail(tr("the roster lists no bots: there is nothing to set"));
    const auto plan = [&](const std::vector<profile::KeyValue>& entries, roster::TextEncoding) {
        roster::RosterEdits planned;
        const std::vector<bool> named = namedNumbers(entries);
        for (roster::BotIndex bot : *bots) {
            if (!named[static_cast<std::size_t>(bot)]) {
                planned.edits.clear();
                planned.refusal = roster::Refusal{
                    QT_TRANSLATE_NOOP("roster", "Bot %1 is no longer in the roster file. Nothing was set."),
                    {std::to_string(bot)}};
                return planned;
            }
            // Every value is plain ASCII: its own bytes in every encoding.
            for (const FieldValue& field : fields)
                planned.edits.push_back(
                    {roster::FormKey(roster::RosterFields[static_cast<std::size_t>(field.box)].keyPrefix, bot),
                     field.value});
        }
        return planned;
    };
    const int count = static_cast<int>(bots->size());
    const int exit
        = wrote(document_.apply(tr("Set Values (%n bots)", nullptr, count), plan), document::Write::SetValues);
    if (exit == Done) {
        QStringList keys;
        for (const FieldValue& field : fields)
            keys.append(KeyName(field.box));
        output_.answer(tr("Set %1 of %n bots.", nullptr, count).arg(keys.join(QStringLiteral(", ")))
                       + QLatin1Char('\n'));
    }
    return exit;
}

int RosterCommands::deal()
{
    roster::DealRequest dealt;
    if (request_.count) {
        const Count read = ReadCount(*request_.count);
        if (!read.mistake.isEmpty())
            return fail(read.mistake);
        dealt.count = read.count;
    }
    if (request_.seed) {
        const Seed read = ReadSeed(*request_.seed);
        if (!read.mistake.isEmpty())
            return fail(read.mistake);
        dealt.seed = read.seed;
    } else {
        dealt.seed = QRandomGenerator::system()->generate64();
    }
    if (!numbersWellWritten(QStringLiteral("--keep")))
        return Mistake;
    dealt.teams = request_.balance ? roster::TeamChoice::Balanced : roster::TeamChoice::AsStored;

    // The library: a folder of bot files, or one bot file (its first
    // section, as a file of the library is read).
    roster::Library library;
    const QFileInfo source(request_.file);
    if (source.isDir()) {
        library = roster::ReadLibrary(platform::nativePath(request_.file));
    } else if (source.exists()) {
        library.files.push_back({source.fileName().toStdString(), 0, std::nullopt});
        roster::BotFileReading reading = roster::LoadBotFile(platform::nativePath(request_.file));
        if (!reading.error.empty()) {
            library.problem = roster::Refusal{reading.pattern, reading.arguments};
            if (reading.pattern.empty())
                library.problem->pattern = reading.error;
        } else {
            std::vector<roster::SharedBot>& bots = reading.sections.front().bots;
            for (std::size_t i = 0; i < bots.size(); ++i)
                library.bots.push_back({std::move(bots[i]), 0, static_cast<int>(i)});
        }
    } else {
        return fail(tr("%1 is neither a folder of bot files nor a bot file").arg(native(request_.file)));
    }
    if (library.problem)
        return fail(native(request_.file) + QStringLiteral(": ")
                    + document::Messages::filled(library.problem->pattern, library.problem->arguments));
    for (const roster::LibraryFile& file : library.files) {
        if (file.problem)
            output_.problem(tr("%1 is left out: %2")
                                .arg(QString::fromStdString(file.name),
                                     document::Messages::filled(file.problem->pattern, file.problem->arguments)));
    }

    if (!openRoster())
        return exit_;
    if (request_.bots) {
        const std::optional<std::vector<roster::BotIndex>> kept = chosenBots(QStringLiteral("--keep"));
        if (!kept)
            return Mistake;
        dealt.kept = *kept;
    }
    if (!request_.count)
        dealt.count = document_.model().botCount();
    if (dealt.count == 0)
        return fail(tr("the roster lists no bots: say with --count how many to deal"));
    const auto plan = [&](const std::vector<profile::KeyValue>& entries, roster::TextEncoding encoding) {
        return roster::PlanDeal(entries, encoding, library.bots, dealt);
    };
    const int exit = wrote(document_.apply(tr("Deal Roster"), plan), document::Write::Change);
    if (exit == Done)
        output_.answer(tr("Dealt %n bots with seed %1.", nullptr, dealt.count).arg(dealt.seed) + QLatin1Char('\n'));
    return exit;
}

int RosterCommands::check()
{
    if (!openRoster())
        return exit_;
    // The game's declarations lie beside the roster, in its System folder.
    const std::string folder = game::FolderOf(document_.pathBytes());
    const game::InstallReading install = game::ReadInstall(folder);
    const game::Declarations* declared = install.found() ? &install.declarations : nullptr;
    if (!declared)
        output_.problem(tr("no installed game beside the roster (no .int file in %1 declares anything): classes, "
                           "skins, faces, voices and weapons are not checked")
                            .arg(native(QString::fromStdString(folder))));
    if (request_.fix) {
        // The fixes of the file as the write reads it, in one transaction.
        game::RosterCheck found;
        const auto plan = [&](const std::vector<profile::KeyValue>& entries, roster::TextEncoding encoding) {
            found = game::CheckRoster(entries, encoding, declared);
            return game::FixPlan(game::FixAll(found))(entries, encoding);
        };
        const int exit = wrote(document_.apply(tr("Fix Roster"), plan), document::Write::Change);
        if (exit != Done)
            return exit;
        QString fixed;
        for (const profile::KeyValue& edit : game::FixAll(found)) {
            const QString fixedKey = QString::fromStdString(edit.key);
            const auto finding
                = std::find_if(found.findings.begin(), found.findings.end(), [&](const game::Finding& f) {
                      return QString::fromStdString(f.key).compare(fixedKey, Qt::CaseInsensitive) == 0;
                  });
            const QString key = Cell(fixedKey);
            const QString held = finding == found.findings.end() ? QString() : Cell(finding->held);
            if (edit.remove)
                fixed += tr("Fixed %1: removed \"%2\".").arg(key, held);
            else if (held.isEmpty())
                fixed += tr("Fixed %1: now \"%2\".").arg(key, Cell(edit.value));
            else
                fixed += tr("Fixed %1: \"%2\" is now \"%3\".").arg(key, held, Cell(edit.value));
            fixed += QLatin1Char('\n');
        }
        if (!fixed.isEmpty())
            output_.answer(fixed);
    }
    const game::RosterCheck check = game::CheckRosterFile(document_.pathBytes(), declared);
    if (!check.error.empty())
        return fail(document::Messages::unreadable(check.error), Unusable);
    QString lines;
    for (const game::Finding& finding : check.findings)
        lines += Cell(finding.key) + QLatin1Char('\t') + Cell(finding.held) + QLatin1Char('\t')
            + Cell(document::Messages::filled(finding.pattern, finding.arguments)) + QLatin1Char('\n');
    if (!lines.isEmpty())
        output_.answer(lines);
    return check.findings.empty() ? Done : Findings;
}

} // namespace commands
