#include "platform/input/keyboard_hook.h"

#include <new>

namespace zintar::win32 {

namespace {

// A low-level hook procedure gets no pointer of its caller's choosing. The system calls it
// on the thread that installed the hook, from that thread's message loop, so the object to
// record into is kept per thread: one hook per thread, and no lock, because the procedure
// and the window that drains the ring never run at the same time.
thread_local KeyboardHook* t_sink = nullptr;

constexpr DWORD kLastKeyCode = 255;

} // namespace

KeyboardHook::~KeyboardHook() {
    Remove();
}

bool KeyboardHook::Install(HWND notify, UINT message) noexcept {
    if (hook_)
        return true;
    if (t_sink) {
        SetLastError(ERROR_ALREADY_INITIALIZED);
        return false;
    }
    if (!ring_) {
        ring_.reset(new (std::nothrow) std::array<HookKeyEvent, kRingCapacity>());
        if (!ring_) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return false;
        }
    }
    notify_ = notify;
    message_ = message;
    first_ = count_ = 0;
    lost_ = 0;
    t_sink = this; // before the hook exists: the first key may come at once
    hook_.reset(
        SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardHook::Procedure, GetModuleHandleW(nullptr), 0));
    if (!hook_) {
        const DWORD error = GetLastError();
        t_sink = nullptr;
        SetLastError(error);
        return false;
    }
    return true;
}

void KeyboardHook::Remove() noexcept {
    hook_.reset();
    if (t_sink == this)
        t_sink = nullptr;
}

// Windows removes a low-level hook that keeps it waiting (LowLevelHooksTimeout), and every
// key of the desktop waits for it: the procedure only copies the event and passes it on. It
// never swallows a key.
LRESULT CALLBACK KeyboardHook::Procedure(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HC_ACTION && t_sink && lParam != 0)
        t_sink->Record(*reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void KeyboardHook::Record(const KBDLLHOOKSTRUCT& key) noexcept {
    if (count_ == kRingCapacity) {
        ++lost_;
        return;
    }
    HookKeyEvent& event = (*ring_)[(first_ + count_) % kRingCapacity];
    event.key.virtualKey = key.vkCode <= kLastKeyCode ? static_cast<uint8_t>(key.vkCode) : 0;
    // For VK_PACKET the scan code is the UTF-16 unit sent.
    event.key.packet = key.vkCode == VK_PACKET;
    event.key.scanCode = static_cast<uint16_t>(key.scanCode);
    event.key.extended = !event.key.packet && (key.flags & LLKHF_EXTENDED) != 0;
    event.key.up = (key.flags & LLKHF_UP) != 0;
    event.key.timeMs = key.time;
    event.injected = (key.flags & LLKHF_INJECTED) != 0;
    event.injectedFromLowerIntegrity = (key.flags & LLKHF_LOWER_IL_INJECTED) != 0;
    event.extraInfo = static_cast<uint64_t>(key.dwExtraInfo);
    if (count_++ == 0 && notify_)
        PostMessageW(notify_, message_, 0,
                     0); // lost only when the queue is full: the timer drains then
}

} // namespace zintar::win32
