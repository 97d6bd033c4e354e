#pragma once

// What the operating system gives the windows: message boxes, the input box,
// the file-open dialog, the beep, the per-user settings store, the probe of
// an install folder, the search for the game and whether it runs,
// registry-like lookups and launching a program. One
// interface, one real implementation (QtPlatform), and a scripted fake in
// the tests, so that every modal dialog can be answered without a timer.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace platform {

enum class MessageIcon { None, Exclamation, Information };

// The answers to the question about changes not yet saved.
enum class SaveAnswer { Save, Discard, Cancel };

// The three outcomes of probing a folder.
enum class ProbeOutcome { Exists, NotFound, Failed };

struct FolderProbe {
    ProbeOutcome outcome = ProbeOutcome::NotFound;
    QString description; // the system's words, for Failed
};

// The settings of the file-open dialog, kept by its owner between openings.
struct FileDialogSettings {
    QString title;
    QString filter;     // "description | pattern"
    QString startFolder; // a Windows path ("c:\unrealtournament") or a native one
    QString fileName;
};

// A registry value as a read returns it: its type and its stored bytes.
struct RegistryValue {
    quint32 type = 0;
    QByteArray data;
};

// What the operating system tells and keeps without a window: the settings
// store, the game's install and whether it runs, files and programs. The
// roster document and the command line need nothing more, so they run
// without a display.
class System {
public:
    virtual ~System() = default;

    // The per-user settings store, under the application's name. A value
    // never stored reads as the empty string.
    virtual QString readSetting(const QString& section, const QString& key) = 0;
    virtual void writeSetting(const QString& section, const QString& key, const QString& value) = 0;

    // Whether a folder (named as Windows names it) exists.
    virtual FolderProbe probeFolder(const QString& windowsPath) = 0;
    // Where the file dialog should start when no install folder was found:
    // the native game's System folder where the platform has one.
    virtual QString nativeGameFolder() = 0;

    // The game's rosters where players install it today (game_search.h),
    // the likeliest first; empty when there is none.
    virtual QStringList findGameRosters() = 0;
    // The game's own copy of a file under Program Files, in the user's
    // VirtualStore, whether or not it exists; empty for any other file and
    // where Windows keeps no such copies.
    virtual QString virtualStoreCopy(const QString& path) = 0;
    // Whether the game is running now (game_process.h); cheap enough to ask
    // before every write and every few seconds.
    virtual bool gameRunning() = 0;

    // A value under HKEY_LOCAL_MACHINE, or nothing when the key or the
    // value cannot be read.
    virtual std::optional<RegistryValue> readMachineValue(const QString& key, const QString& valueName) = 0;
    virtual bool fileExists(const QString& path) = 0;
    // The folder where the program keeps files of its own for this user,
    // named as the settings store is named: ~/.local/share/CovBotEd on
    // Linux, %APPDATA%\CovBotEd on Windows. Only named: it may not exist.
    virtual QString dataFolder() = 0;
    // Starts a program detached, without arguments; false with the reason.
    virtual bool launch(const QString& program, QString* error) = 0;
};

// The system and the dialogs that a window shows over it.
class Platform : public System {
public:
    // A modal box with an OK button, the program's title as its caption.
    virtual void showMessage(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    // A modal question with Save, Discard and Cancel buttons, the program's
    // title as its caption; Escape and closing the box answer Cancel.
    virtual SaveAnswer askToSave(QWidget* parent, const QString& question) = 0;
    // A modal question with Yes and No, the program's title as its caption;
    // No is the default, and Escape or closing the box answers No. True for Yes.
    virtual bool confirm(QWidget* parent, const QString& question) = 0;
    // The entered text, or the empty text on Cancel.
    virtual QString inputBox(QWidget* parent, const QString& prompt, const QString& title) = 0;
    // The chosen file's full path, or nothing on Cancel.
    virtual std::optional<QString> chooseFile(QWidget* parent, const FileDialogSettings& dialog) = 0;
    // The file-save dialog: the path to write (the filter's suffix added
    // when the name has none), or nothing on Cancel.
    virtual std::optional<QString> chooseSaveFile(QWidget* parent, const FileDialogSettings& dialog) = 0;
    // The folder dialog, starting at `startFolder`: the chosen folder's full
    // path, or nothing on Cancel.
    virtual std::optional<QString> chooseFolder(QWidget* parent, const QString& title, const QString& startFolder) = 0;
    virtual void beep() = 0;
};

} // namespace platform
