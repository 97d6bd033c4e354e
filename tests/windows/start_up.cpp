// Starts the real CovBotEd.exe and goes through its start-up as a player
// would, from outside, through the windows the program shows:
//   start_up EDITOR.exe [ROSTER [ARGUMENT...]]
// (the arguments go to the editor; ROSTER may be empty). It starts the
// editor without a console, as Explorer does.
// Each message box is read (its icon and text), checked to show its whole
// title, and answered with OK; the file dialog is given ROSTER (typed into
// its file name box) or cancelled without one; once the main window is on
// the screen, with the keyboard, it is closed, as its close button closes
// it. Every step is printed on
// a line of its own, for the caller to compare:
//   message (icon): USE AT YOUR OWN RISK! ...
//   file dialog "Open": chose Z:\...\CovertstrikeUser.ini
//   main window "Covertstrike Bot Tweaker"
//   exit code 0
// Gives up after a minute without a new window, ending the program: only
// then, or when the editor cannot be started, does it end with exit code 1.

#include <windows.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

std::string utf8(const std::wstring& text)
{
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

void say(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::wstring windowText(HWND window)
{
    std::wstring text(std::size_t(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(::GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

std::wstring className(HWND window)
{
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, 256);
    return name;
}

struct Search {
    DWORD process;
    std::vector<HWND> found;
};

// The visible top-level windows of the process.
std::vector<HWND> windowsOf(DWORD process)
{
    Search search{process, {}};
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == s->process && ::IsWindowVisible(window))
                s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> childrenOf(HWND window)
{
    std::vector<HWND> found;
    ::EnumChildWindows(
        window,
        [](HWND child, LPARAM data) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Whether the message box shows an icon. Which one cannot be told from
// outside under Wine: there an icon belongs to the process that loaded it.
std::string iconOf(HWND box)
{
    for (HWND child : childrenOf(box))
        if (className(child) == L"Static" && (::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON
            && ::SendMessageW(child, STM_GETICON, 0, 0))
            return "icon";
    return "no icon";
}

// Whether a message box is wide enough for its whole title beside its
// close button.
bool holdsTitle(HWND box, const std::wstring& title)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HDC dc = ::GetDC(box);
    HFONT font = ::CreateFontIndirectW(&metrics.lfCaptionFont);
    HGDIOBJ old = ::SelectObject(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, title.c_str(), int(title.size()), &size);
    ::SelectObject(dc, old);
    ::DeleteObject(font);
    ::ReleaseDC(box, dc);
    RECT outline{};
    ::GetWindowRect(box, &outline);
    return outline.right - outline.left >= size.cx + ::GetSystemMetrics(SM_CXSIZE);
}

// Whether the window has the keyboard, or takes it within two seconds.
bool takesKeyboard(HWND window)
{
    for (int i = 0; i < 20 && ::GetForegroundWindow() != window; ++i)
        ::Sleep(100);
    return ::GetForegroundWindow() == window;
}

void press(HWND dialog, int button)
{
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
}

// The file dialog's file name box: the first visible edit box in it.
HWND fileNameBox(HWND dialog)
{
    for (HWND child : childrenOf(dialog))
        if (className(child) == L"Edit" && ::IsWindowVisible(child))
            return child;
    return nullptr;
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: start_up EDITOR.exe [ROSTER [ARGUMENT...]]\n");
        return 2;
    }
    const std::wstring roster = argc > 2 ? argv[2] : L"";
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    for (int i = 3; i < argc; ++i)
        commandLine += L" " + std::wstring(argv[i]);
    // What it prints goes to the caller's standard output, not a console.
    ::FreeConsole();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    // No standard streams either, as from Explorer.
    startup.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION editor{};
    if (!::CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &editor)) {
        say("cannot start the editor: error " + std::to_string(::GetLastError()));
        return 1;
    }

    std::set<HWND> answered;
    DWORD quiet = 0; // milliseconds without a new window
    bool closed = false;
    while (quiet < 60000) {
        if (::WaitForSingleObject(editor.hProcess, 100) == WAIT_OBJECT_0)
            break;
        quiet += 100;
        for (HWND window : windowsOf(editor.dwProcessId)) {
            if (answered.count(window))
                continue;
            const std::wstring title = windowText(window);
            if (className(window) != L"#32770") {
                if (title.empty())
                    continue; // not one of the program's own windows
                say("main window \"" + utf8(title) + "\"");
                if (!takesKeyboard(window))
                    say("main window without the keyboard");
                ::PostMessageW(window, WM_CLOSE, 0, 0);
                closed = true;
            } else if (HWND text = ::GetDlgItem(window, 0xFFFF)) { // a message box's text
                say("message (" + iconOf(window) + "): " + utf8(windowText(text)));
                if (!holdsTitle(window, title))
                    say("message box too narrow for its title \"" + utf8(title) + "\"");
                press(window, IDOK);
            } else if (HWND name = fileNameBox(window)) {
                if (roster.empty()) {
                    say("file dialog \"" + utf8(title) + "\": cancelled");
                    press(window, IDCANCEL);
                } else {
                    say("file dialog \"" + utf8(title) + "\": chose " + utf8(roster));
                    ::SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(roster.c_str()));
                    press(window, IDOK);
                }
            } else {
                continue; // still being built
            }
            answered.insert(window);
            quiet = 0;
        }
    }

    DWORD code = STILL_ACTIVE;
    if (::WaitForSingleObject(editor.hProcess, closed ? 30000 : 0) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(editor.hProcess, &code);
    if (code == STILL_ACTIVE) {
        say(closed ? "still running after its window was closed" : "no new window for a minute");
        ::TerminateProcess(editor.hProcess, 1);
        return 1;
    }
    say("exit code " + std::to_string(code));
    return 0;
}
