#pragma once

// What the profile engine needs from the operating system, one file for
// POSIX and one for Windows behind this header. Not for use outside the
// engine: profile_file.h is its interface.

#include "profile/profile_file.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

namespace profile::fs {

// Where a write must land: the file itself, or a symbolic link's target so
// that the link stays a link. Paths are the file system's bytes (UTF-8 on
// Windows).
struct Target {
    std::string path;
    bool exists = false;
    std::string error; // the target cannot be written: the system's words
    unsigned long mode = 0, owner = 0, group = 0; // kept by the write where the system has them
};

Target resolveTarget(const std::string& path);

struct RawFile {
    FileState state = FileState::Missing;
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
    std::string error;
};

// The whole of a regular file of at most MaxProfileBytes.
RawFile readWholeFile(const std::string& path);

// Writes the pieces to a temporary file beside the target, flushes it and
// renames it over the target. Refuses a target that may not be written.
WriteResult replaceTarget(const Target& target, std::initializer_list<std::string_view> pieces, FolderSync sync);

WriteResult syncFolderOf(const Target& target);

} // namespace profile::fs
