// Reads the Zintar window from outside its process, the way a screen reader or a test
// would: the window's title and rectangle, then every child window in z-order (topmost
// first) with its layout name, class, rectangle in client pixels, visibility and text,
// and finally which control has the keyboard focus. Output is UTF-8, tab-separated.
//
//   inspector [--wait SECONDS]
//   inspector --list [--pid PROCESS-ID] [--title TITLE] [--list-name NAME | --list-id ID]
//                    [--last ROWS] [--wait SECONDS]
//   inspector --children [--title TITLE] [--wait SECONDS]
//   inspector --msaa [--wait SECONDS]
//   inspector --extents [--wait SECONDS]
//
// With --msaa it prints, after the window line, what a screen reader gets through MSAA for
// each child in z-order, one line each (texts escaped as in the control lines; "-" for a
// name or value the object does not give, which a reader treats apart from an empty one):
//   msaa  LAYOUT-NAME  ROLE  NAME  VALUE      ROLE a word (button, link, editable, text,
//                                             client, ...) or the ROLE_SYSTEM_* number
// With --extents, for each child with a design font and a text, the size of its text in that
// font made at the window's DPI (GetDpiForWindow) beside its client area, so a script can
// tell a clipped caption; the inspector makes the font itself from the design's point size:
//   extent  LAYOUT-NAME  DPI  TEXT-WIDTH  TEXT-HEIGHT  CLIENT-WIDTH  CLIENT-HEIGHT
//
// With --list (or --pid or --title) it reads a list instead: the first ListView (window class
// SysListView32) in a visible top-level window, or with --list-name the first whose own text
// (its accessible name) is NAME, or with --list-id the one with that control id; that window
// chosen by its exact title, by its process, or else among the windows of the process that
// shows the Zintar window, topmost first. Texts are escaped as in the control lines; the
// lines are
//   list      TITLE-OF-ITS-WINDOW  CONTROL-ID  ROWS  COLUMNS
//   header    LEFT  TOP  WIDTH  HEIGHT          the column titles' control, screen pixels
//   column    INDEX  TITLE  WIDTH               one per column (width 0: hidden)
//   row       INDEX  CELL-0  CELL-1 ...         one per row (the last ROWS only with --last)
//   selected  [INDEX ...]                       the selected rows, ascending
//
// With --children it finds the window as --list does and prints each of its descendant
// windows in creation order, depth first, so that controls inside a container (a pane that
// scrolls) are read too; the rectangle in screen pixels:
//   child  CLASS  CONTROL-ID  LEFT  TOP  WIDTH  HEIGHT  visible|hidden  TEXT
//
// Exit code 0 when the window was found, 2 when it did not appear in time, 3 when the list
// could not be read (the reason on stderr; nothing on stdout).
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "command_line.h"
#include "list_view_reader.h"
#include "msaa_reader.h"

#include "ui/main_window/control_ids.h"
#include "ui/main_window/layout.h"

