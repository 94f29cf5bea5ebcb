// The cost of matching a burst of sent keys to their messages: the views of 10,000 F13
// events, with the window's messages far behind the hook (as Wine delivers a program's burst:
// every hook call before the first message), against the baseline of the same events with
// each message right after its hook call. The longest single message is what the window
// cannot answer during; it must stay far below the 100 ms that a window may be busy.
//
// usage: zintar_bench_route_burst [EVENTS [ROUNDS]]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/key_history/key_route.h"

namespace {

using namespace zintar;
using Clock = std::chrono::steady_clock;

constexpr uint8_t kF13 = 0x7C;
constexpr uint16_t kF13Scan = 0x64;

struct Figures {
    double totalMs = 0, longestUs = 0;
    size_t delivered = 0;
};

HookKeyEvent Hook(uint32_t i) {
    return {{kF13, kF13Scan, false, i % 2 == 1, 1000 + i / 8}, true, false, 0};
}
WindowKeyEvent Window(uint32_t i) {
    return {{kF13, kF13Scan, false, i % 2 == 1, 1000 + i / 8}, i};
}

Figures Route(uint32_t events, bool hookFarAhead) {
    KeyRouter router;
    router.SetSources(Bit(KeySource::Window) | Bit(KeySource::Hook));
    Figures f;
    const auto start = Clock::now();
    if (hookFarAhead)
        for (uint32_t i = 0; i < events; ++i)
            router.Add(Hook(i));
    for (uint32_t i = 0; i < events; ++i) {
        const auto messageStart = Clock::now();
        if (!hookFarAhead)
            router.Add(Hook(i));
        router.Add(Window(i));
        for (const KeyRoute& route : router.Take(Window(i).key.timeMs))
            f.delivered += route.delivered && route.injected ? 1 : 0;
        const double us =
            std::chrono::duration<double, std::micro>(Clock::now() - messageStart).count();
        f.longestUs = std::max(f.longestUs, us);
    }
    f.totalMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    return f;
}

} // namespace

int main(int argc, char** argv) {
    const uint32_t events =
        argc > 1 ? static_cast<uint32_t>(std::strtoul(argv[1], nullptr, 10)) : 10000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    if (events == 0 || events > KeyRouter::kPendingCapacity || rounds <= 0) {
        std::fputs("usage: zintar_bench_route_burst [EVENTS (1..16384) [ROUNDS]]\n", stderr);
        return 2;
    }
    std::printf("routing a burst of %u sent key events, best of %d rounds\n", events, rounds);
    std::printf("  %-40s%12s%16s%12s\n", "", "total ms", "longest msg us", "delivered");
    for (const bool ahead : {false, true}) {
        Figures best;
        best.totalMs = 1e300;
        for (int r = 0; r < rounds; ++r) {
            const Figures f = Route(events, ahead);
            if (f.totalMs < best.totalMs)
                best = f;
        }
        std::printf("  %-40s%12.2f%16.1f%12zu\n",
                    ahead ? "hook far ahead of the messages"
                          : "baseline: each message after its hook",
                    best.totalMs, best.longestUs, best.delivered);
    }
    return 0;
}
