#pragma once
// What the in-process benchmarks share: the real main window built in this process with a
// registry that holds nothing (the window starts in its default language and the benchmark
// neither reads nor writes the user's settings), a clock, the keyboard state and the queue.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/message_loop.h"
#include "ui/main_window/main_window.h"

namespace zintar::bench {

inline LSTATUS WINAPI NoOpenKey(HKEY, LPCSTR, DWORD, REGSAM, PHKEY) {
    return ERROR_FILE_NOT_FOUND;
}
inline LSTATUS WINAPI NoQueryValue(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD) {
    return ERROR_FILE_NOT_FOUND;
}
inline LSTATUS WINAPI NoCreateKey(HKEY, LPCSTR, DWORD, LPSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES,
                                  PHKEY, LPDWORD) {
    return ERROR_FILE_NOT_FOUND;
}
inline LSTATUS WINAPI NoSetValue(HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD) {
    return ERROR_FILE_NOT_FOUND;
}
inline LSTATUS WINAPI NoCloseKey(HKEY) {
    return ERROR_FILE_NOT_FOUND;
}
inline const win32::RegistryApi kNoRegistry{&NoOpenKey, &NoQueryValue, &NoCreateKey, &NoSetValue,
                                            &NoCloseKey};

inline void Pump(HWND form) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ProcessMessage(form, msg);
}

// A fresh window, shown, its first messages handled; null when it could not be made.
inline std::unique_ptr<MainWindow> ShownWindow(PlatformSeams seams = {}) {
    seams.registry = &kNoRegistry;
    auto form = std::make_unique<MainWindow>(seams);
    if (!form->Create(GetModuleHandleW(nullptr), false))
        return nullptr;
    form->Show(SW_SHOW);
    Pump(form->hwnd());
    return form;
}

inline double NowMicroseconds() {
    static const double ticksPerUs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1e6;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / ticksPerUs;
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// The keyboard state that GetKeyState answers from, as it would stand with Shift held or not
// (Ctrl and Alt up).
inline void SetShiftHeld(bool held) {
    BYTE keys[256]{};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = keys[VK_LSHIFT] = held ? 0x80 : 0;
    keys[VK_CONTROL] = keys[VK_LCONTROL] = 0;
    keys[VK_MENU] = keys[VK_LMENU] = 0;
    SetKeyboardState(keys);
}

// Everything queued for this thread, through the program's own message processing.
inline std::wstring TextOf(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(std::max(GetWindowTextW(hwnd, text.data(), length + 1), 0)));
    return text;
}

} // namespace zintar::bench