namespace {

constexpr wchar_t kMainWindowClass[] = L"Zintar.frmZintar";

std::string Utf8(const std::wstring& text) {
    if (text.empty())
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

// Control characters would break the line format; they are shown as \xNN.
std::wstring Escaped(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : text) {
        if (c < 32 || c == L'\\') {
            wchar_t buf[8];
            swprintf(buf, 8, L"\\x%02X", static_cast<unsigned>(c));
            out += buf;
        } else {
            out += c;
        }
    }
    return out;
}

std::wstring WindowText(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
        return L"<no answer>";
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::wstring NameOf(HWND child) {
    const int id = GetDlgCtrlID(child);
    if (zintar::IsControlId(id))
        return zintar::Design(zintar::ControlOfId(id)).name;
    return L"?" + std::to_wstring(id);
}

void Print(const std::wstring& line) {
    const std::string bytes = Utf8(line + L"\n");
    fwrite(bytes.data(), 1, bytes.size(), stdout);
}

struct Options {
    double waitSeconds = 0;
    bool list = false;
    bool children = false;
    bool msaa = false;
    bool extents = false;
    DWORD processId = 0; // 0: the process of the Zintar window
    bool byTitle = false;
    std::wstring title;
    bool byListName = false;
    std::wstring listName;
    int lastRows = INT_MAX;
    int listId = -1; // any
};

Options OptionsOf(const std::vector<std::wstring>& arguments) {
    Options options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& option = arguments[i];
        const bool valueFollows = i + 1 < arguments.size();
        if (option == L"--wait" && valueFollows) {
            options.waitSeconds = std::wcstod(arguments[++i].c_str(), nullptr);
        } else if (option == L"--extents") {
            options.extents = true;
        } else if (option == L"--msaa") {
            options.msaa = true;
        } else if (option == L"--list") {
            options.list = true;
        } else if (option == L"--children") {
            options.list = true;
            options.children = true;
        } else if (option == L"--pid" && valueFollows) {
            options.list = true;
            options.processId = std::wcstoul(arguments[++i].c_str(), nullptr, 0);
        } else if (option == L"--last" && valueFollows) {
            options.list = true;
            const long rows = std::wcstol(arguments[++i].c_str(), nullptr, 10);
            options.lastRows = static_cast<int>(std::clamp<long>(rows, 0, INT_MAX));
        } else if (option == L"--list-name" && valueFollows) {
            options.list = true;
            options.byListName = true;
            options.listName = arguments[++i];
        } else if (option == L"--list-id" && valueFollows) {
            options.list = true;
            options.listId = static_cast<int>(std::wcstol(arguments[++i].c_str(), nullptr, 10));
        } else if (option == L"--title" && valueFollows) {
            options.list = true;
            options.byTitle = true;
            options.title = arguments[++i];
        }
    }
    return options;
}

// The text's size in the control's design font at the window's DPI: what must fit the control
// for the caption to show whole.
void PrintExtents(HWND form) {
    // Looked up: the build targets systems older than the call.
    using DpiForWindow = UINT(WINAPI*)(HWND);
    const auto dpiForWindow = reinterpret_cast<DpiForWindow>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const UINT dpi = dpiForWindow ? dpiForWindow(form) : 0;
    const HDC dc = CreateCompatibleDC(nullptr);
    if (!dc || dpi == 0)
        return;
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        if (!zintar::IsControlId(id))
            continue;
        const zintar::ControlDesign& design = zintar::Design(zintar::ControlOfId(id));
        const std::wstring text = WindowText(child);
        if (design.font == zintar::FontId::None || text.empty())
            continue;
        const zintar::FontDesign& font = zintar::kFonts[static_cast<size_t>(design.font)];
        LOGFONTW lf{};
        lf.lfHeight = -MulDiv(font.hundredthsOfPoint, static_cast<int>(dpi), 7200);
        lf.lfWeight = font.weight;
        lf.lfUnderline = font.underline;
        lf.lfCharSet = EASTEUROPE_CHARSET;
        wcsncpy(lf.lfFaceName, font.face, LF_FACESIZE - 1);
        const HFONT made = CreateFontIndirectW(&lf);
        const HGDIOBJ old = SelectObject(dc, made);
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(dc, old);
        DeleteObject(made);
        RECT client{};
        GetClientRect(child, &client);
        Print(L"extent\t" + NameOf(child) + L"\t" + std::to_wstring(dpi) + L"\t" +
              std::to_wstring(size.cx) + L"\t" + std::to_wstring(size.cy) + L"\t" +
              std::to_wstring(client.right) + L"\t" + std::to_wstring(client.bottom));
    }
    DeleteDC(dc);
}

struct ListSearch {
    const Options& options;
    DWORD processId;
    HWND window = nullptr;
    HWND list = nullptr;
};

BOOL CALLBACK VisitTopLevel(HWND window, LPARAM searchAddress) {
    ListSearch& search = *reinterpret_cast<ListSearch*>(searchAddress);
    if (!IsWindowVisible(window))
        return TRUE;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (search.processId != 0 && processId != search.processId)
        return TRUE;
    if (search.options.byTitle && WindowText(window) != search.options.title)
        return TRUE;
    const HWND list = inspector::FindListView(
        window, search.options.byListName ? search.options.listName.c_str() : nullptr,
        search.options.listId);
    if (!list)
        return TRUE;
    search.window = window;
    search.list = list;
    return FALSE;
}

std::wstring RectText(const RECT& r) {
    return std::to_wstring(r.left) + L"\t" + std::to_wstring(r.top) + L"\t" +
           std::to_wstring(r.right - r.left) + L"\t" + std::to_wstring(r.bottom - r.top);
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
    wchar_t cls[64]{};
    GetClassNameW(child, cls, 64);
    RECT r{};
    GetWindowRect(child, &r);
    Print(L"child\t" + std::wstring(cls) + L"\t" + std::to_wstring(GetDlgCtrlID(child)) + L"\t" +
          RectText(r) + L"\t" + (IsWindowVisible(child) ? L"visible" : L"hidden") + L"\t" +
          Escaped(WindowText(child)));
    return TRUE;
}

