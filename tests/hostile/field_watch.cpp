// Waits, from outside the program, until one of its controls shows a text, and says when.
// The end-to-end scripts time the window's answer to real keys with it: it is started and
// ready before the keys are pressed, so the start-up of a reading program is no part of the
// figure.
//
//   zintar_field_watch CONTROL EXPECTED LIMIT-MS
//
// CONTROL is a design name (Tcc, Tcode_hex, ...). Prints "ready" once the window is found,
// then reads the control every few milliseconds and prints "seen UNIX-MS" at the first
// reading that equals EXPECTED (exit 0), or "last TEXT" when LIMIT-MS passed without it
// (exit 1). Exit 2 for bad arguments or when no window is there.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/main_window/control_ids.h"

namespace {

constexpr wchar_t kMainWindowClass[] = L"Zintar.frmZintar";
constexpr DWORD kReadLimitMs = 1000;
constexpr DWORD kPollPauseMs = 5;
constexpr size_t kLongestText = 256;
constexpr long long kUnixEpochInFileTimeMs = 11644473600000LL; // 1601 to 1970

long long UnixMs() {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return static_cast<long long>(ticks / 10000) - kUnixEpochInFileTimeMs;
}

std::wstring Wide(const char* text) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring out(n > 0 ? static_cast<size_t>(n) : 1, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, out.data(), n);
    out.resize(out.size() - 1);
    return out;
}

bool ControlNamed(const std::wstring& name, zintar::Control& found) {
    for (int i = 0; i < zintar::kControlCount; ++i) {
        const auto id = static_cast<zintar::Control>(i);
        if (name == zintar::Design(id).name) {
            found = id;
            return true;
        }
    }
    return false;
}

bool Read(HWND control, std::wstring& text) {
    wchar_t buffer[kLongestText]{};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(control, WM_GETTEXT, kLongestText, reinterpret_cast<LPARAM>(buffer),
                             SMTO_ABORTIFHUNG, kReadLimitMs, &copied))
        return false;
    text = buffer;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    zintar::Control id{};
    if (argc != 4 || !ControlNamed(Wide(argv[1]), id)) {
        std::fprintf(stderr, "usage: zintar_field_watch CONTROL EXPECTED LIMIT-MS\n");
        return 2;
    }
    const std::wstring expected = Wide(argv[2]);
    const long long limitMs = std::atoll(argv[3]);

    const HWND window = FindWindowW(kMainWindowClass, nullptr);
    const HWND control = window ? GetDlgItem(window, zintar::ControlIdOf(id)) : nullptr;
    std::wstring text;
    if (!control || !Read(control, text)) {
        std::fprintf(stderr, "zintar_field_watch: no Zintar window to read\n");
        return 2;
    }
    std::printf("ready\n");
    std::fflush(stdout);

    const long long start = UnixMs();
    for (;;) {
        const bool read = Read(control, text);
        const long long now = UnixMs();
        if (read && text == expected) {
            std::printf("seen %lld\n", now);
            return 0;
        }
        if (now - start > limitMs) {
            std::printf("last %ls\n", read ? text.c_str() : L"(no answer)");
            return 1;
        }
        Sleep(kPollPauseMs);
    }
}
