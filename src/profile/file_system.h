#pragma once

// What the profile engine needs from the operating system, one file for
// POSIX and one for Windows behind this header. Not for use outside the
// engine: profile_file.h is its interface.

#include "profile/profile_file.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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
    FileStamp stamp;
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
    std::string error;
    bool inUse = false; // another program holds the file (Windows sharing and locks)
};

// The whole of a regular file of at most `maxBytes`; a symbolic link is
// refused unless `followLink`.
RawFile readWholeFile(const std::string& path, std::size_t maxBytes = MaxProfileBytes, bool followLink = true);

FileStamp stampOf(const std::string& path);

// Writes the pieces to a temporary file beside the target, flushes it and
// renames it over the target, then flushes the folder. Refuses an existing
// target that may not be written. A new file gets the target's `mode` and
// owner when they are set (a copy), else the default permissions. On
// Windows, an existing target's hidden, system and archive attributes, its
// creation time and its access list pass to the new file.
//
// With `unchanged` given, it is asked just before the rename; when it says
// no, nothing is renamed, the temporary file is removed, and `overtaken` is
// set instead of an error.
WriteResult replaceTarget(const Target& target, std::initializer_list<std::string_view> pieces,
                          const std::function<bool()>& unchanged = {}, bool* overtaken = nullptr);

// The steps that make a replacement safe, in the order replaceTarget takes
// them. Each is reported as the system call that carries it out returns.
enum class Step {
    Written,       // the temporary file holds the new bytes
    FileFlushed,   // and they are on the disk
    Renamed,       // it stands at the target's name
    FolderFlushed, // and so does the name
};

// For tests only: sees each step, with whether it succeeded. Empty in the
// program itself.
using StepObserver = std::function<void(Step, bool succeeded)>;
inline StepObserver& stepObserver()
{
    static StepObserver observer;
    return observer;
}

// The names of the entries of a folder ("." and ".." left out).
std::vector<std::string> listFolder(const std::string& folder, std::string* error);

bool removeFile(const std::string& path);

// The folder part and the name part of a path, at its last separator.
std::string folderOf(const std::string& path);
std::string nameOf(const std::string& path);

} // namespace profile::fs
