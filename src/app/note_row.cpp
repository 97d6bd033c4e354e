#include "app/note_row.h"

#include "app/frm_main_ui.h"
#include "document/roster_document.h"
#include "overview/lookout.h"

#include <QLabel>
#include <QTimer>

NoteRow::NoteRow(frmMainUi& ui, const Lookout& lookout, QObject* parent) : QObject(parent), ui_(ui)
{
    connect(&lookout, &Lookout::gameRunningChanged, this, &NoteRow::showGameRunning);
    showGameRunning(lookout.gameRunning());
}

void NoteRow::show(const document::Note& note, Kind kind)
{
    ui_.lblFileChanged->setText(note.text);
    ui_.lblFileChanged->setToolTip(note.explanation);
    ui_.lblFileChanged->setAccessibleDescription(note.explanation);
    ui_.lblFileChanged->show();
    kind_ = kind;
    showGameNote();
    // The note takes the place of an earlier save's confirmation.
    hideSaved();
}

void NoteRow::clear(Kind kind)
{
    if (kind != Kind::None && kind != kind_)
        return;
    kind_ = Kind::None;
    ui_.lblFileChanged->hide();
    showGameNote();
}

void NoteRow::showNews(const roster::FileNews& news, const document::RosterDocument& document, bool ownWrite)
{
    const roster::RosterModel& model = document.model();
    const Kind before = kind_;
    if (!news.conflicts.empty() || (model.hasChanges() && kind_ == Kind::None))
        show(document::Messages::fileChanged(news), Kind::Change);
    if (model.hasChanges() && !model.shownIsListed() && model.roster().state == roster::RosterState::Read)
        show(document::Messages::shownBotGone(model.shownBot(), QString::fromStdString(model.shownName())),
             Kind::Change);
    showWhyNoBots(document);
    // The player's changes stay without the note after the editor's own
    // write into other bots.
    if (ownWrite && before == Kind::None && kind_ == Kind::Change)
        clear();
}

void NoteRow::showWhyNoBots(const document::RosterDocument& document)
{
    const document::Note note = document::Messages::whyNoBots(document.roster(), document.path());
    if (note.isEmpty())
        clear(Kind::FileState);
    else
        show(note, Kind::FileState);
}

void NoteRow::showGameRunning(bool running)
{
    gameRunning_ = running;
    showGameNote();
}

void NoteRow::showGameNote()
{
    // The two notes share the row: the file's own news comes first.
    ui_.lblGameRunning->setVisible(gameRunning_ && kind_ == Kind::None);
}

void NoteRow::showSaved()
{
    ui_.Label35->show();
    if (!ui_.Timer1->isActive())
        ui_.Timer1->start();
}

void NoteRow::hideSaved()
{
    ui_.Label35->hide();
    ui_.Timer1->stop();
}
