#pragma once
// Raw Input for keyboards: each key as the keyboard driver reported it, with the device that
// sent it. Registered without RIDEV_INPUTSINK, so the window gets WM_INPUT only while it is
// in front; register it while Zintar is the foreground window all the same, and unregister
// when it is not, so that nothing of other programs' keys is ever asked for.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/key_history/key_route.h"

namespace zintar::win32 {

// Keyboards (usage page 1, usage 6) for window. False with GetLastError set on failure.
bool RegisterRawKeyboard(HWND window) noexcept;
bool UnregisterRawKeyboard() noexcept;

// The key of a WM_INPUT message (its lParam), timed with the message's time. None for input
// of another kind or a read that failed. The window still passes WM_INPUT on to
// DefWindowProc, which frees the system's copy.
std::optional<RawKeyEvent> DecodeRawKeyboard(HRAWINPUT input, uint32_t timeMs) noexcept;

struct RawDevice {
    std::wstring name;    // \\?\HID#VID_845E&PID_0002#...; empty when the system gave none
    std::wstring product; // the HID product string, empty where the device has none
};

// The names of the devices that sent keys, asked once per device handle: a read of the name
// and of the product string opens the device, too slow to do for every key.
class RawDeviceCache {
  public:
    // The device of a RawKeyEvent's handle value; an empty one for 0 (injected input) or when
    // nothing could be read or kept.
    const RawDevice& Find(uint64_t handle) noexcept;

  private:
    static constexpr size_t kMaxDevices = 64; // keyboards come and go; the list is cleared beyond
    std::vector<std::pair<uint64_t, RawDevice>> devices_;
    RawDevice none_;
};

} // namespace zintar::win32
