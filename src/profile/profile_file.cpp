#include "profile/profile_file.h"

#include "profile/file_system.h"
#include "profile/utf16.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace profile {

std::string temporaryPrefix(std::string_view fileName)
{
    // Built by appending: GCC 12 warns falsely (-Wrestrict) about
    // "." + std::string(...) when optimising.
    std::string prefix;
    prefix.reserve(fileName.size() + 6);
    prefix.append(".").append(fileName).append(".cbt~");
    return prefix;
}

LoadedFile loadProfile(const std::string& path)
{
    fs::RawFile raw = fs::readWholeFile(path);
    LoadedFile result;
    result.state = raw.state;
    result.stamp = raw.stamp;
    result.error = std::move(raw.error);
    result.inUse = raw.inUse;
    if (raw.state != FileState::Read)
        return result;
    const std::string_view bytes(raw.bytes.get(), raw.size);
    if (bytes.starts_with(Utf16LeMark)) {
        result.utf16 = true;
        result.document = Document(utf8FromUtf16le(bytes.substr(Utf16LeMark.size()), &result.oddByte));
    } else {
        result.document = Document(std::move(raw.bytes), raw.size);
    }
    return result;
}

FileBytes readFileBytes(const std::string& path, std::size_t maxBytes, bool followLink)
{
    fs::RawFile raw = fs::readWholeFile(path, maxBytes, followLink);
    FileBytes result;
    result.state = raw.state;
    result.stamp = raw.stamp;
    result.error = std::move(raw.error);
    result.inUse = raw.inUse;
    if (raw.state == FileState::Read)
        result.bytes.assign(raw.bytes.get(), raw.size);
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
    const fs::Target target = fs::resolveTarget(path);
    if (!target.error.empty())
        return WriteResult::failure(target.error);
    return fs::replaceTarget(target, {bytes});
}

namespace {

std::optional<std::string> unsafeArgument(std::string_view section, const std::vector<KeyValue>& values)
{
    auto what = unsafeCharacter(section);
    for (std::size_t i = 0; i < values.size() && !what; ++i) {
        what = unsafeCharacter(values[i].key);
        if (!what)
            what = unsafeCharacter(values[i].value);
    }
    return what;
}

WriteResult unsafeText(const std::string& what)
{
    return WriteResult::failure("The text holds " + what + ", which a profile line cannot hold");
}

// What one attempt of a transaction writes: the text base[0, keep) +
// insert + base[resume, end), in the encoding given. `base` stays alive
// until the attempt is over.
struct NewText {
    std::string_view base;
    Splice splice;
    bool utf16 = false;
    std::string_view oddByte;
};

// Works out the new text from the file as read; gives a result to stop
// with (refused, or failed) instead of writing.
using Compose = std::function<std::optional<WriteResult>(const LoadedFile& file, NewText& text)>;

FileText fileTextOf(const LoadedFile& file)
{
    return {std::string(file.document.bytes()), file.utf16, file.oddByte};
}

// The transaction that every write goes through (see rewriteProfile).
WriteResult transact(const std::string& path, const Compose& compose, const std::function<void()>& beforeReplace,
                     Transaction* record)
{
    for (int attempt = 0; attempt < MaxWriteAttempts; ++attempt) {
        const fs::Target target = fs::resolveTarget(path);
        if (!target.error.empty())
            return WriteResult::failure(target.error);

        LoadedFile current;
        if (target.exists) {
            current = loadProfile(target.path);
            if (current.state != FileState::Read) {
                WriteResult failed = WriteResult::failure(current.error);
                failed.inUse = current.inUse;
                return failed;
            }
        }
        NewText next;
        if (std::optional<WriteResult> stop = compose(current, next))
            return *stop;
        const auto unchanged = [&] {
            if (beforeReplace)
                beforeReplace();
            return fs::stampOf(target.path) == current.stamp;
        };
        const std::string_view head = next.base.substr(0, next.splice.keep);
        const std::string_view tail = next.base.substr(next.splice.resume);
        bool overtaken = false;
        WriteResult written;
        std::string whole; // the new text in one piece, where it had to be made
        if (!next.utf16) {
            // The unchanged parts go straight from the bytes read to the new file.
            written = fs::replaceTarget(target, {head, next.splice.insert, tail}, unchanged, &overtaken);
        } else {
            whole.reserve(head.size() + next.splice.insert.size() + tail.size());
            whole.append(head).append(next.splice.insert).append(tail);
            std::string units;
            if (!utf16leFromUtf8(whole, units))
                return WriteResult::failure("The text is not valid UTF-8, which a UTF-16 file cannot hold");
            written = fs::replaceTarget(target, {Utf16LeMark, units, next.oddByte}, unchanged, &overtaken);
        }
        if (overtaken)
            continue;
        if (written && record) {
            record->existedBefore = target.exists;
            record->before = fileTextOf(current);
            if (whole.empty()) {
                whole.reserve(head.size() + next.splice.insert.size() + tail.size());
                whole.append(head).append(next.splice.insert).append(tail);
            }
            record->after = {std::move(whole), next.utf16, std::string(next.utf16 ? next.oddByte : "")};
        }
        return written;
    }
    return WriteResult::failure("Another program kept changing the file while it was being written, "
                                "so it was left as that program wrote it");
}

// A whole text as the new text of an attempt.
void wholeText(const FileText& text, NewText& next)
{
    next.base = text.text;
    next.splice = {text.text.size(), {}, text.text.size()};
    next.utf16 = text.utf16;
    next.oddByte = text.oddByte;
}

} // namespace

