// The start-up baseline: the least a Win32 program does to put a window on the screen. One
// class, one small top-level window shown at once, one message loop. Whatever Zintar costs
// beyond this is Zintar's own.
//
// Built a second time with ZINTAR_BENCH_PROBE, it is also a start-up probe: it marks the
// same phases as the Zintar probe (startup_phases.cpp) where it has them and reports them
// once idle (probe_report.h). The baseline itself marks nothing.
#include <windows.h>

#ifdef ZINTAR_BENCH_PROBE
#include "bench/probe_report.h"
#endif

namespace {

constexpr wchar_t kClassName[] = L"ZintarBench.MinimalWindow";

#ifdef ZINTAR_BENCH_PROBE
constexpr bool kProbe = true;
zintar::bench::ProbeReport report;
void Mark(const char* phase) {
    report.Mark(phase);
}
bool Report() {
    return report.Send();
}
#else
constexpr bool kProbe = false;
void Mark(const char*) {}
bool Report() {
    return true;
}
#endif

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    Mark("window classes and icons");
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc))
        return 1;

    Mark("main window");
    HWND hwnd =
        CreateWindowExW(0, kClassName, L"Minimal window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 320, 200, nullptr, nullptr, instance, nullptr);
    if (!hwnd)
        return 1;
    Mark("show window");
    ShowWindow(hwnd, showCommand);
    Mark("first paint");
    UpdateWindow(hwnd);
    Mark("to idle");

    MSG msg{};
    if (kProbe) { // the queue emptied, as the Zintar probe does before it reports
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Mark("idle");
        if (!Report())
            return 4;
    }
    BOOL got = FALSE;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return got == 0 ? static_cast<int>(msg.wParam) : 1;
}
