// The profile engine's disk access on Windows. Paths arrive as UTF-8 and go
// to the wide-character API; a write replaces the file with a write-through
// move, which is durable by itself, of a temporary file that has taken over
// the original's attributes, creation time and access list.

#include "profile/file_system.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <aclapi.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <random>

namespace profile::fs {
namespace {

std::wstring wide(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

std::string narrow(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                        nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::string systemError(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                         | FORMAT_MESSAGE_IGNORE_INSERTS,
                                     nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = n ? std::wstring(text, n) : L"Error " + std::to_wstring(code);
    if (text)
        ::LocalFree(text);
    // Without its line break and its full stop: callers set the text in
    // sentences of their own.
    while (!message.empty()
           && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' ' || message.back() == L'.'))
        message.pop_back();
    return narrow(message);
}

// Another program holds the file open without sharing it, or has locked it.
bool inUse(DWORD code) { return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION; }

// Whether another program holds the file at `path` open without letting it
// be deleted (the game, an antivirus scan): a replacement is then refused
// as "access denied", though the file is only in use.
bool heldOpen(const std::wstring& path)
{
    HANDLE file = ::CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return inUse(::GetLastError());
    ::CloseHandle(file);
    return false;
}

WriteResult failure(DWORD code)
{
    WriteResult result = WriteResult::failure(systemError(code));
    result.inUse = inUse(code);
    return result;
}

// Reports a step of a replacement to the test that watches, if any, and
// passes its outcome on, the last error included.
bool took(Step step, bool succeeded)
{
    if (const StepObserver& observer = stepObserver()) {
        const DWORD code = ::GetLastError();
        observer(step, succeeded);
        ::SetLastError(code);
    }
    return succeeded;
}

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle()
    {
        if (valid())
            ::CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h_; }
    bool close()
    {
        const bool ok = ::CloseHandle(h_) != 0;
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE h_;
};

std::wstring folderOf(const std::wstring& path)
{
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

std::wstring nameOf(const std::wstring& path)
{
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

void removeStaleTemporaries(const std::wstring& folder, const std::wstring& prefix)
{
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((folder + L"\\" + prefix + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = found.cFileName;
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0)
            ::DeleteFileW((folder + L"\\" + name).c_str());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

FileStamp stampFrom(HANDLE file)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file, &info))
        return {};
    auto join = [](DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; };
    FileStamp stamp;
    stamp.exists = true;
    stamp.device = info.dwVolumeSerialNumber;
    stamp.file = join(info.nFileIndexHigh, info.nFileIndexLow);
    stamp.size = join(info.nFileSizeHigh, info.nFileSizeLow);
    stamp.modified = static_cast<std::int64_t>(
        join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime));
    stamp.changed = static_cast<std::int64_t>(
        join(info.ftCreationTime.dwHighDateTime, info.ftCreationTime.dwLowDateTime));
    return stamp;
}

// What makes a file itself beyond its bytes, which a replacement takes
// over: its hidden, system and archive attributes, its creation time and
// its security descriptor (the access list, and the owner where the user
// may set it). A new file has none of it.
class Identity {
public:
    Identity() = default;
    explicit Identity(const std::wstring& path)
    {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
            return;
        attributes_ = data.dwFileAttributes & Kept;
        created_ = data.ftCreationTime;
        known_ = true;
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (::GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT,
                                    OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner_, nullptr,
                                    &access_, nullptr, &descriptor)
            == ERROR_SUCCESS) {
            descriptor_.reset(descriptor);
            SECURITY_DESCRIPTOR_CONTROL control = 0;
            DWORD revision = 0;
            protected_
                = ::GetSecurityDescriptorControl(descriptor, &control, &revision) && (control & SE_DACL_PROTECTED);
        }
    }

    // The attributes to create the replacement with.
    DWORD attributes() const { return known_ && attributes_ ? attributes_ : FILE_ATTRIBUTE_NORMAL; }

    // Gives the written replacement the creation time (through its open
    // handle) and the security descriptor (by its path) of the original.
    // An owner the user may not give is left as it is; everything else
    // must take, or the replacement would not be the same file (and might
    // let in whom the original kept out). A volume that keeps no access
    // lists (FAT) gets none.
    DWORD giveTo(HANDLE file, const std::wstring& path) const
    {
        if (!known_)
            return ERROR_SUCCESS;
        if (!::SetFileTime(file, &created_, nullptr, nullptr))
            return ::GetLastError();
        DWORD volume = 0;
        if (!descriptor_
            || !::GetVolumeInformationByHandleW(file, nullptr, 0, nullptr, nullptr, &volume, nullptr, 0)
            || !(volume & FILE_PERSISTENT_ACLS))
            return ERROR_SUCCESS;
        std::wstring name = path;
        const SECURITY_INFORMATION how = DACL_SECURITY_INFORMATION
            | (protected_ ? PROTECTED_DACL_SECURITY_INFORMATION : UNPROTECTED_DACL_SECURITY_INFORMATION);
        const DWORD code
            = ::SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT, how, nullptr, nullptr, access_, nullptr);
        if (code != ERROR_SUCCESS)
            return code;
        if (owner_)
            ::SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, owner_, nullptr, nullptr,
                                    nullptr);
        return ERROR_SUCCESS;
    }

private:
    static constexpr DWORD Kept
        = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    struct Free {
        void operator()(void* p) const { ::LocalFree(p); }
    };

