#include "platform/qt_platform.h"

#include "platform/desktop.h"
#include "platform/game_search.h"
#include "platform/identity.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPointer>
#include <QPushButton>
#include <QSettings>

namespace platform {
namespace {

QSettings userSettings()
{
    // Named after the executable file, so that a copy of the program under
    // another name remembers a path of its own.
    const QString app = programName();
    return QSettings(QSettings::IniFormat, QSettings::UserScope, app, app);
}

// A modal box's window gives the keys back to the window it was asked over
// as it closes.
class KeysBack {
public:
    explicit KeysBack(QWidget* parent) : parent_(parent) {}
    ~KeysBack() { giveKeysBack(parent_); }
    KeysBack(const KeysBack&) = delete;
    KeysBack& operator=(const KeysBack&) = delete;

private:
    QPointer<QWidget> parent_;
};

// A start folder that does not exist would be split into a folder and a
// name typed into the file field: a file dialog starts in the nearest
// folder that does.
QString existingFolder(const QString& startFolder)
{
    QString folder = QDir::fromNativeSeparators(localPath(startFolder));
    while (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
        const QString up = QFileInfo(folder).path();
        if (up == folder)
            break;
        folder = up;
    }
    return folder;
}

} // namespace

QString programName() { return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(); }

QString qtNameFilter(const QString& filter)
{
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter.trimmed();
    return filter.left(bar).trimmed() + QStringLiteral(" (") + filter.mid(bar + 1).trimmed() + QLatin1Char(')');
}

SaveAnswer QtPlatform::askToSave(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(identity::Title), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    // Access keys, so the answer is one key away; Escape stays Cancel.
    box.button(QMessageBox::Save)->setText(QCoreApplication::translate("QtPlatform", "&Save"));
    box.button(QMessageBox::Discard)->setText(QCoreApplication::translate("QtPlatform", "&Discard"));
    const KeysBack back(parent);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

bool QtPlatform::confirm(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(identity::Title), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    const KeysBack back(parent);
    return box.exec() == QMessageBox::Yes;
}

QString QtPlatform::inputBox(QWidget* parent, const QString& prompt, const QString& title)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(QString());
    const KeysBack back(parent);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

std::optional<QString> QtPlatform::chooseFile(QWidget* parent, const FileDialogSettings& settings)
{
    QFileDialog dialog(parent, settings.title, existingFolder(settings.startFolder));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(qtNameFilter(settings.filter));
    if (!settings.fileName.isEmpty())
        dialog.selectFile(settings.fileName);
    const KeysBack back(parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    // Qt names files with "/" everywhere; the path is shown and remembered
    // the system's way.
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

std::optional<QString> QtPlatform::chooseSaveFile(QWidget* parent, const FileDialogSettings& settings)
{
    QFileDialog dialog(parent, settings.title, existingFolder(settings.startFolder));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(qtNameFilter(settings.filter));
    const QString pattern = settings.filter.section(QLatin1Char('|'), 1).trimmed();
    if (pattern.startsWith(QStringLiteral("*.")))
        dialog.setDefaultSuffix(pattern.mid(2));
    if (!settings.fileName.isEmpty())
        dialog.selectFile(settings.fileName);
    const KeysBack back(parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

std::optional<QString> QtPlatform::chooseFolder(QWidget* parent, const QString& title, const QString& startFolder)
{
    QFileDialog dialog(parent, title, startFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

QStringList QtPlatform::findGameRosters() { return findRosters(searchRootsOfThisMachine()); }

void QtPlatform::beep() { QApplication::beep(); }

QString QtPlatform::readSetting(const QString& section, const QString& key)
{
    return userSettings().value(section + QLatin1Char('/') + key).toString();
}

void QtPlatform::writeSetting(const QString& section, const QString& key, const QString& value)
{
    QSettings settings = userSettings();
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
}

bool QtPlatform::fileExists(const QString& path)
{
    const QFileInfo info(localPath(path));
    return info.exists() && !info.isDir();
}

bool QtPlatform::launch(const QString& program, QString* error)
{
    QProcess process;
    process.setProgram(localPath(program));
    process.setArguments({});
    if (process.startDetached())
        return true;
    if (error)
        *error = process.errorString();
    return false;
}

} // namespace platform
