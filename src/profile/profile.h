#pragma once

// The INI engine. It reads and writes one key of one section of a profile
// file the way the Windows profile-string calls do, and it never disturbs a
// byte it was not asked to change. It knows nothing of text encodings: names
// and values are byte strings, compared case-insensitively in ASCII only.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace profile {

// What a read hands back, as the Windows call reports it.
struct ProfileText {
    std::size_t count = 0; // characters copied: at most size - 1
    std::string text;      // the copied characters
    bool found = false;    // false when the text is the default
};

// The outcome of a write: success, or the operating system's own words.
struct WriteResult {
    bool ok = true;
    std::string error;
    bool refused = false; // the caller's own preparation refused: nothing was written
    bool inUse = false;   // another program holds the file (Windows sharing and locks)

    explicit operator bool() const { return ok; }
    static WriteResult failure(std::string why) { return {false, std::move(why), false, false}; }
};

// Where an edit changes a file: keep bytes [0, keep), put `insert`, then
// carry on from `resume`. Everything else stays as it was.
struct Splice {
    std::size_t keep = 0;
    std::string insert;
    std::size_t resume = 0;
};

// One key and the value to give it, or, with `remove`, the key to take out
// of the section (every line of it; `value` is then unused).
struct KeyValue {
    std::string key;
    std::string value;
    bool remove = false;
};

// The bytes of one profile file and the lookups and edits on them.
class Document {
public:
    Document() = default;
    explicit Document(std::string_view bytes);
    // Takes a buffer of `size` bytes that nobody else writes to.
    Document(std::unique_ptr<char[]> buffer, std::size_t size);
    Document(const Document& other) : Document(other.bytes()) {}
    Document& operator=(const Document& other);
    Document(Document&&) noexcept = default;
    Document& operator=(Document&&) noexcept = default;

    std::string_view bytes() const { return {buffer_.get(), size_}; }

    // The value of `key` in the first section named `section`, trimmed and
    // with one pair of matching outer quotes removed; nothing when the
    // section or the key is absent. Arguments lose their outer spaces.
    std::optional<std::string_view> find(std::string_view section, std::string_view key) const;

    // find() for many keys of one section in a single pass over it: the
    // results in the order of `keys`.
    std::vector<std::optional<std::string_view>> findAll(std::string_view section,
                                                          const std::vector<std::string>& keys) const;

    // The file's bytes after setting `key` in `section` to `value`. Only the
    // value part of an existing line changes; a new key goes after the last
    // key line of the section; a new section goes at the end. New lines use
    // the file's own line ending, CRLF when it has none. The caller has
    // refused line breaks and NUL characters (see unsafeCharacter). The
    // writers use editAll; this whole-text form serves the tests and the
    // fuzzers.
    std::string withValue(std::string_view section, std::string_view key, std::string_view value) const;

    // Several keys of one section set in turn, described as one splice: the
    // bytes are exactly those that withValue for each key in turn would give,
    // found in one pass over the section. A key to remove loses its lines,
    // endings included; removing a key that is not there changes nothing.
    // The last mention of a key decides whether it is set or removed.
    Splice editAll(std::string_view section, const std::vector<KeyValue>& values) const;

    // Every key line of the first section named `section`, in the file's
    // order: the key as spelled there and its value with the blanks around
    // it removed but its quotes kept (the bytes a copy must carry).
    std::vector<KeyValue> entries(std::string_view section) const;

    // The line ending that new lines get: the file's first one, else CRLF.
    std::string_view lineEnding() const;

private:
    // Where a section's first header stands: remembered for the last section
    // looked up, so that a run of lookups in one section (101 bot names)
    // does not scan the whole file each time.
    struct SectionSpan {
        std::string name;
        bool found = false;
        std::size_t body = 0; // offset of the line after the header
    };
    const SectionSpan& section(std::string_view name) const;
    // Calls visit(line) for each key line of the first section named
    // `section` (see KeyLine in profile.cpp), in the file's order, until the
    // section ends or visit returns false. Gives the section's place.
    template <class Visit> const SectionSpan& walkKeys(std::string_view section, Visit&& visit) const;

    std::unique_ptr<char[]> buffer_;
    std::size_t size_ = 0;
    mutable std::optional<SectionSpan> cached_;
};

// Reads like GetPrivateProfileStringA on a document already in memory: at
// most size - 1 characters; 0 for a present empty value; the default (its
// trailing spaces removed, not unquoted) for an absent key or section.
ProfileText readProfileString(const Document& doc, std::string_view section, std::string_view key,
                              std::string_view defaultText, std::size_t size);

// A buffer size no value reaches: the whole value is read, never cut.
inline constexpr std::size_t WholeValue = static_cast<std::size_t>(-1);

// The same, for a value already looked up (nothing when the key is absent).
ProfileText profileText(std::optional<std::string_view> value, std::string_view defaultText, std::size_t size);

// Describes the first character of `text` that cannot stand in a profile
// line (CR, LF or NUL), or nothing when it is safe to write.
std::optional<std::string> unsafeCharacter(std::string_view text);

// The text without its leading and trailing spaces (0x20 only), the way
// the profile calls trim their arguments.
std::string_view trimSpaces(std::string_view text);

// Applies the Windows rules for a value that is too long or absent.
std::string cutToBuffer(std::string_view text, std::size_t size);

} // namespace profile
