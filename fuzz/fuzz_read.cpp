// Reading one key: the engine against a plain second reading of the rules,
// and the buffer's limit.

#include "fuzz_input.h"
#include "profile/profile.h"

#include <optional>

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\v'; }

std::string_view trim(std::string_view s, bool (*isBlank)(char))
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool space(char c) { return c == ' '; }

bool same(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The rules, read again as plainly as they are written down.
std::optional<std::string> reference(std::string_view file, std::string_view section, std::string_view key)
{
    section = trim(section, space);
    key = trim(key, space);
    bool inSection = false;
    bool seen = false;
    for (std::string_view line : splitLines(file)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
            line.remove_suffix(1);
        const std::string_view t = trim(line, blank);
        if (t.empty() || t.front() == ';')
            continue;
        if (t.front() == '[') {
            if (inSection)
                return std::nullopt;
            const std::string_view name = trim(t.substr(1, t.find(']') == std::string_view::npos ? t.size() - 1 : t.find(']') - 1), blank);
            if (!seen && same(name, section)) {
                inSection = true;
                seen = true;
            }
            continue;
        }
        const std::size_t eq = t.find('=');
        if (!inSection || eq == std::string_view::npos)
            continue;
        if (same(trim(t.substr(0, eq), blank), key)) {
            std::string_view v = trim(t.substr(eq + 1), blank);
            if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
                v = v.substr(1, v.size() - 2);
            return std::string(v);
        }
    }
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::size_t buffer = in.byte();
    const std::string section = in.token();
    const std::string key = in.token();
    const std::string fallback = in.token();
    const profile::Document doc(in.rest());

    const profile::ProfileText read = profile::readProfileString(doc, section, key, fallback, buffer);
    require(read.count == read.text.size(), "the count is the text's length");
    require(buffer == 0 ? read.count == 0 : read.count <= buffer - 1, "at most size - 1 characters");

    const std::optional<std::string> expected = reference(doc.bytes(), section, key);
    require(read.found == expected.has_value(), "found exactly when the rules find the key");
    std::string want = expected ? *expected : fallback;
    if (!expected) { // the default loses its trailing spaces, nothing else
        while (!want.empty() && want.back() == ' ')
            want.pop_back();
    }
    require(read.text == profile::cutToBuffer(want, buffer), "the value the rules give, cut to the buffer");

    const auto many = doc.findAll(section, {fallback, key, section});
    require(many[1] == doc.find(section, key), "one pass over many keys agrees with one lookup");
    require(many[0] == doc.find(section, fallback) && many[2] == doc.find(section, section),
            "and so do the other keys of that pass");
    return 0;
}
