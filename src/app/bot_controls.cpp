#include "app/bot_controls.h"

#include "app/frm_main_ui.h"
#include "document/roster_document.h"
#include "platform/platform.h"
#include "roster/scale.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

namespace {

// The check box's states as the box writes them: 0 unchecked, 1 checked,
// 2 greyed. Qt numbers the last two the other way round.
Qt::CheckState toQtState(int state)
{
    return state == 2 ? Qt::PartiallyChecked : state == 1 ? Qt::Checked : Qt::Unchecked;
}

int fromQtState(Qt::CheckState state) { return state == Qt::PartiallyChecked ? 2 : state == Qt::Checked ? 1 : 0; }

} // namespace

QString BotCaption(int bot)
{
    return bot < 0 ? QString() : QCoreApplication::translate("frmMain", "Bot #: %1").arg(bot);
}

BotControls::BotControls(frmMainUi& ui, document::RosterDocument& document, platform::Platform& platform,
                         QObject* parent)
    : QObject(parent), ui_(ui), document_(document), platform_(platform)
{
    // Typing in the list's field renames the shown bot; only choosing from
    // the drop-down (mouse, arrow keys, wheel) picks another. So no inline
    // completion, no entry made from the text, and no matching of the text
    // against the entries when the field loses the focus or takes Enter,
    // which would silently switch bots or undo a rename that differs only in
    // letter case.
    ui.Combo1->setInsertPolicy(QComboBox::NoInsert);
    ui.Combo1->setCompleter(nullptr);
    disconnect(ui.Combo1->lineEdit(), &QLineEdit::editingFinished, ui.Combo1, nullptr);
    // What the player types into the list's field renames the shown bot;
    // the text the list puts there when an entry is picked does not.
    connect(ui.Combo1->lineEdit(), &QLineEdit::textEdited, this, &BotControls::syncTypedName);
    for (std::size_t box = 0; box < ui.sliderOfBox.size(); ++box) {
        if (QSlider* slider = ui.sliderOfBox[box])
            connect(slider, &QSlider::valueChanged, this, [this, box] { Slider_Change(static_cast<int>(box)); });
    }
    connect(ui.Check1, &QCheckBox::stateChanged, this, &BotControls::Check1_Click);
    for (int i = 0; i < 12; ++i) {
        QLineEdit* box = ui.Text1[static_cast<std::size_t>(i)];
        connect(box, &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
        connect(box, &QLineEdit::textChanged, this, &BotControls::syncEdits);
        connect(box, &QLineEdit::editingFinished, this, [this, i] { normaliseBox(i); });
    }
}

void BotControls::stop()
{
    // The boxes and the list lose the focus as they are destroyed, after
    // the window has stopped being one: nothing may answer them.
    for (QLineEdit* box : ui_.Text1)
        box->disconnect(this);
    ui_.Combo1->lineEdit()->disconnect(this);
}

roster::BotTexts BotControls::texts() const
{
    roster::BotTexts texts;
    texts.name = document_.model().edits().name;
    for (std::size_t box = 0; box < ui_.Text1.size(); ++box)
        texts.fields[box] = ui_.Text1[box]->text().toStdString();
    return texts;
}

void BotControls::put(const roster::BotTexts& texts)
{
    showsBot_ = true;
    applyingTexts_ = true;
    const QString name = QString::fromStdString(texts.name);
    if (ui_.Combo1->currentText() != name)
        ui_.Combo1->setEditText(name);
    for (std::size_t box = 0; box < ui_.Text1.size(); ++box)
        ui_.Text1[box]->setText(QString::fromStdString(texts.fields[box]));
    applyingTexts_ = false;
    roster::BotTexts now = this->texts();
    now.name = texts.name;
    document_.edit(now);
}

void BotControls::putBaseline()
{
    const roster::RosterModel& model = document_.model();
    const roster::BotTexts baseline = model.baseline();
    if (model.shownIsListed())
        ui_.Combo1->setItemText(model.shownBot(), QString::fromStdString(baseline.name));
    // Twice: a slider moved by the first pass writes its own form into its
    // box; the second puts the loaded text back with the slider in place.
    put(baseline);
    put(baseline);
    document_.edit(baseline);
}

void BotControls::rename(const QString& name)
{
    const int index = ui_.Combo1->currentIndex();
    if (index < 0 || document_.model().shownBot() < 0)
        return;
    ui_.Combo1->setItemText(index, name);
    ui_.Combo1->setEditText(name);
    syncTypedName(name);
}

void BotControls::syncEdits()
{
    if (!applyingTexts_ && document_.model().shownBot() >= 0)
        document_.edit(texts());
}

void BotControls::syncTypedName(const QString& text)
{
    // Only while the field is the shown bot's: picking another entry puts
    // that entry's name there, which renames nothing.
    if (document_.model().shownBot() < 0)
        return;
    roster::BotTexts texts = document_.model().edits();
    texts.name = text.toStdString();
    document_.edit(texts);
}

std::optional<roster::ListedBot> BotControls::shownValues() const
{
    const roster::RosterModel& model = document_.model();
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

void BotControls::relist()
{
    const roster::RosterModel& model = document_.model();
    while (ui_.Combo1->count() > model.botCount())
        ui_.Combo1->removeItem(ui_.Combo1->count() - 1);
    for (int n = 0; n < model.botCount(); ++n) {
        const QString name = QString::fromStdString(model.roster().bots[static_cast<std::size_t>(n)].name);
        if (n < ui_.Combo1->count())
            ui_.Combo1->setItemText(n, name);
        else
            ui_.Combo1->addItem(name);
    }
    ui_.Combo1->setCurrentIndex(model.shownIsListed() ? model.shownBot() : -1);
    ui_.Combo1->setEditText(model.shownBot() >= 0 ? QString::fromStdString(model.edits().name) : QString());
}

void BotControls::returnToShownBot()
{
    const roster::RosterModel& model = document_.model();
    ui_.Combo1->setCurrentIndex(model.shownIsListed() ? model.shownBot() : -1);
    if (model.shownBot() >= 0)
        ui_.Combo1->setEditText(QString::fromStdString(model.edits().name));
    // As it was, without the caption's change event: nothing is loaded.
    ui_.Label2->setText(BotCaption(model.shownBot()));
}

void BotControls::enable(bool enabled)
{
    for (QLineEdit* box : ui_.Text1)
        box->setEnabled(enabled);
    for (QSlider* slider : ui_.sliderOfBox) {
        if (slider)
            slider->setEnabled(enabled);
    }
    ui_.Check1->setEnabled(enabled);
    ui_.Command3->setEnabled(enabled);
}

void BotControls::clear()
{
    // A bot that can no longer be read shows no values until one is shown
    // again.
    for (QLineEdit* box : ui_.Text1) {
        const QSignalBlocker quiet(box); // the sliders stay where they are, disabled
        box->setText(QString());
    }
    enable(false);
    showsBot_ = false;
}

QString BotControls::sliderText(int box) const
{
    const auto b = static_cast<std::size_t>(box);
    return QString::fromStdString(roster::BoxTextForPosition(roster::RosterFields[b], ui_.sliderOfBox[b]->value()));
}

void BotControls::Slider_Change(int box)
{
    // The box that the player is typing into keeps the text under the caret;
    // it takes the slider's form when the editing finishes (normaliseBox).
    if (box != typedBox_)
        ui_.Text1[static_cast<std::size_t>(box)]->setText(sliderText(box));
}

void BotControls::Text1_Change(int index)
{
    // A change typed by the player (the box is modified: any text the
    // program sets clears that) moves the sliders but not the typed text.
    const int outerTypedBox = typedBox_;
    QLineEdit* edited = ui_.Text1[static_cast<std::size_t>(index)];
    if (edited->isModified())
        typedBox_ = index;
    else
        acceptedTexts_[static_cast<std::size_t>(index)] = edited->text();

    // Every change re-derives all nine controls, in the order of their
    // numbers. A control raises its change only on a real change, and every
    // text a control writes maps back to the same position, so the nested
    // runs come to rest by themselves.
    for (int box : roster::ControlOrder) {
        const auto b = static_cast<std::size_t>(box);
        const std::string text = ui_.Text1[b]->text().toStdString();
        if (box == roster::JumpBox) {
            ui_.Check1->setCheckState(toQtState(roster::CheckStateForBoxText(text)));
            continue;
        }
        const roster::RosterField& field = roster::RosterFields[b];
        ui_.sliderOfBox[b]->setValue(
            roster::ClampPosition(roster::PositionForBoxText(field, text), field.minimum, field.maximum));
    }
    typedBox_ = outerTypedBox;
}

void BotControls::normaliseBox(int box)
{
    const auto b = static_cast<std::size_t>(box);
    QLineEdit* edit = ui_.Text1[b];
    if (!edit->isModified() || roster::RosterFields[b].scale == roster::ScaleKind::None)
        return;
    if (!roster::IsTypedValue(roster::RosterFields[b], edit->text().toStdString())) {
        // Not a number: nothing of it is taken, and the slider goes back too.
        edit->setText(acceptedTexts_[b]);
        platform_.beep();
        return;
    }
    if (ui_.sliderOfBox[b])
        edit->setText(sliderText(box));
    else
        edit->setModified(false);
}

void BotControls::finishEdits()
{
    for (int box = 0; box < static_cast<int>(ui_.Text1.size()); ++box)
        normaliseBox(box);
}

void BotControls::Check1_Click()
{
    ui_.Text1[roster::JumpBox]->setText(QString::number(fromQtState(ui_.Check1->checkState())));
}

void BotControls::applyHumanPreset()
{
    for (int box : roster::ControlOrder) {
        const int position = roster::RosterFields[static_cast<std::size_t>(box)].human;
        if (position != roster::NoPreset)
            ui_.sliderOfBox[static_cast<std::size_t>(box)]->setValue(position);
    }
}
