// Reading one .int file: never a crash, every field valid UTF-8, everything
// listed for the menus also declared, and the same text read alike as UTF-16.

#include "fuzz_input.h"
#include "game/declarations.h"
#include "roster/text_encoding.h"

#include <algorithm>

using namespace game;

namespace {

std::string utf16le(std::string_view ascii)
{
    std::string out = "\xFF\xFE";
    for (char c : ascii)
        out.append({c, '\0'});
    return out;
}

bool sameObjects(const IntFile& a, const IntFile& b)
{
    return a.brokenLines == b.brokenLines && a.longLines == b.longLines
        && std::equal(a.objects.begin(), a.objects.end(), b.objects.begin(), b.objects.end(),
                      [](const ObjectLine& x, const ObjectLine& y) {
                          return x.name == y.name && x.objectClass == y.objectClass && x.metaClass == y.metaClass
                              && x.description == y.description;
                      });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const IntFile file = ReadIntFile(bytes);
    for (const ObjectLine& o : file.objects) {
        require(roster::isValidUtf8(o.name) && roster::isValidUtf8(o.objectClass) && roster::isValidUtf8(o.metaClass)
                    && roster::isValidUtf8(o.description),
                "every field is UTF-8");
        const std::size_t dot = o.name.rfind('.');
        require(dot != std::string::npos && dot > 0 && dot + 1 < o.name.size() && !o.objectClass.empty(),
                "every object has a Package.Item name and a class");
    }

    Declarations declarations;
    declarations.add(file);
    require(declarations.empty() == file.objects.empty(), "an install is known from any object");
    for (Kind kind : {Kind::PlayerClass, Kind::BotClass, Kind::Voice, Kind::Weapon, Kind::Skin, Kind::Face}) {
        for (const Declared& d : declarations.list(kind))
            require(declarations.declares(kind, d.name), "what the menus offer is declared");
    }
    for (const Declared& skin : declarations.list(Kind::Skin)) {
        for (const Declared& face : declarations.facesOf(skin.name))
            require(declarations.hasFaceTexture(skin.name, face.name), "a face offered for a skin fits it");
    }

    // Plain ASCII reads alike as Windows-1252 and as UTF-16.
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return c > 0 && c < 0x7F; });
    if (ascii && 2 * size + 2 <= MaxIntFileBytes)
        require(sameObjects(file, ReadIntFile(utf16le(bytes))), "ASCII reads alike in UTF-16");
    return 0;
}
