#include "overview/import_bots_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

ImportBotsDialog::ImportBotsDialog(const std::vector<roster::SharedBot>& bots, int selectedBots, QWidget* parent)
    : QDialog(parent), selectedBots_(selectedBots)
{
    setObjectName(QStringLiteral("frmImportBots"));
    setWindowTitle(tr("Import Bots"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(tr("&Bots to import:"), this);
    lstBots = new QListWidget(this);
    lstBots->setObjectName(QStringLiteral("lstBots"));
    lstBots->setAccessibleName(tr("Bots to import"));
    caption->setBuddy(lstBots);
    for (const roster::SharedBot& bot : bots) {
        auto* item = new QListWidgetItem(QString::fromStdString(bot.name), lstBots);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    lstBots->setCurrentRow(0);
    optAfterLast = new QRadioButton(tr("&Add after the last bot"), this);
    optAfterLast->setObjectName(QStringLiteral("optAfterLast"));
    optAfterLast->setChecked(true);
    optReplace = new QRadioButton(tr("&Replace the selected bots"), this);
    optReplace->setObjectName(QStringLiteral("optReplace"));
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->setObjectName(QStringLiteral("cmdButtons"));
    layout->addWidget(caption);
    layout->addWidget(lstBots, 1);
    layout->addWidget(optAfterLast);
    layout->addWidget(optReplace);
    layout->addWidget(buttons_);

    connect(lstBots, &QListWidget::itemChanged, this, &ImportBotsDialog::followTicks);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    followTicks();
}

QList<int> ImportBotsDialog::tickedBots() const
{
    QList<int> ticked;
    for (int row = 0; row < lstBots->count(); ++row) {
        if (lstBots->item(row)->checkState() == Qt::Checked)
            ticked.append(row);
    }
    return ticked;
}

roster::Placement ImportBotsDialog::placement() const
{
    return optReplace->isChecked() ? roster::Placement::Replace : roster::Placement::AfterLast;
}

void ImportBotsDialog::followTicks()
{
    // Replacing needs one selected bot for each ticked one.
    const int ticked = static_cast<int>(tickedBots().size());
    const bool canReplace = ticked > 0 && ticked == selectedBots_;
    if (!canReplace && optReplace->isChecked())
        optAfterLast->setChecked(true);
    optReplace->setEnabled(canReplace);
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(ticked > 0);
}
