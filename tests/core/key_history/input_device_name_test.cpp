#include "core/key_history/input_device_name.h"

#include <gtest/gtest.h>

namespace zintar {
namespace {

TEST(InputDeviceName, AHidNameGivesBusVendorAndProduct) {
    const std::wstring name =
        L"\\\\?\\HID#VID_845E&PID_0002#7&1a2b3c&0&0000#{884b96c3-56ef-11d1-bc8c-00a0c91405dd}";
    const InputDeviceIdentity id = ParseInputDeviceName(name);
    EXPECT_EQ(id.bus, L"HID");
    EXPECT_EQ(id.hardwareId, L"VID_845E&PID_0002");
    ASSERT_TRUE(id.vendorId && id.productId);
    EXPECT_EQ(*id.vendorId, 0x845E);
    EXPECT_EQ(*id.productId, 0x0002);
    EXPECT_EQ(ShortInputDeviceName(name), L"HID VID_845E PID_0002");
    EXPECT_EQ(ShortInputDeviceName(L"\\??\\hid#vid_046d&pid_c31c&mi_00#8&2&0#{x}"),
              L"hid VID_046D PID_C31C");
}

TEST(InputDeviceName, OtherNamesGiveWhatTheyHave) {
    struct Case {
        std::wstring_view name, shortName;
    } cases[] = {
        {L"\\\\?\\ACPI#PNP0303#4&1d4d5e8&0#{884b96c3}", L"ACPI PNP0303"},
        {L"\\\\?\\HID#VID_84&PID_0002#x", L"HID VID_84&PID_0002"}, // too few digits
        {L"\\\\?\\HID#XVID_845E&XPID_0002#x", L"HID XVID_845E&XPID_0002"},
        {L"\\\\?\\HID#VID_845E1&PID_0002#x", L"HID VID_845E1&PID_0002"}, // too many digits
        {L"Keyboard", L"Keyboard"},
        {L"", L""},
        {L"\\\\?\\", L""},
        {L"##", L"##"},
        {L"A\tB#C\nD", L"A?B C?D"},
        {L"\\\\?\\HID#VID_845E&PID_", L"HID VID_845E&PID_"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShortInputDeviceName(c.name), c.shortName) << std::wstring(c.name).size();
    const std::wstring longName(500, L'#');
    EXPECT_LE(ShortInputDeviceName(std::wstring(300, L'x') + L"#" + std::wstring(300, L'y')).size(),
              kShortDeviceNameLength);
    EXPECT_EQ(ShortInputDeviceName(longName), std::wstring(kShortDeviceNameLength, L'#'));
}

} // namespace
} // namespace zintar
