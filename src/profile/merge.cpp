#include "profile/merge.h"

#include "profile/lines.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace profile {
namespace {

constexpr std::size_t None = static_cast<std::size_t>(-1);

// A text as its lines, each with its own ending.
using Lines = std::vector<std::string_view>;

Lines splitLines(std::string_view text)
{
    Lines out;
    lines::LineCursor cursor(text);
    lines::Line line;
    while (cursor.next(line))
        out.push_back(text.substr(line.begin, line.next - line.begin));
    return out;
}

std::string_view withoutEnding(std::string_view line)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}

std::string lowered(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return out;
}

// Lines (or what stands for them) are compared by a hash of their bytes.
// Two lines that differ but share a hash could be paired as one: every pair
// is compared again as bytes, and such a pair counts as a changed line,
// which is carried or reported like any other.
using Hash = std::uint64_t;

Hash hashOf(std::string_view text) { return std::hash<std::string_view>{}(text); }

// Which hashes a sequence holds: open addressing, a slot per hash and as
// many free again, so that a file's lines are looked up without a node each.
class HashSet {
public:
    explicit HashSet(const std::vector<Hash>& hashes)
    {
        std::size_t slots = 16;
        while (slots < 2 * hashes.size())
            slots *= 2;
        slots_.assign(slots, Free);
        for (Hash h : hashes) {
            std::size_t i = slotOf(h);
            while (slots_[i] != Free && slots_[i] != stored(h))
                i = (i + 1) & (slots_.size() - 1);
            slots_[i] = stored(h);
        }
    }

    bool operator()(Hash h) const
    {
        for (std::size_t i = slotOf(h);; i = (i + 1) & (slots_.size() - 1)) {
            if (slots_[i] == stored(h))
                return true;
            if (slots_[i] == Free)
                return false;
        }
    }

private:
    static constexpr Hash Free = 0;
    // A hash of 0 is kept as 1: at worst a line is searched for that
    // could have been set aside.
    static Hash stored(Hash h) { return h == Free ? 1 : h; }
    std::size_t slotOf(Hash h) const
    {
        h = stored(h);
        return static_cast<std::size_t>((h ^ (h >> 32)) * 0x9E3779B97F4A7C15ull >> 7) & (slots_.size() - 1);
    }

    std::vector<Hash> slots_;
};

// Beyond this, the search for the shortest edit script gives up: lines that
// both texts hold but in another order cost it quadratic time.
constexpr std::size_t MaxSearchedDifferences = 4000;

// The shortest edit script between two sequences (Myers' algorithm, in
// linear space): marks what of `a` is taken out and what of `b` put in.
// Gives up, returning false, when the script would be longer than `limit`.
class ShortestEdit {
public:
    using Index = std::ptrdiff_t;

    ShortestEdit(const std::vector<Hash>& a, const std::vector<Hash>& b, std::vector<char>& removed,
                 std::vector<char>& added)
        : a_(a), b_(b), removed_(removed), added_(added)
    {
    }

    bool run(std::size_t limit)
    {
        // The halves of the first split are shorter than the whole, which
        // the limit has bounded: only the first search needs a limit.
        maxD_ = static_cast<Index>(limit / 2 + 1);
        return compare(0, static_cast<Index>(a_.size()), 0, static_cast<Index>(b_.size()));
    }

private:
    bool compare(Index aLo, Index aHi, Index bLo, Index bHi)
    {
        while (aLo < aHi && bLo < bHi && a_[aLo] == b_[bLo]) {
            ++aLo;
            ++bLo;
        }
        while (aLo < aHi && bLo < bHi && a_[aHi - 1] == b_[bHi - 1]) {
            --aHi;
            --bHi;
        }
        if (aLo == aHi || bLo == bHi || (aHi - aLo == 1 && bHi - bLo == 1)) {
            std::fill(removed_.begin() + aLo, removed_.begin() + aHi, 1);
            std::fill(added_.begin() + bLo, added_.begin() + bHi, 1);
            return true;
        }
        Index x = 0, y = 0;
        if (!middleSnake(aLo, aHi, bLo, bHi, x, y))
            return false;
        maxD_ = -1;
        return compare(aLo, aLo + x, bLo, bLo + y) && compare(aLo + x, aHi, bLo + y, bHi);
    }

