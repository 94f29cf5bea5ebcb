// Shows where keys go, for the end-to-end tests and for trying the platform's views under
// Wine: a window that takes the foreground, installs the low-level hook, registers Raw Input
// and prints every view's event and every route the core settles, then ends after the given
// time. With a shortcut given, it first prints the hotkey probe's answer for it.
//   zintar_route_watch SECONDS [VK MODIFIERS]   (decimal; MOD_ bits)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/key_history/input_device_name.h"
#include "core/key_history/key_route.h"
#include "platform/input/hotkey_probe.h"
#include "platform/input/keyboard_hook.h"
#include "platform/input/raw_keyboard.h"

namespace {

using namespace zintar;

constexpr UINT kDrain = WM_APP + 1;
constexpr UINT_PTR kTickTimer = 1, kEndTimer = 2;
constexpr UINT kTickMs = 50;

struct Watch {
    zintar::win32::KeyboardHook hook;
    zintar::win32::RawDeviceCache devices;
    KeyRouter router;
    uint64_t windowKeys = 0;
    unsigned hookEvents = 0, rawEvents = 0, routes = 0, notDelivered = 0, injected = 0;
};
Watch* g_watch = nullptr; // one window in a test program

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text)
        out += (c < 0x80) ? static_cast<char>(c) : '?';
    return out;
}

const char* AnswerName(HotkeyAnswer answer) {
    switch (answer) {
    case HotkeyAnswer::Free:
        return "free";
    case HotkeyAnswer::Taken:
        return "taken";
    case HotkeyAnswer::ReservedByWindows:
        return "reserved";
    case HotkeyAnswer::Unknown:
        break;
    }
    return "unknown";
}

void PrintRoutes(Watch& w, uint32_t now) {
    for (const KeyRoute& r : w.router.Take(now)) {
        ++w.routes;
        w.notDelivered += r.delivered ? 0 : 1;
        w.injected += r.injected ? 1 : 0;
        if (w.routes <= 40 || !r.delivered)
            std::printf("route vk=%u %s delivered=%d seenBy=%u reason=%u injected=%d held=%u\n",
                        r.key.virtualKey, r.key.up ? "up" : "down", r.delivered, r.seenBy,
                        static_cast<unsigned>(r.reason), r.injected, r.heldModifiers);
    }
}

void DrainHook(Watch& w) {
    w.hook.Drain([&w](const HookKeyEvent& e) {
        ++w.hookEvents;
        if (w.hookEvents <= 40)
            std::printf("hook vk=%u scan=%02X ext=%d %s injected=%d extra=%llX time=%u\n",
                        e.key.virtualKey, e.key.scanCode, e.key.extended, e.key.up ? "up" : "down",
                        e.injected, static_cast<unsigned long long>(e.extraInfo), e.key.timeMs);
        w.router.Add(e);
    });
}

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Watch* w = g_watch;
    if (!w)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case kDrain:
        DrainHook(*w);
        return 0;
    case WM_TIMER:
        if (wParam == kEndTimer) {
            DestroyWindow(hwnd);
        } else {
            DrainHook(*w);
            PrintRoutes(*w, GetTickCount());
        }
        return 0;
    case WM_INPUT: {
        if (auto e = zintar::win32::DecodeRawKeyboard(reinterpret_cast<HRAWINPUT>(lParam),
                                                      static_cast<uint32_t>(GetMessageTime()))) {
            ++w->rawEvents;
            const zintar::win32::RawDevice& device = w->devices.Find(e->device);
            if (w->rawEvents <= 40)
                std::printf("raw vk=%u make=%02X e0=%d %s device=%s short=%s product=%s\n",
                            e->key.virtualKey, e->key.scanCode, e->key.extended,
                            e->key.up ? "up" : "down", Narrow(device.name).c_str(),
                            Narrow(ShortInputDeviceName(device.name)).c_str(),
                            Narrow(device.product).c_str());
            DrainHook(*w); // the hook's view of the key comes first
            w->router.Add(*e);
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        DrainHook(*w);
        const bool up = message == WM_KEYUP || message == WM_SYSKEYUP;
        WindowKeyEvent e{};
        e.key.virtualKey = static_cast<uint8_t>(wParam);
        e.key.scanCode = static_cast<uint16_t>((lParam >> 16) & 0xFF);
        e.key.extended = (lParam >> 24) & 1;
        e.key.up = up;
        e.key.timeMs = static_cast<uint32_t>(GetMessageTime());
        e.record = w->windowKeys++;
        if (w->windowKeys <= 40)
            std::printf("window vk=%u scan=%02X %s\n", e.key.virtualKey, e.key.scanCode,
                        up ? "up" : "down");
        w->router.Add(e);
        // Settled routes are taken at once: the pending ones stay few however fast keys come.
        PrintRoutes(*w, e.key.timeMs);
        return 0;
    }
    case WM_DESTROY:
        w->hook.Remove();
        zintar::win32::UnregisterRawKeyboard();
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fputs("usage: zintar_route_watch SECONDS [VK MODIFIERS]\n", stderr);
        return 2;
    }
    setvbuf(stdout, nullptr, _IONBF, 0);
    const UINT seconds = static_cast<UINT>(std::strtoul(argv[1], nullptr, 10));
    Watch watch;
    g_watch = &watch;
    WNDCLASSW wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZintarRouteWatch";
    if (!RegisterClassW(&wc))
        return 1;
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"Zintar route watch", WS_OVERLAPPEDWINDOW, 10,
                                10, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
    if (!hwnd)
        return 1;
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    SetFocus(hwnd);
    if (argc == 4) {
        const Shortcut s{static_cast<uint8_t>(std::strtoul(argv[2], nullptr, 10)),
                         static_cast<uint8_t>(std::strtoul(argv[3], nullptr, 10))};
        std::printf("probe vk=%u mods=%u keysDown=%d: %s\n", s.virtualKey, s.modifiers,
                    zintar::win32::AnyKeyDown(), AnswerName(zintar::win32::ProbeHotkey(hwnd, s)));
    }
    KeySourceMask sources = Bit(KeySource::Window);
    if (watch.hook.Install(hwnd, kDrain)) {
        sources |= Bit(KeySource::Hook);
        std::printf("hook installed\n");
    } else {
        std::printf("hook failed %lu\n", GetLastError());
    }
    if (zintar::win32::RegisterRawKeyboard(hwnd)) {
        sources |= Bit(KeySource::RawInput);
        std::printf("raw registered\n");
    } else {
        std::printf("raw failed %lu\n", GetLastError());
    }
    watch.router.SetSources(sources);
    SetTimer(hwnd, kTickTimer, kTickMs, nullptr);
    SetTimer(hwnd, kEndTimer, seconds * 1000, nullptr);
    std::printf("ready\n");
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    PrintRoutes(watch, GetTickCount() + KeyRouter::kDeliveryWaitMs);
    std::printf("counts hook=%u raw=%u window=%llu routes=%u notDelivered=%u injected=%u "
                "lost=%llu dropped=%llu\n",
                watch.hookEvents, watch.rawEvents,
                static_cast<unsigned long long>(watch.windowKeys), watch.routes, watch.notDelivered,
                watch.injected, static_cast<unsigned long long>(watch.hook.lostCount()),
                static_cast<unsigned long long>(watch.router.droppedCount()));
    g_watch = nullptr;
    return 0;
}
