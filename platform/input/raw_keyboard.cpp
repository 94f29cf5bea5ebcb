#include "platform/input/raw_keyboard.h"

#include "platform/window/scoped_handles.h"
#include "platform/system/system_library.h"

namespace zintar::win32 {

namespace {

constexpr USHORT kGenericDesktopPage = 1, kKeyboardUsage = 6;
// The HID class allows 126 characters and a terminating null for its strings.
constexpr ULONG kProductChars = 127;
constexpr UINT kMaxNameChars = 1024;

struct FileTraits {
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
using ScopedFile = win32::ScopedHandle<HANDLE, FileTraits>;

using GetProductString = BOOLEAN(__stdcall*)(HANDLE, PVOID, ULONG);

// hid.dll is loaded with the first keyboard that sends a key, not at start-up.
GetProductString ProductStringFunction() noexcept {
    static const GetProductString function =
        SystemFunction<GetProductString>(LoadSystemLibrary(L"hid.dll"), "HidD_GetProductString");
    return function;
}

std::wstring DeviceName(HANDLE device) {
    UINT chars = 0;
    if (GetRawInputDeviceInfoW(device, RIDI_DEVICENAME, nullptr, &chars) != 0 || chars == 0 ||
        chars > kMaxNameChars)
        return {};
    std::wstring name(chars, L'\0');
    const UINT copied = GetRawInputDeviceInfoW(device, RIDI_DEVICENAME, name.data(), &chars);
    if (copied == static_cast<UINT>(-1) || copied == 0)
        return {};
    name.resize(std::min<size_t>(copied, name.size()));
    while (!name.empty() && name.back() == L'\0')
        name.pop_back();
    return name;
}

// Opened without read or write access: a keyboard is held by the system, and a query of its
// strings needs neither.
std::wstring ProductString(const std::wstring& name) {
    const GetProductString query = ProductStringFunction();
    if (!query || name.empty())
        return {};
    ScopedFile file(CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr));
    if (!file || file.get() == INVALID_HANDLE_VALUE) {
        file.reset(); // INVALID_HANDLE_VALUE is no handle to close
        return {};
    }
    wchar_t text[kProductChars + 1]{};
    if (!query(file.get(), text, kProductChars * sizeof(wchar_t)))
        return {};
    text[kProductChars] = L'\0';
    return text;
}

} // namespace

bool RegisterRawKeyboard(HWND window) noexcept {
    RAWINPUTDEVICE device{kGenericDesktopPage, kKeyboardUsage, 0, window};
    return RegisterRawInputDevices(&device, 1, sizeof(device)) != FALSE;
}

bool UnregisterRawKeyboard() noexcept {
    RAWINPUTDEVICE device{kGenericDesktopPage, kKeyboardUsage, RIDEV_REMOVE, nullptr};
    return RegisterRawInputDevices(&device, 1, sizeof(device)) != FALSE;
}

std::optional<RawKeyEvent> DecodeRawKeyboard(HRAWINPUT input, uint32_t timeMs) noexcept {
    RAWINPUT raw{};
    UINT size = sizeof(raw);
    const UINT read = GetRawInputData(input, RID_INPUT, &raw, &size, sizeof(RAWINPUTHEADER));
    if (read == static_cast<UINT>(-1) || read < sizeof(RAWINPUTHEADER) ||
        raw.header.dwType != RIM_TYPEKEYBOARD)
        return std::nullopt;
    const RAWKEYBOARD& k = raw.data.keyboard;
    RawKeyEvent event{};
    event.key.virtualKey = k.VKey <= 255 ? static_cast<uint8_t>(k.VKey) : 0;
    // A packet's make code is the UTF-16 unit sent (Wine reports it with VKey 0; the router
    // tells those by their unit).
    event.key.packet = k.VKey == VK_PACKET;
    event.key.scanCode = k.MakeCode;
    event.key.extended = (k.Flags & RI_KEY_E0) != 0;
    event.key.up = (k.Flags & RI_KEY_BREAK) != 0;
    event.key.timeMs = timeMs;
    event.e1 = (k.Flags & RI_KEY_E1) != 0;
    event.device = reinterpret_cast<uintptr_t>(raw.header.hDevice);
    return event;
}

const RawDevice& RawDeviceCache::Find(uint64_t handle) noexcept {
    if (handle == 0)
        return none_;
    for (const auto& [known, device] : devices_)
        if (known == handle)
            return device;
    try {
        if (devices_.size() >= kMaxDevices)
            devices_.clear();
        RawDevice device;
        device.name = DeviceName(reinterpret_cast<HANDLE>(static_cast<uintptr_t>(handle)));
        device.product = ProductString(device.name);
        devices_.emplace_back(handle, std::move(device));
        return devices_.back().second;
    } catch (...) {
        return none_; // no memory: asked again with the next key
    }
}

} // namespace zintar::win32
