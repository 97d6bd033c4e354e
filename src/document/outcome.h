#pragma once

// What a write to the roster did, in one of five words, with the roster's
// own account of it for the sentence the player reads (document/messages.h).

#include "roster/roster.h"

#include <QString>
#include <QStringList>

namespace document {

enum class Result {
    Done,
    Refused,    // checked and refused before anything was written: a text the file cannot hold, a name...
    Gone,       // the file, or a bot the write needed, is no longer there
    InUse,      // another program holds the file (is the game running?)
    Unwritable, // the system refused the write; the file was left as it was
};

struct Outcome {
    Result result = Result::Done;
    roster::SaveOutcome detail; // the roster's words: a refusal's pattern, the system's reason
    // The game's own copy of a roster under Program Files (VirtualStore),
    // where a failed write should have gone; empty elsewhere.
    QString gameCopy;
    // Undo and redo: what another program changed since, and stays ("Camping of Moth").
    QStringList keptAsChanged;
    // The file could not be read, so nothing was tried (a folder in its
    // place; when another program holds it, the result is InUse).
    bool unreadable = false;

    bool done() const { return result == Result::Done; }

    static Outcome of(const roster::SaveOutcome& saved)
    {
        Outcome outcome;
        outcome.detail = saved;
        if (saved.ok)
            outcome.result = Result::Done;
        else if (saved.gone != roster::Gone::Nothing)
            outcome.result = Result::Gone;
        else if (saved.inUse)
            outcome.result = Result::InUse;
        else if (saved.refused)
            outcome.result = Result::Refused;
        else
            outcome.result = Result::Unwritable;
        return outcome;
    }
    static Outcome gone(roster::Gone what) { return of(roster::SaveOutcome::vanished(what)); }
};

} // namespace document
