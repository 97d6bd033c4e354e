#pragma once

// What the installed game declares. Each package in the game's System folder
// comes with a text file, "<Package>.int", whose [Public] section names the
// package's objects, one a line:
//
//   Object=(Name=Trooper.TrooperBot,Class=Class,MetaClass=Botpack.Bot,Description="Trooper")
//
// The game's menus learn from these lines which player classes, bot classes,
// voices and weapons are installed (classes, told apart by their MetaClass)
// and which skins and faces (textures, told apart by their names: the
// texture "TrooperSkins.dsrt1" makes the skin "TrooperSkins.dsrt", and
// "TrooperSkins.dsrt5Hawk", the portrait of a face, makes "TrooperSkins.Hawk"
// a face of that skin). The game puts a face on a bot by building the face's
// texture name from the face's package, the skin's name, a digit and the
// face's name, and shows no face when the package has no such texture.
// Names are compared as the game compares them, without regard to case.
// Plain C++; texts leave this room as UTF-8.

#include "game/int_file.h"

#include <array>
#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace game {

enum class Kind { PlayerClass, BotClass, Voice, Weapon, Skin, Face };

// One declared thing, named as a roster names it ("SoldierSkins.blkt" for a
// skin, "SoldierSkins.Malcom" for a face) with the player's words for it.
struct Declared {
    std::string name;
    std::string description;
};

// Everything the .int files of one install declare, for the checks of a
// roster and the lists of an appearance dialog.
class Declarations {
public:
    // Adds one file's objects. Lists keep the order of adding; a name
    // declared again keeps its first place and description.
    void add(const IntFile& file);

    // Nothing declared: no install is known here.
    bool empty() const { return objects_ == 0; }

    // Whether `name` is declared as a `kind`. A class counts for the kind
    // its MetaClass names (a bot class's is Botpack.Bot or another "...Bot",
    // a player's a "...Player" or "...Pawn", a voice's a "...Voice...", a
    // weapon's a "...Weapon..."). A skin "P.I" is declared when package P
    // declares a texture "I" followed by a digit (or "I" itself, as an old
    // single-texture skin); a face "P.F" when P declares a texture of any
    // skin's name, a digit and "F".
    bool declares(Kind kind, std::string_view name) const;

    // Whether any package declares a class of that name, whatever it is for.
    bool declaresClass(std::string_view name) const;

    // Every declared thing of a kind, in the order declared, each name once.
    // Skins and faces are those the game's menus offer: textures with a
    // description, a skin named by four characters and a digit.
    const std::vector<Declared>& list(Kind kind) const;

    // The listed thing of a kind by its name (any case), for its
    // description; null when the menus do not offer it.
    const Declared* find(Kind kind, std::string_view name) const;

    // Whether the game finds a texture for `face` on `skin` (see above).
    bool hasFaceTexture(std::string_view skin, std::string_view face) const;

    // The faces the game's menus offer for `skin`: described textures of the
    // skin's name, a digit and the face's name, those of the skin's own
    // package first, then in the order declared.
    std::vector<Declared> facesOf(std::string_view skin) const;

    // The bot class that goes with a player class (same package, and the
    // same description or the player's name followed by "Bot"); empty when
    // none is declared.
    std::string botClassOf(std::string_view playerClass) const;

    // The skins of a class's model. The game offers a model the skins whose
    // names begin with the model's mesh name ("Soldier" for "SoldierSkins"
    // and "SoldierSkins_ci"); the .int files do not name meshes, so a class's
    // are taken from the skin packages its own .int file declares and from
    // its name ("Jester.JesterBot" and "JesterSkins"), for it and for its
    // player or bot partner. Nothing when the install does not tell.
    std::optional<std::vector<Declared>> skinsOf(std::string_view className) const;

    // The declared player or bot class, other than `className` and its
    // partner, whose model `skin` is made for; nothing when the skin is made
    // for this class's model, or when the install does not tell.
    std::optional<Declared> otherModelOf(std::string_view skin, std::string_view className) const;

private:
    struct ClassEntry {
        std::string name;        // as first declared
        std::string description; // likewise
        std::size_t order = 0;   // of declaration
        unsigned kinds = 0; // a bit for each Kind it is declared as; none for a mutator, a menu...
        std::set<std::string> meshes; // lowered: its model's name, its .int files' skin packages' meshes
        bool is(Kind kind) const { return (kinds >> static_cast<unsigned>(kind)) & 1u; }
    };
    const ClassEntry* classEntry(std::string_view name) const;
    std::set<std::string> meshesOf(std::string_view className) const;
    std::string partnerOf(std::string_view className) const;
    void enlist(Kind kind, std::string name, const std::string& description);
    void addMesh(const std::string& className, const std::string& mesh);

    std::size_t objects_ = 0;
    std::array<std::vector<Declared>, 6> lists_;
    std::unordered_map<std::string, std::size_t> listed_; // kind and lowered name -> place in its list
    std::unordered_map<std::string, ClassEntry> classes_; // by lowered name
    std::unordered_set<std::string> textures_;            // lowered "package.item"
    std::unordered_set<std::string> faces_;               // lowered "package.face"
    std::unordered_map<std::string, std::vector<Declared>> facesBySkin_; // by lowered skin item
    std::unordered_set<std::string> facesOfSkins_; // lowered skin item and face, once each
    std::set<std::string> skinPackages_;           // lowered packages of listed skins
    std::unordered_map<std::string, std::vector<std::string>> meshOwners_; // lowered mesh -> classes
    std::unordered_map<std::string, std::string> byDescription_; // lowered package, description, kind -> class
};

// A .int file that was not read, and why (marked for translation).
struct SkippedFile {
    std::string name;
    std::string_view reason;
};

// The .int files of a System folder, read into one set of declarations.
struct InstallReading {
    Declarations declarations;
    std::size_t filesRead = 0;
    std::vector<SkippedFile> skipped;
    std::string error;                // the folder cannot be listed (the system's words)
    // An install is known when its files declare anything at all.
    bool found() const { return !declarations.empty(); }
};

// Reads every regular file whose name ends in ".int" (in any case) directly
// in `systemFolder` (UTF-8 bytes), in the order of their names; files over
// MaxIntFileBytes and files that cannot be read are skipped and named.
// Listing uses std::filesystem.
InstallReading ReadInstall(const std::string& systemFolder);

// What ReadInstall would read, told cheaply: the names, sizes and times of
// those files, without opening one. Two equal stamps: nothing to read again.
// Empty when the folder cannot be listed.
std::string InstallStamp(const std::string& systemFolder);

// The folder that holds the roster at `rosterPath`: the game's System
// folder, where its .int files lie, when the roster is where the game keeps it.
std::string FolderOf(const std::string& rosterPath);

} // namespace game
