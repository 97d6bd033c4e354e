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

// A library bot's keys in the roster file's bytes; nothing when one of its
// texts cannot stand in the file.
std::optional<std::vector<BotKey>> encodedKeys(const SharedBot& bot, TextEncoding encoding)
{
    std::vector<BotKey> keys;
    keys.reserve(bot.keys.size());
    const auto encoded = [&](const std::string& text, std::string& bytes) {
        std::optional<std::string> made = encodeText(text, encoding);
        if (!made || profile::unsafeCharacter(*made))
            return false;
        bytes = std::move(*made);
        return true;
    };
    for (const BotKey& key : bot.keys) {
        BotKey& out = keys.emplace_back();
        if (!encoded(key.prefix, out.prefix) || !encoded(key.rest, out.rest) || !encoded(key.value, out.value))
            return std::nullopt;
    }
    return keys;
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
    std::vector<std::vector<BotKey>> dealt;
    for (std::size_t i = 0; dealt.size() < targets.size() && i < pool.size(); ++i) {
        std::swap(pool[i], pool[i + static_cast<std::size_t>(draws.between(0, static_cast<int>(pool.size() - i - 1)))]);
        const SharedBot& bot = library[pool[i]].bot;
        std::string name = NameKey(bot.name);
        if (names.contains(name))
            continue;
        if (std::optional<std::vector<BotKey>> keys = encodedKeys(bot, encoding)) {
            names.insert(std::move(name));
            dealt.push_back(std::move(*keys));
        }
    }
    if (dealt.size() < targets.size()) {
        // The whole pool was drawn: every bot with a name of its own is dealt.
        planned.refusal = refusal(CBT_WORD("roster", "Only %1 bots with names of their own pass the filters, and %2 "
                                                     "are needed. Nothing was dealt."),
                                  {std::to_string(dealt.size()), std::to_string(targets.size())});
        return planned;
    }

    for (std::size_t i = 0; i < targets.size(); ++i) {
        std::vector<BotKey>& keys = dealt[i];
        if (request.teams == TeamChoice::Balanced) {
            const int team = reds <= blues ? 0 : 1;
            ++(team == 0 ? reds : blues);
            const std::string value = BoxTextForPosition(RosterFields[TeamBox], team);
            const auto it = std::find_if(keys.begin(), keys.end(), [](const BotKey& key) {
                return key.rest.empty() && detail::Identity(key.prefix, {}) == TeamIdentity;
            });
            if (it != keys.end())
                it->value = value;
            else
                keys.push_back({"BotTeams", {}, value});
        }
        std::vector<detail::KeyParts> parts;
        for (const BotKey& key : keys)
            parts.push_back({key.prefix, key.rest, key.value});
        detail::PlaceKeys(held, targets[i], parts, planned.edits);
    }
    for (int n = count; n < MaxListedBots; ++n)
        detail::PlaceKeys(held, n, {}, planned.edits);
    return planned;
}

} // namespace roster
