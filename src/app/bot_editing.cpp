#include "app/frm_main.h"

#include "app/bot_controls.h"
#include "app/note_row.h"
#include "document/roster_document.h"

#include <QComboBox>
#include <QCoreApplication>

#include <exception>

// Choosing a bot, loading it into the value boxes, renaming it, saving it,
// and what a new reading of the file brings to the shown bot.

using platform::MessageIcon;

namespace {

const char* const NothingToSave = QT_TRANSLATE_NOOP("frmMain", "Error: Nothing to save.");
const char* const NoBotSelected = QT_TRANSLATE_NOOP("frmMain", "ERROR: Bot name error or no bot selected.");

QString botCaption(int index)
{
    return index < 0 ? QString() : QCoreApplication::translate("frmMain", "Bot #: %1").arg(index);
}

// The shown bot's name: a name cleared to blanks in the field still names
// the bot by the name it was loaded with.
QString shownName(const roster::RosterModel& model)
{
    const std::string& typed = model.edits().name;
    return QString::fromStdString(QString::fromStdString(typed).trimmed().isEmpty() ? model.baseline().name : typed);
}

} // namespace

void frmMain::Combo1_Click(int index) { showBot(index); }

void frmMain::showBot(int bot)
{
    // The list has already moved to the pick (and its field to the pick's
    // name). Unsaved changes of the shown bot, a typed name among them, are
    // settled first, with the list back on that bot; a cancelled question
    // or a failed save leaves it there. Picking the shown bot again asks
    // too: the list's field has dropped a name being typed.
    if (document_->hasChanges()) {
        returnToShownBot();
        if (!settleChanges(this))
            return;
    }
    // The pick loads the bot as the file holds it now.
    document_->follow();
    if (document_->roster().state == roster::RosterState::Unreadable) {
        platform_.showMessage(this, document::Messages::unreadable(document_->roster().error), MessageIcon::None);
        return;
    }
    if (bot < 0 || bot >= ui_.Combo1->count())
        return;
    ui_.Combo1->setCurrentIndex(bot);
    ui_.Label2->setCaption(botCaption(bot));
    // Asked from the overview, the bot is now shown here.
    activateWindow();
}

void frmMain::Label2_Change()
{
    if (!ui_.Label2->text().isEmpty())
        LoadBotSettings();
}

void frmMain::LoadBotSettings()
{
    const int index = ui_.Combo1->currentIndex();
    if (index < 0 || index >= document_->model().botCount()) {
        returnToShownBot();
        return;
    }
    // An absent or empty value leaves its box empty rather than showing the
    // file's path or the previous bot's value; the slider then reads it as
    // 0. A save leaves such a key alone unless the player changes it.
    const roster::ListedBot& bot = document_->roster().bots[static_cast<std::size_t>(index)];
    for (const roster::LoadedField& field : bot.fields) {
        if (field.state == roster::FieldState::Empty)
            platform_.beep();
    }
    roster::BotTexts texts = roster::TextsOf(bot);
    texts.name = ui_.Combo1->currentText().toStdString();
    controls_->enable(true);
    controls_->put(texts);
    document_->show(index, controls_->texts());
    notes_->clear();
    notes_->showWhyNoBots(*document_);
}

void frmMain::returnToShownBot()
{
    // The boxes still hold the bot shown before: the selection, its name as
    // the player left it and the caption go back to it, so no save can
    // write its values under another bot.
    const roster::RosterModel& model = document_->model();
    ui_.Combo1->setCurrentIndex(model.shownIsListed() ? model.shownBot() : -1);
    if (model.shownBot() >= 0)
        ui_.Combo1->setEditText(QString::fromStdString(model.edits().name));
    ui_.Label2->setText(botCaption(model.shownBot()));
}

void frmMain::Command3_Click()
{
    const QString name = platform_.inputBox(this, tr("Enter new name:"), tr("Bot Name"));
    const int index = ui_.Combo1->currentIndex();
    if (name.isEmpty() || index < 0 || document_->model().shownBot() < 0)
        return;
    ui_.Combo1->setItemText(index, name);
    ui_.Combo1->setEditText(name);
    roster::BotTexts texts = document_->model().edits();
    texts.name = name.toStdString();
    document_->edit(texts);
}

void frmMain::Command1_Click() { saveShownBot(); }

void frmMain::mnuSave_Click() { saveShownBot(); }

bool frmMain::saveShownBot()
{
    controls_->finishEdits();
    if (ui_.Combo1->currentText().isEmpty() || document_->model().shownBot() < 0) {
        platform_.showMessage(this, tr(NoBotSelected), MessageIcon::None);
        return false;
    }
    notes_->showGameRunning(document_->gameRunning());
    return SaveBotSettings();
}

