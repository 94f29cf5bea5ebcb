// A start-up probe: what each system DLL that Zintar imports costs to load into a fresh
// process, in time and in private bytes. It imports nothing but the kernel and the C
// runtime, loads the DLLs one by one, marks each, reports to the start-up benchmark
// (probe_report.h) and ends.
#include <windows.h>

#include <string>

#include "bench/probe_report.h"

namespace {

// user32 and advapi32 are the minimal window's as well (user32 brings gdi32 along); Zintar
// imports nothing more. The rest are what it loads on first use, measured for comparison:
// comctl32 with the first tooltip or the key history (imm32 comes with it), shell32 with
// the first click on the home page link.
struct Step {
    const wchar_t* dll;
    const char* phase;
};
constexpr Step kBeforeDriver[] = {{L"user32.dll", "load user32"},
                                  {L"advapi32.dll", "load advapi32"},
                                  {L"gdi32.dll", "load gdi32"}};
constexpr Step kAfterDriver[] = {{L"imm32.dll", "on first use: load imm32"},
                                 {L"comctl32.dll", "on first use: load comctl32"},
                                 {L"shell32.dll", "on first use: load shell32"}};

std::wstring SystemDirectory() {
    wchar_t path[MAX_PATH]{};
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(path, length) : std::wstring();
}

// Kept loaded, as an import would be: the next DLL finds what this one brought.
template <size_t N> bool LoadAll(const Step (&steps)[N], zintar::bench::ProbeReport& report) {
    const std::wstring system = SystemDirectory();
    for (const Step& step : steps) {
        report.Mark(step.phase);
        if (!LoadLibraryW((system + L"\\" + step.dll).c_str()))
            return false;
    }
    return true;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    zintar::bench::ProbeReport report;
    if (!LoadAll(kBeforeDriver, report))
        return 1;
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    // The graphics driver starts with the first use of the screen, which every window
    // program pays for; it is marked apart so that it is not counted to the next DLL.
    report.Mark("graphics driver (screen DC)");
    using GetDcFn = HDC(WINAPI*)(HWND);
    using ReleaseDcFn = int(WINAPI*)(HWND, HDC);
    auto getDc =
        reinterpret_cast<GetDcFn>(reinterpret_cast<void*>(GetProcAddress(user32, "GetDC")));
    auto releaseDc =
        reinterpret_cast<ReleaseDcFn>(reinterpret_cast<void*>(GetProcAddress(user32, "ReleaseDC")));
    if (!getDc || !releaseDc)
        return 1;
    releaseDc(nullptr, getDc(nullptr));
    if (!LoadAll(kAfterDriver, report))
        return 1;
    report.Mark("end");
    return report.Send() ? 0 : 1;
}
