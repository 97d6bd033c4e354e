// The profile engine's disk access on POSIX systems.

#include "profile/file_system.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace profile::fs {
namespace {

std::string systemError(int code) { return std::strerror(code); }

const char* const LinkRefused = "It is a symbolic link, which is not followed here";

// Closes a descriptor on every path out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    // Closes now and reports the result, which can carry a delayed write error.
    int close()
    {
        const int r = ::close(fd_);
        fd_ = -1;
        return r;
    }

private:
    int fd_;
};

// Writes the pieces one after another, as one file.
bool writeAll(int fd, std::initializer_list<std::string_view> pieces)
{
    for (std::string_view bytes : pieces) {
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd, bytes.data(), bytes.size());
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
    }
    return true;
}

// Removes temporary files that an earlier, killed write of ours left beside
// the file. Only names of our exact pattern are touched.
void removeStaleTemporaries(const std::string& folder, const std::string& fileName)
{
    const std::string prefix = temporaryPrefix(fileName);
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name.size() == prefix.size() + 6 && name.substr(0, prefix.size()) == prefix)
            ::unlinkat(::dirfd(dir.get()), entry->d_name, 0);
    }
}

// Reports a step of a replacement to the test that watches, if any, and
// passes its outcome on, errno included.
bool took(Step step, bool succeeded)
{
    if (const StepObserver& observer = stepObserver()) {
        const int code = errno;
        observer(step, succeeded);
        errno = code;
    }
    return succeeded;
}

WriteResult syncFolderAt(const std::string& folder)
{
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!took(Step::FolderFlushed, dir.get() >= 0 && ::fsync(dir.get()) == 0))
        return WriteResult::failure(systemError(errno));
    return {};
}

FileStamp stampFrom(const struct stat& info)
{
    FileStamp stamp;
    stamp.exists = true;
    stamp.device = static_cast<std::uint64_t>(info.st_dev);
    stamp.file = static_cast<std::uint64_t>(info.st_ino);
    stamp.size = static_cast<std::uint64_t>(info.st_size);
    stamp.modified = std::int64_t{info.st_mtim.tv_sec} * 1'000'000'000 + info.st_mtim.tv_nsec;
    stamp.changed = std::int64_t{info.st_ctim.tv_sec} * 1'000'000'000 + info.st_ctim.tv_nsec;
    return stamp;
}

} // namespace

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

FileStamp stampOf(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return stampFrom(info);
}

std::vector<std::string> listFolder(const std::string& folder, std::string* error)
{
    std::vector<std::string> names;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) {
        *error = systemError(errno);
        return names;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    return names;
}

bool removeFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

} // namespace profile::fs

namespace profile {
namespace {

EntryKind kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return EntryKind::File;
    if (S_ISDIR(mode))
        return EntryKind::Folder;
    return S_ISLNK(mode) ? EntryKind::Link : EntryKind::Other;
}

} // namespace

std::vector<FolderEntry> listFolderEntries(const std::string& folder, std::string* error)
{
    std::vector<FolderEntry> entries;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) {
        *error = fs::systemError(errno);
        return entries;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        EntryKind kind = EntryKind::Other;
        switch (entry->d_type) {
        case DT_REG: kind = EntryKind::File; break;
        case DT_DIR: kind = EntryKind::Folder; break;
        case DT_LNK: kind = EntryKind::Link; break;
        case DT_UNKNOWN: { // some file systems leave the kind to a look of its own
            struct stat info {};
            kind = ::fstatat(::dirfd(dir.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 ? kindOf(info.st_mode)
                                                                                                  : EntryKind::Missing;
            break;
        }
        default: break;
        }
        if (kind != EntryKind::Missing) // gone since the folder was read
            entries.push_back({std::string(name), kind});
    }
    return entries;
}

EntryKind entryKind(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? kindOf(info.st_mode) : EntryKind::Missing;
}

WriteResult deleteFile(const std::string& path)
{
    if (::unlink(path.c_str()) != 0)
        return WriteResult::failure(fs::systemError(errno));
    return {};
}

} // namespace profile

