// Where the program runs on Windows: the install folders and the file
// dialog's start folder are used as they stand, the System Information
// tool is found in the registry, and messages are the system's own boxes.

#include "platform/identity.h"
#include "platform/qt_platform.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QWidget>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace platform {
namespace {

const wchar_t* wide(const QString& text) { return reinterpret_cast<const wchar_t*>(text.utf16()); }

} // namespace

// The system's message box, as every Windows program shows it: the
// system's icons and sounds, Ctrl+C copies its text, and the window it
// belongs to takes no input while it is open. A window not yet on the
// screen (the main window while it loads) cannot own it; then it holds up
// every window of the program.
void QtPlatform::showMessage(QWidget* parent, const QString& text, MessageIcon icon)
{
    HWND owner = nullptr;
    // (Only the windows platform's windows are the system's windows.)
    if (parent && parent->window()->isVisible() && QGuiApplication::platformName() == QLatin1String("windows"))
        owner = reinterpret_cast<HWND>(parent->window()->winId());
    UINT style = MB_OK | MB_SETFOREGROUND | (owner ? MB_APPLMODAL : MB_TASKMODAL);
    if (icon == MessageIcon::Exclamation)
        style |= MB_ICONEXCLAMATION;
    else if (icon == MessageIcon::Information)
        style |= MB_ICONINFORMATION;
    const QString title = QString::fromUtf8(identity::Title);
    ::MessageBoxW(owner, wide(text), wide(title), style);
}

QString localPath(const QString& windowsPath) { return windowsPath; }

std::string nativePath(const QString& path) { return path.toStdString(); } // UTF-8, as the engine expects there

FolderProbe QtPlatform::probeFolder(const QString& windowsPath)
{
    const DWORD attributes = ::GetFileAttributesW(wide(windowsPath));
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return {(attributes & FILE_ATTRIBUTE_DIRECTORY) ? ProbeOutcome::Exists : ProbeOutcome::NotFound, {}};
    const DWORD code = ::GetLastError();
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND)
        return {ProbeOutcome::NotFound, {}};
    wchar_t* text = nullptr;
    ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString description = text ? QString::fromWCharArray(text).trimmed() : QString::number(code);
    if (text)
        ::LocalFree(text);
    return {ProbeOutcome::Failed, description};
}

QString QtPlatform::nativeGameFolder() { return {}; }

std::optional<RegistryValue> QtPlatform::readMachineValue(const QString& key, const QString& valueName)
{
    // Read access is all a lookup needs; asking for all access would fail
    // for every user who is not an administrator.
    HKEY handle = nullptr;
    const QByteArray keyName = key.toLocal8Bit();
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName.constData(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return std::nullopt;
    char buffer[1024] = {};
    DWORD size = sizeof buffer;
    DWORD type = 0;
    const QByteArray name = valueName.toLocal8Bit();
    const LONG read = ::RegQueryValueExA(handle, name.constData(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer), &size);
    ::RegCloseKey(handle);
    if (read != ERROR_SUCCESS)
        return std::nullopt;
    return RegistryValue{type, QByteArray(buffer, static_cast<qsizetype>(size))};
}

} // namespace platform
