// Writing one key: afterwards the key reads back as the value written, and
// every line of the file but the written one keeps its bytes. Writing
// several keys at once gives exactly what writing them one by one gives.

#include "fuzz_input.h"
#include "profile/profile.h"

namespace {

bool nameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
}

// Names as the roster forms them: a letter or digit first, then letters,
// digits, '_', '.', and for keys the brackets of an index.
std::string keepName(const std::string& raw, bool brackets)
{
    std::string out;
    for (char c : raw) {
        if (nameChar(c) || (brackets && !out.empty() && (c == '[' || c == ']')))
            out += c;
    }
    return out;
}

bool blank(char c) { return c == ' ' || c == '\t' || c == '\v'; }

std::string readBack(std::string_view v)
{
    while (!v.empty() && blank(v.front()))
        v.remove_prefix(1);
    while (!v.empty() && blank(v.back()))
        v.remove_suffix(1);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::string section = keepName(in.token(), false);
    const std::string key = keepName(in.token(), true);
    std::string value = in.token();
    std::erase_if(value, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
    if (section.empty() || key.empty())
        return 0;
    require(!profile::unsafeCharacter(value), "a value without line breaks is safe");

    const profile::Document before(in.rest());
    const bool existed = before.find(section, key).has_value();
    const std::string written = before.withValue(section, key, value);
    const profile::Document after(written);

    const auto got = after.find(section, key);
    require(got.has_value(), "the key is there after the write");
    require(*got == readBack(value), "the key reads back as the value written");

    // Every line but the written one keeps its bytes.
    const auto oldLines = splitLines(before.bytes());
    const auto newLines = splitLines(written);
    std::size_t prefix = 0;
    while (prefix < oldLines.size() && prefix < newLines.size() && oldLines[prefix] == newLines[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < oldLines.size() - prefix && suffix < newLines.size() - prefix
           && oldLines[oldLines.size() - 1 - suffix] == newLines[newLines.size() - 1 - suffix])
        ++suffix;
    const std::size_t oldMiddle = oldLines.size() - prefix - suffix;
    const std::size_t newMiddle = newLines.size() - prefix - suffix;
    require(oldMiddle <= 1, "at most one old line changes");
    require(newMiddle <= 3 && (existed || newMiddle >= 1), "one line written, or a key and its section");
    if (oldMiddle == 1) {
        const std::string_view old = oldLines[prefix];
        const std::string_view now = newLines[prefix];
        if (existed) {
            require(newMiddle == 1, "a replaced value stays on its line");
            const std::size_t eq = old.find('=');
            require(now.substr(0, eq + 1) == old.substr(0, eq + 1), "the key keeps its spelling");
        } else {
            require(old.find_first_of("\r\n") == std::string_view::npos, "only a last line without ending grows");
            require(now.substr(0, old.size()) == old, "and it only gains its ending");
        }
    }
    require(written.size() >= before.bytes().size() || existed, "nothing is lost when a key is added");

    const std::vector<profile::KeyValue> several = {{key, value}, {key + "_2", value + "2"}, {key, "again"}};
    std::string oneByOne(before.bytes());
    for (const profile::KeyValue& kv : several)
        oneByOne = profile::Document(oneByOne).withValue(section, kv.key, kv.value);
    const profile::Splice splice = before.editAll(section, several);
    const std::string_view b = before.bytes();
    require(std::string(b.substr(0, splice.keep)) + splice.insert + std::string(b.substr(splice.resume)) == oneByOne,
            "several keys at once are written as one by one");
    return 0;
}
