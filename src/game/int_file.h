#pragma once

// One of the game's .int files, as the game reads it: the Object lines of
// its [Public] section. Plain C++; texts leave this room as UTF-8.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace game {

// A file larger than this is not read: the game's own are a few hundred KB.
inline constexpr std::size_t MaxIntFileBytes = std::size_t{4} * 1024 * 1024;
// Lines longer than this are skipped (a binary file's "lines" can be huge).
inline constexpr std::size_t MaxIntLineBytes = 4096;

// One Object line of a [Public] section, its fields as UTF-8, quotes removed.
struct ObjectLine {
    std::string name;        // "Package.Item" (the package may hold groups: "A.B.Item")
    std::string objectClass; // "Class", "Texture", ...
    std::string metaClass;   // for a class: what it is for ("Botpack.Bot"); may be empty
    std::string description; // may be empty
};

struct IntFile {
    std::vector<ObjectLine> objects; // in the file's order
    std::size_t brokenLines = 0;     // Object lines that say nothing usable
    std::size_t longLines = 0;       // lines skipped for their length
    bool tooLarge = false;           // over MaxIntFileBytes: nothing was read
};

// Reads one .int file's bytes as the game does: Windows-1252, or UTF-16
// (little- or big-endian) or UTF-8 after its byte-order mark; CR, LF or CRLF
// line endings; section and field names in any case; blanks around names,
// values and fields; comment lines (";" or "//"); fields in any order, a
// quoted value holding commas. Lines outside [Public], broken Object lines
// (no parentheses, no Name of the form Package.Item, no Class, an open
// quote) and overlong lines are skipped; nothing ever fails.
IntFile ReadIntFile(std::string_view bytes);

} // namespace game
