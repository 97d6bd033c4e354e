// Where the program runs on Windows: the install folders and the file
// dialog's start folder are used as they stand, the game is looked for on
// the fixed drives and where Steam's registry values point and among the
// running processes, the System Information tool is found in the registry,
// and messages are the system's own boxes.

#include "platform/desktop.h"
#include "platform/game_process.h"
#include "platform/game_search.h"
#include "platform/identity.h"
#include "platform/qt_platform.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>

namespace platform {
namespace {

const wchar_t* wide(const QString& text) { return reinterpret_cast<const wchar_t*>(text.utf16()); }

// The system's message box is as wide as its text, however long its title:
// a short text cuts "Covertstrike Bot Tweaker" short. Non-breaking spaces
// after the text's first line widen it to hold the title and the close
// button.
QString widenForTitle(const QString& text, const QString& title, bool icon)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return text;
    HDC dc = ::GetDC(nullptr);
    const auto width = [dc](const LOGFONTW& font, const QString& line) {
        HFONT handle = ::CreateFontIndirectW(&font);
        HGDIOBJ old = ::SelectObject(dc, handle);
        SIZE size{};
        ::GetTextExtentPoint32W(dc, wide(line), static_cast<int>(line.size()), &size);
        ::SelectObject(dc, old);
        ::DeleteObject(handle);
        return static_cast<int>(size.cx);
    };
    const int needed = width(metrics.lfCaptionFont, title) + 2 * ::GetSystemMetrics(SM_CXSIZE)
        - (icon ? ::GetSystemMetrics(SM_CXICON) : 0);
    QStringList lines = text.split(QLatin1Char('\n'));
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, width(metrics.lfMessageFont, line));
    const int space = std::max(1, width(metrics.lfMessageFont, QString(QChar(0x00A0))));
    if (widest < needed)
        lines[0] += QString((needed - widest + space - 1) / space, QChar(0x00A0));
    ::ReleaseDC(nullptr, dc);
    return lines.join(QLatin1Char('\n'));
}

QString fromRegistry(HKEY root, const wchar_t* key, const wchar_t* name)
{
    wchar_t buffer[MAX_PATH * 2] = {};
    DWORD size = sizeof buffer;
    if (::RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return {};
    return QDir::fromNativeSeparators(QString::fromWCharArray(buffer));
}

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
    ::MessageBoxW(owner, wide(widenForTitle(text, title, icon != MessageIcon::None)), wide(title), style);
    giveKeysBack(parent);
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

SearchRoots searchRootsOfThisMachine()
{
    SearchRoots roots;
    const DWORD drives = ::GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        const QString root = QChar(QLatin1Char(static_cast<char>('A' + i))) + QStringLiteral(":\\");
        if ((drives & (1u << i)) && ::GetDriveTypeW(wide(root)) == DRIVE_FIXED)
            roots.fixedDrives.append(QDir::fromNativeSeparators(root));
    }
    // Only fixed drives: an empty CD drive is not read.
    for (const char* classic : {"C:/", "D:/"})
        if (roots.fixedDrives.contains(QLatin1String(classic)))
            roots.classicDrives.append(QLatin1String(classic));
    for (const char* variable : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"})
        if (const QString folder = qEnvironmentVariable(variable); !folder.isEmpty())
            roots.programFiles.append(QDir::fromNativeSeparators(folder));
    roots.documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    roots.localAppData = QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA"));
    roots.steam = {fromRegistry(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", L"SteamPath"),
                   fromRegistry(HKEY_LOCAL_MACHINE, L"SOFTWARE\\WOW6432Node\\Valve\\Steam", L"InstallPath"),
                   fromRegistry(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Valve\\Steam", L"InstallPath")};
    for (const QString& programs : std::as_const(roots.programFiles))
        roots.steam.append(programs + QStringLiteral("/Steam"));
    return roots;
}

QString QtPlatform::dataFolder()
{
    // Beside the settings store: %APPDATA%\CovBotEd.
    const QString app = programName();
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, app, app);
    return QDir::toNativeSeparators(QFileInfo(settings.fileName()).absolutePath());
}

QString QtPlatform::virtualStoreCopy(const QString& path)
{
    return QDir::toNativeSeparators(virtualStorePath(
        path,
        {qEnvironmentVariable("ProgramFiles"), qEnvironmentVariable("ProgramFiles(x86)"),
         qEnvironmentVariable("ProgramW6432")},
        qEnvironmentVariable("LOCALAPPDATA")));
}

bool QtPlatform::gameRunning()
{
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more && !found; more = ::Process32NextW(snapshot, &entry))
        found = isGameProgram(QString::fromWCharArray(entry.szExeFile));
    ::CloseHandle(snapshot);
    return found;
}

} // namespace platform
