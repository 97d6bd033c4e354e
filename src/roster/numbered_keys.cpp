#include "roster/numbered_keys.h"

#include "roster/roster.h"

#include <algorithm>

namespace roster::detail {
namespace {

// SplitBotKey's reading of a key, without copying it: the number in the
// first brackets, plain decimal only, so that "[03]" is never taken for 3.
bool splitKey(std::string_view key, std::string_view& prefix, std::string_view& rest, int& number)
{
    const std::size_t open = key.find('[');
    const std::size_t close = open == std::string_view::npos ? open : key.find(']', open);
    if (close == std::string_view::npos)
        return false;
    const std::string_view digits = key.substr(open + 1, close - open - 1);
    if (digits.empty() || digits.size() > 3 || (digits.size() > 1 && digits.front() == '0'))
        return false;
    number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        number = number * 10 + (c - '0');
    }
    prefix = key.substr(0, open);
    rest = key.substr(close + 1);
    return true;
}

const std::string NameIdentity = Identity(NamePrefix.substr(0, NamePrefix.size() - 1), {});

} // namespace

std::string Lowered(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string Identity(std::string_view prefix, std::string_view rest)
{
    std::string id = Lowered(prefix);
    id.append("[]").append(Lowered(rest));
    return id;
}

std::string_view Unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return profile::trimSpaces(value);
}

NumberedKeys::NumberedKeys(const std::vector<profile::KeyValue>& entries, int numbers)
    : keys_(static_cast<std::size_t>(std::max(numbers, 0)))
{
    for (const profile::KeyValue& entry : entries) {
        HeldKey held;
        int number = 0;
        if (!splitKey(entry.key, held.prefix, held.rest, number) || number >= this->numbers())
            continue;
        held.key = entry.key;
        held.value = entry.value;
        held.identity = Identity(held.prefix, held.rest);
        std::vector<HeldKey>& bot = keys_[static_cast<std::size_t>(number)];
        const bool again = std::any_of(bot.begin(), bot.end(),
                                       [&](const HeldKey& k) { return k.identity == held.identity; });
        if (!again)
            bot.push_back(std::move(held));
    }
}

int NumberedKeys::highest() const
{
    for (int n = numbers() - 1; n >= 0; --n) {
        if (!at(n).empty())
            return n;
    }
    return -1;
}

int NumberedKeys::listed() const
{
    int n = 0;
    for (std::optional<std::string_view> held; n < numbers() && (held = name(n)) && !held->empty();)
        ++n;
    return n;
}

std::optional<std::string_view> NumberedKeys::value(int number, std::string_view identity) const
{
    for (const HeldKey& key : at(number)) {
        if (key.identity == identity)
            return key.value;
    }
    return std::nullopt;
}

std::optional<std::string_view> NumberedKeys::name(int number) const
{
    const std::optional<std::string_view> held = value(number, NameIdentity);
    if (!held)
        return std::nullopt;
    return Unquoted(*held);
}

std::vector<KeyParts> PartsOf(const std::vector<HeldKey>& keys)
{
    std::vector<KeyParts> parts;
    parts.reserve(keys.size());
    for (const HeldKey& key : keys)
        parts.push_back({key.prefix, key.rest, key.value});
    return parts;
}

void PlaceKeys(const NumberedKeys& held, int number, const std::vector<KeyParts>& keys,
               std::vector<profile::KeyValue>& edits)
{
    // Built by appending: GCC 12 warns falsely (-Wrestrict) about "[" + ...
    // when optimising.
    std::string digits("[");
    digits.append(std::to_string(number)).append("]");
    std::vector<std::string> given;
    given.reserve(keys.size());
    for (const KeyParts& key : keys) {
        given.push_back(Identity(key.prefix, key.rest));
        const std::optional<std::string_view> now = held.value(number, given.back());
        if (now && *now == key.value)
            continue; // its line stays as it is, spacing and all
        std::string name(key.prefix);
        name.append(digits).append(key.rest);
        edits.push_back({std::move(name), std::string(key.value)});
    }
    for (const HeldKey& key : held.at(number)) {
        if (std::find(given.begin(), given.end(), key.identity) == given.end())
            edits.push_back({std::string(key.key), {}, true});
    }
}

void Renumber(const NumberedKeys& held, const std::vector<int>& sourceOf, std::vector<profile::KeyValue>& edits)
{
    for (int m = 0; m < static_cast<int>(sourceOf.size()) && m < held.numbers(); ++m) {
        const int source = sourceOf[static_cast<std::size_t>(m)];
        if (source != m)
            PlaceKeys(held, m, source < 0 ? std::vector<KeyParts>{} : PartsOf(held.at(source)), edits);
    }
}

} // namespace roster::detail
