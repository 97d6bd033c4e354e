#include "game/int_file.h"

#include "game/names.h"
#include "profile/utf16.h"
#include "profile/utf8.h"
#include "roster/text_encoding.h"

namespace game {
namespace {

bool blank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The text as valid UTF-8: what does not decode becomes U+FFFD.
std::string validUtf8(std::string_view text)
{
    if (roster::isValidUtf8(text))
        return std::string(text);
    std::string out;
    char32_t c = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = profile::nextUtf8(text, i, c);
        profile::appendUtf8(out, len == 0 ? char32_t{0xFFFD} : c);
        i += len == 0 ? 1 : len;
    }
    return out;
}

// A file's text and how its fields become UTF-8.
struct Text {
    std::string bytes;
    bool windows1252 = true;
    std::string field(std::string_view raw) const
    {
        return windows1252 ? roster::decodeText(raw, roster::TextEncoding::Windows1252) : validUtf8(raw);
    }
};

Text textOf(std::string_view bytes)
{
    Text text;
    if (bytes.starts_with(profile::Utf16LeMark)) {
        text.bytes = profile::utf8FromUtf16le(bytes.substr(2), nullptr);
        text.windows1252 = false;
    } else if (bytes.starts_with("\xFE\xFF")) {
        std::string units(bytes.substr(2));
        for (std::size_t i = 0; i + 1 < units.size(); i += 2)
            std::swap(units[i], units[i + 1]);
        text.bytes = profile::utf8FromUtf16le(units, nullptr);
        text.windows1252 = false;
    } else if (bytes.starts_with("\xEF\xBB\xBF")) {
        text.bytes = bytes.substr(3);
        text.windows1252 = false;
    } else {
        text.bytes = bytes;
    }
    return text;
}

// "(Name=A.B,Class=Class,Description="x, y")": the fields into `object`.
// False for a line that is not of that form.
bool parseObject(std::string_view value, const Text& text, ObjectLine& object)
{
    if (value.empty() || value.front() != '(')
        return false;
    for (std::size_t i = 1;;) {
        const std::size_t start = i;
        bool quoted = false;
        for (; i < value.size(); ++i) {
            if (value[i] == '"')
                quoted = !quoted;
            else if (!quoted && (value[i] == ',' || value[i] == ')'))
                break;
        }
        if (i >= value.size())
            return false; // no closing parenthesis, or an open quote
        const std::string_view field = value.substr(start, i - start);
        const std::size_t equals = field.find('=');
        if (equals != std::string_view::npos) {
            const std::string key = lowered(trimBlanks(field.substr(0, equals)));
            std::string_view v = trimBlanks(field.substr(equals + 1));
            if (v.size() >= 2 && v.front() == '"' && v.back() == '"')
                v = v.substr(1, v.size() - 2);
            std::string* target = key == "name" ? &object.name
                : key == "class"                ? &object.objectClass
                : key == "metaclass"            ? &object.metaClass
                : key == "description"          ? &object.description
                                                : nullptr;
            if (target && target->empty())
                *target = text.field(v);
        }
        if (value[i++] == ')')
            break;
    }
    const std::size_t dot = object.name.rfind('.');
    return dot != std::string::npos && dot > 0 && dot + 1 < object.name.size() && !object.objectClass.empty();
}

} // namespace

IntFile ReadIntFile(std::string_view bytes)
{
    IntFile file;
    if (bytes.size() > MaxIntFileBytes) {
        file.tooLarge = true;
        return file;
    }
    const Text text = textOf(bytes);
    const std::string_view all = text.bytes;
    bool inPublic = false;
    for (std::size_t begin = 0; begin < all.size();) {
        std::size_t end = begin;
        while (end < all.size() && all[end] != '\r' && all[end] != '\n')
            ++end;
        const std::string_view line = trimBlanks(all.substr(begin, end - begin));
        begin = end + ((end + 1 < all.size() && all[end] == '\r' && all[end + 1] == '\n') ? 2 : 1);
        if (line.size() > MaxIntLineBytes) {
            ++file.longLines;
            continue;
        }
        if (line.empty() || line.front() == ';' || line.starts_with("//"))
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            inPublic = sameName(trimBlanks(line.substr(1, close == std::string_view::npos ? line.npos : close - 1)),
                                "public");
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inPublic || equals == std::string_view::npos || !sameName(trimBlanks(line.substr(0, equals)), "object"))
            continue;
        ObjectLine object;
        if (parseObject(trimBlanks(line.substr(equals + 1)), text, object))
            file.objects.push_back(std::move(object));
        else
            ++file.brokenLines;
    }
    return file;
}

} // namespace game
