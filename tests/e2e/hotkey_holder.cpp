// Holds a hotkey for the end-to-end tests of keys that never reach Zintar, as another program
// would: registers it (Ctrl+Alt+F9 unless told otherwise) and keeps it until the end file
// exists. Prints "registered" or "failed <error>" on its first line, and on ending how many
// times the hotkey fired.
//   zintar_hotkey_holder END-FILE [VK MODIFIERS]   (numbers in decimal; MOD_ bits)
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kId = 1;
constexpr UINT kPollMs = 50;
constexpr UINT kF9 = 0x78;

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fputs("usage: zintar_hotkey_holder END-FILE [VK MODIFIERS]\n", stderr);
        return 2;
    }
    const UINT vk = argc == 4 ? static_cast<UINT>(std::strtoul(argv[2], nullptr, 10)) : kF9;
    const UINT modifiers =
        argc == 4 ? static_cast<UINT>(std::strtoul(argv[3], nullptr, 10)) : MOD_CONTROL | MOD_ALT;
    // A thread's hotkey (no window): WM_HOTKEY comes to this loop.
    if (!RegisterHotKey(nullptr, kId, modifiers | MOD_NOREPEAT, vk)) {
        std::printf("failed %lu\n", GetLastError());
        return 1;
    }
    std::printf("registered\n");
    std::fflush(stdout);
    const UINT_PTR timer = SetTimer(nullptr, 0, kPollMs, nullptr);
    if (!timer) {
        UnregisterHotKey(nullptr, kId);
        std::printf("failed %lu (timer)\n", GetLastError());
        return 1;
    }
    unsigned fired = 0;
    MSG msg;
    while (GetFileAttributesA(argv[1]) == INVALID_FILE_ATTRIBUTES) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1)
            break;
        if (msg.message == WM_HOTKEY && msg.wParam == kId)
            ++fired;
    }
    KillTimer(nullptr, timer);
    UnregisterHotKey(nullptr, kId);
    std::printf("fired %u\n", fired);
    return 0;
}
