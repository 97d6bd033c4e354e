#include "profile/profile_file.h"

#include "profile/file_system.h"
#include "profile/utf16.h"

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
    result.error = std::move(raw.error);
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
    return fs::replaceTarget(target, {bytes}, FolderSync::Now);
}

WriteResult syncFolder(const std::string& path)
{
    fs::Target target = fs::resolveTarget(path);
    if (target.path.empty())
        target.path = path;
    return fs::syncFolderOf(target);
}

WriteResult writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::string& path, FolderSync folderSync)
{
    for (std::string_view part : {section, key, value}) {
        if (auto what = unsafeCharacter(part))
            return WriteResult::failure("The text holds " + *what + ", which a profile line cannot hold");
    }
    const fs::Target target = fs::resolveTarget(path);
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
        return fs::replaceTarget(target, {bytes.substr(0, splice.keep), splice.insert, bytes.substr(splice.resume)},
                                 folderSync);
    }
    std::string units;
    if (!utf16leFromUtf8(current.document.withValue(section, key, value), units))
        return WriteResult::failure("The text is not valid UTF-8, which a UTF-16 file cannot hold");
    return fs::replaceTarget(target, {Utf16LeMark, units, current.oddByte}, folderSync);
}

} // namespace profile
