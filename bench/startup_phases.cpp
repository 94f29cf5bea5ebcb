// A start-up probe: the program's own start, step by step. It does what the program's entry
// point does (the common controls, the real MainWindow's Create and Show, the message loop)
// and marks where each phase of the creation path begins, seen from outside the window's
// code: window creation through a CBT hook, the first paint through a call-window hook, the
// fonts, the window menu and the foreground call through this module's import table, and the
// registry read through the window's registry seam, which passes every call on to the real
// registry. It reports its marks once the queue is empty (probe_report.h) and then runs
// until the start-up benchmark closes its window, like the program.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <cwchar>

#include "app/message_loop.h"
#include "bench/probe_report.h"
#include "ui/main_window.h"

namespace {

zintar::bench::ProbeReport report;
HWND mainWindow = nullptr;
HHOOK creationHook = nullptr;
HHOOK paintHook = nullptr;

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

decltype(&::CreateFontIndirectW) realCreateFont = nullptr;
decltype(&::GetSystemMenu) realGetSystemMenu = nullptr;
decltype(&::SetForegroundWindow) realSetForegroundWindow = nullptr;

HFONT WINAPI MarkedCreateFont(const LOGFONTW* font) {
    report.Mark("fonts");
    return realCreateFont(font);
}

HMENU WINAPI MarkedGetSystemMenu(HWND hwnd, BOOL revert) {
    report.Mark("window menu");
    return realGetSystemMenu(hwnd, revert);
}

BOOL WINAPI MarkedSetForegroundWindow(HWND hwnd) {
    report.Mark("foreground and focus");
    return realSetForegroundWindow(hwnd);
}

// --- The registry seam: the real registry, the read marked. ---

const zintar::RegistryApi& real = zintar::RealRegistry();

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

const zintar::RegistryApi kMarkedRegistry{&MarkedOpenKey, &MarkedQueryValue, &MarkedCreateKey,
                                          &MarkedSetValue, &MarkedCloseKey};

// --- Window hooks ---

bool IsClass(const CREATESTRUCTW& create, const wchar_t* name) {
    return !IS_INTRESOURCE(create.lpszClass) && _wcsicmp(create.lpszClass, name) == 0;
}

LRESULT CALLBACK OnCreation(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTW& create = *reinterpret_cast<CBT_CREATEWNDW*>(lp)->lpcs;
        if (!mainWindow && !create.hwndParent) {
            mainWindow = reinterpret_cast<HWND>(wp);
            report.Mark("main window");
        } else if (mainWindow && create.hwndParent == mainWindow && !(create.style & WS_POPUP)) {
            report.Mark("child windows");
        } else if (IsClass(create, TOOLTIPS_CLASSW)) {
            report.Mark("tooltip");
        }
    }
    return CallNextHookEx(creationHook, code, wp, lp);
}

LRESULT CALLBACK OnSentMessage(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(lp)->message == WM_PAINT)
        report.Mark("first paint");
    return CallNextHookEx(paintHook, code, wp, lp);
}

bool InstallHooks() {
    realCreateFont = reinterpret_cast<decltype(realCreateFont)>(PatchImport(
        "gdi32.dll", "CreateFontIndirectW", reinterpret_cast<void*>(&MarkedCreateFont)));
    realGetSystemMenu = reinterpret_cast<decltype(realGetSystemMenu)>(
        PatchImport("user32.dll", "GetSystemMenu", reinterpret_cast<void*>(&MarkedGetSystemMenu)));
    realSetForegroundWindow = reinterpret_cast<decltype(realSetForegroundWindow)>(PatchImport(
        "user32.dll", "SetForegroundWindow", reinterpret_cast<void*>(&MarkedSetForegroundWindow)));
    creationHook = SetWindowsHookExW(WH_CBT, &OnCreation, nullptr, GetCurrentThreadId());
    paintHook = SetWindowsHookExW(WH_CALLWNDPROC, &OnSentMessage, nullptr, GetCurrentThreadId());
    return realCreateFont && realGetSystemMenu && realSetForegroundWindow && creationHook &&
           paintHook;
}

void RemoveHooks() {
    UnhookWindowsHookEx(creationHook);
    UnhookWindowsHookEx(paintHook);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    if (!InstallHooks())
        return 3;
    report.Mark("common controls");
    const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

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
    RemoveHooks();
    if (!report.Send())
        return 4;
    return zintar::RunMessageLoop(window.hwnd());
}
