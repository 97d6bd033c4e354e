#include "overview/averages_table.h"

#include "platform/translate.h"
#include "roster/roster_table.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>

#include <algorithm>

AveragesTable::AveragesTable(QTableView* roster, QWidget* parent)
    : QTableWidget(0, static_cast<int>(roster::TableColumns.size()), parent), roster_(roster)
{
    setObjectName(QStringLiteral("grdAverages"));
    setAccessibleName(tr("Averages"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(roster->horizontalHeader(), &QHeaderView::sectionResized, this, &AveragesTable::fitColumns);
}

void AveragesTable::showAverages(const std::vector<roster::ListedBot>& bots)
{
    const std::vector<roster::AverageRow> rows = roster::Averages(bots);
    clearSpans();
    setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rowCount(); ++r) {
        const roster::AverageRow& row = rows[static_cast<std::size_t>(r)];
        setSpan(r, roster::NumberColumn, 1, 2);
        setItem(r, roster::NumberColumn, new QTableWidgetItem(platform::rosterWord(row.label)));
        for (int column = 2; column < columnCount(); ++column) {
            const auto& mean = row.means[static_cast<std::size_t>(column)];
            QString text;
            if (roster::TableColumns[static_cast<std::size_t>(column)].averaged)
                text = mean ? QString::fromStdString(roster::ShortNumber(*mean, roster::AverageDecimals))
                            : platform::rosterWord(roster::AbsentText);
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(r, column, item);
        }
    }
    int height = 2 * frameWidth();
    for (int r = 0; r < rowCount(); ++r)
        height += rowHeight(r);
    setFixedHeight(height);
    fitColumns();
}

void AveragesTable::fitColumns()
{
    // The label takes the room of "#" and "Name", which grows if it must.
    for (int column = 0; column < columnCount(); ++column) {
        setColumnHidden(column, roster_->isColumnHidden(column) || roster_->columnWidth(column) == 0);
        setColumnWidth(column, roster_->columnWidth(column));
    }
    int label = 0;
    for (int r = 0; r < rowCount(); ++r)
        label = std::max(label, fontMetrics().horizontalAdvance(item(r, roster::NumberColumn)->text()));
    label += 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    if (roster_->columnWidth(roster::NumberColumn) + roster_->columnWidth(roster::NameColumn) < label)
        roster_->setColumnWidth(roster::NameColumn, label - roster_->columnWidth(roster::NumberColumn));
}
