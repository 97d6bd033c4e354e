#pragma once

// The profile engine's side that touches the disk. Every access opens the
// file afresh and holds no handle afterwards. Every write replaces the file
// atomically and durably: a temporary file beside it, flushed, renamed over
// it, and the folder flushed, so that a crash leaves either the old bytes or
// the new ones and never anything in between.

#include "profile/profile.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace profile {

// Files larger than this are refused rather than read into memory.
inline constexpr std::size_t MaxProfileBytes = std::size_t{256} * 1024 * 1024;

enum class FileState {
    Read,     // the document holds the file's bytes
    Missing,  // no such file (or no such folder): reads give the default
    Unusable, // it exists but cannot be read as a profile; `error` says why
};

struct LoadedFile {
    FileState state = FileState::Missing;
    Document document; // for a UTF-16 file: its text after the mark, as UTF-8
    std::string error;
    bool utf16 = false;  // the file starts with the UTF-16LE byte-order mark
    std::string oddByte; // a UTF-16 file's odd last byte, kept as it was
};

// Reads the whole file. Refuses anything but a regular file (a FIFO or a
// device would block or never end) and anything over MaxProfileBytes. A
// file that starts with FF FE is read as UTF-16LE, as Windows reads it.
LoadedFile loadProfile(const std::string& path);

// GetPrivateProfileStringA: an absent or unreadable file gives the default.
ProfileText readProfileString(std::string_view section, std::string_view key,
                              std::string_view defaultText, std::size_t size, const std::string& path);

// WritePrivateProfileStringA, made safe: refuses CR, LF and NUL in any
// argument, refuses a file the caller may not write (a read-only file stays
// read-only, though the rename could replace it), follows a symbolic link to
// its target, keeps the file's permission bits and owner, keeps a UTF-16
// file UTF-16 (the arguments are then UTF-8), and reports the system's
// reason on failure with the original left byte for byte as it was.
//
// With FolderSync::Later the new file's bytes are on disk before the rename,
// but the rename itself is made durable only by a later syncFolder: a run
// of writes (one bot's ten keys) then flushes the folder once. A power cut
// before that leaves one of the complete earlier versions, never a torn one.
enum class FolderSync { Now, Later };

WriteResult writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::string& path, FolderSync folderSync = FolderSync::Now);

// Flushes the folder that holds `path` (the target of a link), making the
// renames of earlier writes durable.
WriteResult syncFolder(const std::string& path);

// Replaces the file at `path` (a regular file, or one still to be made) with
// `bytes`, atomically and durably. Used by writeProfileString; exposed for
// measuring the cost of one plain durable rewrite.
WriteResult replaceFile(const std::string& path, std::string_view bytes);

// The prefix of the temporary files that a write leaves behind only when it
// is killed midway: "." + file name + ".cbt~". The next write removes them.
std::string temporaryPrefix(std::string_view fileName);

} // namespace profile
