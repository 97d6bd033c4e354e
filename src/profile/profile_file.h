#pragma once

// The profile engine's side that touches the disk. Every access opens the
// file afresh and holds no handle afterwards. Every write replaces the file
// atomically and durably: a temporary file beside it, flushed, renamed over
// it, and the folder flushed, so that a crash leaves either the old bytes or
// the new ones and never anything in between.

#include "profile/profile.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace profile {

// Files larger than this are refused rather than read into memory.
inline constexpr std::size_t MaxProfileBytes = std::size_t{256} * 1024 * 1024;

enum class FileState {
    Read,     // the document holds the file's bytes
    Missing,  // no such file (or no such folder): reads give the default
    Unusable, // it exists but cannot be read as a profile; `error` says why
};

// Which file stands at a path, how big it is and when it last changed: two
// equal stamps mean it was neither replaced nor written in between (to the
// resolution of the file system's clock).
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t file = 0;
    std::uint64_t size = 0;
    std::int64_t modified = 0; // nanoseconds, or the system's own ticks
    std::int64_t changed = 0;  // the status change time where there is one
    bool operator==(const FileStamp&) const = default;
};

struct LoadedFile {
    FileState state = FileState::Missing;
    FileStamp stamp; // as the file stood when it was read
    Document document; // for a UTF-16 file: its text after the mark, as UTF-8
    std::string error;
    bool inUse = false;  // unusable because another program holds it (Windows only)
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

// A file's text as Document holds it, and enough besides to write it back
// byte for byte: a UTF-16 file's text (after its mark) as UTF-8, with the
// odd last byte it may have had.
struct FileText {
    std::string text;
    bool utf16 = false;
    std::string oddByte;
    bool operator==(const FileText&) const = default;
};

// What one write did: the file as it stood just before the rename and as
// the rename left it. `existedBefore` is false when the write made the file
// (`before` is then empty).
struct Transaction {
    FileText before;
    FileText after;
    bool existedBefore = true;
};

// How many times a write starts again when another program changes the file
// while it is being written, before it gives up and reports that.
inline constexpr int MaxWriteAttempts = 5;

// The one transaction behind every write: reads the file, lets `transform`
// give its new text, writes that to a temporary file beside it, flushes it
// and renames it over the file. The file keeps its permission bits and owner
// (on Windows its attributes, creation time and access list), a link stays
// a link, and a read-only file is refused. A change that another program
// makes between the reading and the rename is noticed (the file's identity,
// size and times) and the transaction starts again on the new contents, at
// most MaxWriteAttempts times. `beforeReplace`, when given, runs just before
// that check: tests play the other program there.
//
// `transform` sees the file as read: Read, or Missing (it decides whether a
// missing file may be made). `result` comes filled with the file's own text
// and encoding (empty for a missing file), so that returning true without
// touching it writes the file back as it was. Returning false writes
// nothing and the result is `refused`. A file that exists but cannot be
// read is never written over: the write fails with the reason, and
// `transform` is not asked. A UTF-16 result whose text is not generalized
// UTF-8 is not written: the write fails.
//
// `record`, when given, is filled in when the write succeeds.
using Transform = std::function<bool(const LoadedFile& file, FileText& result)>;
WriteResult rewriteProfile(const Transform& transform, const std::string& path,
                           const std::function<void()>& beforeReplace = {}, Transaction* record = nullptr);

// WritePrivateProfileStringA, made safe: refuses CR, LF and NUL in any
// argument, refuses a file the caller may not write (a read-only file stays
// read-only, though the rename could replace it), follows a symbolic link to
// its target, keeps the file's permission bits and owner (on Windows its
// attributes, creation time and access list), keeps a UTF-16 file UTF-16
// (the arguments are then UTF-8), and reports the system's reason on
// failure with the original left byte for byte as it was. The program
// writes through writeProfileStrings; this one-key form serves the tests.
WriteResult writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::string& path);

