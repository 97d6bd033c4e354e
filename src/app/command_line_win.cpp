#include "app/command_line.h"

#include "platform/identity.h"

#include <QCoreApplication>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

// Telling the command line's answers on Windows, where the program (a
// window program) is given no console: a redirected stream, the console
// of whoever started it, or a message box.

namespace app {
namespace {

std::wstring wide(const QString& text) { return text.toStdWString(); }

// Where Qt's catalogue words its standard buttons: the help box's OK is
// Qt's own word, in the player's language.
const char* const QtButtons = "QPlatformTheme";

// Writes `text` to `stream` when it is a file or a pipe (`CovBotEd --help >
// help.txt`, or a script reading it). False when there is no such stream.
bool writeRedirected(DWORD which, const QString& text)
{
    const HANDLE stream = ::GetStdHandle(which);
    if (stream == nullptr || stream == INVALID_HANDLE_VALUE)
        return false;
    const DWORD type = ::GetFileType(stream);
    if (type != FILE_TYPE_DISK && type != FILE_TYPE_PIPE)
        return false;
    const QByteArray bytes = text.toLocal8Bit();
    DWORD written = 0;
    return ::WriteFile(stream, bytes.constData(), DWORD(bytes.size()), &written, nullptr) != 0;
}

// Writes `text` to the console of the program that started this one (a
// command prompt). False when it was started from none (Explorer, a link).
bool writeToParentConsole(const QString& text)
{
    if (!::AttachConsole(ATTACH_PARENT_PROCESS))
        return false;
    const HANDLE console = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, 0, nullptr);
    bool written = false;
    if (console != INVALID_HANDLE_VALUE) {
        // The prompt came back when the program started: the answer goes
        // below it, on a line of its own.
        const std::wstring lines = L"\n" + wide(text);
        DWORD count = 0;
        written = ::WriteConsoleW(console, lines.c_str(), DWORD(lines.size()), &count, nullptr) != 0;
        ::CloseHandle(console);
    }
    ::FreeConsole();
    return written;
}

// A dialog template built in memory: the help's text (the message-box text
// control's id, 0xFFFF), an information icon and OK. Its controls are placed
// and sized to the text when it opens.
class HelpTemplate {
public:
    HelpTemplate()
    {
        const DWORD style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        dword(style);
        dword(0); // extended style
        word(3); // controls
        for (int i = 0; i < 4; ++i)
            word(0); // place and size: set on opening
        word(0); // no menu
        word(0); // the standard dialog class
        word(0); // no title yet
        word(9);
        text(L"MS Shell Dlg");
        control(SS_ICON | WS_CHILD | WS_VISIBLE, 0xFFFE, 0x0082);
        control(SS_LEFT | SS_NOPREFIX | WS_CHILD | WS_VISIBLE, 0xFFFF, 0x0082);
        control(BS_DEFPUSHBUTTON | WS_CHILD | WS_VISIBLE | WS_TABSTOP, IDOK, 0x0080);
    }

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void word(WORD w) { words_.push_back(w); }
    void dword(DWORD d)
    {
        word(LOWORD(d));
        word(HIWORD(d));
    }
    void text(const wchar_t* t)
    {
        do
            word(WORD(*t));
        while (*t++);
    }
    void control(DWORD style, WORD id, WORD systemClass)
    {
        if (words_.size() % 2)
            word(0); // each control starts on a DWORD
        dword(style);
        dword(0);
        for (int i = 0; i < 4; ++i)
            word(0);
        word(id);
        word(0xFFFF);
        word(systemClass);
        word(0); // no text yet
        word(0); // no creation data
    }

