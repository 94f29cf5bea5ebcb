// Reads the Zintar window from outside its process, the way a screen reader or a test
// would: the window's title and rectangle, then every child window in z-order (topmost
// first) with its layout name, class, rectangle in client pixels, visibility and text,
// and finally which control has the keyboard focus. Output is UTF-8, tab-separated.
//
//   inspector [--wait SECONDS]
//
// Exit code 0 when the window was found, 2 when it did not appear in time.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/control_ids.h"
#include "app/layout.h"

namespace {

constexpr wchar_t kFormClass[] = L"Zintar.frmZintar";

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
        return zintar::Design(zintar::CtlOfControlId(id)).name;
    return L"?" + std::to_wstring(id);
}

void Print(const std::wstring& line) {
    const std::string bytes = Utf8(line + L"\n");
    fwrite(bytes.data(), 1, bytes.size(), stdout);
}

} // namespace

int main(int argc, char** argv) {
    double waitSeconds = 0;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--wait" && i + 1 < argc)
            waitSeconds = std::atof(argv[++i]);

    HWND form = nullptr;
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(waitSeconds * 1000);
    for (;;) {
        form = FindWindowW(kFormClass, nullptr);
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
