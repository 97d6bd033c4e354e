#include "app/frm_main.h"
#include "app/language.h"

#include "overview/roster_overview.h"
#include "roster/roster.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <exception>

// Choosing a bot, loading it into the value boxes, renaming it and saving it.

namespace {

const char* const NothingToSave = QT_TRANSLATE_NOOP("frmMain", "Error: Nothing to save.");
const char* const NoBotSelected = QT_TRANSLATE_NOOP("frmMain", "ERROR: Bot name error or no bot selected.");

QString botCaption(int index)
{
    return index < 0 ? QString() : QCoreApplication::translate("frmMain", "Bot #: %1").arg(index);
}

} // namespace

void frmMain::keepTypedNames()
{
    // Typing in the list's field renames the shown bot; only choosing from
    // the drop-down (mouse, arrow keys, wheel) picks another. So no inline
    // completion, no entry made from the text, and no matching of the text
    // against the entries when the field loses the focus or takes Enter,
    // which would silently switch bots or undo a rename that differs only in
    // letter case.
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setCompleter(nullptr);
    disconnect(Combo1->lineEdit(), &QLineEdit::editingFinished, Combo1, nullptr);
}

void frmMain::Combo1_Click(int index) { pickBot(index); }

void frmMain::pickBot(int index)
{
    // The list has already moved to the pick (and its field to the pick's
    // name). Unsaved changes of the shown bot, a typed name among them, are
    // settled first, with the list back on that bot; a cancelled question
    // or a failed save leaves it there. Picking the shown bot again asks
    // too: the list's field has dropped a name being typed.
    if (model_.hasChanges()) {
        returnToShownBot();
        if (!resolveUnsavedChanges())
            return;
    }
    // The pick loads the bot as the file holds it now.
    followRosterFile();
    if (model_.roster().state == roster::RosterState::Unreadable) {
        showUnreadable(model_.roster().error);
        return;
    }
    if (index >= Combo1->count())
        return;
    Combo1->setCurrentIndex(index);
    setLabel2Caption(botCaption(index));
}

void frmMain::setLabel2Caption(const QString& caption)
{
    // A label raises its change event only when its caption really changes.
    if (Label2->text() == caption)
        return;
    Label2->setText(caption);
    Label2_Change();
}

void frmMain::Label2_Change()
{
    if (!Label2->text().isEmpty())
        LoadBotSettings();
    showWhetherModified();
    if (overview_)
        overview_->setShownBot(model_.shownBot());
}

void frmMain::Command3_Click()
{
    const QString name = platform_.inputBox(this, tr("Enter new name:"), tr("Bot Name"));
    const int index = Combo1->currentIndex();
    if (name.isEmpty() || index < 0)
        return;
    Combo1->setItemText(index, name);
    Combo1->setEditText(name);
    syncTypedName(name);
}

void frmMain::Command1_Click() { saveShownBot(); }

bool frmMain::saveShownBot()
{
    finishBoxEdits();
    if (Combo1->currentText().isEmpty() || model_.shownBot() < 0) {
        showError(tr(NoBotSelected));
        return false;
    }
    // What the game changed meanwhile is taken in first, so that the save
    // writes the player's changes to the bot as it now stands.
    showWhetherGameRuns();
    followRosterFile();
    if (saveIsBlocked() || !SaveBotSettings())
        return false;
    clearNote();
    followRosterFile();
    return true;
}

bool frmMain::saveIsBlocked()
{
    const roster::SaveBlock block = model_.saveBlock();
    if (block == roster::SaveBlock::None)
        return false;
    showSaveBlock(block);
    return true;
}

void frmMain::showSaveBlock(roster::SaveBlock block)
{
    switch (block) {
    case roster::SaveBlock::None:
        break;
    case roster::SaveBlock::NoBot:
        showError(tr(NoBotSelected));
        break;
    case roster::SaveBlock::FileGone:
        showError(tr("The roster file is gone: %1. Nothing was saved; your changes are kept. Use File, "
                                 "Open to choose it again.")
                      .arg(QDir::toNativeSeparators(IniPath)));
        break;
    case roster::SaveBlock::BotGone:
        showError(tr("Bot %1 (%2) is no longer in the file. Nothing was saved.")
                      .arg(QString::number(model_.shownBot()), shownBotName()));
        break;
    }
}

