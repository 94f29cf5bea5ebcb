// Reading keyboard layouts from their DLLs and judging shortcuts on them: one layout read from
// the system folder (target 5 ms) beside two baselines of the same run, the same DLL only
// loaded and freed, and the ToUnicodeEx path (ReadKeyOnLayout) over the active layout's
// typing keys; then the shortcut table of 20 layouts once read (target 20 ms). The test
// layouts must be installed in the prefix (bench/run.sh does it).
//
// usage: zintar_bench_layouts [ROUNDS]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/keyboard_layout/shortcut_verdict.h"
#include "core/keyboard_layout/standard_scan_codes.h"
#include "platform/input/keyboard_layout_reader.h"
#include "platform/input/layout_library.h"

namespace {

using namespace zintar;
using Clock = std::chrono::steady_clock;

constexpr const wchar_t* kLayouts[] = {L"ztkbdus.dll", L"ztkbdhu.dll", L"ztkbdgr.dll",
                                       L"ztkbdfr.dll"};
constexpr size_t kTableLayouts = 20;

template <typename Step> double MedianMs(int rounds, Step step) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        step();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::wstring SystemPath(const wchar_t* file) {
    wchar_t folder[MAX_PATH]{};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder, length) + L"\\" + file;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    if (!win32::ReadLayoutLibrary(kLayouts[1]).ok()) {
        std::printf("the test layouts are not installed in this prefix\n");
        return 1;
    }

    const double read = MedianMs(rounds, [] { (void)win32::ReadLayoutLibrary(kLayouts[1]); });
    const std::wstring path = SystemPath(kLayouts[1]);
    const double loadOnly = MedianMs(rounds, [&] {
        if (HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
            FreeLibrary(module);
    });
    // The typing keys, from the digit row to the slash, by US's scan codes.
    const HKL active = GetKeyboardLayout(0);
    const KeyboardLayoutTables usScanCodes = StandardScanCodes();
    int keys = 0, answers = 0;
    const double toUnicode = MedianMs(std::max(1, rounds / 10), [&] {
        keys = answers = 0;
        for (UINT scan = 0x02; scan <= 0x35; ++scan) {
            const UINT vk = usScanCodes.scanCodes[scan] & 0xFF;
            if (vk < 0x30) // Backspace, Tab, Enter, Ctrl, Shift: no characters
                continue;
            const win32::KeyOnLayout key = win32::ReadKeyOnLayout(vk, scan, active);
            ++keys;
            for (const TypedText& typed : key.states)
                answers += typed.kind != TypedText::Kind::Nothing ? 1 : 0;
        }
    });
    std::printf("Read one layout (ztkbdhu.dll from the system folder): %.3f ms median of %d "
                "(target 5 ms)\n",
                read, rounds);
    std::printf("  baseline, the same DLL loaded and freed, nothing read: %.3f ms\n", loadOnly);
    // Without a keyboard driver (Wine's null driver) ToUnicodeEx answers little or nothing:
    // the count of answers says what the time covers.
    std::printf("  baseline, ToUnicodeEx over the active layout's %d typing keys "
                "(ReadKeyOnLayout, 5 states each, %d answers with text): %.3f ms\n",
                keys, answers, toUnicode);

    std::vector<KeyboardLayoutTables> tables;
    for (const wchar_t* file : kLayouts)
        tables.push_back(win32::ReadLayoutLibrary(file).tables);
    std::vector<std::wstring> names;
    std::vector<NamedLayout> layouts;
    for (size_t i = 0; i < kTableLayouts; ++i)
        names.push_back(std::wstring(kLayouts[i % std::size(kLayouts)]) + L" #" +
                        std::to_wstring(i / std::size(kLayouts) + 1));
    for (size_t i = 0; i < kTableLayouts; ++i)
        layouts.push_back({names[i], &tables[i % tables.size()]});
    const KeyboardLayoutTables us = StandardScanCodes();
    size_t rows = 0;
    const double table = MedianMs(rounds, [&] {
        rows = ShortcutTable(layouts, us, CommonShortcuts(), Language::English).size();
    });
    const double copy = MedianMs(rounds, [&] {
        (void)ShortcutTableCopyText(
            ShortcutTable(layouts, us, CommonShortcuts(), Language::English), Language::English);
    });
    std::printf("Shortcut table, %zu layouts x %zu shortcuts (%zu rows): %.3f ms median "
                "(target 20 ms); with its copy text %.3f ms\n",
                kTableLayouts, CommonShortcuts().size(), rows, table, copy);
    std::printf("  baseline, reading the %zu layouts it covers: %.3f ms\n", std::size(kLayouts),
                MedianMs(std::max(1, rounds / 5), [] {
                    for (const wchar_t* file : kLayouts)
                        (void)win32::ReadLayoutLibrary(file);
                }));
    return 0;
}
