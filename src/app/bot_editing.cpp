#include "app/frm_main.h"

#include "overview/roster_overview.h"
#include "roster/roster.h"

#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <exception>

// Choosing a bot, loading it into the value boxes, renaming it and saving it.

namespace {

const QString NothingToSave = QStringLiteral("Error: Nothing to save.");
const QString NoBotSelected = QStringLiteral("ERROR: Bot name error or no bot selected.");

QString botCaption(int index) { return index < 0 ? QString() : QStringLiteral("Bot #: ") + QString::number(index); }

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

void frmMain::Combo1_Click(int index)
{
    // The list has already moved to the pick. Unsaved changes of the shown
    // bot are settled first, with the list back on that bot; a cancelled
    // question or a failed save leaves it there.
    if (index != shownBot_ && hasUnsavedChanges()) {
        returnToShownBot();
        if (!resolveUnsavedChanges())
            return;
    }
    // Another program's change, held back while the player had changes, is
    // listed before the pick loads.
    if (fileChangedElsewhere_ && !hasUnsavedChanges())
        relistBots();
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
        overview_->setShownBot(shownBot_);
}

void frmMain::Command3_Click()
{
    const QString name = platform_.inputBox(this, QStringLiteral("Enter new name:"), QStringLiteral("Bot Name"));
    const int index = Combo1->currentIndex();
    if (name.isEmpty() || index < 0)
        return;
    Combo1->setItemText(index, name);
    Combo1->setEditText(name);
}

void frmMain::Command1_Click() { saveShownBot(); }

bool frmMain::saveShownBot()
{
    finishBoxEdits();
    if (Combo1->currentText().isEmpty() || Combo1->currentIndex() < 0) {
        showError(NoBotSelected);
        return false;
    }
    const bool changedElsewhere = rosterChangedElsewhere();
    if (!SaveBotSettings())
        return false;
    takeSavedFile(changedElsewhere);
    return true;
}

void frmMain::mnuSave_Click() { Command1_Click(); }

void frmMain::Timer1_Timer()
{
    Label35->hide();
    Timer1->stop();
}

void frmMain::LoadBotSettings()
{
    try {
        const int index = Combo1->currentIndex();
        const auto bot = roster::RosterFile(iniPathBytes()).LoadBot(static_cast<roster::BotIndex>(index));
        if (!bot.error.empty()) {
            showUnreadable(bot.error);
            returnToShownBot();
            return;
        }
        // An absent or empty value leaves its box empty rather than showing
        // the file's path or the previous bot's value; the slider then reads
        // it as 0. A save leaves such a key alone unless the player changes
        // it (see SaveBotSettings).
        for (std::size_t box = 0; box < bot.fields.size(); ++box) {
            const roster::LoadedField& field = bot.fields[box];
            if (field.state == roster::FieldState::Empty)
                platform_.beep();
            Text1[box]->setText(field.state == roster::FieldState::Present ? QString::fromStdString(field.text)
                                                                           : QString());
        }
        shownBot_ = index;
        shownName_ = Combo1->currentText();
        loadedTexts_ = currentBoxTexts();
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()));
        returnToShownBot();
    }
}

void frmMain::returnToShownBot()
{
    // The boxes still hold the bot shown before: the selection, its name as
    // it stood and the caption go back to it, so no save can write its
    // values under another bot, and choosing that bot again retries the load.
    const QString name = shownName_;
    Combo1->setCurrentIndex(shownBot_);
    if (shownBot_ >= 0)
        Combo1->setEditText(name);
    Label2->setText(botCaption(shownBot_));
}

std::array<QString, 12> frmMain::currentBoxTexts() const
{
    std::array<QString, 12> texts;
    for (std::size_t box = 0; box < texts.size(); ++box)
        texts[box] = Text1[box]->text();
    return texts;
}

bool frmMain::SaveBotSettings()
{
    try {
        if (!roster::IsRosterFileName(iniPathBytes())) {
            showError(NothingToSave);
            return false;
        }
        const int index = Combo1->currentIndex();
        roster::BotEdit edit;
        edit.name = Combo1->currentText().toStdString();
        // Only what the player changed since the bot was loaded is written,
        // so the keys of an untouched field keep their bytes (an absent key
        // stays absent, a value the slider cannot show keeps its digits).
        edit.nameChanged = index >= listedNames_.size() || Combo1->currentText() != listedNames_[index];
        for (std::size_t box = 0; box < Text1.size(); ++box) {
            edit.values[box] = Text1[box]->text().toStdString();
            edit.changed[box] = !loadedTexts_ || Text1[box]->text() != (*loadedTexts_)[box];
        }

        // The first save into a file copies it beside itself first.
        if (!backedUpFiles_.contains(IniPath))
            edit.backupStamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();

        const roster::SaveOutcome outcome
            = roster::RosterFile(iniPathBytes()).SaveBot(static_cast<roster::BotIndex>(index), edit);
        if (!outcome.backup.empty())
            backedUpFiles_.insert(IniPath);
        if (!outcome.ok) {
            showError(outcome.refused ? QString::fromStdString(outcome.error)
                                      : QStringLiteral("Error: bot %1 could not be saved: %2. The file was left as "
                                                       "it was.")
                                            .arg(QString::number(index), QString::fromStdString(outcome.error)));
            return false;
        }
        // A new name now stands in the list too, and a later save compares
        // against it.
        if (edit.nameChanged && index < listedNames_.size()) {
            listedNames_[index] = Combo1->currentText();
            Combo1->setItemText(index, listedNames_[index]);
        }
        loadedTexts_ = currentBoxTexts();

        Label35->show();
        if (!Timer1->isActive())
            Timer1->start();
        return true;
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()));
        return false;
    }
}

