#include "overview/import_bots_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

bool isOwnSection(const std::string& name)
{
    return QString::fromStdString(name).compare(QLatin1String(roster::BotFileSection.data()), Qt::CaseInsensitive) == 0;
}

} // namespace

ImportBotsDialog::ImportBotsDialog(std::vector<roster::BotSection> sections, int selectedBots,
                                   AfterLastCheck afterLast, QWidget* parent)
    : QDialog(parent), sections_(std::move(sections)), selectedBots_(selectedBots), afterLast_(std::move(afterLast))
{
    setObjectName(QStringLiteral("frmImportBots"));
    setWindowTitle(tr("Import Bots"));
    auto* layout = new QVBoxLayout(this);
    if (sections_.size() > 1) {
        auto* lblSections = new QLabel(tr("&Take the bots from:"), this);
        lblSections->setObjectName(QStringLiteral("lblSections"));
        cboSections = new QComboBox(this);
        cboSections->setObjectName(QStringLiteral("cboSections"));
        cboSections->setAccessibleName(tr("Roster to take the bots from"));
        lblSections->setBuddy(cboSections);
        for (const roster::BotSection& section : sections_)
            cboSections->addItem(tr("[%1], line %2").arg(QString::fromStdString(section.name)).arg(section.line));
        layout->addWidget(lblSections);
        layout->addWidget(cboSections);
    }
    // Names come from the file: plain text, never markup or mnemonics.
    lblBots = new QLabel(this);
    lblBots->setObjectName(QStringLiteral("lblBots"));
    lblBots->setTextFormat(Qt::PlainText);
    lblBots->setWordWrap(true);
    lstBots = new QListWidget(this);
    lstBots->setObjectName(QStringLiteral("lstBots"));
    lstBots->setAccessibleName(tr("Bots to import"));
    lblBots->setBuddy(lstBots);
    lblNote = new QLabel(this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setTextFormat(Qt::PlainText);
    lblNote->setWordWrap(true);
    lblNote->hide();
    optAfterLast = new QRadioButton(tr("&Add after the last bot"), this);
    optAfterLast->setObjectName(QStringLiteral("optAfterLast"));
    optAfterLast->setChecked(true);
    optReplace = new QRadioButton(tr("&Replace the selected bots"), this);
    optReplace->setObjectName(QStringLiteral("optReplace"));
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->setObjectName(QStringLiteral("cmdButtons"));
    layout->addWidget(lblBots);
    layout->addWidget(lstBots, 1);
    layout->addWidget(lblNote);
    layout->addWidget(optAfterLast);
    layout->addWidget(optReplace);
    layout->addWidget(buttons_);

    if (cboSections)
        connect(cboSections, &QComboBox::currentIndexChanged, this, &ImportBotsDialog::showSection);
    connect(lstBots, &QListWidget::itemChanged, this, &ImportBotsDialog::followTicks);
    connect(optAfterLast, &QRadioButton::toggled, lblNote, &QLabel::hide);
    connect(buttons_, &QDialogButtonBox::accepted, this, &ImportBotsDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showSection(0);
}

void ImportBotsDialog::showSection(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= sections_.size()) {
        followTicks(); // nothing to show: OK stays off
        return;
    }
    const roster::BotSection& section = sections_[static_cast<std::size_t>(index)];
    lblBots->setText(isOwnSection(section.name)
                         ? tr("&Bots to import:")
                         : tr("&Bots to import from [%1]:")
                               .arg(QString::fromStdString(section.name).replace(QLatin1Char('&'), QStringLiteral("&&"))));
    const QSignalBlocker quiet(lstBots);
    lstBots->clear();
    for (const roster::SharedBot& bot : section.bots) {
        auto* item = new QListWidgetItem(QString::fromStdString(bot.name), lstBots);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    lstBots->setCurrentRow(0);
    followTicks();
}

int ImportBotsDialog::tickedCount() const
{
    int ticked = 0;
    for (int row = 0; row < lstBots->count(); ++row)
        ticked += lstBots->item(row)->checkState() == Qt::Checked ? 1 : 0;
    return ticked;
}

std::vector<roster::SharedBot> ImportBotsDialog::botsToImport() const
{
    std::vector<roster::SharedBot> ticked;
    if (sections_.empty())
        return ticked;
    const roster::BotSection& section = sections_[static_cast<std::size_t>(cboSections ? cboSections->currentIndex() : 0)];
    for (int row = 0; row < lstBots->count(); ++row) {
        if (lstBots->item(row)->checkState() == Qt::Checked)
            ticked.push_back(section.bots[static_cast<std::size_t>(row)]);
    }
    return ticked;
}

roster::Placement ImportBotsDialog::placement() const
{
    return optReplace->isChecked() ? roster::Placement::Replace : roster::Placement::AfterLast;
}

void ImportBotsDialog::followTicks()
{
    lblNote->hide();
    // Replacing needs one selected bot for each ticked one.
    const int ticked = tickedCount();
    const bool canReplace = ticked > 0 && ticked == selectedBots_;
    if (!canReplace && optReplace->isChecked())
        optAfterLast->setChecked(true);
    optReplace->setEnabled(canReplace);
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(ticked > 0);
}

void ImportBotsDialog::accept()
{
    if (placement() == roster::Placement::AfterLast && afterLast_) {
        const int ticked = tickedCount();
        const roster::Targets targets = afterLast_(ticked);
        if (!targets.ok) {
            lblNote->setText(tr("Only %1 of the %2 ticked bots fit after the last bot: a roster holds at most %3 "
                                "bots. Untick some, or replace selected bots instead.")
                                 .arg(targets.fitting)
                                 .arg(ticked)
                                 .arg(roster::MaxListedBots));
            lblNote->show();
            lstBots->setFocus();
            return;
        }
    }
    QDialog::accept();
}
