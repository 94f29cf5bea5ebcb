// Sends keys with SendInput, as a program that types for the user does, for the end-to-end
// tests of injected keys. Each key goes down and up, or only down, or only up; the events
// carry kMarker in dwExtraInfo so that the receiving side can tell them.
//   zintar_key_sender keys VK [VK...]   a press of each key (decimal codes)
//   zintar_key_sender down VK [VK...]   each key's key-down alone, never its key-up: a program
//                                       that forgets to release a key
//   zintar_key_sender up VK [VK...]     each key's key-up alone
//   zintar_key_sender burst COUNT       COUNT events (presses of F13 in one SendInput call)
//   zintar_key_sender text UNIT [UNIT...]  text without a key: each UTF-16 unit (hexadecimal)
//                                       down and up with KEYEVENTF_UNICODE, one unit per
//                                       input, as on-screen keyboards and the emoji panel send
//                                       it (a character beyond U+FFFF as its two halves)
// Prints how many events the system accepted; exit code 1 when it took fewer. During a burst,
// and for a while after it, Zintar's window (when one runs) is asked every kPingEveryMs
// whether it answers within kAnswerMs; a "pings" line gives how many answered, how many did
// not in time, and the longest answer, in milliseconds.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

namespace {

constexpr ULONG_PTR kMarker = 0x5A17;
constexpr WORD kBurstKey = VK_F13; // a key no program acts on
constexpr unsigned long kMaxBurst = 1000000;
constexpr UINT kAnswerMs = 100;
constexpr DWORD kPingEveryMs = 15;
// The window still takes the burst's queued messages after SendInput returned.
constexpr ULONGLONG kPingAfterMs = 3000;

struct Pings {
    HWND window = nullptr;
    volatile LONG sending = 1;
    unsigned answered = 0, late = 0;
    ULONGLONG longestMs = 0;
};

DWORD WINAPI Ping(void* parameter) {
    Pings& pings = *static_cast<Pings*>(parameter);
    ULONGLONG stopAt = 0;
    for (;;) {
        const ULONGLONG start = GetTickCount64();
        if (!InterlockedCompareExchange(&pings.sending, 0, 0)) {
            if (stopAt == 0)
                stopAt = start + kPingAfterMs;
            else if (start >= stopAt)
                return 0;
        }
        DWORD_PTR result = 0;
        const bool answered = SendMessageTimeoutW(pings.window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                                                  kAnswerMs, &result) != 0;
        const ULONGLONG took = GetTickCount64() - start;
        if (answered)
            ++pings.answered;
        else
            ++pings.late;
        pings.longestMs = took > pings.longestMs ? took : pings.longestMs;
        Sleep(kPingEveryMs);
    }
}

INPUT KeyInput(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    input.ki.dwExtraInfo = kMarker;
    return input;
}

// The system sends VK_PACKET with the unit where a key has its scan code.
INPUT UnitInput(WORD unit, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = unit;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    input.ki.dwExtraInfo = kMarker;
    return input;
}

int Usage() {
    std::fputs("usage: zintar_key_sender keys|down|up VK [VK...] | burst COUNT | text UNIT "
               "[UNIT...]\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return Usage();
    std::vector<INPUT> inputs;
    try {
        const bool keys = std::strcmp(argv[1], "keys") == 0;
        const bool down = std::strcmp(argv[1], "down") == 0, up = std::strcmp(argv[1], "up") == 0;
        if (keys || down || up) {
            for (int i = 2; i < argc; ++i) {
                const unsigned long vk = std::strtoul(argv[i], nullptr, 10);
                if (vk == 0 || vk > 254)
                    return Usage();
                if (!up)
                    inputs.push_back(KeyInput(static_cast<WORD>(vk), false));
                if (!down)
                    inputs.push_back(KeyInput(static_cast<WORD>(vk), true));
            }
        } else if (std::strcmp(argv[1], "text") == 0) {
            for (int i = 2; i < argc; ++i) {
                const unsigned long unit = std::strtoul(argv[i], nullptr, 16);
                if (unit == 0 || unit > 0xFFFF)
                    return Usage();
                inputs.push_back(UnitInput(static_cast<WORD>(unit), false));
                inputs.push_back(UnitInput(static_cast<WORD>(unit), true));
            }
        } else if (std::strcmp(argv[1], "burst") == 0) {
            const unsigned long count = std::strtoul(argv[2], nullptr, 10);
            if (count == 0 || count > kMaxBurst)
                return Usage();
            for (unsigned long i = 0; i < count; ++i)
                inputs.push_back(KeyInput(kBurstKey, i % 2 == 1));
        } else {
            return Usage();
        }
    } catch (const std::bad_alloc&) {
        std::fputs("out of memory\n", stderr);
        return 2;
    }
    Pings pings;
    HANDLE pinger = nullptr;
    if (std::strcmp(argv[1], "burst") == 0) {
        pings.window = FindWindowW(L"Zintar.frmZintar", nullptr);
        if (pings.window)
            pinger = CreateThread(nullptr, 0, &Ping, &pings, 0, nullptr);
    }
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    std::printf("sent %u of %zu\n", sent, inputs.size());
    if (pinger) {
        InterlockedExchange(&pings.sending, 0);
        WaitForSingleObject(pinger, INFINITE);
        CloseHandle(pinger);
        std::printf("pings answered=%u late=%u longest=%llu\n", pings.answered, pings.late,
                    pings.longestMs);
    }
    return sent == inputs.size() ? 0 : 1;
}