    // Searches from both ends at once until the paths meet; (x, y) is where.
    bool middleSnake(Index aLo, Index aHi, Index bLo, Index bHi, Index& x, Index& y)
    {
        const Index n = aHi - aLo, m = bHi - bLo;
        const Index maxD = (n + m + 1) / 2;
        const Index offset = maxD + 1;
        forward_.assign(static_cast<std::size_t>(2 * offset + 2), -1);
        backward_.assign(forward_.size(), -1);
        forward_[static_cast<std::size_t>(offset + 1)] = 0;
        backward_[static_cast<std::size_t>(offset + 1)] = 0;
        const Index delta = n - m;
        const bool odd = delta % 2 != 0;
        const auto at = [&](std::vector<Index>& v, Index k) -> Index& { return v[static_cast<std::size_t>(offset + k)]; };
        Index k1start = 0, k1end = 0, k2start = 0, k2end = 0;
        for (Index d = 0; d < maxD; ++d) {
            if (maxD_ >= 0 && d > maxD_)
                return false;
            for (Index k1 = -d + k1start; k1 <= d - k1end; k1 += 2) {
                Index x1 = (k1 == -d || (k1 != d && at(forward_, k1 - 1) < at(forward_, k1 + 1))) ? at(forward_, k1 + 1)
                                                                                                 : at(forward_, k1 - 1) + 1;
                Index y1 = x1 - k1;
                while (x1 < n && y1 < m && a_[aLo + x1] == b_[bLo + y1]) {
                    ++x1;
                    ++y1;
                }
                at(forward_, k1) = x1;
                if (x1 > n) {
                    k1end += 2;
                } else if (y1 > m) {
                    k1start += 2;
                } else if (odd) {
                    const Index k2 = delta - k1;
                    if (k2 >= -maxD && k2 <= maxD && at(backward_, k2) != -1 && x1 >= n - at(backward_, k2)) {
                        x = x1;
                        y = y1;
                        return true;
                    }
                }
            }
            for (Index k2 = -d + k2start; k2 <= d - k2end; k2 += 2) {
                Index x2 = (k2 == -d || (k2 != d && at(backward_, k2 - 1) < at(backward_, k2 + 1)))
                    ? at(backward_, k2 + 1)
                    : at(backward_, k2 - 1) + 1;
                Index y2 = x2 - k2;
                while (x2 < n && y2 < m && a_[aHi - x2 - 1] == b_[bHi - y2 - 1]) {
                    ++x2;
                    ++y2;
                }
                at(backward_, k2) = x2;
                if (x2 > n) {
                    k2end += 2;
                } else if (y2 > m) {
                    k2start += 2;
                } else if (!odd) {
                    const Index k1 = delta - k2;
                    if (k1 >= -maxD && k1 <= maxD && at(forward_, k1) != -1) {
                        const Index x1 = at(forward_, k1);
                        if (x1 >= n - x2) {
                            x = x1;
                            y = x1 - k1;
                            return true;
                        }
                    }
                }
            }
        }
        // The paths always meet; this only keeps the halves well formed.
        x = n;
        y = 0;
        return true;
    }

    const std::vector<Hash>& a_;
    const std::vector<Hash>& b_;
    std::vector<char>& removed_;
    std::vector<char>& added_;
    std::vector<Index> forward_;
    std::vector<Index> backward_;
    Index maxD_ = -1;
};