WriteResult rewriteProfile(const Transform& transform, const std::string& path,
                           const std::function<void()>& beforeReplace, Transaction* record)
{
    FileText result;
    const auto compose = [&](const LoadedFile& file, NewText& next) -> std::optional<WriteResult> {
        result = fileTextOf(file);
        if (!transform(file, result))
            return WriteResult{false, {}, true, false};
        wholeText(result, next);
        return std::nullopt;
    };
    return transact(path, compose, beforeReplace, record);
}

WriteResult writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::string& path)
{
    return writeProfileStrings(section, {{std::string(key), std::string(value)}}, path);
}

WriteResult writeProfileStrings(std::string_view section, const std::vector<KeyValue>& values,
                                const std::string& path, const std::function<void()>& beforeReplace,
                                Transaction* record)
{
    if (auto what = unsafeArgument(section, values))
        return unsafeText(*what);
    const auto given = [&](const LoadedFile&, std::vector<KeyValue>& out) {
        out = values;
        return true;
    };
    return writeProfileStrings(section, given, path, beforeReplace, record);
}

WriteResult writeProfileStrings(std::string_view section, const Preparation& prepare, const std::string& path,
                                const std::function<void()>& beforeReplace, Transaction* record)
{
    std::vector<KeyValue> values;
    const auto compose = [&](const LoadedFile& file, NewText& next) -> std::optional<WriteResult> {
        if (!prepare(file, values))
            return WriteResult{false, {}, true, false};
        if (auto what = unsafeArgument(section, values))
            return unsafeText(*what);
        next.base = file.document.bytes();
        next.splice = file.document.editAll(section, values);
        next.utf16 = file.utf16;
        next.oddByte = file.oddByte;
        return std::nullopt;
    };
    return transact(path, compose, beforeReplace, record);
}

