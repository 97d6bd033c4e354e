#pragma once

// One write of the roster on the document's history: its words ("Save
// Moth", "Set Values (12 bots)") and the file as the write found and left
// it. Undo and redo are carried out by the document, which writes the file
// back and reports what it could not carry (RosterDocument::undo); the
// command itself only marks its place on the stack.

#include "profile/profile_file.h"

#include <QUndoCommand>

namespace document {

class RosterChange : public QUndoCommand {
public:
    RosterChange(const QString& text, profile::Transaction transaction)
        : QUndoCommand(text), transaction_(std::move(transaction))
    {
    }

    const profile::Transaction& transaction() const { return transaction_; }

    void undo() override {}
    void redo() override {}

private:
    profile::Transaction transaction_;
};

} // namespace document
