#pragma once

// Carrying a change of a profile file over the file as another program may
// have left it since: what undo and redo do. The texts are compared line by
// line, each line with its own ending; the profile rules serve only to pair
// a key's old and new line and to name the keys of what is not carried.
// Plain C++; knows nothing of bots.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace profile {

// Why a part of a change was not carried.
enum class SkipReason {
    ChangedSince,  // another program changed its lines since
    RemovedSince,  // another program removed its lines since
    PlaceUnclear,  // its lines would go where another program put lines of its own, or its neighbours are gone
    KeyAddedSince, // another program added one of its keys since: both would stand in the file
    TooLarge,      // the texts differ too much to be compared in good time: nothing was carried
};

// A key on a line of a part that was not carried: the section it stands in
// (as its header spells it; empty before the first header) and the key as
// spelled on the line.
struct SkippedKey {
    std::string section;
    std::string key;
    bool operator==(const SkippedKey&) const = default;
};

struct SkippedPart {
    SkipReason reason = SkipReason::ChangedSince;
    std::vector<SkippedKey> keys; // each once, in the file's order; none when its lines hold no key
};

struct CarriedChange {
    std::string text;
    std::vector<SkippedPart> skipped; // in the file's order
};

// The most lines that two texts may differ by (lines taken out and put in)
// for a change to be carried piece by piece.
inline constexpr std::size_t MaxCarriedDifferences = 20000;

// A change turned `from` into `to`; `current` is `from` as another program
// may have changed it since. Gives `current` with the change's parts carried
// over where `current` still holds their lines as `from` did, every other
// byte of `current` as it was. Undo is carryChange(after, before, current);
// redo is carryChange(before, after, current).
//
// The parts are small: a line whose value the change set is one part (a
// key's old and new lines are paired by the key's name), a removed line is
// one part, and lines the change put in one place are one part, which goes
// back between the same two neighbours when both still stand next to each
// other (with changed values or not). A part whose lines another program
// changed or removed, or whose place is no longer clear, is left as
// `current` has it and reported; a part that `current` already holds as the
// change made it is neither carried nor reported.
//
// Comparing is bounded: when `from` differs from `to` or from `current` by
// more than MaxCarriedDifferences lines, or by lines that both hold but in
// an order so different that finding the fewest differences would take
// long (a few thousand lines moved), nothing is carried and the whole
// change is reported as one TooLarge part without keys.
CarriedChange carryChange(std::string_view from, std::string_view to, std::string_view current);

} // namespace profile