namespace {

// For "<name>.YYYYMMDD-HHMMSS.bak" and "<name>.YYYYMMDD-HHMMSS-N.bak": the
// stamp and N (1 when there is none); nothing for any other name.
std::optional<std::pair<std::string, unsigned long>> backupOrder(std::string_view entry, std::string_view name)
{
    auto digits = [](std::string_view s) {
        return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (entry.size() <= name.size() + 5 || !entry.starts_with(name) || entry[name.size()] != '.'
        || !entry.ends_with(".bak"))
        return std::nullopt;
    std::string_view stamp = entry.substr(name.size() + 1, entry.size() - name.size() - 5);
    unsigned long n = 1;
    if (stamp.size() > 15) {
        const std::string_view count = stamp.substr(16);
        if (stamp[15] != '-' || !digits(count) || count.size() > 9)
            return std::nullopt;
        n = std::stoul(std::string(count));
        stamp = stamp.substr(0, 15);
    }
    if (stamp.size() != 15 || stamp[8] != '-' || !digits(stamp.substr(0, 8)) || !digits(stamp.substr(9)))
        return std::nullopt;
    return std::pair{std::string(stamp), n};
}

} // namespace

Backup backUpProfile(const std::string& path, std::string_view stamp, std::size_t keep)
{
    Backup backup;
    const fs::Target source = fs::resolveTarget(path);
    if (!source.error.empty()) {
        backup.result = WriteResult::failure(source.error);
        return backup;
    }
    if (!source.exists)
        return backup;
    const fs::RawFile raw = fs::readWholeFile(source.path);
    if (raw.state != FileState::Read) {
        backup.result = WriteResult::failure(raw.error);
        backup.result.inUse = raw.inUse;
        return backup;
    }

    const std::string folder = fs::folderOf(source.path);
    const std::string name = fs::nameOf(source.path);
    std::string error;
    const std::vector<std::string> entries = fs::listFolder(folder, &error);
    if (!error.empty()) {
        backup.result = WriteResult::failure(error);
        return backup;
    }
    std::string copyName;
    for (unsigned long n = 1; copyName.empty(); ++n) {
        // Built by appending: GCC 12 warns falsely (-Wrestrict) about "-" + std::to_string(n).
        std::string candidate = name;
        candidate.append(".").append(stamp);
        if (n > 1)
            candidate.append("-").append(std::to_string(n));
        candidate.append(".bak");
        if (std::find(entries.begin(), entries.end(), candidate) == entries.end())
            copyName = std::move(candidate);
    }

    fs::Target copy = source; // keeps the file's permissions and owner
    copy.path = folder + "/" + copyName;
    copy.exists = false;
    backup.result = fs::replaceTarget(copy, {std::string_view(raw.bytes.get(), raw.size)});
    if (!backup.result)
        return backup;
    backup.made = copy.path;

    // The oldest copy (the file as it was before it was first changed) and
    // the newest `keep` stay: stamps sort as text, the numbers after them as
    // numbers. A copy that cannot be removed is left.
    std::vector<std::pair<std::pair<std::string, unsigned long>, std::string>> copies;
    for (const std::string& entry : fs::listFolder(folder, &error)) {
        if (auto order = backupOrder(entry, name))
            copies.emplace_back(std::move(*order), entry);
    }
    std::sort(copies.begin(), copies.end());
    for (std::size_t i = 1; i + keep < copies.size(); ++i)
        fs::removeFile(folder + "/" + copies[i].second);
    return backup;
}

std::vector<BackupCopy> listBackups(const std::string& path, std::string* error)
{
    std::vector<BackupCopy> found;
    const fs::Target source = fs::resolveTarget(path);
    std::string why = source.error;
    const std::string folder = fs::folderOf(source.path);
    const std::string name = fs::nameOf(source.path);
    std::vector<std::pair<std::pair<std::string, unsigned long>, std::string>> copies;
    if (why.empty()) {
        for (const std::string& entry : fs::listFolder(folder, &why)) {
            if (auto order = backupOrder(entry, name))
                copies.emplace_back(std::move(*order), entry);
        }
    }
    if (error)
        *error = why;
    std::sort(copies.rbegin(), copies.rend());
    for (const auto& [order, entry] : copies)
        found.push_back({folder + "/" + entry,
                         order.second > 1 ? order.first + "-" + std::to_string(order.second) : order.first});
    return found;
}

Backup restoreBackup(const std::string& path, const std::string& copyPath, std::string_view stamp, std::size_t keep,
                     const std::function<void()>& beforeReplace, Transaction* record)
{
    Backup backup;
    LoadedFile copy = loadProfile(copyPath);
    if (copy.state != FileState::Read) {
        backup.result = WriteResult::failure(copy.state == FileState::Missing ? "The backup is gone" : copy.error);
        backup.result.refused = true;
        return backup;
    }
    // Written back through its own encoding, the copy gives its bytes again
    // exactly: a UTF-16 copy's text maps back to the same units.
    const FileText restored = fileTextOf(copy);
    copy = {};
    std::optional<FileStamp> backedUp; // the file as the last backup found it
    const auto compose = [&](const LoadedFile& file, NewText& next) -> std::optional<WriteResult> {
        if (!backedUp || *backedUp != file.stamp) {
            Backup made = backUpProfile(path, stamp, keep);
            if (!made.result) {
                made.result.refused = true;
                return made.result;
            }
            backup.made = std::move(made.made);
            backedUp = file.stamp;
        }
        wholeText(restored, next);
        return std::nullopt;
    };
    backup.result = transact(path, compose, beforeReplace, record);
    return backup;
}

} // namespace profile
