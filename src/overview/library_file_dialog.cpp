#include "overview/library_file_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

LibraryFileDialog::LibraryFileDialog(const QStringList& files, int botCount, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAddToLibrary"));
    setWindowTitle(tr("Add to Library"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(tr("Add the %n selected bots to the library &file:", nullptr, botCount), this);
    cboFile = new QComboBox(this);
    cboFile->setObjectName(QStringLiteral("cboFile"));
    cboFile->setAccessibleName(tr("Library file"));
    cboFile->setEditable(true);
    cboFile->setCompleter(nullptr);
    cboFile->setInsertPolicy(QComboBox::NoInsert);
    cboFile->addItems(files);
    cboFile->setEditText(files.isEmpty() ? tr("My Bots") : files.constFirst());
    caption->setBuddy(cboFile);
    auto* note = new QLabel(tr("A name the library does not hold makes a new file."), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    layout->addWidget(caption);
    layout->addWidget(cboFile);
    layout->addWidget(note);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cboFile, &QComboBox::editTextChanged, this, [buttons](const QString& text) {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!text.trimmed().isEmpty());
    });
    cboFile->setFocus();
}

QString LibraryFileDialog::fileName() const { return cboFile->currentText().trimmed(); }
