#include "app/frm_main.h"

#include "app/bot_controls.h"
#include "app/note_row.h"
#include "document/roster_document.h"
#include "overview/roster_actions.h"

#include <QComboBox>
#include <QApplication>

#include <exception>

// Choosing a bot, loading it into the value boxes, renaming it, saving it,
// and what a new reading of the file brings to the shown bot.

using platform::MessageIcon;

namespace {

const char* const NothingToSave = QT_TRANSLATE_NOOP("frmMain", "Error: Nothing to save.");
const char* const NoBotSelected = QT_TRANSLATE_NOOP("frmMain", "ERROR: Bot name error or no bot selected.");

} // namespace

void frmMain::Combo1_Click(int index) { showBot(index); }

void frmMain::showBot(int bot)
{
    // The list has already moved to the pick (and its field to the pick's
    // name). Unsaved changes of the shown bot, a typed name among them, are
    // settled first, with the list back on that bot; a cancelled question
    // or a failed save leaves it there. Picking the shown bot again asks
    // too: the list's field has dropped a name being typed. Asked from the
    // overview, the question opens over it, which keeps the keys on Cancel.
    if (document_->hasChanges()) {
        controls_->returnToShownBot();
        if (!settleChanges(QApplication::activeWindow() ? QApplication::activeWindow() : this))
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
    ui_.Label2->setCaption(BotCaption(bot));
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
        controls_->returnToShownBot();
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

void frmMain::Command3_Click()
{
    const QString name = platform_.inputBox(this, tr("Enter new name:"), tr("Bot Name"));
    if (!name.isEmpty())
        controls_->rename(name);
}

void frmMain::Command1_Click() { saveShownBot(this); }

void frmMain::mnuSave_Click() { saveShownBot(this); }

bool frmMain::saveShownBot(QWidget* asker)
{
    controls_->finishEdits();
    if (ui_.Combo1->currentText().isEmpty() || document_->model().shownBot() < 0) {
        platform_.showMessage(asker, tr(NoBotSelected), MessageIcon::None);
        return false;
    }
    return actions_->mayWrite(asker) && SaveBotSettings(asker);
}

bool frmMain::SaveBotSettings(QWidget* asker)
{
    try {
        if (!document_->isOpen()) {
            platform_.showMessage(asker, tr(NothingToSave), MessageIcon::None);
            return false;
        }
        const document::Outcome outcome = document_->saveShownBot();
        const roster::RosterModel& model = document_->model();
        if (!outcome.done()) {
            platform_.showMessage(asker,
                                  document::Messages::failure(outcome, document::Write::Save, iniPath(),
                                                              QString::fromStdString(model.shownName()), model.shownBot()),
                                  MessageIcon::None);
            return false;
        }
        notes_->clear();
        notes_->showSaved();
        return true;
    } catch (const std::exception& e) {
        platform_.showMessage(asker, QString::fromLocal8Bit(e.what()), MessageIcon::None);
        return false;
    }
}

void frmMain::Timer1_Timer() { notes_->hideSaved(); }

bool frmMain::settleChanges(QWidget* asker)
{
    if (!document_->hasChanges())
        return true;
    const QString name = QString::fromStdString(document_->model().shownName());
    switch (platform_.askToSave(asker, tr("Save changes to %1?").arg(name))) {
    case platform::SaveAnswer::Save:
        return saveShownBot(asker);
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
    controls_->putBaseline();
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
    if (news.listChanged) {
        controls_->relist();
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
    notes_->showNews(news, *document_, ownWrite);
}

std::optional<roster::ListedBot> frmMain::shownValues() const { return controls_->shownValues(); }
