#pragma once

// The one place that turns what the roster document did and found into the
// player's sentences and notes, all in the player's language: the windows
// show them, the command line prints them.

#include "document/outcome.h"
#include "game/roster_check.h"
#include "roster/roster_model.h"

#include <QCoreApplication>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace document {

// Which write an outcome is of: its sentence says what was not done.
// Change: any other write of the roster section (RosterDocument::apply):
// the roster's shape, a deal.
enum class Write { Save, SetValues, Import, Restore, Undo, Redo, Change, Fix, Appearance };

// A note beside the bot's number: a few words, and the whole sentence for
// the tooltip and screen readers.
struct Note {
    QString text;
    QString explanation;
    bool isEmpty() const { return text.isEmpty(); }
};

class Messages {
    Q_DECLARE_TR_FUNCTIONS(Messages)

public:
    // Why a write did not go through ("" when it did). `bot` names the bot
    // a save was of ("Moth", 4).
    static QString failure(const Outcome& outcome, Write write, const QString& rosterPath, const QString& botName = {},
                           int bot = -1);
    // What an undo or a redo left as another program changed it.
    static QString keptAsChanged(const Outcome& outcome);
    // A refusal the roster worded, in the player's language (its pattern
    // and arguments translated and filled in one pass).
    static QString refusal(const roster::SaveOutcome& outcome);
    // A pattern the roster or the game room marked (with %1, %2... standing
    // for `arguments`), in the player's language: the pattern and each
    // argument translated, and filled in one pass.
    static QString filled(std::string_view pattern, const std::vector<std::string>& arguments);
    // "The roster file cannot be read: <the reason>".
    static QString unreadable(const std::string& reason);
    static QString noRosterOpen();
    // The game's own copy of a roster under Program Files was opened instead.
    static QString gameCopyOpened(const QString& copy);

    // What the game will do with a finding's key ("1.5 is outside the
    // range..."), and what its fix writes ("1.000000", "Remove the key";
    // "" when it has none).
    static QString finding(const game::Finding& finding);
    static QString fixOf(const game::Finding& finding);
    // A bot's findings, one a line, each with its key: a tooltip.
    static QString findings(const std::vector<const game::Finding*>& findings);
    // "The game plays this bot at 4 (Adept): difficulty 3 and skill 1.";
    // "" without a Difficulty key.
    static QString skillInPlay(const std::optional<std::string>& difficulty, const std::string& botSkill);
    // Why the looks were not checked.
    static QString noInstall();

    // The note for a roster that shows no bots (missing, unreadable, none
    // in it), or none.
    static Note whyNoBots(const roster::RosterSnapshot& roster, const QString& rosterPath);
    // The note for what another program changed under the player's unsaved
    // changes.
    static Note fileChanged(const roster::FileNews& news);
    static Note shownBotGone(int bot, const QString& name);
    // Every note of the kinds above at its widest: what the layout must hold.
    static QStringList widestNotes();
};

} // namespace document
