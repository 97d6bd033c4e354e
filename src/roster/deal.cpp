#include "roster/deal.h"

#include "roster/numbered_keys.h"
#include "roster/scale.h"

#include <algorithm>
#include <set>

namespace roster {
namespace {

using detail::NumberedKeys;

constexpr int TeamBox = 2;
const std::string TeamIdentity = detail::Identity("BotTeams", {});


// Plain ASCII without a line break: its own bytes in every encoding.
bool ownBytes(const std::string& text)
{
    bool other = false; // no early exit: the loop is then done many bytes at a time
    for (const char c : text)
        other |= static_cast<unsigned char>(c) <= '\r' || static_cast<unsigned char>(c) >= 0x7F;
    return !other;
}

// A drawn bot and its keys in the roster file's bytes: the library bot's
// own, unless a text had to be encoded.
struct Drawn {
    const SharedBot* bot = nullptr;
    std::vector<BotKey> encoded;
    const std::vector<BotKey>& keys() const { return encoded.empty() ? bot->keys : encoded; }
};

// Whether every text of the bot can stand in the file, encoding them into
// `drawn` where they are not their own bytes.
bool encodeInto(Drawn& drawn, TextEncoding encoding)
{
    const std::vector<BotKey>& keys = drawn.bot->keys;
    if (std::all_of(keys.begin(), keys.end(),
                    [](const BotKey& k) { return ownBytes(k.prefix) && ownBytes(k.rest) && ownBytes(k.value); }))
        return true;
    const auto encoded = [&](const std::string& text, std::string& bytes) {
        std::optional<std::string> made = encodeText(text, encoding);
        if (!made || profile::unsafeCharacter(*made))
            return false;
        bytes = std::move(*made);
        return true;
    };
    for (const BotKey& key : keys) {
        BotKey& out = drawn.encoded.emplace_back();
        if (!encoded(key.prefix, out.prefix) || !encoded(key.rest, out.rest) || !encoded(key.value, out.value))
            return false;
    }
    return true;
}

bool isTeamKey(const BotKey& key)
{
    constexpr std::string_view team = "botteams";
    return key.rest.empty() && key.prefix.size() == team.size()
        && std::equal(team.begin(), team.end(), key.prefix.begin(),
                      [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b); });
}

Refusal refusal(const char* pattern, std::vector<std::string> arguments)
{
    return Refusal{pattern, std::move(arguments)};
}

} // namespace

RosterEdits PlanDeal(const std::vector<profile::KeyValue>& entries, TextEncoding encoding,
                     const std::vector<LibraryBot>& library, const DealRequest& request)
{
    RosterEdits planned;
    const int count = request.count;
    if (count < 1 || count > MaxListedBots) {
        planned.refusal = refusal(CBT_WORD("roster", "A dealt roster holds 1 to %1 bots, not %2. Nothing was dealt."),
                                  {std::to_string(MaxListedBots), std::to_string(count)});
        return planned;
    }
    const NumberedKeys held(entries, MaxListedBots);
    const int listed = held.listed();
    std::vector<bool> kept(static_cast<std::size_t>(count), false);
    std::set<std::string> names; // of the kept and the dealt bots
    int reds = 0;
    int blues = 0;
    for (BotIndex number : request.kept) {
        if (number < 0 || number >= listed) {
            planned.refusal = refusal(CBT_WORD("roster", "Bot %1 cannot be kept: it is not in the list of bots. "
                                                         "Nothing was dealt."),
                                      {std::to_string(number)});
            return planned;
        }
        if (number >= count) {
            planned.refusal = refusal(CBT_WORD("roster", "Bot %1 is kept, but a roster of %2 bots ends at bot %3. "
                                                         "Nothing was dealt."),
                                      {std::to_string(number), std::to_string(count), std::to_string(count - 1)});
            return planned;
        }
        if (kept[static_cast<std::size_t>(number)])
            continue;
        kept[static_cast<std::size_t>(number)] = true;
        names.insert(NameKey(decodeText(*held.name(number), encoding)));
        if (const std::optional<std::string_view> team = held.value(number, TeamIdentity)) {
            const std::string_view text = detail::Unquoted(*team);
            const double position = PositionForBoxText(RosterFields[TeamBox], text);
            if (IsTypedValue(RosterFields[TeamBox], text) && (position == 0 || position == 1))
                ++(position == 0 ? reds : blues);
        }
    }

    std::vector<std::size_t> pool;
    for (std::size_t i = 0; i < library.size(); ++i) {
        if (passes(library[i].bot, request.filter))
            pool.push_back(i);
    }
    std::vector<int> targets;
    for (int n = 0; n < count; ++n) {
        if (!kept[static_cast<std::size_t>(n)])
            targets.push_back(n);
    }
    // A draw without putting back: the pool's front holds the bots drawn.
    ValueDraws draws(request.seed);
    std::vector<Drawn> dealt;
    for (std::size_t i = 0; dealt.size() < targets.size() && i < pool.size(); ++i) {
        std::swap(pool[i], pool[i + static_cast<std::size_t>(draws.between(0, static_cast<int>(pool.size() - i - 1)))]);
        Drawn drawn{&library[pool[i]].bot, {}};
        std::string name = NameKey(drawn.bot->name);
        if (!names.contains(name) && encodeInto(drawn, encoding)) {
            names.insert(std::move(name));
            dealt.push_back(std::move(drawn));
        }
    }
    if (dealt.size() < targets.size()) {
        // The whole pool was drawn: every bot with a name of its own is dealt.
        planned.refusal = refusal(CBT_WORD("roster", "Only %1 bots with names of their own pass the filters, and %2 "
                                                     "are needed. Nothing was dealt."),
                                  {std::to_string(dealt.size()), std::to_string(targets.size())});
        return planned;
    }

    std::vector<detail::KeyParts> parts;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        std::string team; // the balanced team's value
        if (request.teams == TeamChoice::Balanced) {
            team = BoxTextForPosition(RosterFields[TeamBox], reds <= blues ? 0 : 1);
            ++(reds <= blues ? reds : blues);
        }
        parts.clear();
        bool teamSet = false;
        for (const BotKey& key : dealt[i].keys()) {
            const bool replaced = !team.empty() && isTeamKey(key);
            parts.push_back({key.prefix, key.rest, replaced ? std::string_view(team) : std::string_view(key.value)});
            teamSet = teamSet || replaced;
        }
        if (!team.empty() && !teamSet)
            parts.push_back({"BotTeams", {}, team});
        detail::PlaceKeys(held, targets[i], parts, planned.edits);
    }
    for (int n = count; n < MaxListedBots; ++n)
        detail::PlaceKeys(held, n, {}, planned.edits);
    return planned;
}

} // namespace roster