    bool known_ = false;
    DWORD attributes_ = 0;
    FILETIME created_{};
    std::unique_ptr<void, Free> descriptor_;
    PSID owner_ = nullptr; // both point into descriptor_
    PACL access_ = nullptr;
    bool protected_ = false;
};

} // namespace

std::string folderOf(const std::string& path) { return narrow(folderOf(wide(path))); }
std::string nameOf(const std::string& path) { return narrow(nameOf(wide(path))); }

FileStamp stampOf(const std::string& path)
{
    Handle file(::CreateFileW(wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return file.valid() ? stampFrom(file.get()) : FileStamp{};
}

std::vector<std::string> listFolder(const std::string& folder, std::string* error)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((wide(folder) + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        *error = systemError(::GetLastError());
        return names;
    }
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(narrow(name));
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return names;
}

bool removeFile(const std::string& path) { return ::DeleteFileW(wide(path).c_str()) != 0; }

} // namespace profile::fs

namespace profile {
namespace {

EntryKind kindOf(DWORD attributes)
{
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return EntryKind::Link;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return EntryKind::Folder;
    return (attributes & FILE_ATTRIBUTE_DEVICE) ? EntryKind::Other : EntryKind::File;
}

} // namespace

std::vector<FolderEntry> listFolderEntries(const std::string& folder, std::string* error)
{
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((fs::wide(folder) + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        *error = fs::systemError(::GetLastError());
        return entries;
    }
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L"..")
            entries.push_back({fs::narrow(name), kindOf(found.dwFileAttributes)});
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return entries;
}

EntryKind entryKind(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesW(fs::wide(path).c_str());
    return attributes == INVALID_FILE_ATTRIBUTES ? EntryKind::Missing : kindOf(attributes);
}

WriteResult deleteFile(const std::string& path)
{
    if (!::DeleteFileW(fs::wide(path).c_str()))
        return fs::failure(::GetLastError());
    return {};
}

} // namespace profile

namespace profile::fs {

Target resolveTarget(const std::string& path)
{
    Target t;
    t.path = path;
    std::wstring native = wide(path);
    const DWORD attributes = ::GetFileAttributesW(native.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = ::GetLastError();
        if (code != ERROR_FILE_NOT_FOUND) // a missing folder fails at the write
            t.error = systemError(code);
        return t;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        t.error = systemError(ERROR_DIRECTORY);
        return t;
    }
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        Handle h(::CreateFileW(native.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        wchar_t buffer[4 * MAX_PATH];
        const DWORD n = h.valid() ? ::GetFinalPathNameByHandleW(h.get(), buffer, DWORD(std::size(buffer)), 0) : 0;
        if (n == 0 || n >= std::size(buffer)) {
            t.error = systemError(::GetLastError());
            return t;
        }
        t.path = narrow(std::wstring_view(buffer, n));
    }
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        t.error = systemError(ERROR_ACCESS_DENIED);
        return t;
    }
    t.exists = true;
    return t;
}

RawFile readWholeFile(const std::string& path, std::size_t maxBytes, bool followLink)
{
    RawFile result;
    Handle file(::CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING,
                              followLink ? FILE_ATTRIBUTE_NORMAL : FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.valid()) {
        const DWORD code = ::GetLastError();
        const bool missing = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
        result.state = missing ? FileState::Missing : FileState::Unusable;
        result.error = systemError(code);
        result.inUse = inUse(code);
        return result;
    }
    result.state = FileState::Unusable;
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
        result.error = "Not a regular file";
        return result;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!followLink && ::GetFileInformationByHandle(file.get(), &info)
        && (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        result.error = "It is a link, which is not followed here";
        return result;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size)) {
        result.error = systemError(::GetLastError());
        return result;
    }
    if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        result.error = systemError(ERROR_FILE_TOO_LARGE);
        return result;
    }
    result.stamp = stampFrom(file.get());
    const std::size_t capacity = static_cast<std::size_t>(size.QuadPart);
    std::unique_ptr<char[]> buffer(new char[capacity]);
    std::size_t have = 0;
    while (have < capacity) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), buffer.get() + have, static_cast<DWORD>(capacity - have), &got, nullptr)) {
            const DWORD code = ::GetLastError();
            result.error = systemError(code);
            result.inUse = inUse(code);
            return result;
        }
        if (got == 0)
            break;
        have += got;
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
    const std::wstring path = wide(target.path);
    const std::wstring folder = folderOf(path);
    const std::wstring prefix = wide(temporaryPrefix(narrow(nameOf(path))));
    removeStaleTemporaries(folder, prefix);
    const Identity identity = target.exists ? Identity(path) : Identity();

    // Straight from the system's source, not through a std::mt19937: Qt's
    // static library has its own copy of that template's refill, and when
    // the linker keeps ours instead, Qt code built to assume its own copy's
    // register use writes through a clobbered pointer (seen in QTemporaryDir).
    static std::random_device random;
    const wchar_t letters[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::wstring temp;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
        std::wstring suffix;
        for (int i = 0; i < 6; ++i)
            suffix += letters[random() % (std::size(letters) - 1)];
        temp = folder + L"\\" + prefix + suffix;
        created = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, identity.attributes(), nullptr);
        if (created == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS)
            return failure(::GetLastError());
    }
    Handle file(created);
    if (!file.valid())
        return failure(ERROR_FILE_EXISTS);

    auto fail = [&](DWORD code) {
        if (file.valid())
            file.close();
        ::DeleteFileW(temp.c_str());
        return failure(code);
    };
    const auto writeAll = [&] {
        for (std::string_view bytes : pieces) {
            while (!bytes.empty()) {
                const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), std::size_t{1} << 30));
                DWORD written = 0;
                if (!::WriteFile(file.get(), bytes.data(), chunk, &written, nullptr))
                    return false;
                bytes.remove_prefix(written);
            }
        }
        return true;
    };
    if (!took(Step::Written, writeAll()))
        return fail(::GetLastError());
    if (const DWORD code = identity.giveTo(file.get(), temp); code != ERROR_SUCCESS)
        return fail(code);
    if (!took(Step::FileFlushed, ::FlushFileBuffers(file.get()) != 0))
        return fail(::GetLastError());
    if (!file.close())
        return fail(::GetLastError());
    if (unchanged && !unchanged()) {
        ::DeleteFileW(temp.c_str());
        *overtaken = true;
        return {};
    }
    const DWORD move = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (!took(Step::Renamed, ::MoveFileExW(temp.c_str(), path.c_str(), move) != 0)) {
        const DWORD code = ::GetLastError();
        WriteResult refused = fail(code);
        refused.inUse = refused.inUse || (code == ERROR_ACCESS_DENIED && heldOpen(path));
        return refused;
    }
    // A write-through move returns once the new name is on the disk: it is
    // the folder's flush as well.
    took(Step::FolderFlushed, true);
    return {};
}

} // namespace profile::fs