QString frmMain::shownBotName() const
{
    // A name cleared to blanks in the field still names the bot by the
    // name it was loaded with.
    const roster::BotTexts& bot = model_.edits();
    const std::string& name = QString::fromStdString(bot.name).trimmed().isEmpty() ? model_.baseline().name : bot.name;
    return QString::fromStdString(name);
}

void frmMain::mnuSave_Click() { saveShownBot(); }

void frmMain::Timer1_Timer() { hideSaveConfirmation(); }

void frmMain::hideSaveConfirmation()
{
    Label35->hide();
    Timer1->stop();
}

void frmMain::LoadBotSettings()
{
    const int index = Combo1->currentIndex();
    if (index < 0 || index >= model_.botCount()) {
        returnToShownBot();
        return;
    }
    // An absent or empty value leaves its box empty rather than showing the
    // file's path or the previous bot's value; the slider then reads it as
    // 0. A save leaves such a key alone unless the player changes it.
    const roster::ListedBot& bot = model_.roster().bots[static_cast<std::size_t>(index)];
    for (const roster::LoadedField& field : bot.fields) {
        if (field.state == roster::FieldState::Empty)
            platform_.beep();
    }
    roster::BotTexts texts = roster::TextsOf(bot);
    texts.name = Combo1->currentText().toStdString();
    enableBotControls(true);
    putTexts(texts);
    model_.show(index, currentTexts());
    clearNote();
    sayWhyNoBots();
}

void frmMain::returnToShownBot()
{
    // The boxes still hold the bot shown before: the selection, its name as
    // the player left it and the caption go back to it, so no save can
    // write its values under another bot.
    const int shown = model_.shownBot();
    Combo1->setCurrentIndex(model_.shownIsListed() ? shown : -1);
    if (shown >= 0)
        Combo1->setEditText(QString::fromStdString(model_.edits().name));
    Label2->setText(botCaption(shown));
}

bool frmMain::SaveBotSettings()
{
    try {
        if (!roster::IsRosterFileName(iniPathBytes())) {
            showError(tr(NothingToSave));
            return false;
        }
        const int index = model_.shownBot();
        // Only what the player changed since the bot was loaded is written,
        // so the keys of an untouched field keep their bytes (an absent key
        // stays absent, a value the slider cannot show keeps its digits).
        roster::BotEdit edit = model_.saveEdit();
        // The first save into a file copies it beside itself first.
        edit.backupStamp = backupStampIfDue();

        const roster::SaveOutcome outcome
            = roster::RosterFile(iniPathBytes()).SaveBot(static_cast<roster::BotIndex>(index), edit);
        if (!outcome.backup.empty())
            backedUpFiles_.insert(IniPath);
        if (outcome.gone != roster::Gone::Nothing) {
            // Gone between the look at the file and the write.
            followRosterFile();
            showSaveBlock(outcome.gone == roster::Gone::File ? roster::SaveBlock::FileGone
                                                             : roster::SaveBlock::BotGone);
            return false;
        }
        if (!outcome.ok) {
            showError(outcome.refused ? app::refusalText(outcome)
                                      : explainUnwritable(IniPath,
                                                          tr("Error: %1 (bot %2) could not be saved: %3. "
                                                                         "The file was left as it was.")
                                                              .arg(shownBotName(), QString::number(index),
                                                                   platform::rosterWord(outcome.error))));
            return false;
        }
        model_.saved();
        // A new name now stands in the list too.
        if (edit.nameChanged && index < Combo1->count())
            Combo1->setItemText(index, QString::fromStdString(edit.name));

        Label35->show();
        if (!Timer1->isActive())
            Timer1->start();
        return true;
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()));
        return false;
    }
}
