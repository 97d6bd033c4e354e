#pragma once

// How the engine sees a profile file's lines: where each one ends, and what
// it means to the profile rules. Shared by the lookups, the editor and the
// carrying of changes. Not for use outside the engine.

#include <cstddef>
#include <cstring>
#include <string_view>

namespace profile::lines {

// Blanks that the file may hold around names and values.
inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v'; }

inline std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// One line of the file: [begin, end) is its text, [end, next) its ending
// (CRLF, LF, a lone CR, or nothing at the end of the file).
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

class LineCursor {
public:
    explicit LineCursor(std::string_view bytes, std::size_t from = 0) : bytes_(bytes), pos_(from) {}

    bool next(Line& line)
    {
        if (pos_ >= bytes_.size())
            return false;
        line.begin = pos_;
        const char* data = bytes_.data();
        const std::size_t n = bytes_.size();
        // Most lines end in LF: find it fast, then look for an earlier CR.
        // The LF found is remembered, so a file with CR endings only is not
        // searched to its end once per line.
        if (nextLf_ < pos_ || nextLf_ == NotSearched) {
            const void* lf = std::memchr(data + pos_, '\n', n - pos_);
            nextLf_ = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - data) : n;
        }
        std::size_t i = nextLf_;
        if (const void* cr = std::memchr(data + pos_, '\r', i - pos_))
            i = static_cast<std::size_t>(static_cast<const char*>(cr) - data);
        line.end = i;
        if (i < n) {
            if (data[i] == '\r' && i + 1 < n && data[i + 1] == '\n')
                i += 2;
            else
                i += 1;
        }
        line.next = i;
        pos_ = i;
        return true;
    }

private:
    static constexpr std::size_t NotSearched = static_cast<std::size_t>(-1);

    std::string_view bytes_;
    std::size_t pos_ = 0;
    std::size_t nextLf_ = NotSearched;
};

enum class LineKind { Other, Header, Key };

// What a line means to the profile rules. For a header, `name` is the
// section's name; for a key line, `name` is the key as spelled and `equals`
// the offset of its first '=' within `text`.
struct Parsed {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::size_t equals = 0;
};

// `text` is one line without its ending.
inline Parsed parse(std::string_view text)
{
    std::size_t first = 0;
    while (first < text.size() && isBlank(text[first]))
        ++first;
    if (first == text.size() || text[first] == ';')
        return {};
    if (text[first] == '[') {
        std::string_view rest = text.substr(first + 1);
        return {LineKind::Header, trimBlanks(rest.substr(0, rest.find(']'))), 0};
    }
    const std::size_t eq = text.find('=', first);
    if (eq == std::string_view::npos)
        return {};
    return {LineKind::Key, trimBlanks(text.substr(first, eq - first)), eq};
}

} // namespace profile::lines
