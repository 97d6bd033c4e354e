#include "document/messages.h"

#include "platform/translate.h"
#include "roster/roster_table.h"

#include <QDir>

namespace document {
namespace {

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

} // namespace

QString Messages::refusal(const roster::SaveOutcome& outcome)
{
    if (outcome.pattern.empty())
        return platform::rosterWord(outcome.error);
    return filled(outcome.pattern, outcome.arguments);
}

QString Messages::filled(std::string_view pattern, const std::vector<std::string>& arguments)
{
    // In one pass, as the roster fills it: a name holding "%2" stays a name.
    const QString translated = platform::rosterWord(pattern);
    QString text;
    for (qsizetype i = 0; i < translated.size(); ++i) {
        const auto n = i + 1 < translated.size() ? static_cast<std::size_t>(translated[i + 1].digitValue() - 1)
                                                 : arguments.size();
        if (translated[i] == u'%' && n < arguments.size()) {
            text += platform::rosterWord(arguments[n]);
            ++i;
        } else {
            text += translated[i];
        }
    }
    return text;
}

QString Messages::finding(const game::Finding& finding) { return filled(finding.pattern, finding.arguments); }

QString Messages::fixOf(const game::Finding& finding)
{
    QStringList writes;
    for (const profile::KeyValue& edit : finding.fix)
        writes.append(edit.remove ? tr("Remove the key") : QString::fromStdString(edit.value));
    return writes.join(QStringLiteral(", "));
}

QString Messages::findings(const std::vector<const game::Finding*>& findings)
{
    QStringList lines;
    for (const game::Finding* f : findings)
        lines.append(tr("%1: %2").arg(QString::fromStdString(f->key), finding(*f)));
    return lines.join(QLatin1Char('\n'));
}

QString Messages::skillInPlay(const std::optional<std::string>& difficulty, const std::string& botSkill)
{
    const std::optional<game::PlayedSkill> skill
        = game::SkillInPlay(difficulty ? std::optional<std::string_view>(*difficulty) : std::nullopt, botSkill);
    if (!skill)
        return {};
    const std::optional<double> number = roster::NumberOfText(botSkill);
    const std::string skillText = number ? roster::ShortNumber(*number) : botSkill.empty() ? "0" : botSkill;
    return tr("The game plays this bot at %1 (%2): difficulty %3 and skill %4.")
        .arg(QString::fromStdString(roster::ShortNumber(skill->played)), platform::rosterWord(skill->name),
             QString::fromStdString(*difficulty), QString::fromStdString(skillText));
}

QString Messages::noInstall()
{
    return tr("No installed game was found beside the roster (its folder holds no .int files of the game): "
              "classes, skins, faces, voices and weapons were not checked.");
}

QString Messages::unreadable(const std::string& reason)
{
    return tr("The roster file cannot be read: %1").arg(platform::rosterWord(reason));
}

QString Messages::noRosterOpen() { return tr("There is no roster file open. Open one with File, Open first."); }

QString Messages::gameCopyOpened(const QString& copy)
{
    return tr("The game does not use this file under Program Files but its own copy:\n%1\n\nThe editor edits that "
              "copy.")
        .arg(copy);
}

QString Messages::failure(const Outcome& outcome, Write write, const QString& rosterPath, const QString& botName,
                          int bot)
{
    const QString reason = platform::rosterWord(outcome.detail.error);
    QString text;
    switch (outcome.result) {
    case Result::Done:
        return {};
    case Result::Gone:
        if (outcome.detail.gone == roster::Gone::Bot) {
            text = write == Write::Save
                ? tr("Bot %1 (%2) is no longer in the file. Nothing was saved.").arg(QString::number(bot), botName)
                : tr("A bot is no longer in the file. Nothing was saved.");
            break;
        }
        switch (write) {
        case Write::Save:
            return tr("The roster file is gone: %1. Nothing was saved; your changes are kept. Use File, Open to "
                      "choose it again.")
                .arg(native(rosterPath));
        case Write::Import:
            return tr("The roster file is gone: %1. Nothing was imported.").arg(native(rosterPath));
        default:
            return tr("The roster file is gone: %1. Nothing was saved.").arg(native(rosterPath));
        }
    case Result::InUse:
        text = write == Write::Save
            ? tr("The roster file is in use by another program (is the game running?). Nothing was saved; your "
                 "changes are kept.")
            : tr("The roster file is in use by another program (is the game running?). The file was left as it "
                 "was.");
        break;
    case Result::Refused:
        if (write == Write::Restore && outcome.detail.pattern.empty())
            return tr("The backup could not be restored: %1. The roster file was left as it was.").arg(reason);
        return refusal(outcome.detail);
    case Result::Unwritable:
        // In the words of the note beside the bot's number.
        if (outcome.unreadable)
            return (write == Write::Save
                        ? tr("The roster file cannot be read: %1: %2. Nothing was saved; your changes are kept.")
                        : tr("The roster file cannot be read: %1: %2. The file was left as it was."))
                .arg(native(rosterPath), reason);
        switch (write) {
        case Write::Save:
            text = tr("Error: %1 (bot %2) could not be saved: %3. The file was left as it was.")
                       .arg(botName, QString::number(bot), reason);
            break;
        case Write::SetValues:
            text = tr("Error: the values could not be saved: %1. The file was left as it was.").arg(reason);
            break;
        case Write::Import:
            text = tr("Error: the bots could not be imported: %1. The file was left as it was.").arg(reason);
            break;
        case Write::Restore:
            text = tr("Error: the backup could not be restored: %1. The file was left as it was.").arg(reason);
            break;
        case Write::Fix:
            text = tr("Error: the fixes could not be written: %1. The file was left as it was.").arg(reason);
            break;
        case Write::Appearance:
            text = tr("Error: the appearance could not be saved: %1. The file was left as it was.").arg(reason);
            break;
        case Write::Undo:
        case Write::Redo:
        case Write::Change:
            text = tr("Error: the roster could not be written: %1. The file was left as it was.").arg(reason);
            break;
        }
        break;
    }
    if (!outcome.gameCopy.isEmpty() && outcome.result != Result::Gone)
        text += tr("\n\nThe file lies under Program Files, which only administrators may change. The game, run as "
                   "you, writes its own copy instead, once it has saved its settings:\n%1")
                    .arg(outcome.gameCopy);
    return text;
}

QString Messages::keptAsChanged(const Outcome& outcome)
{
    QStringList sentences;
    for (const QString& what : outcome.keptAsChanged)
        sentences.append(tr("%1 was changed by another program since; it stays.").arg(what));
    return sentences.join(QLatin1Char('\n'));
}

Note Messages::whyNoBots(const roster::RosterSnapshot& roster, const QString& rosterPath)
{
    const QString path = native(rosterPath);
    switch (roster.state) {
    case roster::RosterState::Missing:
        return {tr("Roster file not found"), tr("The roster file was not found: %1").arg(path)};
    case roster::RosterState::Unreadable:
        return {tr("Roster file unreadable"),
                tr("The roster file cannot be read: %1: %2").arg(path, platform::rosterWord(roster.error))};
    case roster::RosterState::Read:
        break;
    }
    if (roster.bots.empty())
        return {tr("No bot roster in the file"), tr("The roster file holds no bot roster: %1").arg(path)};
    return {};
}

Note Messages::fileChanged(const roster::FileNews& news)
{
    if (news.conflicts.empty())
        return {tr("File changed on disk"), tr("Another program changed the roster file. Your changes are kept; a "
                                               "save writes only what you changed.")};
    QStringList fields;
    for (int field : news.conflicts)
        fields.append(platform::rosterWord(roster::FieldLabel(field)));
    const int count = static_cast<int>(fields.size());
    return {count == 1 ? tr("%1 also changed on disk").arg(fields.constFirst())
                       : tr("%n fields also changed on disk", nullptr, count),
            tr("File changed on disk: %1 also changed there. Your values are kept; a save writes them over the "
               "file's.")
                .arg(fields.join(QStringLiteral(", ")))};
}

Note Messages::shownBotGone(int bot, const QString& name)
{
    return {tr("Bot %1 is no longer in the file").arg(bot),
            tr("Another program removed bot %1 (%2) from the roster file. Your changes are kept but cannot be saved "
               "into it.")
                .arg(QString::number(bot), name)};
}

QStringList Messages::widestNotes()
{
    QStringList notes = {tr("File changed on disk"), tr("%n fields also changed on disk", nullptr, 13),
                         tr("Bot %1 is no longer in the file").arg(100), tr("No bot roster in the file"),
                         tr("Roster file unreadable"), tr("Roster file not found")};
    for (int field = 0; field < 12; ++field)
        notes.append(tr("%1 also changed on disk").arg(platform::rosterWord(roster::FieldLabel(field))));
    return notes;
}

} // namespace document
