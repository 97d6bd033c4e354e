#include "app/frm_main.h"
#include "app/language.h"

#include "overview/roster_overview.h"
#include "roster/set_values.h"

#include <QComboBox>
#include <QDir>
#include <QRandomGenerator>

// The roster overview beside the window: opening it, keeping it on the file
// as the window last read it, and carrying out what it asks.

void frmMain::mnuOverview_Click() { showOverview(); }

void frmMain::showOverview()
{
    // One overview, kept while closed; it reads the file only while open.
    if (!overview_) {
        overview_ = new RosterOverview(platform_, this);
        connect(overview_, &RosterOverview::showBotRequested, this, &frmMain::showBotFromOverview);
        connect(overview_, &RosterOverview::valuesSetRequested, this, &frmMain::setValuesFromOverview);
        connect(overview_, &RosterOverview::exportRequested, this, &frmMain::exportBots);
        connect(overview_, &RosterOverview::importRequested, this, &frmMain::mnuImportBots_Click);
        connect(overview_, &RosterOverview::copyRequested, this, &frmMain::copyBots);
        connect(overview_, &RosterOverview::pasteRequested, this, &frmMain::pasteBots);
        connect(overview_, &RosterOverview::botFileDropped, this, &frmMain::importBotFile);
    }
    if (!overview_->isVisible()) {
        overview_->show();
        followRosterFile();
        refreshOverview();
    }
    overview_->raise();
    overview_->activateWindow();
}

void frmMain::refreshOverview()
{
    if (overview_ && overview_->isVisible())
        overview_->setRoster(model_.roster(), model_.shownBot());
}

void frmMain::showBotFromOverview(int bot)
{
    // As choosing the bot in the list: the changes of the bot shown before
    // are asked about first.
    if (bot < 0 || bot >= Combo1->count())
        return;
    Combo1->setCurrentIndex(bot);
    pickBot(bot);
    activateWindow();
}

void frmMain::setValuesFromOverview(const QList<int>& bots, const std::vector<roster::FieldSetting>& fields)
{
    // The shown bot's own changes are settled first when it is one of them:
    // its boxes would otherwise hold values the file no longer has.
    if (bots.contains(model_.shownBot()) && !resolveUnsavedChanges())
        return;
    if (!roster::IsRosterFileName(iniPathBytes())) {
        showError(tr("Error: Nothing to save."));
        return;
    }
    // Only bots still listed: the file may have lost some since the table
    // was shown.
    followRosterFile();
    std::vector<roster::BotIndex> indexes;
    for (int bot : bots) {
        if (bot >= 0 && bot < model_.botCount())
            indexes.push_back(static_cast<roster::BotIndex>(bot));
    }
    roster::ValueDraws draws(QRandomGenerator::global()->generate64());
    roster::RosterFile::BotEdits edits = roster::PlanSetValues(indexes, fields, draws);
    if (edits.empty())
        return;
    for (auto& [index, edit] : edits)
        edit.mustExist = true;
    edits.front().second.backupStamp = backupStampIfDue();

    const roster::SaveOutcome outcome = roster::RosterFile(iniPathBytes()).SaveBots(edits);
    if (!outcome.backup.empty())
        backedUpFiles_.insert(IniPath);
    if (outcome.gone != roster::Gone::Nothing) {
        showError(outcome.gone == roster::Gone::File
                      ? tr("The roster file is gone: %1. Nothing was saved.")
                            .arg(QDir::toNativeSeparators(IniPath))
                      : tr("A bot is no longer in the file. Nothing was saved."));
    } else if (!outcome.ok) {
        showError(outcome.refused ? app::refusalText(outcome)
                                  : explainUnwritable(IniPath, tr("Error: the values could not be saved: "
                                                                              "%1. The file was left as it was.")
                                                                   .arg(platform::rosterWord(outcome.error))));
    }
    // The window and the table show the file's values; changes the player
    // still has on a bot that was not set stay, as after another program's
    // change.
    followOwnWrite();
}
