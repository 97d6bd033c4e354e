#include "overview/set_values_dialog.h"

#include "platform/controls.h"
#include "roster/roster_model.h"
#include "roster/roster_table.h"
#include "roster/scale.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The words under a field's slider, as the main window shows them.
std::vector<std::string_view> sliderWords(int box)
{
    std::vector<std::string_view> words;
    if (box == roster::JumpBox)
        return words;
    for (std::string_view word : roster::RosterFields[static_cast<std::size_t>(box)].words) {
        if (!word.empty())
            words.push_back(word);
    }
    return words;
}

const roster::RosterField& fieldOf(int box) { return roster::RosterFields[static_cast<std::size_t>(box)]; }

// A position as the number the file would hold ("0.35"); the voice and
// the team by their numbers.
QString valueText(int box, int position)
{
    const roster::RosterField& field = fieldOf(box);
    if (field.scale == roster::ScaleKind::Voice || field.scale == roster::ScaleKind::WholeNumber)
        return QString::number(position);
    return QString::fromStdString(roster::ShortNumber(roster::ValueOfText(roster::BoxTextForPosition(field, position))));
}

// The width of the widest value of any field with a control.
int widestValue(const QFontMetrics& metrics)
{
    int widest = 0;
    for (int box : roster::ControlOrder) {
        for (int p = fieldOf(box).minimum; p <= fieldOf(box).maximum; ++p)
            widest = std::max(widest, metrics.horizontalAdvance(valueText(box, p)));
    }
    return widest;
}

// Where a control starts: the bot's value, or the middle of the range.
int startPosition(int box, const roster::ListedBot* bot)
{
    const roster::RosterField& field = fieldOf(box);
    const roster::LoadedField* value = bot ? &bot->fields[static_cast<std::size_t>(box)] : nullptr;
    if (!value || value->state != roster::FieldState::Present)
        return (field.minimum + field.maximum) / 2;
    if (box == roster::JumpBox)
        return roster::CheckStateForBoxText(value->text) > 0 ? 1 : 0;
    return roster::ClampPosition(roster::PositionForBoxText(field, value->text), field.minimum, field.maximum);
}

} // namespace

