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

SetValuesDialog::SetValuesDialog(int botCount, const roster::ListedBot* start, QWidget* parent) : QDialog(parent)
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
        row.same = addControl(this, box, designed, caption, position);
        row.lowest = addControl(this, box, designed + QStringLiteral("Lowest"), tr("Lowest %1").arg(caption),
                                field.minimum);
        row.highest = addControl(this, box, designed + QStringLiteral("Highest"),
                                 tr("Highest %1").arg(caption), field.maximum);
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
    showMode();
    rows_.front().include->setFocus();
}

QWidget* SetValuesDialog::addControl(QWidget* parent, int box, const QString& objectName, const QString& name,
                                     int position)
{
    const roster::RosterField& field = fieldOf(box);
    if (box == roster::JumpBox) {
        auto* check = new QCheckBox(tr("Yes"), parent);
        check->setAccessibleName(name == platform::rosterWord("Bot Jumpy") ? tr("%1 value").arg(name) : name);
        check->setObjectName(objectName);
        check->setChecked(position > 0);
        return check;
    }
    // The slider, with its scale words under it as the main window has them.
    auto* control = new QWidget(parent);
    auto* column = new QVBoxLayout(control);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    QSlider* slider = platform::addSlider(control, field.minimum, field.maximum);
    slider->setObjectName(objectName);
    slider->setAccessibleName(name);
    slider->setValue(position);
    column->addWidget(slider);
    auto* words = new QHBoxLayout;
    words->setSpacing(parent->fontMetrics().averageCharWidth());
    QStringList said;
    for (std::string_view word : sliderWords(box)) {
        if (!said.isEmpty())
            words->addStretch();
        said.append(platform::rosterWord(word));
        words->addWidget(new QLabel(said.constLast(), control));
    }
    if (!said.isEmpty())
        slider->setAccessibleDescription(tr("%1 to %2").arg(said.constFirst(), said.constLast()));
    column->addLayout(words);
    control->setFocusProxy(slider);
    return control;
}

int SetValuesDialog::positionOf(const QWidget* control)
{
    if (const auto* check = qobject_cast<const QCheckBox*>(control))
        return check->isChecked() ? 1 : 0;
    return control->findChild<QSlider*>()->value();
}

void SetValuesDialog::showMode()
{
    const bool random = optRandom_->isChecked();
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
