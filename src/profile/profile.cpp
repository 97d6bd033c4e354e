#include "profile/profile.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace profile {
namespace {

// Blanks that the file may hold around names and values.
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v'; }

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

// Hashing and comparing names as the profile matches them: ASCII letters
// in either case alike.
struct NameHash {
    std::size_t operator()(std::string_view name) const noexcept
    {
        std::size_t hash = 14695981039346656037u; // FNV-1a
        for (char c : name)
            hash = (hash ^ static_cast<unsigned char>(lowerAscii(c))) * 1099511628211u;
        return hash;
    }
};
struct SameName {
    bool operator()(std::string_view a, std::string_view b) const noexcept { return sameName(a, b); }
};

std::string_view unquote(std::string_view v)
{
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

// One line of the file: [begin, end) is its text, [end, next) its ending.
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

enum class LineKind { Other, Header, Key };

// What a line means to the profile rules. For a header, `name` is the
// section's name; for a key line, `name` is the key and `equals` the offset
// of the first '=' within the file.
struct Parsed {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::size_t equals = 0;
};

class LineCursor {
public:
    explicit LineCursor(std::string_view bytes) : bytes_(bytes) {}

    void skipTo(std::size_t offset)
    {
        pos_ = offset;
        nextLf_ = NotSearched;
    }

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

Parsed parse(std::string_view bytes, const Line& line)
{
    std::string_view text = bytes.substr(line.begin, line.end - line.begin);
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
    return {LineKind::Key, trimBlanks(text.substr(first, eq - first)), line.begin + eq};
}

// Where a key lives, or where it would go, within the first matching section.
struct Place {
    bool sectionFound = false;
    bool keyFound = false;
    Line keyLine;           // the key's line when keyFound
    std::size_t equals = 0; // offset of its '=' when keyFound
    Line lastKeyLine;       // the section's last key line, or its header
};

Document::SectionSpan findSection(std::string_view bytes, std::string_view section)
{
    Document::SectionSpan span;
    span.name = std::string(section);
    // Only headers matter here, and a header's '[' is the first non-blank
    // character of its line: go from one '[' to the next rather than line
    // by line.
    for (std::size_t at = bytes.find('['); at != std::string_view::npos; at = bytes.find('[', at + 1)) {
        std::size_t begin = at;
        while (begin > 0 && isBlank(bytes[begin - 1]))
            --begin;
        if (begin > 0 && bytes[begin - 1] != '\n' && bytes[begin - 1] != '\r')
            continue;
        LineCursor cursor(bytes);
        cursor.skipTo(begin);
        Line line;
        cursor.next(line);
        const Parsed p = parse(bytes, line);
        if (p.kind == LineKind::Header && sameName(p.name, section)) {
            span.found = true;
            span.header = line.begin;
            span.body = line.next;
            break;
        }
        at = line.end;
    }
    return span;
}

Place locate(std::string_view bytes, const Document::SectionSpan& span, std::string_view key)
{
    Place place;
    if (!span.found)
        return place;
    place.sectionFound = true;
    LineCursor header(bytes.substr(0, span.body));
    header.skipTo(span.header);
    header.next(place.lastKeyLine);

    LineCursor cursor(bytes);
    cursor.skipTo(span.body);
    Line line;
    while (cursor.next(line)) {
        const Parsed p = parse(bytes, line);
        if (p.kind == LineKind::Header)
            break; // only the first section of that name is searched
        if (p.kind == LineKind::Key) {
            place.lastKeyLine = line;
            if (sameName(p.name, key)) {
                place.keyFound = true;
                place.keyLine = line;
                place.equals = p.equals;
                return place;
            }
        }
    }
    return place;
}

} // namespace

Document::Document(std::string_view bytes) : buffer_(new char[bytes.size()]), size_(bytes.size())
{
    std::memcpy(buffer_.get(), bytes.data(), bytes.size());
}

Document::Document(std::unique_ptr<char[]> buffer, std::size_t size) : buffer_(std::move(buffer)), size_(size) {}

Document& Document::operator=(const Document& other)
{
    if (this != &other)
        *this = Document(other.bytes());
    return *this;
}

const Document::SectionSpan& Document::section(std::string_view name) const
{
    if (!cached_ || cached_->name != name)
        cached_ = findSection(bytes(), name);
    return *cached_;
}

std::optional<std::string_view> Document::find(std::string_view section, std::string_view key) const
{
    const std::string_view bytes = this->bytes();
    const Place place = locate(bytes, this->section(trimSpaces(section)), trimSpaces(key));
    if (!place.keyFound)
        return std::nullopt;
    const std::size_t valueBegin = place.equals + 1;
    return unquote(trimBlanks(bytes.substr(valueBegin, place.keyLine.end - valueBegin)));
}

template <class Visit> void Document::walkKeys(std::string_view section, Visit&& visit) const
{
    const SectionSpan& span = this->section(trimSpaces(section));
    if (!span.found)
        return;
    const std::string_view bytes = this->bytes();
    LineCursor cursor(bytes);
    cursor.skipTo(span.body);
    Line line;
    while (cursor.next(line)) {
        const Parsed p = parse(bytes, line);
        if (p.kind == LineKind::Header)
            return;
        if (p.kind != LineKind::Key)
            continue;
        const std::size_t valueBegin = p.equals + 1;
        if (!visit(p.name, trimBlanks(bytes.substr(valueBegin, line.end - valueBegin))))
            return;
    }
}

std::vector<std::optional<std::string_view>> Document::findAll(std::string_view section,
                                                               const std::vector<std::string>& keys) const
{
    std::vector<std::optional<std::string_view>> found(keys.size());
    // Wanted names, lower-cased, to the positions that asked for them.
    std::unordered_map<std::string, std::vector<std::size_t>> wanted;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        std::string name(trimSpaces(keys[i]));
        std::transform(name.begin(), name.end(), name.begin(), lowerAscii);
        wanted[std::move(name)].push_back(i);
    }
    std::string name;
    walkKeys(section, [&](std::string_view key, std::string_view value) {
        name.assign(key);
        std::transform(name.begin(), name.end(), name.begin(), lowerAscii);
        const auto hit = wanted.find(name);
        if (hit == wanted.end())
            return true; // the first line of a name wins: a later one is never asked for again
        for (std::size_t i : hit->second)
            found[i] = unquote(value);
        wanted.erase(hit);
        return !wanted.empty();
    });
    return found;
}

std::vector<KeyValue> Document::entries(std::string_view section) const
{
    std::vector<KeyValue> found;
    walkKeys(section, [&](std::string_view key, std::string_view value) {
        found.push_back({std::string(key), std::string(value)});
        return true;
    });
    return found;
}

std::string_view Document::lineEnding() const
{
    const std::string_view b = bytes();
    const std::size_t i = b.find_first_of("\r\n");
    if (i == std::string_view::npos || (b[i] == '\r' && i + 1 < b.size() && b[i + 1] == '\n'))
        return "\r\n";
    return b[i] == '\r' ? "\r" : "\n";
}

std::string Document::withValue(std::string_view section, std::string_view key, std::string_view value) const
{
    const Splice splice = edit(section, key, value);
    const std::string_view b = bytes();
    std::string out;
    out.reserve(b.size() - (splice.resume - splice.keep) + splice.insert.size());
    out.append(b.substr(0, splice.keep)).append(splice.insert).append(b.substr(splice.resume));
    return out;
}

Splice Document::edit(std::string_view section, std::string_view key, std::string_view value) const
{
    return editAll(section, {{std::string(key), std::string(value)}});
}

Splice Document::editAll(std::string_view section, const std::vector<KeyValue>& values) const
{
    const std::string_view bytes = this->bytes();
    section = trimSpaces(section);
    const std::string_view eol = lineEnding();

    // Each key once, in the order it was first set (its spelling then), with
    // the value it was last set to: a key set again only changes its value.
    struct Wanted {
        std::string_view key;
        std::string_view value;
        bool remove = false;
        bool found = false;
    };
    // Found by their lower-cased names, so that setting a whole roster's
    // keys stays one pass rather than keys x lines comparisons.
    std::vector<Wanted> wanted;
    wanted.reserve(values.size());
    std::unordered_map<std::string_view, std::size_t, NameHash, SameName> byName(values.size());
    for (const KeyValue& kv : values) {
        const std::string_view key = trimSpaces(kv.key);
        const auto [same, added] = byName.try_emplace(key, wanted.size());
        if (added) {
            wanted.push_back({key, kv.value, kv.remove});
        } else {
            wanted[same->second].value = kv.value;
            wanted[same->second].remove = kv.remove;
        }
    }

    // A key's first line in the first section of that name keeps everything
    // up to and including its '=': the key's spelling and its spacing stay,
    // only the value part is replaced. Keys not there go after the
    // section's last key line (or its header), in order.
    struct Change {
        std::size_t from;
        std::size_t to;
        std::string_view text;
    };
    std::vector<Change> changes;
    const SectionSpan& span = this->section(section);
    std::size_t at = bytes.size();
    if (span.found) {
        at = span.body;
        // Keys to remove are looked for to the section's end: every line of
        // them goes, so that no later duplicate comes to light.
        std::size_t missing = wanted.size();
        for (const Wanted& w : wanted)
            missing += w.remove ? 1 : 0;
        LineCursor cursor(bytes);
        cursor.skipTo(span.body);
        Line line;
        while (missing > 0 && cursor.next(line)) {
            const Parsed p = parse(bytes, line);
            if (p.kind == LineKind::Header)
                break;
            if (p.kind != LineKind::Key)
                continue;
            at = line.next;
            const auto hit = byName.find(p.name);
            if (hit != byName.end() && wanted[hit->second].remove) {
                if (!wanted[hit->second].found)
                    --missing;
                wanted[hit->second].found = true;
                changes.push_back({line.begin, line.next, {}});
            } else if (hit != byName.end() && !wanted[hit->second].found) {
                Wanted& w = wanted[hit->second];
                w.found = true;
                --missing;
                changes.push_back({p.equals + 1, line.end, w.value});
            }
        }
    }

    // A new section goes at the end. A line without an ending gets one
    // first. A lone CR before a line that starts with LF would join them
    // into one ending and swallow that empty line.
    std::string added;
    const std::string_view newEol = (eol == "\r" && at < bytes.size() && bytes[at] == '\n') ? "\r\n" : eol;
    for (const Wanted& w : wanted) {
        if (w.found || w.remove)
            continue;
        if (added.empty()) {
            if (at > 0 && bytes[at - 1] != '\n' && bytes[at - 1] != '\r')
                added.append(eol);
            if (!span.found)
                added.append("[").append(section).append("]").append(newEol);
        }
        added.append(w.key).append("=").append(w.value).append(newEol);
    }
    if (!added.empty())
        changes.push_back({at, at, added});
    if (changes.empty())
        return {bytes.size(), {}, bytes.size()};

    // The changes come in the file's order: one splice from the first to the
    // last, with the bytes between them as they were.
    Splice splice{changes.front().from, {}, changes.back().to};
    std::size_t copied = splice.keep;
    for (const Change& change : changes) {
        splice.insert.append(bytes.substr(copied, change.from - copied)).append(change.text);
        copied = change.to;
    }
    return splice;
}

std::string_view trimSpaces(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::string cutToBuffer(std::string_view text, std::size_t size)
{
    if (size == 0)
        return {};
    return std::string(text.substr(0, size - 1));
}

ProfileText profileText(std::optional<std::string_view> value, std::string_view defaultText, std::size_t size)
{
    ProfileText result;
    if (value) {
        result.found = true;
        result.text = cutToBuffer(*value, size);
    } else {
        while (!defaultText.empty() && defaultText.back() == ' ')
            defaultText.remove_suffix(1);
        result.text = cutToBuffer(defaultText, size);
    }
    result.count = result.text.size();
    return result;
}

ProfileText readProfileString(const Document& doc, std::string_view section, std::string_view key,
                              std::string_view defaultText, std::size_t size)
{
    return profileText(doc.find(section, key), defaultText, size);
}

std::optional<std::string> unsafeCharacter(std::string_view text)
{
    for (char c : text) {
        if (c == '\r')
            return std::string("a carriage return");
        if (c == '\n')
            return std::string("a line feed");
        if (c == '\0')
            return std::string("a NUL character");
    }
    return std::nullopt;
}

} // namespace profile