SetValuesDialog::SetValuesDialog(int botCount, const roster::ListedBot* start, QWidget* parent, bool startUnsaved)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SetValues"));
    setWindowTitle(tr("Set Values"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(botCount == 1 ? tr("Set the ticked fields of the selected bot.")
                                           : tr("Set the ticked fields of the %1 selected bots.", nullptr, botCount)
                                                 .arg(botCount),
                             this);
    intro->setObjectName(QStringLiteral("lblBots"));
    layout->addWidget(intro);
    if (start && startUnsaved) {
        // The name comes from the file: plain text, never markup.
        auto* note = new QLabel(tr("The sliders start at the values of %1 in the editor, with changes not yet "
                                   "saved.")
                                    .arg(QString::fromStdString(start->name)),
                                this);
        note->setObjectName(QStringLiteral("lblStart"));
        note->setTextFormat(Qt::PlainText);
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    optSame_ = new QRadioButton(tr("Sa&me value for every bot"), this);
    optSame_->setObjectName(QStringLiteral("optSame"));
    optRandom_ = new QRadioButton(tr("A &random value for each bot"), this);
    optRandom_->setObjectName(QStringLiteral("optRandom"));
    optSame_->setChecked(true);
    layout->addWidget(optSame_);
    layout->addWidget(optRandom_);

    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setHorizontalSpacing(2 * fontMetrics().averageCharWidth());
    layout->addLayout(grid);
    // Over the bounds' columns, while they show.
    lblLowest_ = new QLabel(tr("Lowest"), this);
    lblLowest_->setObjectName(QStringLiteral("lblLowest"));
    lblHighest_ = new QLabel(tr("Highest"), this);
    lblHighest_->setObjectName(QStringLiteral("lblHighest"));
    grid->addWidget(lblLowest_, 0, 1, Qt::AlignHCenter);
    grid->addWidget(lblHighest_, 0, 2, Qt::AlignHCenter);
    // The fields with a control, in the main window's row order.
    for (int box : roster::RowOrder) {
        if (fieldOf(box).controlName.empty())
            continue;
        FieldRow row;
        row.box = box;
        const QString caption = platform::rosterWord(roster::FieldLabel(box));
        row.include = new QCheckBox(caption, this);
        // Named after the main window's control: "IncludeSlider3", "Slider3",
        // "Slider3Lowest", "Slider3Highest".
        const roster::RosterField& field = fieldOf(box);
        const QString designed
            = QString::fromLatin1(field.controlName.data(), static_cast<qsizetype>(field.controlName.size()));
        row.include->setObjectName(QStringLiteral("Include") + designed);
        const int position = startPosition(box, start);
        row.same = addControl(this, box, designed, caption, position, false);
        row.lowest = addControl(this, box, designed + QStringLiteral("Lowest"), tr("Lowest %1").arg(caption),
                                field.minimum, true);
        row.highest = addControl(this, box, designed + QStringLiteral("Highest"), tr("Highest %1").arg(caption),
                                 field.maximum, true);
        const int line = grid->rowCount();
        grid->addWidget(row.include, line, 0, Qt::AlignTop);
        grid->addWidget(row.same, line, 1, 1, 2);
        grid->addWidget(row.lowest, line, 1);
        grid->addWidget(row.highest, line, 2);
        for (QWidget* control : {row.same, row.lowest, row.highest})
            control->setEnabled(false);
        connect(row.include, &QCheckBox::toggled, this, &SetValuesDialog::showMode);
        rows_.push_back(row);
    }

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons_->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(optRandom_, &QRadioButton::toggled, this, &SetValuesDialog::showMode);
    // As large as either way needs: switching never moves the buttons, and
    // the dialog is placed on the screen at the size it keeps.
    QSize size;
    for (bool random : {true, false}) {
        showControls(random);
        layout->invalidate();
        size = size.expandedTo(layout->totalSizeHint());
    }
    resize(size);
    showMode();
    rows_.front().include->setFocus();
}

QWidget* SetValuesDialog::addControl(QWidget* parent, int box, const QString& objectName, const QString& name,
                                     int position, bool endsOnly)
{
    const roster::RosterField& field = fieldOf(box);
    if (box == roster::JumpBox) {
        auto* check = new QCheckBox(tr("Yes"), parent);
        check->setAccessibleName(name == platform::rosterWord("Bot Jumpy") ? tr("%1 value").arg(name) : name);
        check->setObjectName(objectName);
        check->setChecked(position > 0);
        return check;
    }
    // The slider, with its scale words under it as the main window has them
    // and the value beside it.
    auto* control = new QWidget(parent);
    auto* grid = new QGridLayout(control);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(0);
    QSlider* slider = platform::addSlider(control, field.minimum, field.maximum);
    slider->setObjectName(objectName);
    slider->setAccessibleName(name);
    grid->addWidget(slider, 0, 0);
    // As wide as any field's widest value, so that the sliders line up.
    auto* value = new QLabel(control);
    value->setObjectName(objectName + QStringLiteral("Value"));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(widestValue(parent->fontMetrics()));
    grid->addWidget(value, 0, 1);
    connect(slider, &QSlider::valueChanged, value, [value, box](int p) { value->setText(valueText(box, p)); });
    slider->setValue(position);
    value->setText(valueText(box, position));
    auto* words = new QHBoxLayout;
    words->setSpacing(parent->fontMetrics().averageCharWidth());
    std::vector<std::string_view> shown = sliderWords(box);
    if (endsOnly && shown.size() > 2)
        shown = {shown.front(), shown.back()};
    QStringList said;
    for (std::string_view word : shown) {
        if (!said.isEmpty())
            words->addStretch();
        said.append(platform::rosterWord(word));
        words->addWidget(new QLabel(said.constLast(), control));
    }
    if (!said.isEmpty())
        slider->setAccessibleDescription(tr("%1 to %2").arg(said.constFirst(), said.constLast()));
    grid->addLayout(words, 1, 0);
    control->setFocusProxy(slider);
    return control;
}

int SetValuesDialog::positionOf(const QWidget* control)
{
    if (const auto* check = qobject_cast<const QCheckBox*>(control))
        return check->isChecked() ? 1 : 0;
    return control->findChild<QSlider*>()->value();
}

void SetValuesDialog::showMode() { showControls(optRandom_->isChecked()); }

void SetValuesDialog::showControls(bool random)
{
    lblLowest_->setVisible(random);
    lblHighest_->setVisible(random);
    bool any = false;
    for (const FieldRow& row : rows_) {
        const bool included = row.include->isChecked();
        any = any || included;
        row.same->setVisible(!random);
        row.lowest->setVisible(random);
        row.highest->setVisible(random);
        for (QWidget* control : {row.same, row.lowest, row.highest})
            control->setEnabled(included);
    }
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(any);
}

std::vector<roster::FieldSetting> SetValuesDialog::settings() const
{
    std::vector<roster::FieldSetting> chosen;
    for (const FieldRow& row : rows_) {
        if (!row.include->isChecked())
            continue;
        if (optRandom_->isChecked())
            chosen.push_back({row.box, positionOf(row.lowest), positionOf(row.highest)});
        else
            chosen.push_back({row.box, positionOf(row.same), positionOf(row.same)});
    }
    return chosen;
}
