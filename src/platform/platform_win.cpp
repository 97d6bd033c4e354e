// Where the program runs on Windows: the install folders and the file
// dialog's start folder are used as they stand, and the System Information
// tool is found in the registry.

#include "platform/qt_platform.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace platform {

QString localPath(const QString& windowsPath) { return windowsPath; }

std::string nativePath(const QString& path) { return path.toStdString(); } // UTF-8, as the engine expects there

QByteArray contentDigest(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result();
}

FolderProbe QtPlatform::probeFolder(const QString& windowsPath)
{
    const DWORD attributes = ::GetFileAttributesW(reinterpret_cast<const wchar_t*>(windowsPath.utf16()));
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