// Several keys of one section in one transaction (rewriteProfile's): one
// reading of the file, the keys set in turn exactly as that many
// writeProfileString calls would set them, one temporary file, one flush,
// one rename. The file holds either all of the new values or none of them;
// another program's change made meanwhile is kept, the edit being made
// again on the new contents. The unchanged parts of a file that is not
// UTF-16 go straight from the bytes read to the new file.
WriteResult writeProfileStrings(std::string_view section, const std::vector<KeyValue>& values,
                                const std::string& path, const std::function<void()>& beforeReplace = {},
                                Transaction* record = nullptr);

// The same, with the values worked out from the file as it was read (its
// encoding, say) each time the write starts: `prepare` fills them in, or
// returns false to write nothing, and the result is then `refused`.
using Preparation = std::function<bool(const LoadedFile& file, std::vector<KeyValue>& values)>;
WriteResult writeProfileStrings(std::string_view section, const Preparation& prepare, const std::string& path,
                                const std::function<void()>& beforeReplace = {}, Transaction* record = nullptr);

// Replaces the file at `path` (a regular file, or one still to be made) with
// `bytes`, atomically and durably, without reading it first: for a file
// written whole (an exported bot file), and the measure of one plain
// durable rewrite.
WriteResult replaceFile(const std::string& path, std::string_view bytes);

// Copies the file at `path` (a link's target) beside itself as
// "<name>.<stamp>.bak", durably and keeping its bytes and permissions, then
// removes all but the oldest and the newest `keep` such copies; no other
// file is touched.
// `stamp` is "YYYYMMDD-HHMMSS"; when that name is taken, "-2", "-3", ...
// follow the stamp. A file that does not exist yet needs no copy: `made`
// stays empty.
struct Backup {
    WriteResult result;
    std::string made; // the copy's path
};
Backup backUpProfile(const std::string& path, std::string_view stamp, std::size_t keep);

// The copies backUpProfile made of the file at `path` (a link's target),
// newest first: each one's path and stamp ("YYYYMMDD-HHMMSS", with "-N" when
// it has one).
struct BackupCopy {
    std::string path;
    std::string stamp;
};
std::vector<BackupCopy> listBackups(const std::string& path, std::string* error = nullptr);

// Puts the bytes of the copy at `copyPath` in place of the file at `path`
// in one transaction (see rewriteProfile), after backing that file up under
// `stamp` (see backUpProfile; the copy's bytes are read first, so the
// rotation cannot take them away). The copy's bytes are written exactly as
// they are, whatever the file's encoding was. The file keeps its
// permissions; nothing is written when the copy cannot be read or the
// backup fails. When another program changes the file before the rename,
// the restore starts again and backs up the file as it now is first.
Backup restoreBackup(const std::string& path, const std::string& copyPath, std::string_view stamp, std::size_t keep,
                     const std::function<void()>& beforeReplace = {}, Transaction* record = nullptr);

// What stands at a path itself: a symbolic link (on Windows any reparse
// point, a junction too) is a link, never followed to what it names.
enum class EntryKind { Missing, File, Folder, Link, Other };

struct FolderEntry {
    std::string name;
    EntryKind kind = EntryKind::Other;
};

// The entries of one folder ("." and ".." left out) in the order the system
// gives them, each as it stands there: nothing is followed or looked into.
// On failure the list is empty and `error` holds the system's reason.
std::vector<FolderEntry> listFolderEntries(const std::string& folder, std::string* error);

EntryKind entryKind(const std::string& path);

// The whole of a regular file of at most `maxBytes`, from one opening. As
// loadProfile, it refuses a folder, a FIFO or a device, and a larger file;
// with `followLink` false, a symbolic link as well, so that a name in one
// folder never leads into another. The bytes come as they are (no UTF-16
// decoding).
struct FileBytes {
    FileState state = FileState::Missing;
    FileStamp stamp;
    std::string bytes;
    std::string error;
    bool inUse = false;
};
FileBytes readFileBytes(const std::string& path, std::size_t maxBytes, bool followLink);

// Removes the file at `path` (a link itself, not what it names), reporting
// the system's reason on failure.
WriteResult deleteFile(const std::string& path);

// The prefix of the temporary files that a write leaves behind only when it
// is killed midway: "." + file name + ".cbt~". The next write removes them.
std::string temporaryPrefix(std::string_view fileName);

} // namespace profile
