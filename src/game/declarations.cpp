#include "game/declarations.h"

#include "game/names.h"
#include "roster/text_encoding.h"
#include "roster/words.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace game {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The kind of a class, from what its MetaClass names.
std::optional<Kind> classKind(std::string_view metaClass)
{
    const std::string meta = lowered(itemOf(metaClass));
    if (meta.find("voice") != std::string::npos)
        return Kind::Voice;
    if (meta.find("weapon") != std::string::npos)
        return Kind::Weapon;
    if (meta.ends_with("bot"))
        return Kind::BotClass;
    if (meta.find("player") != std::string::npos || meta.find("pawn") != std::string::npos)
        return Kind::PlayerClass;
    return std::nullopt;
}

// The mesh a skin package is made for, as its name tells it: "soldier" for
// "SoldierSkins" and "SoldierSkins_ci".
std::string meshOfPackage(std::string_view package)
{
    std::string mesh = lowered(package);
    const std::size_t skins = mesh.find("skins");
    if (skins != std::string::npos && skins > 0)
        mesh.resize(skins);
    return mesh;
}

// The model a class's name tells: "jester" for "Jester.JesterBot".
std::string modelOfClass(std::string_view className)
{
    std::string model = lowered(itemOf(className));
    if (model.size() > 3 && model.ends_with("bot"))
        model.resize(model.size() - 3);
    return model;
}

const char* const TooLarge = CBT_WORD("roster", "too large for a declaration file");
const char* const Unreadable = CBT_WORD("roster", "cannot be read");

} // namespace

void Declarations::enlist(Kind kind, std::string name, const std::string& description)
{
    std::vector<Declared>& list = lists_[static_cast<std::size_t>(kind)];
    if (listed_.try_emplace(static_cast<char>('0' + static_cast<int>(kind)) + lowered(name), list.size()).second)
        list.push_back({std::move(name), description});
}

void Declarations::add(const IntFile& file)
{
    std::vector<std::string> classesHere;
    std::set<std::string> meshesHere;
    std::string_view lastPackage;
    for (const ObjectLine& object : file.objects) {
        ++objects_;
        const std::string name = lowered(object.name);
        const std::string_view item = itemOf(object.name);
        const std::string_view package = packageOf(object.name);
        if (sameName(object.objectClass, "class")) {
            const std::optional<Kind> kind = classKind(object.metaClass);
            ClassEntry& entry = classes_[name];
            if (entry.name.empty())
                entry = {object.name, object.description, classes_.size(), 0, {}};
            if (!kind)
                continue;
            entry.kinds |= 1u << static_cast<unsigned>(*kind);
            enlist(*kind, object.name, object.description);
            if (kind == Kind::PlayerClass || kind == Kind::BotClass) {
                classesHere.push_back(name);
                addMesh(name, modelOfClass(object.name));
                if (!object.description.empty())
                    byDescription_.try_emplace(lowered(package) + '\n' + lowered(object.description)
                                                   + (kind == Kind::BotClass ? "\nbot" : "\nplayer"),
                                               object.name);
            }
        } else if (sameName(object.objectClass, "texture")) {
            textures_.insert(name);
            if (meshesHere.empty() || !sameName(package, lastPackage))
                meshesHere.insert(meshOfPackage(package));
            lastPackage = package;
            // Each digit in the name may end a skin's name and begin a face's.
            const std::string_view lowItem = itemOf(name);
            for (std::size_t i = 1; i + 1 < item.size(); ++i) {
                if (!isDigit(item[i]))
                    continue;
                // "package.face", lowered, and the skin's item before it
                std::string face = name.substr(0, package.size() + 1).append(lowItem.substr(i + 1));
                const std::string_view skin = lowItem.substr(0, i);
                if (!object.description.empty()
                    && facesOfSkins_.insert(std::string(skin).append(1, '\n').append(face)).second)
                    facesBySkin_[std::string(skin)].push_back(
                        {std::string(package) + "." + std::string(item.substr(i + 1)), object.description});
                faces_.insert(std::move(face));
            }
            if (!object.description.empty() && item.size() == 5 && isDigit(item[4])) {
                enlist(Kind::Skin, std::string(package) + "." + std::string(item.substr(0, 4)), object.description);
                skinPackages_.insert(lowered(package));
            }
            if (!object.description.empty() && item.size() > 5 && isDigit(item[4]))
                enlist(Kind::Face, std::string(package) + "." + std::string(item.substr(5)), object.description);
        }
    }
    for (const std::string& name : classesHere) {
        for (const std::string& mesh : meshesHere)
            addMesh(name, mesh);
    }
}