// Marks what of `a` is taken out and what of `b` put in. Items that the
// other side never holds cannot be kept: they are marked first and left out
// of the search, which then only has to place what both hold (a value set
// on 900 lines costs nothing to find). False beyond `limit` marks.
bool markDifferences(const std::vector<Hash>& a, const std::vector<Hash>& b, std::vector<char>& removed,
                     std::vector<char>& added, std::size_t limit)
{
    removed.assign(a.size(), 0);
    added.assign(b.size(), 0);
    const HashSet inA(a), inB(b);
    std::vector<Hash> keptA, keptB;
    std::vector<std::size_t> whereA, whereB;
    std::size_t marked = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (inB(a[i])) {
            keptA.push_back(a[i]);
            whereA.push_back(i);
        } else {
            removed[i] = 1;
            ++marked;
        }
    }
    for (std::size_t j = 0; j < b.size(); ++j) {
        if (inA(b[j])) {
            keptB.push_back(b[j]);
            whereB.push_back(j);
        } else {
            added[j] = 1;
            ++marked;
        }
    }
    if (marked > limit)
        return false;
    std::vector<char> keptRemoved(keptA.size(), 0), keptAdded(keptB.size(), 0);
    if (!ShortestEdit(keptA, keptB, keptRemoved, keptAdded).run(std::min(limit - marked, MaxSearchedDifferences)))
        return false;
    for (std::size_t i = 0; i < keptA.size(); ++i)
        marked += keptRemoved[i] ? (removed[whereA[i]] = 1) : 0;
    for (std::size_t j = 0; j < keptB.size(); ++j)
        marked += keptAdded[j] ? (added[whereB[j]] = 1) : 0;
    return marked <= limit;
}

// What a line stands for when a key's old and new lines are paired: the
// key (in any case) for a key line, the line itself for any other.
std::string pairingName(std::string_view line)
{
    // Built by appending: GCC 12 warns falsely (-Wrestrict) about "k" + std::string(...).
    const lines::Parsed p = lines::parse(withoutEnding(line));
    std::string name(1, p.kind == lines::LineKind::Key ? 'k' : 'l');
    return name.append(p.kind == lines::LineKind::Key ? lowered(p.name) : std::string(line));
}

// How the lines of `a` stand in `b`: each one's counterpart, the line of b
// that holds it or, with other bytes, the same key; None when b no longer
// holds it. Lines of b that are nobody's counterpart were put in.
// Counterparts follow the order of `a`.
struct Alignment {
    std::vector<std::size_t> counterpart;
    std::vector<char> changed; // the counterpart's bytes differ
};

std::optional<Alignment> align(const Lines& a, const Lines& b)
{
    Alignment out;
    out.counterpart.assign(a.size(), None);
    out.changed.assign(a.size(), 0);
    // The common beginning and end are compared as bytes, without hashing.
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    for (std::size_t i = 0; i < head; ++i)
        out.counterpart[i] = i;
    for (std::size_t t = 1; t <= tail; ++t)
        out.counterpart[a.size() - t] = b.size() - t;

    const std::size_t aEnd = a.size() - tail, bEnd = b.size() - tail;
    std::vector<Hash> aHashes, bHashes;
    for (std::size_t i = head; i < aEnd; ++i)
        aHashes.push_back(hashOf(a[i]));
    for (std::size_t j = head; j < bEnd; ++j)
        bHashes.push_back(hashOf(b[j]));
    std::vector<char> removed, added;
    if (!markDifferences(aHashes, bHashes, removed, added, MaxCarriedDifferences))
        return std::nullopt;

    // Between two kept lines, the lines taken out and those put in are
    // paired by key where they can be: a value set is a changed line.
    std::size_t i = 0, j = 0;
    const std::size_t n = aHashes.size(), m = bHashes.size();
    while (i < n || j < m) {
        const std::size_t i0 = i, j0 = j;
        while (i < n && removed[i])
            ++i;
        while (j < m && added[j])
            ++j;
        if (i > i0 && j > j0) {
            std::vector<Hash> aNames, bNames;
            for (std::size_t x = i0; x < i; ++x)
                aNames.push_back(hashOf(pairingName(a[head + x])));
            for (std::size_t y = j0; y < j; ++y)
                bNames.push_back(hashOf(pairingName(b[head + y])));
            std::vector<char> gone, put;
            if (markDifferences(aNames, bNames, gone, put, MaxCarriedDifferences)) {
                for (std::size_t x = 0, y = 0;; ++x, ++y) {
                    while (x < gone.size() && gone[x])
                        ++x;
                    while (y < put.size() && put[y])
                        ++y;
                    if (x == gone.size() || y == put.size())
                        break;
                    const std::size_t from = head + i0 + x, to = head + j0 + y;
                    out.counterpart[from] = to;
                    out.changed[from] = a[from] != b[to];
                }
            }
        }
        if (i == n || j == m)
            break;
        out.counterpart[head + i] = head + j;
        out.changed[head + i] = a[head + i] != b[head + j];
        ++i;
        ++j;
    }
    return out;
}

