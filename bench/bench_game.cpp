// Times reading a System folder's .int files, telling whether they changed,
// and checking a full roster
// against them. The folder is generated in a temporary folder: 500 files as
// an install with many mods has them (450 skin packs of about 2 KB, 40 mods
// of about 20 KB, 10 of the game's large files of about 200 KB, each with a
// [Public] section and a block of localised text). Prints the first reading
// and the median of 30 more (the files then in the system's cache), in
// milliseconds.

#include "game/declarations.h"
#include "game/roster_check.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string skinPack(int n)
{
    const std::string package = "Bench" + std::to_string(n) + "Skins";
    std::string text = "[Public]\r\n";
    for (const char* skin : {"alfa", "brav", "char"}) {
        text += "Object=(Name=" + package + "." + skin + "1,Class=Texture,Description=\"Skin " + skin + "\")\r\n";
        for (const char* face : {"Ash", "Birch", "Cedar"})
            text += "Object=(Name=" + package + "." + skin + "5" + face + ",Class=Texture,Description=\"" + face
                + "\")\r\n";
    }
    text += "\r\n[Setup]\r\n";
    while (text.size() < 2000)
        text += "LocalText" + std::to_string(text.size()) + "=\"Words the game shows, one line of many\"\r\n";
    return text;
}

std::string modPackage(int n, std::size_t size, int objects)
{
    const std::string package = "BenchMod" + std::to_string(n);
    std::string text = "[Public]\r\n";
    for (int i = 0; i < objects; ++i) {
        const std::string item = "Thing" + std::to_string(i);
        const char* meta = i % 4 == 0 ? "Botpack.Bot" : i % 4 == 1 ? "Botpack.TournamentPlayer"
                         : i % 4 == 2 ? "Botpack.TournamentWeapon" : "Engine.Mutator";
        text += "Object=(Name=" + package + "." + item + ",Class=Class,MetaClass=" + meta + ",Description=\"" + item
            + ", and what it does\")\r\n";
    }
    text += "\r\n[Messages]\r\n";
    while (text.size() < size)
        text += "Message" + std::to_string(text.size()) + "=\"%k killed %o with a weapon of some sort.\"\r\n";
    return text;
}

void write(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// 101 bots with every key, their looks from the generated packages.
std::vector<profile::KeyValue> fullRoster()
{
    std::vector<profile::KeyValue> entries = {{"Difficulty", "3"}};
    for (int n = 0; n < 101; ++n) {
        const std::string i = std::string("[").append(std::to_string(n)).append("]");
        const std::string pack = "Bench" + std::to_string(n) + "Skins";
        for (const auto& [key, value] :
             {std::pair<std::string, std::string>{"BotNames", "Bot number " + std::to_string(n)},
              {"BotClasses", "BenchMod" + std::to_string(n % 40) + ".Thing0"},
              {"BotSkins", pack + ".alfa"}, {"BotFaces", pack + (n % 2 ? ".Birch" : ".Oak")},
              {"VoiceType", "COV_Voices.COVv_VoiceP1"}, {"FavoriteWeapon", "BenchMod1.Thing2"},
              {"BotTeams", std::to_string(n % 2)}, {"BotSkills", "1.000000"}, {"BotAccuracy", "0.500000"},
              {"CombatStyle", "-0.500000"}, {"Alertness", "0.250000"}, {"Camping", "0.300000"},
              {"StrafingAbility", "0.750000"}, {"BotJumpy", "1"}})
            entries.push_back({key + i, value});
    }
    return entries;
}

double milliseconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

template <class Work> void time(const char* what, Work&& work)
{
    auto start = std::chrono::steady_clock::now();
    const std::size_t result = work();
    const double first = milliseconds(std::chrono::steady_clock::now() - start);
    std::vector<double> times;
    for (int i = 0; i < 30; ++i) {
        start = std::chrono::steady_clock::now();
        work();
        times.push_back(milliseconds(std::chrono::steady_clock::now() - start));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-52s first %7.3f ms, median %7.3f ms (%zu)\n", what, first, times[times.size() / 2], result);
}

} // namespace

int main()
{
    const fs::path folder = fs::temp_directory_path()
        / ("bench_game_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::create_directories(folder);
    std::uintmax_t bytes = 0;
    for (int n = 0; n < 500; ++n) {
        const std::string text = n < 450 ? skinPack(n) : n < 490 ? modPackage(n - 450, 20'000, 40)
                                                                 : modPackage(n - 450, 200'000, 300);
        const fs::path path = folder / ((n < 450 ? "Bench" + std::to_string(n) + "Skins" : "BenchMod" + std::to_string(n - 450)) + ".int");
        write(path, text);
        bytes += text.size();
    }
    std::printf("%d .int files, %.1f MB\n", 500, static_cast<double>(bytes) / 1e6);

    const std::u8string folder8 = folder.u8string();
    const std::string system(folder8.begin(), folder8.end());
    time("ReadInstall, 500 files (objects)", [&] {
        const game::InstallReading install = game::ReadInstall(system);
        return install.declarations.list(game::Kind::Skin).size() + install.declarations.list(game::Kind::Face).size()
            + install.declarations.list(game::Kind::BotClass).size();
    });
    time("InstallStamp, 500 files (bytes)", [&] { return game::InstallStamp(system).size(); });
    const game::InstallReading install = game::ReadInstall(system);
    const std::vector<profile::KeyValue> roster = fullRoster();
    time("CheckRoster, 101 bots, every key, install known (findings)", [&] {
        return game::CheckRoster(roster, roster::TextEncoding::Windows1252, &install.declarations).findings.size();
    });
    time("CheckRoster, 101 bots, every key, no install (findings)", [&] {
        return game::CheckRoster(roster, roster::TextEncoding::Windows1252, nullptr).findings.size();
    });
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return 0;
}
