#include "overview/library_filters.h"

#include "overview/set_values_dialog.h"
#include "platform/translate.h"
#include "roster/roster_model.h"
#include "roster/roster_table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace {

// The teams a filter offers, after "Any team".
constexpr int Teams[] = {0, 1, 2, 3, 255};

} // namespace

LibraryFilters::LibraryFilters(QWidget* parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("scrFilters"));
    setWidgetResizable(true);
    auto* frame = new QGroupBox(tr("Filters"));
    frame->setObjectName(QStringLiteral("fraFilters"));
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    auto* nameCaption = new QLabel(tr("&Name:"), frame);
    txtName = new QLineEdit(frame);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setAccessibleName(tr("Name"));
    txtName->setClearButtonEnabled(true);
    nameCaption->setBuddy(txtName);
    auto* teamCaption = new QLabel(tr("&Team:"), frame);
    cboTeam = new QComboBox(frame);
    cboTeam->setObjectName(QStringLiteral("cboTeam"));
    cboTeam->setAccessibleName(tr("Team"));
    cboTeam->addItem(tr("Any team"));
    for (int team : Teams)
        cboTeam->addItem(platform::rosterWord(roster::TeamWord(team)), team);
    teamCaption->setBuddy(cboTeam);
    grid->addWidget(nameCaption, 0, 0);
    grid->addWidget(txtName, 0, 1, 1, 2);
    grid->addWidget(teamCaption, 1, 0);
    grid->addWidget(cboTeam, 1, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Lowest"), frame), 2, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(tr("Highest"), frame), 2, 2, Qt::AlignHCenter);
    connect(txtName, &QLineEdit::textChanged, this, &LibraryFilters::changed);
    connect(cboTeam, &QComboBox::currentIndexChanged, this, &LibraryFilters::changed);

    for (int box : roster::RowOrder) {
        const roster::RosterField& field = roster::RosterFields[static_cast<std::size_t>(box)];
        if (field.controlName.empty())
            continue;
        const QString designed
            = QString::fromLatin1(field.controlName.data(), static_cast<qsizetype>(field.controlName.size()));
        const QString caption = platform::rosterWord(roster::FieldLabel(box));
        FieldFilter row{box, new QCheckBox(caption, frame), nullptr, nullptr};
        row.include->setObjectName(QStringLiteral("Filter") + designed);
        row.lowest = SetValuesDialog::addControl(frame, box, designed + QStringLiteral("Lowest"),
                                                 tr("Lowest %1").arg(caption), field.minimum);
        row.highest = SetValuesDialog::addControl(frame, box, designed + QStringLiteral("Highest"),
                                                  tr("Highest %1").arg(caption), field.maximum);
        const int line = grid->rowCount();
        grid->addWidget(row.include, line, 0, Qt::AlignTop);
        grid->addWidget(row.lowest, line, 1);
        grid->addWidget(row.highest, line, 2);
        for (QWidget* control : {row.lowest, row.highest}) {
            control->setEnabled(false);
            connect(row.include, &QCheckBox::toggled, control, &QWidget::setEnabled);
            if (auto* check = qobject_cast<QCheckBox*>(control))
                connect(check, &QCheckBox::toggled, this, &LibraryFilters::changed);
            else
                connect(control->findChild<QSlider*>(), &QSlider::valueChanged, this, &LibraryFilters::changed);
        }
        connect(row.include, &QCheckBox::toggled, this, &LibraryFilters::changed);
        fields_.push_back(row);
    }
    grid->setRowStretch(grid->rowCount(), 1);
    setWidget(frame);
    setFocusProxy(txtName);
}

roster::BotFilter LibraryFilters::filter() const
{
    roster::BotFilter filter;
    filter.name = txtName->text().toStdString();
    if (cboTeam->currentIndex() > 0)
        filter.team = cboTeam->currentData().toInt();
    for (const FieldFilter& field : fields_) {
        if (field.include->isChecked())
            filter.ranges.push_back({field.box, SetValuesDialog::positionOf(field.lowest),
                                     SetValuesDialog::positionOf(field.highest)});
    }
    return filter;
}