namespace profile::fs {

Target resolveTarget(const std::string& path)
{
    Target t;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        if (errno == ENOENT)
            t.path = path; // a new file, created by the write
        else
            t.error = systemError(errno);
        return t;
    }
    t.path = path;
    if (S_ISLNK(info.st_mode)) {
        std::unique_ptr<char, void (*)(void*)> real(::realpath(path.c_str(), nullptr), std::free);
        if (!real || ::stat(real.get(), &info) != 0) {
            t.error = systemError(errno); // a dangling link: refuse rather than guess
            return t;
        }
        t.path = real.get();
    }
    if (!S_ISREG(info.st_mode)) {
        t.error = S_ISDIR(info.st_mode) ? systemError(EISDIR) : std::string("Not a regular file");
        return t;
    }
    t.exists = true;
    t.mode = info.st_mode & 07777;
    t.owner = info.st_uid;
    t.group = info.st_gid;
    return t;
}

RawFile readWholeFile(const std::string& path, std::size_t maxBytes, bool followLink)
{
    RawFile result;
    // Non-blocking, so that opening a FIFO does not wait for a writer.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW)));
    if (fd.get() < 0) {
        result.state = (errno == ENOENT || errno == ENOTDIR) ? FileState::Missing : FileState::Unusable;
        result.error = !followLink && errno == ELOOP ? LinkRefused : systemError(errno);
        return result;
    }
    result.state = FileState::Unusable;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        result.error = systemError(errno);
        return result;
    }
    if (S_ISDIR(info.st_mode)) {
        result.error = systemError(EISDIR);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.error = "Not a regular file";
        return result;
    }
    if (static_cast<std::size_t>(info.st_size) > maxBytes) {
        result.error = systemError(EFBIG);
        return result;
    }
    result.stamp = stampFrom(info);

    // Read what the size promises into a buffer that is not cleared first,
    // then make sure nothing follows: the file may grow while we read it.
    std::size_t capacity = static_cast<std::size_t>(info.st_size);
    std::unique_ptr<char[]> buffer(new char[capacity]);
    std::size_t have = 0;
    for (;;) {
        char probe[4096];
        const bool full = have == capacity;
        const ssize_t n = full ? ::read(fd.get(), probe, sizeof probe)
                               : ::read(fd.get(), buffer.get() + have, capacity - have);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result.error = systemError(errno);
            return result;
        }
        if (n == 0)
            break;
        if (full) {
            if (have + static_cast<std::size_t>(n) > maxBytes) {
                result.error = systemError(EFBIG);
                return result;
            }
            capacity = std::min(maxBytes, capacity * 2 + sizeof probe);
            std::unique_ptr<char[]> grown(new char[capacity]);
            std::memcpy(grown.get(), buffer.get(), have);
            std::memcpy(grown.get() + have, probe, static_cast<std::size_t>(n));
            buffer = std::move(grown);
        }
        have += static_cast<std::size_t>(n);
    }
    result.state = FileState::Read;
    result.error.clear();
    result.bytes = std::move(buffer);
    result.size = have;
    return result;
}

WriteResult replaceTarget(const Target& target, std::initializer_list<std::string_view> pieces,
                          const std::function<bool()>& unchanged, bool* overtaken)
{
    // Renaming over a file needs only the folder's permission; the file's
    // own read-only flag must still be honoured.
    if (target.exists && ::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0)
        return WriteResult::failure(systemError(errno));

    const std::string folder = folderOf(target.path);
    const std::string fileName = nameOf(target.path);
    removeStaleTemporaries(folder, fileName);

    std::string temp = folder + "/" + temporaryPrefix(fileName) + "XXXXXX";
    Descriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return WriteResult::failure(systemError(errno));

    auto fail = [&](int code) {
        ::unlink(temp.c_str());
        return WriteResult::failure(systemError(code));
    };

    if (target.exists || target.mode != 0) {
        if (::fchmod(fd.get(), static_cast<mode_t>(target.mode)) != 0)
            return fail(errno);
        // Keep the owner when we may (an administrator editing a player's
        // file); an ordinary user cannot give a file away, and need not.
        if (::fchown(fd.get(), static_cast<uid_t>(target.owner), static_cast<gid_t>(target.group)) != 0
            && errno != EPERM)
            return fail(errno);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd.get(), 0666 & ~mask) != 0)
            return fail(errno);
    }
    if (!took(Step::Written, writeAll(fd.get(), pieces)))
        return fail(errno);
    if (!took(Step::FileFlushed, ::fsync(fd.get()) == 0))
        return fail(errno);
    if (fd.close() != 0)
        return fail(errno);
    if (unchanged && !unchanged()) {
        ::unlink(temp.c_str());
        *overtaken = true;
        return {};
    }
    if (!took(Step::Renamed, ::rename(temp.c_str(), target.path.c_str()) == 0))
        return fail(errno);

    // The rename is durable only once the folder itself is on disk.
    return syncFolderAt(folder);
}

} // namespace profile::fs
