#pragma once

// The "Restore Backup" dialog: the backups beside the roster, newest first,
// with their date and time, size, number of bots and how many bots differ
// from the current file. "Restore" accepts with the chosen one; without
// backups the dialog says so. A copy that is not a roster keeps its row,
// saying so, but cannot be restored: Restore is disabled while it is
// chosen, and Enter on it does nothing.

#include "roster/backups.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QTreeWidget;

class RestoreBackupDialog : public QDialog {
    Q_OBJECT

public:
    RestoreBackupDialog(const std::vector<roster::BackupSummary>& backups, QWidget* parent);

    // The chosen backup's index into `backups`, or -1.
    int chosenBackup() const;

    // Closes only with a copy that may be restored.
    void accept() override;

    // "20261207-101500" as the locale writes a date and time.
    static QString stampText(const std::string& stamp);

private:
    bool chosenIsRoster() const;

    std::vector<bool> isRoster_; // by row
    QTreeWidget* lstBackups = nullptr;
    QPushButton* cmdRestore = nullptr;
};
