#pragma once

// Windows paths on a system without drive letters. A drive letter maps the
// way Wine maps it, "C:" to the dosdevices/c: folder of the Wine prefix, and
// each folder name is matched case-insensitively, as Windows would.

#include <QString>

namespace platform {

struct MappedPath {
    QString path;  // the local path; names not found are kept as given
    int error = 0; // errno of a folder that could not be searched, else 0
};

// The Wine prefix: $WINEPREFIX, or ~/.wine.
QString winePrefix();

// "C:\unrealtournament\system\" under `prefix`. A path without a drive
// letter only has its backslashes turned into slashes.
MappedPath mapWindowsPath(const QString& windowsPath, const QString& prefix);

} // namespace platform
