#include "app/frm_main.h"

#include <QComboBox>
#include <QLabel>

// Keeping up with the roster file while the game or another program
// rewrites it: the list is read again at once, the shown bot's fields that
// the player left alone take the file's values, and the player's changes
// stay. The note beside the bot number says what the player needs to know.

void frmMain::buildFileWatch()
{
    rosterWatch_ = new platform::FileWatch(this);
    connect(rosterWatch_, &platform::FileWatch::settled, this, &frmMain::followRosterFile);
}

void frmMain::followRosterFile()
{
    const roster::FileNews news = model_.follow();
    if (news.changed)
        showFileNews(news);
}

void frmMain::followOwnWrite()
{
    // The editor's own write into bots other than the shown one is no news
    // from another program: the player's changes stay without the note.
    const Note before = note_;
    followRosterFile();
    if (before == Note::None && note_ == Note::Change)
        clearNote();
}

void frmMain::showFileNews(const roster::FileNews& news)
{
    const int shown = model_.shownBot();
    if (news.listChanged)
        refreshList();
    if (news.shownGone && shown < 0) {
        // Nothing of the bot was changed: it simply is no longer there.
        clearBotControls();
    } else if (shown >= 0 && !news.shownGone) {
        putTexts(news.shown);
        model_.tookFileTexts(currentTexts());
    }

    if (!news.conflicts.empty()) {
        QStringList fields;
        for (int field : news.conflicts)
            fields.append(platform::rosterWord(roster::FieldLabel(field)));
        const int count = static_cast<int>(fields.size());
        const QString note = count == 1 ? tr("%1 also changed on disk").arg(fields.constFirst())
                                        : tr("%1 fields also changed on disk", nullptr, count).arg(count);
        showNote(note, tr("File changed on disk: %1 also changed there. Your values are kept; a save "
                                      "writes them over the file's.")
                           .arg(fields.join(QStringLiteral(", "))));
    } else if (model_.hasChanges() && note_ == Note::None) {
        showNote(tr("File changed on disk"),
                 tr("Another program changed the roster file. Your changes are kept; a save writes only "
                                "what you changed."));
    }
    if (model_.hasChanges() && !model_.shownIsListed() && model_.roster().state == roster::RosterState::Read) {
        showNote(tr("Bot %1 is no longer in the file").arg(shown),
                 tr("Another program removed bot %1 (%2) from the roster file. Your changes are kept "
                                "but cannot be saved into it.")
                     .arg(QString::number(shown), shownBotName()));
    }
    sayWhyNoBots();
    showWhetherModified();
    refreshOverview();
}

void frmMain::refreshList()
{
    // The entries take the file's names; the list stays on the shown bot,
    // and its field keeps a name the player is typing.
    const roster::RosterSnapshot& roster = model_.roster();
    const int shown = model_.shownBot();
    while (Combo1->count() > model_.botCount())
        Combo1->removeItem(Combo1->count() - 1);
    for (int n = 0; n < model_.botCount(); ++n) {
        const QString name = QString::fromStdString(roster.bots[static_cast<std::size_t>(n)].name);
        if (n < Combo1->count())
            Combo1->setItemText(n, name);
        else
            Combo1->addItem(name);
    }
    Combo1->setCurrentIndex(model_.shownIsListed() ? shown : -1);
    Combo1->setEditText(shown >= 0 ? QString::fromStdString(model_.edits().name) : QString());
    if (!model_.shownIsListed() && !model_.hasChanges())
        setLabel2Caption(QString());
}

void frmMain::showNote(const QString& note, const QString& explanation, Note kind)
{
    lblFileChanged->setText(note);
    lblFileChanged->setToolTip(explanation);
    lblFileChanged->setAccessibleDescription(explanation);
    lblFileChanged->show();
    note_ = kind;
    showGameNote();
    // The note takes the place of an earlier save's confirmation.
    hideSaveConfirmation();
}

void frmMain::clearNote()
{
    note_ = Note::None;
    lblFileChanged->hide();
    showGameNote();
}
