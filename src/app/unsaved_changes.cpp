#include "app/frm_main.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>

// Changes not yet saved: the title bar's marker, and the question before a
// step that would drop them (another bot, the same bot picked again, another
// file, closing).

void frmMain::followUnsavedChanges()
{
    // What the player types into the list's field renames the shown bot;
    // the text the list puts there when an entry is picked does not.
    connect(Combo1->lineEdit(), &QLineEdit::textEdited, this, &frmMain::syncTypedName);
    for (QLineEdit* box : Text1)
        connect(box, &QLineEdit::textChanged, this, &frmMain::syncEdits);
}

void frmMain::showWhetherModified() { setWindowModified(model_.hasChanges()); }

bool frmMain::resolveUnsavedChanges()
{
    if (!model_.hasChanges())
        return true;
    switch (platform_.askToSave(this, tr("Save changes to %1?").arg(shownBotName()))) {
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
    // dropped changes remains should the step that follows not happen.
    const roster::BotTexts baseline = model_.baseline();
    const int shown = model_.shownBot();
    if (model_.shownIsListed())
        Combo1->setItemText(shown, QString::fromStdString(baseline.name));
    // Twice: a slider moved by the first pass writes its own form into its
    // box; the second puts the loaded text back with the slider in place.
    putTexts(baseline);
    putTexts(baseline);
    model_.edit(baseline);
    if (!model_.shownIsListed()) {
        // The bot left the file meanwhile: nothing of it is left to show.
        model_.showNoBot();
        clearBotControls();
    }
    clearNote();
    sayWhyNoBots();
    showWhetherModified();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (resolveUnsavedChanges())
        event->accept();
    else
        event->ignore();
}
