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
        item->setText(0, stampText(backup.stamp));
        item->setText(1, locale.formattedDataSize(static_cast<qint64>(backup.size)));
        item->setText(2, backup.readable ? QString::number(backup.bots) : tr("unreadable"));
        item->setText(3, backup.readable ? QString::number(backup.differing) : QString());
        for (int column = 1; column < 4; ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int column = 0; column < 4; ++column)
        lstBackups->resizeColumnToContents(column);
    lstBackups->header()->setStretchLastSection(false);
    lstBackups->setVisible(!backups.empty());
    if (!backups.empty())
        lstBackups->setCurrentItem(lstBackups->topLevelItem(0));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    cmdRestore = buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
    cmdRestore->setObjectName(QStringLiteral("cmdRestore"));
    cmdRestore->setEnabled(!backups.empty());
    cmdRestore->setDefault(true);
    layout->addWidget(caption);
    layout->addWidget(lstBackups, 1);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lstBackups, &QTreeWidget::itemActivated, this, &QDialog::accept);
    const int wanted = lstBackups->header()->length() + lstBackups->frameWidth() * 2 + 40;
    resize(std::max(wanted, 420), backups.empty() ? sizeHint().height() : 320);
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
