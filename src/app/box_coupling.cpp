#include "app/frm_main.h"

#include "roster/scale.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>

// The coupling between the value boxes and their sliders and check box, and
// the preset that moves five sliders at once.

namespace {

// The Human preset: five sliders (by box) and their positions, in order.
constexpr std::pair<int, int> HumanPreset[] = {{4, -18}, {8, 4}, {6, 20}, {5, 2}, {7, 8}};

// The check box's states as the box writes them: 0 unchecked, 1 checked,
// 2 greyed. Qt numbers the last two the other way round.
Qt::CheckState toQtState(int state)
{
    return state == 2 ? Qt::PartiallyChecked : state == 1 ? Qt::Checked : Qt::Unchecked;
}

int fromQtState(Qt::CheckState state)
{
    return state == Qt::PartiallyChecked ? 2 : state == Qt::Checked ? 1 : 0;
}

} // namespace

QString frmMain::sliderText(int box) const
{
    const auto b = static_cast<std::size_t>(box);
    return QString::fromStdString(roster::BoxTextForPosition(roster::RosterFields[b], sliderOfBox_[b]->value()));
}

void frmMain::Slider_Change(int box)
{
    // The box that the player is typing into keeps the text under the caret;
    // it takes the slider's form when the editing finishes (normaliseBox).
    if (box == typedBox_)
        return;
    Text1[static_cast<std::size_t>(box)]->setText(sliderText(box));
}

void frmMain::Text1_Change(int index)
{
    // A change typed by the player (the box is modified: any text the
    // program sets clears that) moves the sliders but not the typed text.
    const int outerTypedBox = typedBox_;
    QLineEdit* edited = Text1[static_cast<std::size_t>(index)];
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
        const std::string text = Text1[b]->text().toStdString();
        if (box == roster::JumpBox) {
            Check1->setCheckState(toQtState(roster::CheckStateForBoxText(text)));
            continue;
        }
        const roster::RosterField& field = roster::RosterFields[b];
        sliderOfBox_[b]->setValue(
            roster::ClampPosition(roster::PositionForBoxText(field, text), field.minimum, field.maximum));
    }
    typedBox_ = outerTypedBox;
}

void frmMain::normaliseBox(int box)
{
    const auto b = static_cast<std::size_t>(box);
    QLineEdit* edit = Text1[b];
    if (!edit->isModified() || roster::RosterFields[b].scale == roster::ScaleKind::None)
        return;
    if (!roster::IsTypedValue(roster::RosterFields[b], edit->text().toStdString())) {
        // Not a number: nothing of it is taken, and the slider goes back too.
        edit->setText(acceptedTexts_[b]);
        platform_.beep();
        return;
    }
    if (sliderOfBox_[b])
        edit->setText(sliderText(box));
    else
        edit->setModified(false);
}

void frmMain::finishBoxEdits()
{
    for (int box = 0; box < static_cast<int>(Text1.size()); ++box)
        normaliseBox(box);
}

void frmMain::Check1_Click()
{
    Text1[roster::JumpBox]->setText(QString::number(fromQtState(Check1->checkState())));
}

void frmMain::mnuHuman_Click()
{
    for (auto [box, position] : HumanPreset)
        sliderOfBox_[static_cast<std::size_t>(box)]->setValue(position);
}

