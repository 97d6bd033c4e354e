#pragma once

// Which file of the library bots go into: an existing one from the list,
// or a new name typed (typed text is never completed into an existing
// name). The library checks the name when it writes.

#include <QDialog>
#include <QStringList>

class QComboBox;

class LibraryFileDialog : public QDialog {
    Q_OBJECT

public:
    // `files`: the library's files that can take bots, the first one offered.
    LibraryFileDialog(const QStringList& files, int botCount, QWidget* parent);

    QString fileName() const;

private:
    QComboBox* cboFile = nullptr;
};