bool frmMain::SaveBotSettings()
{
    try {
        if (!document_->isOpen()) {
            platform_.showMessage(this, tr(NothingToSave), MessageIcon::None);
            return false;
        }
        const document::Outcome outcome = document_->saveShownBot();
        const roster::RosterModel& model = document_->model();
        if (!outcome.done()) {
            platform_.showMessage(this,
                                  document::Messages::failure(outcome, document::Write::Save, iniPath(),
                                                              shownName(model), model.shownBot()),
                                  MessageIcon::None);
            return false;
        }
        notes_->clear();
        notes_->showSaved();
        return true;
    } catch (const std::exception& e) {
        platform_.showMessage(this, QString::fromLocal8Bit(e.what()), MessageIcon::None);
        return false;
    }
}

void frmMain::Timer1_Timer() { notes_->hideSaved(); }

bool frmMain::settleChanges(QWidget* asker)
{
    if (!document_->hasChanges())
        return true;
    switch (platform_.askToSave(asker, tr("Save changes to %1?").arg(shownName(document_->model())))) {
    case platform::SaveAnswer::Save:
        return saveShownBot();
    case platform::SaveAnswer::Discard:
        discardChanges();
        return true;
    case platform::SaveAnswer::Cancel:
        break;
    }
    return false;
}

void frmMain::discardChanges()
{
    // Back to the bot as it was loaded or last saved, so that nothing of the
    // dropped changes remains should the step that follow not happen.
    const roster::RosterModel& model = document_->model();
    const roster::BotTexts baseline = model.baseline();
    if (model.shownIsListed())
        ui_.Combo1->setItemText(model.shownBot(), QString::fromStdString(baseline.name));
    // Twice: a slider moved by the first pass writes its own form into its
    // box; the second puts the loaded text back with the slider in place.
    controls_->put(baseline);
    controls_->put(baseline);
    document_->edit(baseline);
    if (!model.shownIsListed()) {
        // The bot left the file meanwhile: nothing of it is left to show.
        document_->showNoBot();
        controls_->clear();
        ui_.Label2->setCaption(QString());
    }
    notes_->clear();
    notes_->showWhyNoBots(*document_);
}

void frmMain::showNews(const roster::FileNews& news, bool ownWrite)
{
    const roster::RosterModel& model = document_->model();
    const int shown = model.shownBot();
    const NoteRow::Kind before = notes_->kind();
    if (news.listChanged) {
        // The entries take the file's names; the list stays on the shown
        // bot, and its field keeps a name the player is typing.
        while (ui_.Combo1->count() > model.botCount())
            ui_.Combo1->removeItem(ui_.Combo1->count() - 1);
        for (int n = 0; n < model.botCount(); ++n) {
            const QString name = QString::fromStdString(model.roster().bots[static_cast<std::size_t>(n)].name);
            if (n < ui_.Combo1->count())
                ui_.Combo1->setItemText(n, name);
            else
                ui_.Combo1->addItem(name);
        }
        ui_.Combo1->setCurrentIndex(model.shownIsListed() ? shown : -1);
        ui_.Combo1->setEditText(shown >= 0 ? QString::fromStdString(model.edits().name) : QString());
        if (!model.shownIsListed() && !model.hasChanges())
            ui_.Label2->setCaption(QString());
    }
    if (news.shownGone && shown < 0) {
        // Nothing of the bot was changed: it simply is no longer there.
        controls_->clear();
        ui_.Label2->setCaption(QString());
    } else if (shown >= 0 && !news.shownGone) {
        controls_->put(news.shown);
        document_->tookFileTexts(controls_->texts());
    }
    if (!news.conflicts.empty() || (model.hasChanges() && notes_->kind() == NoteRow::Kind::None))
        notes_->show(document::Messages::fileChanged(news), NoteRow::Kind::Change);
    if (model.hasChanges() && !model.shownIsListed() && model.roster().state == roster::RosterState::Read)
        notes_->show(document::Messages::shownBotGone(shown, shownName(model)), NoteRow::Kind::Change);
    notes_->showWhyNoBots(*document_);
    // The editor's own write into bots other than the shown one is no news
    // from another program: the player's changes stay without the note.
    if (ownWrite && before == NoteRow::Kind::None && notes_->kind() == NoteRow::Kind::Change)
        notes_->clear();
}

std::optional<roster::ListedBot> frmMain::shownValues() const
{
    const roster::RosterModel& model = document_->model();
    if (model.shownBot() < 0)
        return std::nullopt;
    roster::ListedBot bot;
    bot.name = model.edits().name;
    for (std::size_t box = 0; box < bot.fields.size(); ++box) {
        const std::string& text = model.edits().fields[box];
        bot.fields[box] = {text.empty() ? roster::FieldState::Absent : roster::FieldState::Present, text};
    }
    return bot;
}
