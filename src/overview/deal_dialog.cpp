#include "overview/deal_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Seeds are short enough to read out to a friend; any larger number typed is taken too.
constexpr quint64 SeedsOffered = 1000000;

} // namespace

DealDialog::DealDialog(int botCount, int passing, const QList<int>& kept, const QStringList& keptNames,
                       QWidget* parent)
    : QDialog(parent), kept_(kept)
{
    setObjectName(QStringLiteral("frmDeal"));
    setWindowTitle(tr("Deal Roster"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Deal a fresh roster from the %n library bots that the filters pass.", nullptr,
                                passing),
                             this);
    intro->setObjectName(QStringLiteral("lblPassing"));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* form = new QFormLayout;
    spnCount = new QSpinBox(this);
    spnCount->setObjectName(QStringLiteral("spnCount"));
    spnCount->setRange(1, roster::MaxListedBots);
    spnCount->setValue(std::clamp(botCount, 1, roster::MaxListedBots));
    spnCount->setAccessibleName(tr("Bots in the roster"));
    form->addRow(tr("&Bots in the roster:"), spnCount);
    txtSeed = new QLineEdit(QString::number(QRandomGenerator::global()->bounded(SeedsOffered)), this);
    txtSeed->setObjectName(QStringLiteral("txtSeed"));
    txtSeed->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,20}")), txtSeed));
    txtSeed->setAccessibleName(tr("Seed"));
    txtSeed->setToolTip(tr("The same seed and the same library deal the same roster."));
    form->addRow(tr("&Seed:"), txtSeed);
    layout->addLayout(form);

    // Names come from the file: plain text, never mnemonics.
    chkKeep = new QCheckBox(this);
    chkKeep->setObjectName(QStringLiteral("chkKeep"));
    chkKeep->setText(kept.isEmpty() ? tr("&Keep the bots selected in the overview (none selected)")
                                    : tr("&Keep the bots selected in the overview: %1")
                                          .arg(keptNames.join(QStringLiteral(", ")).replace(QLatin1Char('&'),
                                                                                            QStringLiteral("&&"))));
    chkKeep->setChecked(!kept.isEmpty());
    chkKeep->setEnabled(!kept.isEmpty());
    layout->addWidget(chkKeep);
    optAsStored = new QRadioButton(tr("Teams &as stored"), this);
    optAsStored->setObjectName(QStringLiteral("optAsStored"));
    optAsStored->setChecked(true);
    optBalanced = new QRadioButton(tr("Ba&lanced teams"), this);
    optBalanced->setObjectName(QStringLiteral("optBalanced"));
    layout->addWidget(optAsStored);
    layout->addWidget(optBalanced);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(tr("Deal"));
    buttons_->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdDeal"));
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(txtSeed, &QLineEdit::textChanged, this, &DealDialog::enableDeal);
    spnCount->setFocus();
    spnCount->selectAll();
}

void DealDialog::enableDeal()
{
    bool number = false;
    txtSeed->text().toULongLong(&number);
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(number);
}

roster::DealRequest DealDialog::request() const
{
    roster::DealRequest request;
    request.count = spnCount->value();
    if (chkKeep->isChecked())
        request.kept.assign(kept_.begin(), kept_.end());
    request.teams = optBalanced->isChecked() ? roster::TeamChoice::Balanced : roster::TeamChoice::AsStored;
    request.seed = txtSeed->text().toULongLong();
    return request;
}
