#include "profile/profile.h"

#include "profile/lines.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace profile {
namespace {

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

// One key line of a section: where it stands, its key as spelled, the
// offset of its first '=' within the file, and what follows that '='.
struct KeyLine {
    lines::Line line;
    std::string_view key;
    std::size_t equals = 0;
    std::string_view afterEquals;

    // The value with the blanks around it removed but its quotes kept.
    std::string_view value() const { return lines::trimBlanks(afterEquals); }
};

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
    if (cached_ && cached_->name == name)
        return *cached_;
    const std::string_view bytes = this->bytes();
    SectionSpan span;
    span.name = std::string(name);
    // Only headers matter here, and a header's '[' is the first non-blank
    // character of its line: go from one '[' to the next rather than line
    // by line.
    for (std::size_t at = bytes.find('['); at != std::string_view::npos; at = bytes.find('[', at + 1)) {
        std::size_t begin = at;
        while (begin > 0 && lines::isBlank(bytes[begin - 1]))
            --begin;
        if (begin > 0 && bytes[begin - 1] != '\n' && bytes[begin - 1] != '\r')
            continue;
        lines::LineCursor cursor(bytes, begin);
        lines::Line line;
        cursor.next(line);
        const lines::Parsed p = lines::parse(bytes.substr(line.begin, line.end - line.begin));
        if (p.kind == lines::LineKind::Header && sameName(p.name, name)) {
            span.found = true;
            span.body = line.next;
            break;
        }
        at = line.end;
    }
    cached_ = std::move(span);
    return *cached_;
}

// The one walk over a section: the lookups, the listing and the editor all
// go through it, so that they agree on where the section ends and on what
// a key line is.
template <class Visit> const Document::SectionSpan& Document::walkKeys(std::string_view section, Visit&& visit) const
{
    const SectionSpan& span = this->section(trimSpaces(section));
    if (!span.found)
        return span;
    const std::string_view bytes = this->bytes();
    lines::LineCursor cursor(bytes, span.body);
    lines::Line line;
    while (cursor.next(line)) {
        const std::string_view text = bytes.substr(line.begin, line.end - line.begin);
        const lines::Parsed p = lines::parse(text);
        if (p.kind == lines::LineKind::Header)
            break; // only the first section of that name is searched
        if (p.kind != lines::LineKind::Key)
            continue;
        if (!visit(KeyLine{line, p.name, line.begin + p.equals, text.substr(p.equals + 1)}))
            break;
    }
    return span;
}

std::optional<std::string_view> Document::find(std::string_view section, std::string_view key) const
{
    key = trimSpaces(key);
    std::optional<std::string_view> found;
    walkKeys(section, [&](KeyLine line) {
        if (sameName(line.key, key))
            found = unquote(line.value());
        return !found;
    });
    return found;
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
    walkKeys(section, [&](KeyLine line) {
        name.assign(line.key);
        std::transform(name.begin(), name.end(), name.begin(), lowerAscii);
        const auto hit = wanted.find(name);
        if (hit == wanted.end())
            return true; // the first line of a name wins: a later one is never asked for again
        for (std::size_t i : hit->second)
            found[i] = unquote(line.value());
        wanted.erase(hit);
        return !wanted.empty();
    });
    return found;
}

std::vector<KeyValue> Document::entries(std::string_view section) const
{
    std::vector<KeyValue> found;
    walkKeys(section, [&](KeyLine line) {
        found.push_back({std::string(line.key), std::string(line.value())});
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
    const Splice splice = editAll(section, {{std::string(key), std::string(value)}});
    const std::string_view b = bytes();
    std::string out;
    out.reserve(b.size() - (splice.resume - splice.keep) + splice.insert.size());
    out.append(b.substr(0, splice.keep)).append(splice.insert).append(b.substr(splice.resume));
    return out;
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
    std::size_t at = span.found ? span.body : bytes.size();
    // Keys to remove are looked for to the section's end: every line of them
    // goes, so that no later duplicate comes to light.
    std::size_t missing = wanted.size();
    for (const Wanted& w : wanted)
        missing += w.remove ? 1 : 0;
    if (missing > 0) {
        walkKeys(section, [&](KeyLine line) {
            at = line.line.next;
            const auto hit = byName.find(line.key);
            if (hit == byName.end())
                return true;
            Wanted& w = wanted[hit->second];
            if (w.remove) {
                if (!w.found)
                    --missing;
                w.found = true;
                changes.push_back({line.line.begin, line.line.next, {}});
            } else if (!w.found) {
                w.found = true;
                --missing;
                changes.push_back({line.equals + 1, line.line.end, w.value});
            }
            return missing > 0;
        });
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
