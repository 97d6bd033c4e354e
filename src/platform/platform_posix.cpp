// Where the program runs without Windows: drive letters map into the Wine
// prefix, the game is looked for in the home folder's Wine prefixes and
// Steam libraries and among the processes in /proc, and the registry's
// System Information entry stands for the first desktop system-information
// program found on the PATH.

#include "platform/desktop.h"
#include "platform/game_process.h"
#include "platform/game_search.h"
#include "platform/identity.h"
#include "platform/qt_platform.h"
#include "platform/wine_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace platform {
namespace {

// Searched in this order; the first one on the PATH is "registered".
constexpr const char* SystemInformationPrograms[] = {"kinfocenter", "hardinfo2", "hardinfo", "lshw-gtk"};

bool hasDriveLetter(const QString& path)
{
    return path.size() >= 2 && path[1] == QLatin1Char(':') && path[0].isLetter() && path[0].unicode() < 128;
}

bool exists(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace

void QtPlatform::showMessage(QWidget* parent, const QString& text, MessageIcon icon)
{
    const QMessageBox::Icon qtIcon = icon == MessageIcon::Exclamation ? QMessageBox::Warning
        : icon == MessageIcon::Information                           ? QMessageBox::Information
                                                                      : QMessageBox::NoIcon;
    QMessageBox box(qtIcon, QString::fromUtf8(identity::Title), text, QMessageBox::Ok, parent);
    box.exec();
    giveKeysBack(parent);
}

QString winePrefix()
{
    const QString fromEnvironment = qEnvironmentVariable("WINEPREFIX");
    return fromEnvironment.isEmpty() ? QDir::homePath() + QStringLiteral("/.wine") : fromEnvironment;
}

MappedPath mapWindowsPath(const QString& windowsPath, const QString& prefix)
{
    QString rest = windowsPath;
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!hasDriveLetter(windowsPath))
        return {rest, 0};

    MappedPath mapped;
    mapped.path = prefix + QStringLiteral("/dosdevices/") + windowsPath.left(2).toLower();
    const QStringList names = rest.mid(2).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString exact = mapped.path + QLatin1Char('/') + names[i];
        if (exists(exact)) {
            mapped.path = exact;
            continue;
        }
        std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(QFile::encodeName(mapped.path).constData()), ::closedir);
        if (!dir && errno != ENOENT && errno != ENOTDIR) {
            mapped.error = errno;
            return mapped;
        }
        QString match;
        while (dir) {
            const dirent* entry = ::readdir(dir.get());
            if (!entry)
                break;
            const QString name = QFile::decodeName(entry->d_name);
            if (name.compare(names[i], Qt::CaseInsensitive) == 0) {
                match = name;
                break;
            }
        }
        if (match.isEmpty()) { // not there: keep the rest as given
            mapped.path += QLatin1Char('/') + names.mid(i).join(QLatin1Char('/'));
            return mapped;
        }
        mapped.path += QLatin1Char('/') + match;
    }
    return mapped;
}

QString localPath(const QString& windowsPath)
{
    return mapWindowsPath(windowsPath, winePrefix()).path;
}

std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

FolderProbe QtPlatform::probeFolder(const QString& windowsPath)
{
    const MappedPath mapped = mapWindowsPath(windowsPath, winePrefix());
    if (mapped.error != 0)
        return {ProbeOutcome::Failed, QString::fromLocal8Bit(std::strerror(mapped.error))};
    struct stat info {};
    if (::stat(QFile::encodeName(mapped.path).constData(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {ProbeOutcome::NotFound, {}};
        return {ProbeOutcome::Failed, QString::fromLocal8Bit(std::strerror(errno))};
    }
    return {S_ISDIR(info.st_mode) ? ProbeOutcome::Exists : ProbeOutcome::NotFound, {}};
}

QString QtPlatform::nativeGameFolder()
{
    const QString folder = QDir::homePath() + QStringLiteral("/.utpg/System");
    return QFileInfo(folder).isDir() ? folder : QString();
}

std::optional<RegistryValue> QtPlatform::readMachineValue(const QString& key, const QString& valueName)
{
    if (key.compare(QLatin1String("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), Qt::CaseInsensitive) != 0
        || valueName.compare(QLatin1String("PATH"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    for (const char* name : SystemInformationPrograms) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty()) // stored as a string value with its terminating zero
            return RegistryValue{1, QFile::encodeName(path) + '\0'};
    }
    return std::nullopt;
}

SearchRoots searchRootsOfThisMachine()
{
    const QString home = QDir::homePath();
    const QString prefix = winePrefix();
    SearchRoots roots;
    // The prefix's own drive letters, as the folder probe maps them.
    roots.classicDrives = {prefix + QStringLiteral("/dosdevices/c:"), prefix + QStringLiteral("/dosdevices/d:")};
    roots.home = home;
    roots.winePrefixes = {prefix, home + QStringLiteral("/.wine")};
    roots.winePrefixParents = {home + QStringLiteral("/Games"), // Lutris
                               home + QStringLiteral("/.local/share/bottles/bottles"),
                               home + QStringLiteral("/.var/app/com.usebottles.bottles/data/bottles/bottles")};
    roots.steam = {home + QStringLiteral("/.steam/steam"), home + QStringLiteral("/.local/share/Steam"),
                   home + QStringLiteral("/.var/app/com.valvesoftware.Steam/.local/share/Steam")};
    return roots;
}

QString QtPlatform::dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') + programName();
}

// Wine keeps no VirtualStore: the game writes where it was installed.
QString QtPlatform::virtualStoreCopy(const QString&) { return {}; }

bool QtPlatform::gameRunning() { return gameRunsIn(QStringLiteral("/proc")); }

} // namespace platform
