#include "overview/restore_backup_dialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

RestoreBackupDialog::RestoreBackupDialog(const std::vector<roster::BackupSummary>& backups, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRestoreBackup"));
    setWindowTitle(tr("Restore Backup"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(backups.empty() ? tr("There are no backups of this roster file yet. The editor makes "
                                                    "one before it first changes the file.")
                                               : tr("&Backups of the roster file, newest first:"),
                               this);
    caption->setObjectName(QStringLiteral("lblBackups"));
    caption->setWordWrap(true);
    lstBackups = new QTreeWidget(this);
    lstBackups->setObjectName(QStringLiteral("lstBackups"));
    lstBackups->setAccessibleName(tr("Backups"));
    lstBackups->setRootIsDecorated(false);
    lstBackups->setHeaderLabels({tr("Date and time"), tr("Size"), tr("Bots"), tr("Bots that differ")});
    caption->setBuddy(lstBackups);
    const QLocale locale;
    for (const roster::BackupSummary& backup : backups) {
        auto* item = new QTreeWidgetItem(lstBackups);
        isRoster_.push_back(backup.isRoster());
        item->setText(0, stampText(backup.stamp));
        item->setText(1, locale.formattedDataSize(static_cast<qint64>(backup.size)));
        item->setText(2, backup.isRoster() ? QString::number(backup.bots)
                             : backup.readable ? tr("not a roster")
                                               : tr("unreadable"));
        item->setText(3, backup.isRoster() ? QString::number(backup.differing) : QString());
        for (int column = 1; column < 4; ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int column = 0; column < 4; ++column)
        lstBackups->resizeColumnToContents(column);
    lstBackups->header()->setStretchLastSection(false);
    lstBackups->setVisible(!backups.empty());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    cmdRestore = buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
    cmdRestore->setObjectName(QStringLiteral("cmdRestore"));
    cmdRestore->setDefault(true);
    connect(lstBackups, &QTreeWidget::currentItemChanged, this, [this] { cmdRestore->setEnabled(chosenIsRoster()); });
    // The newest copy that is a roster comes chosen.
    const auto newestRoster = std::find(isRoster_.begin(), isRoster_.end(), true);
    if (!backups.empty())
        lstBackups->setCurrentItem(lstBackups->topLevelItem(
            newestRoster == isRoster_.end() ? 0 : static_cast<int>(newestRoster - isRoster_.begin())));
    cmdRestore->setEnabled(chosenIsRoster());
    layout->addWidget(caption);
    layout->addWidget(lstBackups, 1);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lstBackups, &QTreeWidget::itemActivated, this, &QDialog::accept);
    const int wanted = lstBackups->header()->length() + lstBackups->frameWidth() * 2 + 40;
    resize(std::max(wanted, 420), backups.empty() ? sizeHint().height() : 320);
}

bool RestoreBackupDialog::chosenIsRoster() const
{
    const int chosen = chosenBackup();
    return chosen >= 0 && isRoster_[static_cast<std::size_t>(chosen)];
}

void RestoreBackupDialog::accept()
{
    if (chosenIsRoster())
        QDialog::accept();
}

int RestoreBackupDialog::chosenBackup() const
{
    QTreeWidgetItem* item = lstBackups->currentItem();
    return item ? lstBackups->indexOfTopLevelItem(item) : -1;
}

QString RestoreBackupDialog::stampText(const std::string& stamp)
{
    const QString text = QString::fromStdString(stamp);
    const QDateTime when = QDateTime::fromString(text.left(15), QStringLiteral("yyyyMMdd-HHmmss"));
    if (!when.isValid())
        return text;
    const QString shown = QLocale().toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ')
        + when.time().toString(QStringLiteral("HH:mm:ss"));
    // A second copy made within the same second keeps its number.
    return text.size() > 15 ? shown + QStringLiteral(" (") + text.mid(16) + QLatin1Char(')') : shown;
}
