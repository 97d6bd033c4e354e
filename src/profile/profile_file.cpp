#include "profile/profile_file.h"

#include "profile/utf16.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>

namespace profile {
namespace {

std::string systemError(int code) { return std::strerror(code); }

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

// Where a write must land: the file itself, or the target of a symbolic link
// so that the link stays a link.
struct Target {
    std::string path;
    bool exists = false;
    struct stat info {};
    std::string error;
};

Target resolveTarget(const std::string& path)
{
    Target t;
    struct stat linkInfo {};
    if (::lstat(path.c_str(), &linkInfo) != 0) {
        if (errno == ENOENT) {
            t.path = path; // a new file, created by the write
            return t;
        }
        t.error = systemError(errno);
        return t;
    }
    if (S_ISLNK(linkInfo.st_mode)) {
        std::unique_ptr<char, void (*)(void*)> real(::realpath(path.c_str(), nullptr), std::free);
        if (!real) {
            t.error = systemError(errno); // a dangling link: refuse rather than guess
            return t;
        }
        t.path = real.get();
        if (::stat(t.path.c_str(), &t.info) != 0) {
            t.error = systemError(errno);
            return t;
        }
    } else {
        t.path = path;
        t.info = linkInfo;
    }
    if (!S_ISREG(t.info.st_mode)) {
        t.error = S_ISDIR(t.info.st_mode) ? systemError(EISDIR) : std::string("Not a regular file");
        return t;
    }
    t.exists = true;
    return t;
}

WriteResult syncFolderAt(const std::string& folder)
{
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0 || ::fsync(dir.get()) != 0)
        return WriteResult::failure(systemError(errno));
    return {};
}

WriteResult replaceResolved(const Target& target, std::initializer_list<std::string_view> pieces,
                            FolderSync folderSync)
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

    if (target.exists) {
        if (::fchmod(fd.get(), target.info.st_mode & 07777) != 0)
            return fail(errno);
        // Keep the owner when we may (an administrator editing a player's
        // file); an ordinary user cannot give a file away, and need not.
        if (::fchown(fd.get(), target.info.st_uid, target.info.st_gid) != 0 && errno != EPERM)
            return fail(errno);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd.get(), 0666 & ~mask) != 0)
            return fail(errno);
    }
    if (!writeAll(fd.get(), pieces))
        return fail(errno);
    if (::fsync(fd.get()) != 0)
        return fail(errno);
    if (fd.close() != 0)
        return fail(errno);
    if (::rename(temp.c_str(), target.path.c_str()) != 0)
        return fail(errno);

    // The rename is durable only once the folder itself is on disk.
    return folderSync == FolderSync::Now ? syncFolderAt(folder) : WriteResult{};
}

} // namespace

std::string temporaryPrefix(std::string_view fileName)
{
    return "." + std::string(fileName) + ".cbt~";
}

LoadedFile loadProfile(const std::string& path)
{
    LoadedFile result;
    // Non-blocking, so that opening a FIFO does not wait for a writer.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        result.state = (errno == ENOENT || errno == ENOTDIR) ? FileState::Missing : FileState::Unusable;
        result.error = systemError(errno);
        return result;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        result.state = FileState::Unusable;
        result.error = systemError(errno);
        return result;
    }
    result.state = FileState::Unusable;
    if (S_ISDIR(info.st_mode)) {
        result.error = systemError(EISDIR);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.error = "Not a regular file";
        return result;
    }
    if (static_cast<std::size_t>(info.st_size) > MaxProfileBytes) {
        result.error = systemError(EFBIG);
        return result;
    }

    // Read what the size promises into a buffer that is not cleared first,
    // then make sure nothing follows: the file may grow while we read it.
    std::size_t capacity = static_cast<std::size_t>(info.st_size);
    std::unique_ptr<char[]> buffer(new char[capacity]);
    std::size_t have = 0;
    for (;;) {
        if (have == capacity) {
            char probe[4096];
            const ssize_t extra = ::read(fd.get(), probe, sizeof probe);
            if (extra == 0)
                break;
            if (extra < 0) {
                if (errno == EINTR)
                    continue;
                result.error = systemError(errno);
                return result;
            }
            if (have + static_cast<std::size_t>(extra) > MaxProfileBytes) {
                result.error = systemError(EFBIG);
                return result;
            }
            capacity = std::min(MaxProfileBytes, capacity * 2 + sizeof probe);
            std::unique_ptr<char[]> grown(new char[capacity]);
            std::memcpy(grown.get(), buffer.get(), have);
            std::memcpy(grown.get() + have, probe, static_cast<std::size_t>(extra));
            buffer = std::move(grown);
            have += static_cast<std::size_t>(extra);
            continue;
        }
        const ssize_t n = ::read(fd.get(), buffer.get() + have, capacity - have);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result.error = systemError(errno);
            return result;
        }
        if (n == 0)
            break;
        have += static_cast<std::size_t>(n);
    }
    result.state = FileState::Read;
    result.error.clear();
    const std::string_view bytes(buffer.get(), have);
    if (bytes.starts_with(Utf16LeMark)) {
        result.utf16 = true;
        result.document = Document(utf8FromUtf16le(bytes.substr(2), &result.oddByte));
    } else {
        result.document = Document(std::move(buffer), have);
    }
    return result;
}

ProfileText readProfileString(std::string_view section, std::string_view key, std::string_view defaultText,
                              std::size_t size, const std::string& path)
{
    const LoadedFile file = loadProfile(path);
    return readProfileString(file.document, section, key, defaultText, size);
}

WriteResult replaceFile(const std::string& path, std::string_view bytes)
{
    const Target target = resolveTarget(path);
    if (!target.error.empty())
        return WriteResult::failure(target.error);
    return replaceResolved(target, {bytes}, FolderSync::Now);
}

WriteResult syncFolder(const std::string& path)
{
    const Target target = resolveTarget(path);
    return syncFolderAt(folderOf(target.path.empty() ? path : target.path));
}

WriteResult writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::string& path, FolderSync folderSync)
{
    for (std::string_view part : {section, key, value}) {
        if (auto what = unsafeCharacter(part))
            return WriteResult::failure("The text holds " + *what + ", which a profile line cannot hold");
    }
    const Target target = resolveTarget(path);
    if (!target.error.empty())
        return WriteResult::failure(target.error);

    LoadedFile current;
    if (target.exists) {
        current = loadProfile(target.path);
        if (current.state != FileState::Read)
            return WriteResult::failure(current.error);
    }
    if (!current.utf16) {
        // The unchanged parts go straight from the bytes read to the new file.
        const std::string_view bytes = current.document.bytes();
        const Splice splice = current.document.edit(section, key, value);
        return replaceResolved(target, {bytes.substr(0, splice.keep), splice.insert, bytes.substr(splice.resume)},
                               folderSync);
    }

    std::string units;
    if (!utf16leFromUtf8(current.document.withValue(section, key, value), units))
        return WriteResult::failure("The text is not valid UTF-8, which a UTF-16 file cannot hold");
    return replaceResolved(target, {Utf16LeMark, units, current.oddByte}, folderSync);
}

} // namespace profile
