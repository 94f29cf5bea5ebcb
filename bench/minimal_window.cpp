// The start-up baseline: the least a Win32 program does to put a window on the screen. One
// class, one small top-level window shown at once, one message loop. Whatever Zintar costs
// beyond this is Zintar's own.
//
// Built a second time with ZINTAR_BENCH_PROBE, it is also a start-up probe: it marks the
// same phases as the Zintar probe (startup_phases.cpp) where it has them and reports them
// once idle (probe_report.h). The baseline itself marks nothing.
//
// Built a third time with ZINTAR_BENCH_CONTROLS as well, the window is Zintar's size and
// holds as many plain child controls of the same kinds as Zintar's window (edit boxes,
// static labels, and plain statics in place of its pictures), the first edit box focused:
// the least any window with Zintar's controls costs, with none of Zintar's own work.
#include <windows.h>

#ifdef ZINTAR_BENCH_PROBE
#include "bench/probe_report.h"
#endif

namespace {

constexpr wchar_t kClassName[] = L"ZintarBench.MinimalWindow";

#ifdef ZINTAR_BENCH_CONTROLS
constexpr int kEditBoxes = 5, kLabels = 12, kPictures = 5; // as in Zintar's window
constexpr SIZE kClientSize{361, 249};
#else
constexpr int kEditBoxes = 0, kLabels = 0, kPictures = 0;
constexpr SIZE kClientSize{0, 0};
#endif
constexpr int kControlWidth = 80, kControlHeight = 22, kControlsPerRow = 4;

// Plain controls in rows, each kind with its usual styles; false if one could not be made.
bool CreateControls(HWND parent, HINSTANCE instance) {
    int n = 0;
    auto create = [&](DWORD exStyle, const wchar_t* cls, const wchar_t* text, DWORD style) {
        const int x = (n % kControlsPerRow) * kControlWidth;
        const int y = (n / kControlsPerRow) * kControlHeight;
        ++n;
        return CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y,
                               kControlWidth, kControlHeight, parent, nullptr, instance,
                               nullptr) != nullptr;
    };
    for (int i = 0; i < kEditBoxes; ++i)
        if (!create(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER))
            return false;
    for (int i = 0; i < kLabels; ++i)
        if (!create(0, L"STATIC", L"label", SS_LEFT))
            return false;
    for (int i = 0; i < kPictures; ++i)
        if (!create(0, L"STATIC", L"", SS_LEFT))
            return false;
    return true;
}

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
    SIZE size{320, 200};
    if (kClientSize.cx > 0) {
        RECT outer{0, 0, kClientSize.cx, kClientSize.cy};
        AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
        size = {outer.right - outer.left, outer.bottom - outer.top};
    }
    HWND hwnd =
        CreateWindowExW(0, kClassName, L"Minimal window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr, instance, nullptr);
    if (!hwnd)
        return 1;
    if (kEditBoxes + kLabels + kPictures > 0) {
        Mark("child windows");
        if (!CreateControls(hwnd, instance))
            return 1;
    }
    Mark("show window");
    ShowWindow(hwnd, showCommand);
    Mark("first paint");
    UpdateWindow(hwnd);
    if (kEditBoxes > 0) {
        Mark("foreground and focus");
        SetFocus(GetWindow(hwnd, GW_CHILD));
    }
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
