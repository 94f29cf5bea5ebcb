// The window's cost while nothing happens: how often its thread wakes, and for what.
//
// usage: zintar_bench_idle [SECONDS-PER-STATE]
//
// The real window is shown in this process with the keyboard focus in the capture box; the
// thread then waits as a message loop does (MsgWaitForMultipleObjectsEx on its queue),
// counts each wake-up and every message it finds, by window class and message, and handles
// them through the program's own message processing. Three states in turn: nothing lit; the
// pointer over the English flag (lit, so the hover timer runs to notice the pointer leaving
// the window); the pointer gone from the window (the timer must have stopped). The caret's
// blinking is the one thing expected to wake a window that has nothing lit.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>

#include "bench/form_bench.h"
#include "ui/main_window/control_ids.h"

namespace {

using zintar::Control;
using zintar::MainWindow;
using namespace zintar::bench;

constexpr double kDefaultSeconds = 3.0;
constexpr UINT kSystemTimer = 0x0118; // WM_SYSTIMER: the caret's blink
constexpr int kPointerOutside = 50;   // pixels beyond the window's right edge

// Where the window's pointer seam says the pointer is.
POINT pointer{};

BOOL WINAPI PointerPosition(LPPOINT point) {
    *point = pointer;
    return TRUE;
}

struct Idle {
    int wakeups = 0;
    std::map<std::pair<std::wstring, UINT>, int> messages; // (window class, message) -> count
};

std::wstring ClassOf(HWND hwnd) {
    if (!hwnd)
        return L"(thread)";
    wchar_t name[64]{};
    GetClassNameW(hwnd, name, 64);
    return name;
}

Idle Watch(HWND form, double seconds) {
    Idle idle;
    const double end = NowMicroseconds() + seconds * 1e6;
    for (;;) {
        const double left = end - NowMicroseconds();
        if (left <= 0)
            break;
        const DWORD waited = MsgWaitForMultipleObjectsEx(
            0, nullptr, static_cast<DWORD>(left / 1000) + 1, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (waited == WAIT_TIMEOUT)
            continue;
        ++idle.wakeups;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ++idle.messages[{ClassOf(msg.hwnd), msg.message}];
            zintar::ProcessMessage(form, msg);
        }
    }
    return idle;
}

std::string MessageName(UINT message) {
    switch (message) {
    case WM_TIMER:
        return "WM_TIMER";
    case kSystemTimer:
        return "WM_SYSTIMER (caret blink)";
    case WM_PAINT:
        return "WM_PAINT";
    case WM_MOUSEMOVE:
        return "WM_MOUSEMOVE";
    default: {
        char hex[16];
        std::snprintf(hex, sizeof(hex), "0x%04X", message);
        return hex;
    }
    }
}

void Print(const char* state, const MainWindow& form, const Idle& idle, double seconds) {
    const MainWindow::State s = form.state();
    std::printf("  %-34s%9d%11.1f   hover timer %s\n", state, idle.wakeups, idle.wakeups / seconds,
                s.hoverTimerRunning ? "running" : "stopped");
    for (const auto& [what, count] : idle.messages)
        std::printf("    %-32s%9d   to %ls\n", MessageName(what.second).c_str(), count,
                    what.first.c_str());
}

int Fail(const char* what) {
    std::fprintf(stderr, "idle benchmark failed: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : kDefaultSeconds;
    if (argc > 2 || seconds <= 0) {
        std::fprintf(stderr, "usage: zintar_bench_idle [SECONDS-PER-STATE]\n");
        return 2;
    }
    zintar::PlatformSeams seams;
    seams.getCursorPos = &PointerPosition;
    auto form = ShownWindow(seams);
    if (!form)
        return Fail("the window could not be created");
    if (GetFocus() != form->control(Control::CaptureBox))
        return Fail("the capture box does not have the keyboard focus");

    std::printf("Idle: wake-ups of the window's thread, %.1f s in each state\n", seconds);
    std::printf("  %-34s%9s%11s\n", "state", "wake-ups", "per second");

    const Idle nothingLit = Watch(form->hwnd(), seconds);
    Print("nothing lit", *form, nothingLit, seconds);

    // The pointer comes onto the English flag and stays there.
    RECT flag{};
    GetWindowRect(form->control(Control::EnglishFlag), &flag);
    pointer = {(flag.left + flag.right) / 2, (flag.top + flag.bottom) / 2};
    SendMessageW(form->control(Control::EnglishFlag), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    if (form->state().lit != zintar::HoverSpot::EnglishFlag)
        return Fail("the flag did not light up under the pointer");
    const Idle lit = Watch(form->hwnd(), seconds);
    Print("English flag lit", *form, lit, seconds);

    // The pointer leaves the window: the next tick puts the light out and stops the timer.
    RECT outer{};
    GetWindowRect(form->hwnd(), &outer);
    pointer = {outer.right + kPointerOutside, outer.bottom + kPointerOutside};
    Watch(form->hwnd(), 2.0 * zintar::Design(Control::HoverTimer).intervalMs / 1000.0);
    if (form->state().lit != zintar::HoverSpot::None)
        return Fail("the light stayed on after the pointer left");
    const Idle left = Watch(form->hwnd(), seconds);
    Print("pointer gone, nothing lit", *form, left, seconds);

    auto timerMessages = [](const Idle& idle) {
        int count = 0;
        for (const auto& [what, n] : idle.messages)
            count += what.second == WM_TIMER ? n : 0;
        return count;
    };
    std::printf("\n  timer messages while nothing is lit: %d and %d (none expected)\n",
                timerMessages(nothingLit), timerMessages(left));
    return 0;
}
