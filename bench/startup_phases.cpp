// A start-up probe: the program's own start, step by step. It does what the program's entry point
// does (the real MainWindow's Create and Show, the message loop) and marks where each phase of the
// creation path begins, seen from outside the window's code: window creation, the fonts, the window
// menu, the first paint and the foreground call through this module's import table, and the
// registry read through the window's registry seam, which passes every call on to the real
// registry. No Windows hook is used: under Wine each hook call is a trip to the server, which would
// slow the very phases it marks. It reports its marks once the queue is empty (probe_report.h) and
// then runs until the start-up benchmark closes its window, like the program.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <cwchar>

#include "app/message_loop.h"
#include "bench/probe_report.h"
#include "ui/main_window/main_window.h"

namespace {

zintar::bench::ProbeReport report;
HWND mainWindow = nullptr;

// --- Import-table hooks: a wrapper marks, then calls what the slot held. ---

void* PatchImport(const char* dll, const char* function, void* replacement) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress)
        return nullptr;
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         d->Name; ++d) {
        if (_stricmp(reinterpret_cast<const char*>(base + d->Name), dll) != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0)
                continue;
            DWORD old = 0;
            if (!VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), PAGE_READWRITE,
                                &old))
                return nullptr;
            void* original = reinterpret_cast<void*>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), old, &old);
            return original;
        }
    }
    return nullptr;
}

decltype(&::CreateWindowExW) realCreateWindow = nullptr;
decltype(&::CreateFontIndirectW) realCreateFont = nullptr;
decltype(&::GetSystemMenu) realGetSystemMenu = nullptr;
decltype(&::BeginPaint) realBeginPaint = nullptr;
decltype(&::SetForegroundWindow) realSetForegroundWindow = nullptr;

// The first top-level window is the main window; its first child begins the controls; a
// tooltip is a popup of its own class.
HWND WINAPI MarkedCreateWindow(DWORD exStyle, LPCWSTR cls, LPCWSTR title, DWORD style, int x, int y,
                               int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                               LPVOID param) {
    const bool named = !IS_INTRESOURCE(cls);
    if (!mainWindow && !parent)
        report.Mark("main window");
    else if (mainWindow && parent == mainWindow && !(style & WS_POPUP))
        report.Mark("child windows");
    else if (named && _wcsicmp(cls, TOOLTIPS_CLASSW) == 0)
        report.Mark("tooltip");
    HWND created = realCreateWindow(exStyle, cls, title, style, x, y, width, height, parent, menu,
                                    instance, param);
    if (!mainWindow && !parent)
        mainWindow = created;
    return created;
}

HFONT WINAPI MarkedCreateFont(const LOGFONTW* font) {
    report.Mark("fonts");
    return realCreateFont(font);
}

HMENU WINAPI MarkedGetSystemMenu(HWND hwnd, BOOL revert) {
    report.Mark("window menu");
    return realGetSystemMenu(hwnd, revert);
}

HDC WINAPI MarkedBeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
    report.Mark("first paint");
    return realBeginPaint(hwnd, paint);
}

BOOL WINAPI MarkedSetForegroundWindow(HWND hwnd) {
    report.Mark("foreground and focus");
    return realSetForegroundWindow(hwnd);
}

// --- The registry seam: the real registry, the read marked. ---

const zintar::win32::RegistryApi& real = zintar::win32::RealRegistry();

LSTATUS WINAPI MarkedOpenKey(HKEY key, LPCSTR name, DWORD options, REGSAM access, PHKEY out) {
    report.Mark("registry read");
    const LSTATUS status = real.openKeyEx(key, name, options, access, out);
    if (status != ERROR_SUCCESS) // no value stored yet: the read ends here
        report.Mark("captions and first state");
    return status;
}
LSTATUS WINAPI MarkedQueryValue(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                LPDWORD size) {
    return real.queryValueEx(key, name, reserved, type, data, size);
}
LSTATUS WINAPI MarkedCreateKey(HKEY key, LPCSTR name, DWORD reserved, LPSTR cls, DWORD options,
                               REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY out,
                               LPDWORD disposition) {
    return real.createKeyEx(key, name, reserved, cls, options, access, security, out, disposition);
}
LSTATUS WINAPI MarkedSetValue(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                              DWORD size) {
    return real.setValueEx(key, name, reserved, type, data, size);
}
LSTATUS WINAPI MarkedCloseKey(HKEY key) {
    const LSTATUS status = real.closeKey(key);
    report.Mark("captions and first state");
    return status;
}

const zintar::win32::RegistryApi kMarkedRegistry{
    &MarkedOpenKey, &MarkedQueryValue, &MarkedCreateKey, &MarkedSetValue, &MarkedCloseKey};

template <typename Function>
bool Patch(const char* dll, const char* name, Function replacement, Function& real) {
    real = reinterpret_cast<Function>(PatchImport(dll, name, reinterpret_cast<void*>(replacement)));
    return real != nullptr;
}

bool InstallMarks() {
    return Patch("user32.dll", "CreateWindowExW", &MarkedCreateWindow, realCreateWindow) &&
           Patch("gdi32.dll", "CreateFontIndirectW", &MarkedCreateFont, realCreateFont) &&
           Patch("user32.dll", "GetSystemMenu", &MarkedGetSystemMenu, realGetSystemMenu) &&
           Patch("user32.dll", "BeginPaint", &MarkedBeginPaint, realBeginPaint) &&
           Patch("user32.dll", "SetForegroundWindow", &MarkedSetForegroundWindow,
                 realSetForegroundWindow);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    report.Mark("import-table marks");
    if (!InstallMarks())
        return 3;
    report.Mark("window classes and icons");
    zintar::PlatformSeams platform;
    platform.registry = &kMarkedRegistry;
    zintar::MainWindow window(platform);
    if (!window.Create(instance, /*endsProgram=*/true))
        return 1;
    report.Mark("show window");
    window.Show(showCommand);
    report.Mark("to idle");
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        zintar::ProcessMessage(window.hwnd(), msg);
    report.Mark("idle");
    if (!report.Send())
        return 4;
    return zintar::RunMessageLoop(window.hwnd());
}