// The section each line stands in: the name its header gives, "" before
// the first header.
std::vector<std::string_view> sectionsOf(const Lines& text)
{
    std::vector<std::string_view> sections(text.size());
    std::string_view section;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const lines::Parsed p = lines::parse(withoutEnding(text[i]));
        if (p.kind == lines::LineKind::Header)
            section = p.name;
        sections[i] = section;
    }
    return sections;
}

// One part of the change: `from` lines [fromBegin, fromEnd) become `to`
// lines [toBegin, toEnd). A value set is one line for one; a removal takes
// one line out; an insertion puts lines in before from line `fromBegin`.
struct Part {
    std::size_t fromBegin = 0, fromEnd = 0;
    std::size_t toBegin = 0, toEnd = 0;
    bool skipped = false;
    SkipReason reason = SkipReason::ChangedSince;
};

class Carrier {
public:
    Carrier(std::string_view from, std::string_view to, std::string_view current)
        : from_(splitLines(from)), to_(splitLines(to)), current_(splitLines(current))
    {
    }

    CarriedChange carry()
    {
        CarriedChange result;
        const std::optional<Alignment> change = align(from_, to_);
        const std::optional<Alignment> since = change ? align(from_, current_) : std::nullopt;
        if (!since) {
            result.text = joined(current_);
            result.skipped.push_back({SkipReason::TooLarge, {}});
            return result;
        }
        since_ = &*since;
        droppedBy_.assign(current_.size(), None);
        setBy_.assign(current_.size(), None);
        findGaps();
        splitIntoParts(*change);
        for (Part& part : parts_)
            decide(part);
        checkAddedKeys();
        while (!emit(result.text)) {
        }
        for (const Part& part : parts_) {
            if (part.skipped)
                result.skipped.push_back(report(part.reason, part.fromBegin, part.fromEnd, part.toBegin, part.toEnd));
        }
        return result;
    }

private:
    static std::string joined(const Lines& lines)
    {
        std::string text;
        for (std::string_view line : lines)
            text.append(line);
        return text;
    }

    void splitIntoParts(const Alignment& change)
    {
        std::size_t j = 0;
        for (std::size_t i = 0; i < from_.size(); ++i) {
            const std::size_t to = change.counterpart[i];
            if (to == None) {
                parts_.push_back({i, i + 1, 0, 0});
                continue;
            }
            if (j < to)
                parts_.push_back({i, i, j, to});
            if (change.changed[i])
                parts_.push_back({i, i + 1, to, to + 1});
            j = to + 1;
        }
        if (j < to_.size())
            parts_.push_back({from_.size(), from_.size(), j, to_.size()});
    }

    std::size_t inCurrent(std::size_t fromLine) const { return since_->counterpart[fromLine]; }
    bool changedSince(std::size_t fromLine) const { return since_->changed[fromLine]; }

