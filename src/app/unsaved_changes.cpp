#include "app/frm_main.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>

// Changes not yet saved: the title bar's marker, and the question before a
// step that would drop them (another bot, another file, closing).

void frmMain::followUnsavedChanges()
{
    // The list's field shows another entry's name as soon as the player
    // picks it; the shown bot's name is kept from the field while the field
    // is that bot's.
    connect(Combo1, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (shownBot_ >= 0 && Combo1->currentIndex() == shownBot_)
            shownName_ = text;
        showWhetherModified();
    });
    for (QLineEdit* box : Text1)
        connect(box, &QLineEdit::textChanged, this, &frmMain::showWhetherModified);
}

bool frmMain::hasUnsavedChanges() const
{
    if (shownBot_ < 0 || !loadedTexts_)
        return false;
    return shownName_ != listedNames_.value(shownBot_) || currentBoxTexts() != *loadedTexts_;
}

void frmMain::showWhetherModified() { setWindowModified(hasUnsavedChanges()); }

bool frmMain::resolveUnsavedChanges()
{
    if (!hasUnsavedChanges())
        return true;
    // A name cleared to blanks in the field still names the bot by its
    // listed name.
    const QString name = shownName_.trimmed().isEmpty() ? listedNames_.value(shownBot_) : shownName_;
    switch (platform_.askToSave(this, QStringLiteral("Save changes to %1?").arg(name))) {
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
    const QString name = listedNames_.value(shownBot_);
    Combo1->setItemText(shownBot_, name);
    if (Combo1->currentIndex() == shownBot_)
        Combo1->setEditText(name);
    shownName_ = name;
    // Twice: a slider moved by the first pass writes its own form into its
    // box; the second puts the loaded text back with the slider in place.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t box = 0; box < Text1.size(); ++box)
            Text1[box]->setText((*loadedTexts_)[box]);
    }
    showWhetherModified();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (resolveUnsavedChanges())
        event->accept();
    else
        event->ignore();
}
