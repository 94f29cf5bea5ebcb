#pragma once
// What the system's name of an input device tells: the bus it hangs on and, for USB and
// Bluetooth HID devices, the vendor and product numbers. Names look like
//   \\?\HID#VID_845E&PID_0002#7&1a2b3c&0&0000#{884b96c3-56ef-11d1-bc8c-00a0c91405dd}
// The name comes from a driver, so nothing in it is trusted: any text gives an answer.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zintar {

struct InputDeviceIdentity {
    std::wstring bus;        // "HID", "ACPI", "USB"; empty when the name has no bus part
    std::wstring hardwareId; // the part after the bus: "VID_845E&PID_0002"
    std::optional<uint16_t> vendorId, productId;
};

InputDeviceIdentity ParseInputDeviceName(std::wstring_view name);

// The short form for a list cell: "HID VID_845E PID_0002"; the bus and its hardware id
// ("ACPI PNP0303") when the name carries no vendor and product; empty for an empty name.
// At most kShortDeviceNameLength characters.
std::wstring ShortInputDeviceName(std::wstring_view name);

constexpr size_t kShortDeviceNameLength = 40;

} // namespace zintar