void Declarations::addMesh(const std::string& className, const std::string& mesh)
{
    if (!mesh.empty() && classes_[className].meshes.insert(mesh).second)
        meshOwners_[mesh].push_back(className);
}

const Declarations::ClassEntry* Declarations::classEntry(std::string_view name) const
{
    const auto at = classes_.find(lowered(name));
    return at == classes_.end() ? nullptr : &at->second;
}

bool Declarations::declaresClass(std::string_view name) const { return classEntry(name) != nullptr; }

bool Declarations::declares(Kind kind, std::string_view name) const
{
    if (kind == Kind::Skin) {
        const std::string skin = lowered(name);
        if (textures_.contains(skin))
            return true;
        for (char digit = '0'; digit <= '9'; ++digit) {
            if (textures_.contains(skin + digit))
                return true;
        }
        return false;
    }
    if (kind == Kind::Face)
        return faces_.contains(lowered(name));
    const ClassEntry* entry = classEntry(name);
    return entry && entry->is(kind);
}

const std::vector<Declared>& Declarations::list(Kind kind) const { return lists_[static_cast<std::size_t>(kind)]; }

const Declared* Declarations::find(Kind kind, std::string_view name) const
{
    const auto at = listed_.find(static_cast<char>('0' + static_cast<int>(kind)) + lowered(name));
    return at == listed_.end() ? nullptr : &lists_[static_cast<std::size_t>(kind)][at->second];
}

bool Declarations::hasFaceTexture(std::string_view skin, std::string_view face) const
{
    const std::string stem = lowered(std::string(packageOf(face)) + "." + std::string(itemOf(skin)));
    const std::string faceItem = lowered(itemOf(face));
    for (char digit = '0'; digit <= '9'; ++digit) {
        if (textures_.contains(stem + digit + faceItem))
            return true;
    }
    return false;
}

std::vector<Declared> Declarations::facesOf(std::string_view skin) const
{
    const auto at = facesBySkin_.find(lowered(itemOf(skin)));
    if (at == facesBySkin_.end())
        return {};
    std::vector<Declared> faces = at->second;
    std::stable_partition(faces.begin(), faces.end(),
                          [&](const Declared& face) { return sameName(packageOf(face.name), packageOf(skin)); });
    return faces;
}

std::string Declarations::partnerOf(std::string_view className) const
{
    const ClassEntry* entry = classEntry(className);
    if (!entry || (!entry->is(Kind::PlayerClass) && !entry->is(Kind::BotClass)))
        return {};
    const bool player = entry->is(Kind::PlayerClass);
    const std::string name = lowered(className);
    // "Trooper.Trooper" and "Trooper.TrooperBot"
    const std::string partnerName = player ? name + "bot" : name.ends_with("bot") ? name.substr(0, name.size() - 3) : "";
    const ClassEntry* partner = partnerName.empty() ? nullptr : classEntry(partnerName);
    if (partner && partner->is(player ? Kind::BotClass : Kind::PlayerClass))
        return partner->name;
    // Or one of the same package and description.
    const auto at = entry->description.empty()
        ? byDescription_.end()
        : byDescription_.find(lowered(packageOf(className)) + '\n' + lowered(entry->description)
                              + (player ? "\nbot" : "\nplayer"));
    return at == byDescription_.end() ? std::string() : at->second;
}

std::string Declarations::botClassOf(std::string_view playerClass) const
{
    return declares(Kind::PlayerClass, playerClass) ? partnerOf(playerClass) : std::string();
}

std::set<std::string> Declarations::meshesOf(std::string_view className) const
{
    std::set<std::string> meshes;
    for (const std::string& name : {std::string(className), partnerOf(className)}) {
        if (const ClassEntry* entry = name.empty() ? nullptr : classEntry(name))
            meshes.insert(entry->meshes.begin(), entry->meshes.end());
    }
    return meshes;
}

namespace {

bool madeFor(std::string_view skin, const std::set<std::string>& meshes)
{
    const std::string package = lowered(packageOf(skin));
    return std::any_of(meshes.begin(), meshes.end(), [&](const std::string& mesh) { return package.starts_with(mesh); });
}

} // namespace

std::optional<std::vector<Declared>> Declarations::skinsOf(std::string_view className) const
{
    const std::set<std::string> meshes = meshesOf(className);
    std::vector<Declared> skins;
    for (const Declared& skin : list(Kind::Skin)) {
        if (madeFor(skin.name, meshes))
            skins.push_back(skin);
    }
    if (skins.empty())
        return std::nullopt;
    return skins;
}

