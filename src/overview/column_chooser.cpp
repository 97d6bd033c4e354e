#include "overview/column_chooser.h"

#include "platform/platform.h"
#include "platform/translate.h"
#include "roster/roster_table.h"

#include <QHeaderView>
#include <QMenu>
#include <QTableView>

namespace {

const QString SettingsSection = QStringLiteral("Overview");
// "Team=1|Class=0": each column chosen, by its English title (the same in
// every language), 1 shown and 0 hidden.
const QString ColumnsKey = QStringLiteral("Columns");

QString titleOf(int column)
{
    const std::string_view title = roster::TableColumns[static_cast<std::size_t>(column)].title;
    return QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
}

constexpr int FirstChosen = roster::NameColumn + 1;

} // namespace

ColumnChooser::ColumnChooser(platform::System& system, QTableView* table)
    : QObject(table), system_(system), table_(table), menu_(new QMenu(table))
{
    setObjectName(QStringLiteral("columnChooser"));
    menu_->setObjectName(QStringLiteral("mnuColumns"));
    QHash<QString, bool> remembered;
    for (const QString& entry : system_.readSetting(SettingsSection, ColumnsKey).split(QLatin1Char('|'))) {
        const qsizetype equals = entry.lastIndexOf(QLatin1Char('='));
        if (equals > 0)
            remembered.insert(entry.left(equals), entry.mid(equals + 1) == QLatin1String("1"));
    }
    for (int column = FirstChosen; column < static_cast<int>(roster::TableColumns.size()); ++column) {
        const bool shown
            = remembered.value(titleOf(column), !roster::TableColumns[static_cast<std::size_t>(column)].hidden);
        table_->setColumnHidden(column, !shown);
        QAction* action = menu_->addAction(platform::rosterWord(roster::TableColumns[static_cast<std::size_t>(column)].title));
        action->setObjectName(QStringLiteral("actColumn") + titleOf(column).remove(QLatin1Char(' ')));
        action->setCheckable(true);
        action->setChecked(shown);
        connect(action, &QAction::toggled, this, [this, column](bool on) { choose(column, on); });
    }
    QHeaderView* header = table_->horizontalHeader();
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QWidget::customContextMenuRequested, this,
            [this, header](const QPoint& at) { menu_->popup(header->viewport()->mapToGlobal(at)); });
}

void ColumnChooser::choose(int column, bool shown)
{
    table_->setColumnHidden(column, !shown);
    if (shown)
        table_->resizeColumnToContents(column);
    QStringList chosen;
    for (int c = FirstChosen; c < static_cast<int>(roster::TableColumns.size()); ++c)
        chosen.append(titleOf(c) + (table_->isColumnHidden(c) ? QStringLiteral("=0") : QStringLiteral("=1")));
    system_.writeSetting(SettingsSection, ColumnsKey, chosen.join(QLatin1Char('|')));
}
