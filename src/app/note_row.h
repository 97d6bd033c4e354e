#pragma once

// The row beside the bot's number, where the window tells what the player
// should know: "Save Successful" for three seconds after a save, another
// program's change to the file, why the file shows no bots, and the game
// running. The file's own news comes first; the game's note shows when the
// row is free.

#include "document/messages.h"

#include <QObject>

class Lookout;
class frmMainUi;

namespace document {
class RosterDocument;
}

class NoteRow : public QObject {
    Q_OBJECT

public:
    // What the note tells: another program's change (it stays until a save,
    // a discard or a reload), or why the file shows no bots (it goes when
    // they are back).
    enum class Kind { None, Change, FileState };

    // The game's note follows what the lookout finds.
    NoteRow(frmMainUi& ui, const Lookout& lookout, QObject* parent);

    Kind kind() const { return kind_; }
    void show(const document::Note& note, Kind kind);
    // Clears the note when it is of this kind (any kind: None).
    void clear(Kind kind = Kind::None);
    // What a new reading of the file means for the player's unsaved
    // changes. The document's own write is no news from another program.
    void showNews(const roster::FileNews& news, const document::RosterDocument& document, bool ownWrite);
    // Why the roster shows no bots, while it shows none.
    void showWhyNoBots(const document::RosterDocument& document);
    void showGameRunning(bool running);
    void showSaved();
    void hideSaved();

private:
    void showGameNote();

    frmMainUi& ui_;
    Kind kind_ = Kind::None;
    bool gameRunning_ = false;
};
