// Reading a bot file or a text from the clipboard (the same reader): the
// bots of every section offered, or a refusal, never both; the refusal is
// its pattern filled. The bots come back the same when written as a bot
// file with either line ending and read again, and the bots of a
// [CovertstrikeBots] section are the per-bot keys the INI engine finds in
// it. The file name suggested for each bot is safe to create.

#include "fuzz_input.h"
#include "profile/profile.h"
#include "roster/bot_file.h"

#include <map>
#include <set>

namespace {

bool sameBots(const std::vector<roster::SharedBot>& a, const std::vector<roster::SharedBot>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t n = 0; n < a.size(); ++n) {
        if (a[n].name != b[n].name || a[n].keys.size() != b[n].keys.size())
            return false;
        for (std::size_t k = 0; k < a[n].keys.size(); ++k) {
            const roster::BotKey& x = a[n].keys[k];
            const roster::BotKey& y = b[n].keys[k];
            if (x.prefix != y.prefix || x.rest != y.rest || x.value != y.value)
                return false;
        }
    }
    return true;
}

std::string lowered(std::string s)
{
    for (char& c : s)
        c = (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
    return s;
}

// The per-bot keys of the engine's reading of the bot file section, bot by
// bot in the order of their numbers, the first line of each key.
std::vector<std::string> engineKeys(std::string_view text)
{
    std::map<int, std::vector<std::string>> bots;
    std::set<std::string> seen;
    for (const profile::KeyValue& kv : profile::Document(text).entries(roster::BotFileSection)) {
        const auto split = roster::SplitBotKey(kv.key);
        if (split && seen.insert(std::to_string(split->number) + lowered(split->prefix + "[]" + split->rest)).second)
            bots[split->number].push_back(split->prefix + "[]" + split->rest + "=" + kv.value);
    }
    std::vector<std::string> keys;
    for (const auto& [number, bot] : bots)
        keys.insert(keys.end(), bot.begin(), bot.end());
    return keys;
}

void checkFileName(const std::string& name)
{
    const std::string file = roster::ExportFileName(name);
    const std::string_view suffix = roster::BotFileSuffix;
    require(file.size() > suffix.size() && file.ends_with(suffix), "a name before the suffix");
    const std::string_view stem = std::string_view(file).substr(0, file.size() - suffix.size());
    require(stem.size() <= 200, "a name of sane length");
    require(stem.front() != '.' && stem.front() != ' ' && stem.back() != '.' && stem.back() != ' ',
            "no dot or blank at either end");
    require(stem.find("..") == std::string_view::npos, "no run of dots");
    for (char c : stem)
        require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F
                    && std::string_view("<>:\"/\\|?*").find(c) == std::string_view::npos,
                "no separator, control or character Windows forbids");
    require(roster::ExportFileName(stem) == file, "a safe name stays as it is");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const roster::BotFileReading read = roster::ReadBotFile(bytes);
    require(read.sections.empty() != read.error.empty(), "bots or a refusal, never both, never neither");
    require(roster::FillPattern(read.pattern, read.arguments) == read.error, "a refusal is its pattern filled");
    for (const roster::BotSection& section : read.sections) {
        require(!section.bots.empty() && section.bots.size() <= std::size_t(roster::MaxListedBots),
                "a section offered holds bots, as many as a roster can");
        for (const std::string_view ending : {std::string_view("\n"), std::string_view("\r\n")}) {
            const roster::BotFileReading again = roster::ReadBotFile(roster::WriteBotFile(section.bots, "Fuzz", ending));
            require(again.error.empty() && again.sections.size() == 1, "a written bot file reads back");
            require(sameBots(again.sections[0].bots, section.bots), "the same bots come back");
        }
        for (const roster::SharedBot& bot : section.bots) {
            require(!bot.name.empty() && bot.name.find_first_not_of(" \t") != std::string::npos, "every bot has a name");
            checkFileName(bot.name);
        }
    }
    const bool plain = !bytes.starts_with("\xFF\xFE") && !bytes.starts_with("\xEF\xBB\xBF");
    if (plain && read.sections.size() == 1 && lowered(read.sections[0].name) == lowered(std::string(roster::BotFileSection))) {
        std::vector<std::string> keys;
        for (const roster::SharedBot& bot : read.sections[0].bots) {
            for (const roster::BotKey& key : bot.keys)
                keys.push_back(key.prefix + "[]" + key.rest + "=" + key.value);
        }
        require(keys == engineKeys(bytes), "the keys the INI engine reads in the section");
    }
    FuzzInput in(data, size);
    checkFileName(in.token());
    return 0;
}
