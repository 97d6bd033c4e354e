#pragma once

// Where players keep the game today, and the search for its roster there.
//
// The search reads only the folders named in one table (game_search.cpp,
// and the README's table of the same places): no walk of whole disks. Each
// place is a folder relative to a root of this machine (a fixed drive,
// Program Files, a Steam library, a Wine prefix, ...); the roster is
// "System/CovertstrikeUser.ini" inside it, every name matched without
// regard to case, as Windows would.

#include <QString>
#include <QStringList>

namespace platform {

// The folders of one machine that the places are relative to. The real
// platform fills them in (searchRootsOfThisMachine); tests give folders of
// their own.
struct SearchRoots {
    // Searched first, in this order, and alone if they hold a roster: the
    // folders that held the game before stores did (C:\ and D:\, or the
    // Wine prefix's c: and d:).
    QStringList classicDrives;
    QStringList fixedDrives;  // every fixed drive's root
    QStringList programFiles; // Program Files and Program Files (x86)
    QString documents;        // the user's Documents folder
    QString localAppData;     // where the VirtualStore is (Windows)
    QStringList steam;        // Steam's own folders; each lists its libraries
    QString home;             // where the native Linux game keeps ~/.utpg
    // Folders holding a drive_c: each is searched as one more Windows (its
    // drive, Program Files, users' Documents and Steam).
    QStringList winePrefixes;
    // Folders whose every subfolder may be a Wine prefix (Lutris' games,
    // Bottles' bottles).
    QStringList winePrefixParents;
};

// The rosters found, as full paths with the system's separators: the first
// found in the classic folders alone when there is one (C: before D:), else
// every one found, the most recently changed first; a roster under Program
// Files whose VirtualStore copy exists stands for that copy. Empty when
// there is none.
QStringList findRosters(const SearchRoots& roots);

// The Steam libraries that a libraryfolders.vdf names ("path" values, and
// the numbered values of older files), unescaped.
QStringList steamLibraries(const QByteArray& libraryFolders);

// Where Windows keeps a user's own copy of a file under Program Files that
// an old program (one without a manifest, as the game) wrote: the same path
// under `localAppData`\VirtualStore. Empty for a path outside the Program
// Files folders given. Returned with "/" between names.
QString virtualStorePath(const QString& path, const QStringList& programFolders, const QString& localAppData);

} // namespace platform