std::optional<Declared> Declarations::otherModelOf(std::string_view skin, std::string_view className) const
{
    const std::set<std::string> meshes = meshesOf(className);
    // The class's model is known when some listed skin is made for it.
    const bool known = std::any_of(meshes.begin(), meshes.end(), [&](const std::string& mesh) {
        const auto at = skinPackages_.lower_bound(mesh);
        return at != skinPackages_.end() && at->starts_with(mesh);
    });
    if (!known || madeFor(skin, meshes))
        return std::nullopt;
    const std::string self = lowered(className);
    const std::string partner = lowered(partnerOf(className));
    const std::string package = lowered(packageOf(skin));
    // Of the classes made for it, the first declared, a player class before
    // a bot class (its words are those the menus show).
    const ClassEntry* best = nullptr;
    for (std::size_t length = 1; length <= package.size(); ++length) {
        const auto at = meshOwners_.find(package.substr(0, length));
        for (const std::string& owner : at == meshOwners_.end() ? std::vector<std::string>{} : at->second) {
            const ClassEntry& entry = classes_.at(owner);
            if (owner == self || owner == partner)
                continue;
            const auto rank = [](const ClassEntry& e) { return std::pair(!e.is(Kind::PlayerClass), e.order); };
            if (!best || rank(entry) < rank(*best))
                best = &entry;
        }
    }
    if (!best)
        return std::nullopt;
    return Declared{best->name, best->description};
}

namespace {

namespace fs = std::filesystem;

// The .int files directly in a folder, by their names (UTF-8), sorted.
std::vector<std::pair<std::string, fs::directory_entry>> intFiles(const std::string& systemFolder, std::error_code& error)
{
    std::vector<std::pair<std::string, fs::directory_entry>> files;
    const fs::path folder(std::u8string(systemFolder.begin(), systemFolder.end()));
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::u8string name8 = it->path().filename().u8string();
        std::string name(name8.begin(), name8.end());
        std::error_code statError;
        if (name.size() > 4 && sameName(std::string_view(name).substr(name.size() - 4), ".int")
            && it->is_regular_file(statError))
            files.emplace_back(std::move(name), *it);
    }
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return files;
}

} // namespace

std::string InstallStamp(const std::string& systemFolder)
{
    std::error_code error;
    const auto files = intFiles(systemFolder, error);
    if (error)
        return {};
    std::string stamp;
    for (const auto& [name, entry] : files) {
        std::error_code ignored;
        stamp.append(name).append(1, '\0').append(std::to_string(entry.file_size(ignored))).append(1, '\0');
        stamp.append(std::to_string(entry.last_write_time(ignored).time_since_epoch().count())).append(1, '\n');
    }
    return stamp;
}

InstallReading ReadInstall(const std::string& systemFolder)
{
    InstallReading reading;
    std::error_code error;
    const auto files = intFiles(systemFolder, error);
    if (error) {
        reading.error = error.message();
        return reading;
    }
    std::string bytes;
    for (const auto& [name, entry] : files) {
        const fs::path& path = entry.path();
        std::error_code sizeError;
        const std::uintmax_t size = fs::file_size(path, sizeError);
        if (!sizeError && size > MaxIntFileBytes) {
            reading.skipped.push_back({name, TooLarge});
            continue;
        }
        std::ifstream in;
        if (!sizeError)
            in.open(path, std::ios::binary);
        // One byte more than its size, to see a file that grew meanwhile.
        bytes.resize(static_cast<std::size_t>(size) + 1);
        if (in.is_open())
            in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!in.is_open() || in.bad()) {
            reading.skipped.push_back({name, Unreadable});
            continue;
        }
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        const IntFile file = ReadIntFile(bytes);
        if (file.tooLarge) {
            reading.skipped.push_back({name, TooLarge});
            continue;
        }
        reading.declarations.add(file);
        ++reading.filesRead;
    }
    return reading;
}

std::string FolderOf(const std::string& rosterPath)
{
    const std::size_t slash = rosterPath.find_last_of("/\\");
    if (slash == std::string::npos)
        return ".";
    // A root keeps its separator: "/", "C:\\".
    const bool root = slash == 0 || (slash == 2 && rosterPath[1] == ':');
    return rosterPath.substr(0, root ? slash + 1 : slash);
}

} // namespace game
