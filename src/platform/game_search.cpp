#include "platform/game_search.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cstring>
#include <memory>

#ifndef Q_OS_WIN
#include <dirent.h>
#endif

namespace platform {
namespace {

// What a place is relative to.
enum class Root { ClassicDrive, FixedDrive, ProgramFiles, Documents, SteamLibrary, Home };

struct Place {
    Root root;
    const char* folder; // "/" between names; each matched without regard to case
};

// Every place the game is looked for. Keep the README's table in step.
constexpr Place Places[] = {
    {Root::ClassicDrive, "unrealtournament"}, // C: then D:, first and alone when found
    {Root::FixedDrive, "UnrealTournament"},
    {Root::FixedDrive, "Unreal Tournament"},
    {Root::FixedDrive, "GOG Games/Unreal Tournament GOTY"},
    {Root::FixedDrive, "GOG Games/Unreal Tournament"},
    {Root::ProgramFiles, "Unreal Tournament"},
    {Root::ProgramFiles, "GOG Galaxy/Games/Unreal Tournament GOTY"},
    {Root::SteamLibrary, "steamapps/common/Unreal Tournament"},
    {Root::Documents, "Unreal Tournament"},
    {Root::Home, ".utpg"},
};

const QString RosterInPlace = QStringLiteral("System/CovertstrikeUser.ini");

QString join(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// The names in a folder, without looking at the entries themselves: a
// Steam library may hold hundreds of Proton prefixes.
QStringList namesIn(const QString& folder)
{
    QStringList names;
#ifdef Q_OS_WIN
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        names.append(it.fileName());
    }
#else
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(QFile::encodeName(folder).constData()), ::closedir);
    while (dir) {
        const dirent* entry = ::readdir(dir.get());
        if (!entry)
            break;
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.append(QFile::decodeName(entry->d_name));
    }
#endif
    return names;
}

// The folders read during one search, each listed once: names are matched
// without regard to case, so a name is looked up in its folder's listing.
class Folders {
public:
    // `relative` ("a/b") under `folder`, each name as the disk spells it;
    // empty when a name is missing.
    QString find(QString folder, const QString& relative)
    {
        for (const QString& name : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            if (folder.isEmpty())
                return {};
            const QString spelt = listing(folder).value(name.toCaseFolded());
            folder = spelt.isEmpty() ? QString() : join(folder, spelt);
        }
        return folder;
    }

    QStringList subfolders(const QString& folder)
    {
        QStringList found;
        if (folder.isEmpty())
            return found;
        for (const QString& name : listing(folder))
            if (QFileInfo(join(folder, name)).isDir())
                found.append(join(folder, name));
        return found;
    }