    // Where the gap before from line `g` lies in current: the lines after
    // the nearest kept line before it and before the nearest kept line
    // after it, and whether both neighbours still stand.
    struct Gap {
        std::size_t begin = 0, end = 0;
        bool neighboursStand = false;
    };
    Gap gapBefore(std::size_t g) const
    {
        const bool left = g == 0 || inCurrent(g - 1) != None;
        const bool right = g == from_.size() || inCurrent(g) != None;
        return {gapBegin_[g], gapEnd_[g], left && right};
    }
    void findGaps()
    {
        gapBegin_.assign(from_.size() + 1, 0);
        gapEnd_.assign(from_.size() + 1, current_.size());
        for (std::size_t g = 1; g <= from_.size(); ++g)
            gapBegin_[g] = inCurrent(g - 1) != None ? inCurrent(g - 1) + 1 : gapBegin_[g - 1];
        for (std::size_t g = from_.size(); g-- > 0;)
            gapEnd_[g] = inCurrent(g) != None ? inCurrent(g) : gapEnd_[g + 1];
    }

    bool currentHolds(std::size_t begin, std::size_t end, std::size_t toBegin, std::size_t toEnd) const
    {
        return end - begin == toEnd - toBegin
            && std::equal(current_.begin() + static_cast<std::ptrdiff_t>(begin),
                          current_.begin() + static_cast<std::ptrdiff_t>(end),
                          to_.begin() + static_cast<std::ptrdiff_t>(toBegin));
    }

    void skip(Part& part, SkipReason reason)
    {
        part.skipped = true;
        part.reason = reason;
    }

    // Whether the part is carried (and where), already held by current
    // (nothing to do), or skipped.
    void decide(Part& part)
    {
        if (part.fromBegin == part.fromEnd) { // lines put in
            const Gap gap = gapBefore(part.fromBegin);
            if (gap.neighboursStand && gap.begin == gap.end) {
                placed_.push_back(static_cast<std::size_t>(&part - parts_.data()));
            } else if (!(gap.begin <= gap.end && currentHolds(gap.begin, gap.end, part.toBegin, part.toEnd))) {
                skip(part, SkipReason::PlaceUnclear);
            }
            return;
        }
        const std::size_t line = inCurrent(part.fromBegin);
        const bool removal = part.toBegin == part.toEnd;
        if (line == None) {
            if (!removal)
                skip(part, SkipReason::RemovedSince);
        } else if (!changedSince(part.fromBegin)) {
            (removal ? droppedBy_ : setBy_)[line] = static_cast<std::size_t>(&part - parts_.data());
        } else if (removal || current_[line] != to_[part.toBegin]) {
            skip(part, SkipReason::ChangedSince);
        }
    }

    // Lines put in that hold a key which another program has added since
    // (current holds it more often than `from` did) would stand beside that
    // program's line, one of them hiding the other: they are not carried.
    void checkAddedKeys()
    {
        if (placed_.empty())
            return;
        const auto name = [](std::string_view section, std::string_view key) {
            return lowered(section) + '\n' + lowered(key);
        };
        std::unordered_set<std::string> wanted;
        const std::vector<std::string_view> toSections = sectionsOf(to_);
        for (std::size_t index : placed_) {
            for (std::size_t t = parts_[index].toBegin; t < parts_[index].toEnd; ++t) {
                const lines::Parsed p = lines::parse(withoutEnding(to_[t]));
                if (p.kind == lines::LineKind::Key)
                    wanted.insert(name(toSections[t], p.name));
            }
        }
        if (wanted.empty())
            return;
        std::unordered_map<std::string, long> added; // current's count less from's
        const auto count = [&](const Lines& text, long sign) {
            const std::vector<std::string_view> sections = sectionsOf(text);
            for (std::size_t i = 0; i < text.size(); ++i) {
                const lines::Parsed p = lines::parse(withoutEnding(text[i]));
                if (p.kind != lines::LineKind::Key)
                    continue;
                std::string key = name(sections[i], p.name);
                if (wanted.count(key))
                    added[key] += sign;
            }
        };
        count(current_, 1);
        count(from_, -1);
        std::vector<std::size_t> kept;
        for (std::size_t index : placed_) {
            Part& part = parts_[index];
            bool clash = false;
            for (std::size_t t = part.toBegin; t < part.toEnd && !clash; ++t) {
                const lines::Parsed p = lines::parse(withoutEnding(to_[t]));
                clash = p.kind == lines::LineKind::Key && added[name(toSections[t], p.name)] > 0;
            }
            if (clash)
                skip(part, SkipReason::KeyAddedSince);
            else
                kept.push_back(index);
        }
        placed_ = std::move(kept);
    }

