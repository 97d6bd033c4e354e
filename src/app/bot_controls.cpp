#include "app/frm_main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

// The shown bot in the controls: the list's field holds its name, the value
// boxes its fields, and every change the player makes goes to the model.

roster::BotTexts frmMain::currentTexts() const
{
    roster::BotTexts texts;
    texts.name = model_.edits().name;
    for (std::size_t box = 0; box < Text1.size(); ++box)
        texts.fields[box] = Text1[box]->text().toStdString();
    return texts;
}

void frmMain::putTexts(const roster::BotTexts& texts)
{
    applyingTexts_ = true;
    const QString name = QString::fromStdString(texts.name);
    if (Combo1->currentText() != name)
        Combo1->setEditText(name);
    for (std::size_t box = 0; box < Text1.size(); ++box)
        Text1[box]->setText(QString::fromStdString(texts.fields[box]));
    applyingTexts_ = false;
    roster::BotTexts now = currentTexts();
    now.name = texts.name;
    model_.edit(now);
}

void frmMain::syncEdits()
{
    if (applyingTexts_ || model_.shownBot() < 0)
        return;
    model_.edit(currentTexts());
    showWhetherModified();
}

void frmMain::syncTypedName(const QString& text)
{
    // Only while the field is the shown bot's: picking another entry puts
    // that entry's name there, which renames nothing.
    if (model_.shownBot() < 0)
        return;
    roster::BotTexts texts = model_.edits();
    texts.name = text.toStdString();
    model_.edit(texts);
    showWhetherModified();
}

void frmMain::enableBotControls(bool enabled)
{
    for (QLineEdit* box : Text1)
        box->setEnabled(enabled);
    for (QSlider* slider : sliderOfBox_) {
        if (slider)
            slider->setEnabled(enabled);
    }
    Check1->setEnabled(enabled);
    Command3->setEnabled(enabled);
}

void frmMain::clearBotControls()
{
    // A bot that can no longer be read shows no values until one is shown
    // again.
    for (QLineEdit* box : Text1) {
        const QSignalBlocker quiet(box); // the sliders stay where they are, disabled
        box->setText(QString());
    }
    enableBotControls(false);
    setLabel2Caption(QString());
}
