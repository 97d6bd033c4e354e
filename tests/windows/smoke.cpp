// The INI engine and the roster built for Windows, run under Wine by
// scripts/check-windows: the Windows file layer reads, edits in place,
// replaces atomically, refuses a read-only file, follows the Windows rules
// for paths with non-ASCII names, clears what a killed write left behind,
// keeps UTF-16 files UTF-16, keeps the file's attributes and creation time,
// and names a file another program holds as in use, reading or writing.

#include "profile/profile_file.h"
#include "roster/roster.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

int failures = 0;
int passes = 0;

void check(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "PASS" : "FAIL", what);
    (ok ? passes : failures)++;
}

std::wstring wide(const std::string& s)
{
    std::wstring out(s.size(), L'\0');
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), out.data(), int(out.size()));
    out.resize(std::size_t(n));
    return out;
}

std::string readAll(const std::string& path)
{
    std::ifstream in(wide(path).c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeAll(const std::string& path, const std::string& bytes)
{
    std::ofstream(wide(path).c_str(), std::ios::binary | std::ios::trunc) << bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    const std::string sample = readAll(argv[1]);
    const std::string folder = std::string(argv[2]) + "\\Caf\xc3\xa9 \xe2\x98\x85";
    ::CreateDirectoryW(wide(folder).c_str(), nullptr);
    const std::string path = folder + "\\CovertstrikeUser.ini";
    writeAll(path, sample);
    check(readAll(path) == sample, "the sample is copied into a folder with a non-ASCII name");

    const roster::RosterFile file(path);
    const roster::BotNameList names = file.ListBotNames();
    check(names.names.size() == 16 && names.names[5] == "Cinder", "sixteen names are listed");
    const roster::LoadedBot bot = file.LoadBot(5);
    check(bot.fields[4].text == "0.200000", "bot 5 loads");

    roster::BotEdit edit;
    edit.nameChanged = false;
    edit.values[4] = "0.200000";
    edit.changed[4] = true;
    check(file.SaveBot(5, edit).ok && readAll(path) == sample, "writing a value back leaves the file identical");

    edit.values[4] = "-0.650000";
    check(file.SaveBot(5, edit).ok, "a changed value is saved");
    std::string expected = sample;
    expected.replace(expected.find("BotAccuracy[5]=0.200000"), 23, "BotAccuracy[5]=-0.650000");
    check(readAll(path) == expected, "only that line changed");

    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW(wide(folder + "\\*").c_str(), &found);
    int entries = 0;
    do
        entries += found.cFileName[0] != L'.' || found.cFileName[1] == L'C';
    while (::FindNextFileW(search, &found));
    ::FindClose(search);
    check(entries == 1, "no temporary file is left beside the roster");

    ::SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_READONLY);
    edit.values[4] = "0.100000";
    const roster::SaveOutcome refused = file.SaveBot(5, edit);
    check(!refused.ok && !refused.error.empty() && readAll(path) == expected, "a read-only file is refused, unchanged");
    std::printf("      (the system said: %s)\n", refused.error.c_str());
    check(refused.error.back() != '.', "the system's words come without their full stop");
    ::SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_NORMAL);

    // What makes the file itself outlives a save: its attributes and its
    // creation time (which Wine cannot set, so there it is not compared).
    const std::wstring native = wide(path);
    const FILETIME born{0x12345678, 0x01d00000};
    HANDLE touch = ::CreateFileW(native.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    ::SetFileTime(touch, &born, nullptr, nullptr);
    ::CloseHandle(touch);
    WIN32_FILE_ATTRIBUTE_DATA now{};
    ::GetFileAttributesExW(native.c_str(), GetFileExInfoStandard, &now);
    const bool bornKept = ::CompareFileTime(&now.ftCreationTime, &born) == 0;
    ::SetFileAttributesW(native.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);

    edit.values[4] = "0.300000";
    const roster::SaveOutcome kept = file.SaveBot(5, edit);
    ::GetFileAttributesExW(native.c_str(), GetFileExInfoStandard, &now);
    const DWORD hiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    check(kept.ok && (now.dwFileAttributes & hiddenSystem) == hiddenSystem,
          "a hidden system file stays hidden and system after a save");
    check(!bornKept || ::CompareFileTime(&now.ftCreationTime, &born) == 0, "a save keeps the file's creation time");
    ::SetFileAttributesW(native.c_str(), FILE_ATTRIBUTE_NORMAL);

    // A file that another program holds without sharing is named as in
    // use, whatever the system's words. (Wine does not make a lock stop a
    // read, so a locked file cannot be tried here.)
    HANDLE held = ::CreateFileW(native.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    edit.values[4] = "0.400000";
    const roster::SaveOutcome busy = file.SaveBot(5, edit);
    const roster::BotNameList listed = file.ListBotNames();
    ::CloseHandle(held);
    const std::string inUse = "The roster file is in use by another program (is the game running?)";
    check(!busy.ok && busy.error == inUse && listed.error == inUse, "a file held without sharing is named as in use");
    // Held for reading and writing but not deleting, it reads; the system
    // refuses replacing it as "access denied", which is in use too.
    const std::string unheld = readAll(path);
    held = ::CreateFileW(native.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
    const roster::SaveOutcome denied = file.SaveBot(5, edit);
    const bool read = file.ListBotNames().names.size() == 16;
    ::CloseHandle(held);
    check(read && !denied.ok && denied.inUse && denied.error == inUse && readAll(path) == unheld,
          "a file held open, shared but for deleting, reads, and a save says in use and changes nothing");
    std::printf("      (the save said: %s)\n", denied.error.c_str());

    // What a write killed midway left behind goes at the next save; a
    // stranger's file of a similar name stays.
    const std::string stale = folder + "\\.CovertstrikeUser.ini.cbt~a1B2c3";
    const std::string foreign = folder + "\\.CovertstrikeUser.ini.bak";
    writeAll(stale, "half");
    writeAll(foreign, "keep me");
    edit.values[4] = "0.200000";
    check(file.SaveBot(5, edit).ok && ::GetFileAttributesW(wide(stale).c_str()) == INVALID_FILE_ATTRIBUTES
              && readAll(foreign) == "keep me",
          "a stale temporary is removed, a stranger's file kept");

    const std::string missing = std::string(argv[2]) + "\\nowhere\\CovertstrikeUser.ini";
    const profile::WriteResult noFolder = profile::writeProfileString("S", "k", "v", missing);
    check(!noFolder.ok && !noFolder.error.empty(), "a missing folder is reported");
    std::printf("      (the system said: %s)\n", noFolder.error.c_str());

    const std::string fresh = folder + "\\New.ini";
    check(profile::writeProfileString("Section", "key", "value", fresh).ok
              && readAll(fresh) == "[Section]\r\nkey=value\r\n",
          "a new file is created as Windows creates it");

    static const char before[] = "\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0" "1\0\r\0\n\0";
    static const char after[] = "\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0" "2\0\r\0\n\0";
    writeAll(fresh, std::string(before, sizeof before - 1));
    check(profile::writeProfileString("S", "k", "2", fresh).ok && readAll(fresh) == std::string(after, sizeof after - 1),
          "a UTF-16 file stays UTF-16");

    std::printf("%d passed, %d failed\n", passes, failures);
    return failures == 0 ? 0 : 1;
}
