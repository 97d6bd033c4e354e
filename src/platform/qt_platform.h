#pragma once

#include "platform/platform.h"

#include <string>

namespace platform {

// The real thing: Qt's dialogs and settings, and the operating system's
// folders, registry (or what stands in for it) and process launching.
class QtPlatform : public Platform {
public:
    void showMessage(QWidget* parent, const QString& text, MessageIcon icon) override;
    SaveAnswer askToSave(QWidget* parent, const QString& question) override;
    bool confirm(QWidget* parent, const QString& question) override;
    QString inputBox(QWidget* parent, const QString& prompt, const QString& title) override;
    std::optional<QString> chooseFile(QWidget* parent, const FileDialogSettings& dialog) override;
    std::optional<QString> chooseSaveFile(QWidget* parent, const FileDialogSettings& dialog) override;
    std::optional<QString> chooseFolder(QWidget* parent, const QString& title, const QString& startFolder) override;
    void beep() override;
    QString readSetting(const QString& section, const QString& key) override;
    void writeSetting(const QString& section, const QString& key, const QString& value) override;
    FolderProbe probeFolder(const QString& windowsPath) override;
    QString nativeGameFolder() override;
    QStringList findGameRosters() override;
    QString virtualStoreCopy(const QString& path) override;
    bool gameRunning() override;
    std::optional<RegistryValue> readMachineValue(const QString& key, const QString& valueName) override;
    bool fileExists(const QString& path) override;
    QString dataFolder() override;
    bool launch(const QString& program, QString* error) override;
};

// The program's name as the settings store and the data folder take it:
// the file really run, without its extension (a link shares its store).
QString programName();

// The folders of this machine that the search for the game starts from.
struct SearchRoots;
SearchRoots searchRootsOfThisMachine();

// The file-system path that a folder named the Windows way stands for on
// this machine (the same text on Windows).
QString localPath(const QString& windowsPath);

// A path as the profile engine takes it: the file system's own bytes here,
// UTF-8 on Windows.
std::string nativePath(const QString& path);

// Qt's form of a "description | pattern" filter: "description (pattern)".
QString qtNameFilter(const QString& filter);

} // namespace platform