    // The names in `folder`, case-folded, each with its own spelling.
    const QHash<QString, QString>& listing(const QString& folder)
    {
        auto known = listings_.constFind(folder);
        if (known != listings_.constEnd())
            return *known;
        QHash<QString, QString> names;
        for (const QString& name : namesIn(folder))
            names.insert(name.toCaseFolded(), name);
        return *listings_.insert(folder, names);
    }

private:
    QHash<QString, QHash<QString, QString>> listings_;
};

// A Windows path, whichever system reads it, with "/" between names.
QString withSlashes(const QString& path) { return QDir::cleanPath(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'))); }

QString unescapeVdf(const QString& text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i)
        plain.append(text[i] == QLatin1Char('\\') && i + 1 < text.size() ? text[++i] : text[i]);
    return plain;
}

// The roots a Wine prefix adds: its C: drive, Program Files, its users'
// Documents and the Steam installed in it.
void addWinePrefix(Folders& folders, const QString& prefix, SearchRoots& roots, QStringList& documents)
{
    const QString drive = folders.find(prefix, QStringLiteral("drive_c"));
    if (drive.isEmpty())
        return;
    roots.fixedDrives.append(drive);
    for (const char* name : {"Program Files", "Program Files (x86)"}) {
        const QString programs = folders.find(drive, QLatin1String(name));
        roots.programFiles.append(programs);
        roots.steam.append(folders.find(programs, QStringLiteral("Steam")));
    }
    for (const QString& user : folders.subfolders(folders.find(drive, QStringLiteral("users"))))
        for (const char* name : {"Documents", "My Documents"})
            documents.append(folders.find(user, QLatin1String(name)));
}

QStringList steamLibrariesOf(Folders& folders, const QStringList& steamFolders)
{
    QStringList libraries;
    QSet<QString> seen;
    const auto add = [&](const QString& library) {
        const QString canonical = QFileInfo(library).canonicalFilePath();
        if (!canonical.isEmpty() && !seen.contains(canonical)) {
            seen.insert(canonical);
            libraries.append(library);
        }
    };
    for (const QString& steam : steamFolders) {
        if (steam.isEmpty())
            continue;
        add(steam);
        for (const char* list : {"steamapps/libraryfolders.vdf", "config/libraryfolders.vdf"}) {
            QFile file(folders.find(steam, QLatin1String(list)));
            if (!file.fileName().isEmpty() && file.open(QIODevice::ReadOnly))
                for (const QString& library : steamLibraries(file.read(1 << 20)))
                    add(QDir::fromNativeSeparators(library));
        }
    }
    return libraries;
}

} // namespace

QStringList steamLibraries(const QByteArray& libraryFolders)
{
    static const QRegularExpression entry(QStringLiteral(R"re(^\s*"(?:path|\d+)"\s+"((?:[^"\\]|\\.)*)"\s*$)re"),
                                          QRegularExpression::CaseInsensitiveOption
                                              | QRegularExpression::MultilineOption);
    QStringList libraries;
    auto it = entry.globalMatch(QString::fromUtf8(libraryFolders));
    while (it.hasNext())
        libraries.append(unescapeVdf(it.next().captured(1)));
    return libraries;
}

QStringList findRosters(const SearchRoots& given)
{
    Folders folders;
    QStringList found;
    const auto look = [&](const QStringList& roots, const char* place) {
        for (const QString& root : roots) {
            if (root.isEmpty())
                continue;
            const QString roster = folders.find(folders.find(root, QLatin1String(place)), RosterInPlace);
            if (roster.isEmpty() || !QFileInfo(roster).isFile())
                continue;
            // The game run from Program Files writes its copy in the VirtualStore.
            const QString copy = virtualStorePath(roster, given.programFiles, given.localAppData);
            found.append(!copy.isEmpty() && QFileInfo(copy).isFile() ? copy : roster);
        }
    };

    for (const Place& place : Places)
        if (place.root == Root::ClassicDrive)
            look(given.classicDrives, place.folder);
    if (!found.isEmpty())
        return {QDir::toNativeSeparators(found.constFirst())};

    SearchRoots roots = given;
    QStringList documents{given.documents};
    QStringList prefixes = given.winePrefixes;
    for (const QString& parent : given.winePrefixParents)
        prefixes.append(folders.subfolders(parent));
    for (const QString& prefix : prefixes)
        addWinePrefix(folders, prefix, roots, documents);
    const QStringList libraries = steamLibrariesOf(folders, roots.steam);
    // Proton gives each game of each library a prefix of its own, whose
    // folders it names itself: one look at each prefix's Documents.
    for (const QString& library : libraries) {
        const QString compatdata = folders.find(library, QStringLiteral("steamapps/compatdata"));
        for (const QString& game : folders.listing(compatdata))
            if (const QString mine = join(compatdata, game) + QStringLiteral("/pfx/drive_c/users/steamuser/Documents");
                QFileInfo(mine).isDir())
                documents.append(mine);
    }

    for (const Place& place : Places) {
        switch (place.root) {
        case Root::ClassicDrive:
            break;
        case Root::FixedDrive:
            look(roots.fixedDrives, place.folder);
            break;
        case Root::ProgramFiles:
            look(roots.programFiles, place.folder);
            break;
        case Root::Documents:
            look(documents, place.folder);
            break;
        case Root::SteamLibrary:
            look(libraries, place.folder);
            break;
        case Root::Home:
            look({roots.home}, place.folder);
            break;
        }
    }

    // One file reached twice (a link, a drive named twice) counts once.
    struct Roster {
        QString path;
        QDateTime changed;
    };
    std::vector<Roster> rosters;
    QSet<QString> seen;
    for (const QString& path : std::as_const(found)) {
        const QFileInfo info(path);
        if (seen.contains(info.canonicalFilePath()))
            continue;
        seen.insert(info.canonicalFilePath());
        rosters.push_back({path, info.lastModified()});
    }
    std::stable_sort(rosters.begin(), rosters.end(),
                     [](const Roster& a, const Roster& b) { return a.changed > b.changed; });
    QStringList paths;
    for (const Roster& roster : rosters)
        paths.append(QDir::toNativeSeparators(roster.path));
    return paths;
}

QString virtualStorePath(const QString& path, const QStringList& programFolders, const QString& localAppData)
{
    const QString file = withSlashes(path);
    for (const QString& programs : programFolders) {
        const QString folder = withSlashes(programs);
        if (folder.size() < 3 || localAppData.isEmpty() || file.size() <= folder.size()
            || !file.startsWith(folder, Qt::CaseInsensitive) || file[folder.size()] != QLatin1Char('/'))
            continue;
        // Program Files lies at its drive's root; the copy keeps all but the drive.
        return withSlashes(localAppData) + QStringLiteral("/VirtualStore/")
            + folder.mid(folder.lastIndexOf(QLatin1Char('/')) + 1) + file.mid(folder.size());
    }
    return {};
}

} // namespace platform