    std::vector<WORD> words_;
};

struct Help {
    std::wstring text;
    std::wstring title;
    std::wstring ok;
    HFONT font;
};

// Places the controls of the help box around the size of its text.
void layOut(HWND dialog, const Help& help)
{
    HWND icon = ::GetDlgItem(dialog, 0xFFFE);
    HWND text = ::GetDlgItem(dialog, 0xFFFF);
    HWND ok = ::GetDlgItem(dialog, IDOK);
    ::SendMessageW(icon, STM_SETICON, WPARAM(::LoadIconW(nullptr, IDI_INFORMATION)), 0);
    ::SendMessageW(text, WM_SETFONT, WPARAM(help.font), FALSE);
    ::SetWindowTextW(text, help.text.c_str());
    ::SetWindowTextW(ok, help.ok.c_str());
    ::SetWindowTextW(dialog, help.title.c_str());

    RECT need{0, 0, 0, 0};
    HDC dc = ::GetDC(text);
    const HGDIOBJ before = ::SelectObject(dc, help.font);
    ::DrawTextW(dc, help.text.c_str(), int(help.text.size()), &need, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
    ::SelectObject(dc, before);
    ::ReleaseDC(text, dc);
    // Margins and the button in dialog units, as Windows' own boxes have them.
    RECT units{7, 7, 50, 14};
    ::MapDialogRect(dialog, &units);
    const int margin = units.left;
    const int iconSize = ::GetSystemMetrics(SM_CXICON);
    const int textLeft = 2 * margin + iconSize;
    const int width = std::max<int>(textLeft + need.right + margin, units.right + 2 * margin);
    const int buttonTop = margin + std::max<int>(need.bottom, iconSize) + margin;
    const int height = buttonTop + units.bottom + margin;
    ::MoveWindow(icon, margin, margin, iconSize, iconSize, FALSE);
    ::MoveWindow(text, textLeft, margin, need.right, need.bottom, FALSE);
    ::MoveWindow(ok, width - margin - units.right, buttonTop, units.right, units.bottom, FALSE);

    RECT outer{0, 0, width, height};
    ::AdjustWindowRectEx(&outer, DWORD(::GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                         DWORD(::GetWindowLongW(dialog, GWL_EXSTYLE)));
    RECT desk{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &desk, 0);
    const int outerWidth = outer.right - outer.left;
    const int outerHeight = outer.bottom - outer.top;
    ::SetWindowPos(dialog, HWND_TOPMOST, desk.left + std::max<int>(0, (desk.right - desk.left - outerWidth) / 2),
                   desk.top + std::max<int>(0, (desk.bottom - desk.top - outerHeight) / 2), outerWidth, outerHeight,
                   0);
}

INT_PTR CALLBACK helpBox(HWND dialog, UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_INITDIALOG:
        layOut(dialog, *reinterpret_cast<const Help*>(l));
        ::SetForegroundWindow(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL) {
            ::EndDialog(dialog, IDOK);
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

// The help in a box of its own: a message box's font is proportional, and
// would break the columns of the option lines.
void showHelpBox(const QString& text, const QString& title)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW fixed = metrics.lfMessageFont;
    fixed.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    fixed.lfWidth = 0;
    ::lstrcpynW(fixed.lfFaceName, L"Consolas", LF_FACESIZE);
    Help help{wide(QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n"))), wide(title),
              wide(QCoreApplication::translate(QtButtons, "OK")), ::CreateFontIndirectW(&fixed)};
    const HelpTemplate layout;
    ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), layout.get(), nullptr, helpBox, LPARAM(&help));
    ::DeleteObject(help.font);
}

} // namespace

void tellPlayer(const QString& text, Telling how)
{
    const DWORD stream = how == Telling::Mistake ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    const QString line = how == Telling::Mistake
        ? QCoreApplication::applicationName() + QStringLiteral(": ") + text + QLatin1Char('\n')
        : text;
    if (writeRedirected(stream, line) || writeToParentConsole(line))
        return;
    const QString title = QString::fromUtf8(identity::Title);
    if (how == Telling::Help) {
        showHelpBox(text.trimmed(), title);
        return;
    }
    ::MessageBoxW(nullptr, wide(text.trimmed()).c_str(), wide(title).c_str(),
                  MB_OK | MB_SETFOREGROUND | MB_TOPMOST | (how == Telling::Mistake ? MB_ICONERROR : MB_ICONINFORMATION));
}

} // namespace app