    // Writes current with the carried parts. Two lines must not run into
    // one (a line without an ending, or a lone CR before a line that begins
    // with LF): the part that would bring them together is skipped instead,
    // and false asks for another pass.
    bool emit(std::string& text)
    {
        text.clear();
        std::string_view last;
        std::size_t lastPart = None, dropper = None;
        std::optional<std::size_t> culprit;
        const auto put = [&](std::string_view line, std::size_t part) {
            if (culprit)
                return;
            const bool runsOn = !last.empty()
                && ((last.back() != '\n' && last.back() != '\r') || (last.back() == '\r' && line.front() == '\n'));
            const std::size_t cause = part != None ? part : dropper != None ? dropper : lastPart;
            if (runsOn && cause != None) {
                culprit = cause;
                return;
            }
            text.append(line);
            last = line;
            lastPart = part;
            dropper = None;
        };
        // Insertions come in the order of `from`, and so do their places.
        auto next = placed_.begin();
        for (std::size_t c = 0; c <= current_.size() && !culprit; ++c) {
            for (; next != placed_.end() && gapBefore(parts_[*next].fromBegin).begin == c; ++next) {
                const Part& part = parts_[*next];
                for (std::size_t t = part.toBegin; t < part.toEnd && !part.skipped; ++t)
                    put(to_[t], *next);
            }
            if (c == current_.size())
                break;
            if (droppedBy_[c] != None && !parts_[droppedBy_[c]].skipped)
                dropper = droppedBy_[c];
            else if (setBy_[c] != None && !parts_[setBy_[c]].skipped)
                put(to_[parts_[setBy_[c]].toBegin], setBy_[c]);
            else
                put(current_[c], None);
        }
        if (culprit) {
            skip(parts_[*culprit], SkipReason::PlaceUnclear);
            return false;
        }
        return true;
    }

    SkippedPart report(SkipReason reason, std::size_t fromBegin, std::size_t fromEnd, std::size_t toBegin,
                       std::size_t toEnd)
    {
        if (fromSections_.empty()) {
            fromSections_ = sectionsOf(from_);
            toSections_ = sectionsOf(to_);
        }
        SkippedPart part{reason, {}};
        std::unordered_set<std::string> seen;
        const auto add = [&](const Lines& text, const std::vector<std::string_view>& sections, std::size_t i) {
            const lines::Parsed p = lines::parse(withoutEnding(text[i]));
            if (p.kind != lines::LineKind::Key)
                return;
            SkippedKey key{std::string(sections[i]), std::string(p.name)};
            if (seen.insert(key.section + '\n' + key.key).second)
                part.keys.push_back(std::move(key));
        };
        for (std::size_t i = fromBegin; i < fromEnd; ++i)
            add(from_, fromSections_, i);
        for (std::size_t t = toBegin; t < toEnd; ++t)
            add(to_, toSections_, t);
        return part;
    }

    Lines from_, to_, current_;
    const Alignment* since_ = nullptr;
    std::vector<Part> parts_;
    std::vector<std::size_t> placed_;            // the insertions to carry, in order
    std::vector<std::size_t> droppedBy_;         // for each current line, the part that takes it out
    std::vector<std::size_t> setBy_;             // for each current line, the part that sets it
    std::vector<std::size_t> gapBegin_, gapEnd_; // see gapBefore
    std::vector<std::string_view> fromSections_, toSections_;
};

} // namespace

CarriedChange carryChange(std::string_view from, std::string_view to, std::string_view current)
{
    // Nothing changed since, or nothing to carry: no need to compare lines.
    if (current == from || current == to)
        return {std::string(to), {}};
    if (from == to)
        return {std::string(current), {}};
    return Carrier(from, to, current).carry();
}

} // namespace profile
