#pragma once
// The low-level keyboard hook (WH_KEYBOARD_LL): every key of the desktop, before any window
// sees it, with the flags that tell a typed key from one a program sent. Install it only while
// Zintar is the foreground window, and remove it when Zintar loses the foreground: the hook
// sees other programs' keys too, and Zintar records nothing of them.
#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/key_history/key_route.h"
#include "platform/window/scoped_handles.h"

namespace zintar::win32 {

class KeyboardHook {
  public:
    // Events kept between two drains; a burst beyond it is counted, not kept. The hook's
    // calls are sent messages, which the thread takes before any posted key message, so a
    // program's burst can reach the hook whole before the window drains once: the ring holds
    // as many as the router keeps pending.
    static constexpr size_t kRingCapacity = 16384;

    KeyboardHook() = default;
    ~KeyboardHook();
    KeyboardHook(const KeyboardHook&) = delete;
    KeyboardHook& operator=(const KeyboardHook&) = delete;

    // Installs the hook for the calling thread, which must run a message loop: the system
    // calls the hook from that loop. When the first event lands in an empty ring, message is
    // posted to notify, so the window drains soon after the key (a timer should drain too).
    // False, with GetLastError set, when the system refused or another KeyboardHook of this
    // thread is installed.
    bool Install(HWND notify, UINT message) noexcept;
    void Remove() noexcept;
    bool installed() const { return static_cast<bool>(hook_); }

    // Hands the events recorded since the last drain to sink, oldest first.
    template <typename Sink> void Drain(Sink&& sink) {
        while (count_ > 0) {
            const HookKeyEvent event = (*ring_)[first_];
            first_ = (first_ + 1) % kRingCapacity;
            --count_;
            sink(event);
        }
    }
    // Events lost to a full ring since the hook was installed.
    uint64_t lostCount() const { return lost_; }

  private:
    struct UnhookTraits {
        static void Close(HHOOK h) { ::UnhookWindowsHookEx(h); }
    };

    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam) noexcept;
    void Record(const KBDLLHOOKSTRUCT& key) noexcept;

    win32::ScopedHandle<HHOOK, UnhookTraits> hook_;
    std::unique_ptr<std::array<HookKeyEvent, kRingCapacity>> ring_; // made at the first Install
    size_t first_ = 0, count_ = 0;
    uint64_t lost_ = 0;
    HWND notify_ = nullptr;
    UINT message_ = 0;
};

} // namespace zintar::win32
