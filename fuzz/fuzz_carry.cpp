// Carrying a change over another program's edits: whatever the three texts,
// every line of the result is one of `current` or one of `to` (no two lines
// run into one), and the lines another program put into `current` stay.

#include "fuzz_input.h"
#include "profile/merge.h"

#include <map>

namespace {

std::map<std::string_view, long> countLines(std::string_view text)
{
    std::map<std::string_view, long> counts;
    for (std::string_view line : splitLines(text))
        ++counts[line];
    return counts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::string from = in.token();
    const std::string to = in.token();
    const std::string current = in.rest();
    const profile::CarriedChange carried = profile::carryChange(from, to, current);

    const auto ours = countLines(to);
    const auto theirs = countLines(current);
    const auto before = countLines(from);
    const auto result = countLines(carried.text);
    for (const auto& [line, count] : result)
        require(ours.count(line) || theirs.count(line), "every line comes from current or from the change");
    for (const auto& [line, count] : theirs) {
        const auto was = before.find(line);
        const long added = count - (was == before.end() ? 0 : was->second);
        const auto now = result.find(line);
        require(added <= 0 || (now != result.end() && now->second >= added), "another program's lines stay");
    }
    if (current == from)
        require(carried.text == to && carried.skipped.empty(), "a change over an unchanged file is the change");
    return 0;
}