int PrintList(const Options& options) {
    ListSearch search{options, options.processId};
    const ULONGLONG deadline =
        GetTickCount64() + static_cast<ULONGLONG>(options.waitSeconds * 1000);
    for (;;) {
        if (search.processId == 0 && !options.byTitle) {
            if (const HWND form = FindWindowW(kMainWindowClass, nullptr))
                GetWindowThreadProcessId(form, &search.processId);
        }
        if (search.processId != 0 || options.byTitle)
            EnumWindows(VisitTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.list)
            break;
        if (GetTickCount64() >= deadline) {
            fprintf(stderr, "inspector: no visible window with a list view\n");
            return 2;
        }
        Sleep(50);
    }

    if (options.children) {
        EnumChildWindows(search.window, PrintChild, 0);
        return 0;
    }
    inspector::ListViewContents contents;
    std::wstring error;
    if (!inspector::ListViewReader(search.list).Read(contents, error, options.lastRows)) {
        fprintf(stderr, "inspector: %s\n", Utf8(error).c_str());
        return 3;
    }
    Print(L"list\t" + Escaped(WindowText(search.window)) + L"\t" +
          std::to_wstring(GetDlgCtrlID(search.list)) + L"\t" + std::to_wstring(contents.rowCount) +
          L"\t" + std::to_wstring(contents.columns.size()));
    RECT header{};
    if (const HWND control = inspector::ListViewReader(search.list).SendHeader();
        control && GetWindowRect(control, &header))
        Print(L"header\t" + RectText(header));
    for (size_t c = 0; c < contents.columns.size(); ++c)
        Print(L"column\t" + std::to_wstring(c) + L"\t" + Escaped(contents.columns[c]) + L"\t" +
              std::to_wstring(contents.widths[c]));
    for (size_t r = 0; r < contents.rows.size(); ++r) {
        std::wstring line = L"row\t" + std::to_wstring(contents.firstRow + static_cast<int>(r));
        for (const std::wstring& cell : contents.rows[r])
            line += L"\t" + Escaped(cell);
        Print(line);
    }
    std::wstring selected = L"selected";
    for (int row : contents.selected)
        selected += L"\t" + std::to_wstring(row);
    Print(selected);
    return 0;
}

} // namespace

int main() {
    const Options options = OptionsOf(inspector::CommandLineArguments());
    if (options.list)
        return PrintList(options);
    const double waitSeconds = options.waitSeconds;

    HWND form = nullptr;
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(waitSeconds * 1000);
    for (;;) {
        form = FindWindowW(kMainWindowClass, nullptr);
        if (form && IsWindowVisible(form))
            break;
        if (GetTickCount64() >= deadline) {
            fprintf(stderr, "inspector: no visible Zintar window\n");
            return 2;
        }
        Sleep(50);
    }

    RECT outer{}, client{};
    GetWindowRect(form, &outer);
    GetClientRect(form, &client);
    Print(L"window\t" + WindowText(form) + L"\t" + std::to_wstring(outer.left) + L"\t" +
          std::to_wstring(outer.top) + L"\t" + std::to_wstring(outer.right - outer.left) + L"\t" +
          std::to_wstring(outer.bottom - outer.top) + L"\tclient\t" +
          std::to_wstring(client.right) + L"\t" + std::to_wstring(client.bottom));

    if (options.msaa) {
        // The reader's calls are marshalled through COM, which this thread must join.
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const inspector::MsaaFacts facts = inspector::ReadMsaa(child);
            if (!facts.found) {
                Print(L"msaa\t" + NameOf(child) + L"\tnone\t-\t-");
                continue;
            }
            Print(L"msaa\t" + NameOf(child) + L"\t" + inspector::RoleWord(facts.role) + L"\t" +
                  (facts.named ? Escaped(facts.name) : L"-") + L"\t" +
                  (facts.valued ? Escaped(facts.value) : L"-"));
        }
        return 0;
    }

    if (options.extents) {
        PrintExtents(form);
        return 0;
    }

    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[64]{};
        GetClassNameW(child, cls, 64);
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&r), 2);
        Print(NameOf(child) + L"\t" + cls + L"\t" + std::to_wstring(r.left) + L"\t" +
              std::to_wstring(r.top) + L"\t" + std::to_wstring(r.right - r.left) + L"\t" +
              std::to_wstring(r.bottom - r.top) + L"\t" +
              (IsWindowVisible(child) ? L"visible" : L"hidden") + L"\t" +
              Escaped(WindowText(child)));
    }

    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    const DWORD thread = GetWindowThreadProcessId(form, nullptr);
    std::wstring focus = L"none";
    if (GetGUIThreadInfo(thread, &info) && info.hwndFocus) {
        focus = info.hwndFocus == form ? L"frmZintar" : NameOf(info.hwndFocus);
    }
    Print(L"focus\t" + focus);
    return 0;
}
