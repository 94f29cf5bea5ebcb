#include "core/key_history/history_columns.h"
#include "core/key_history/key_route_text.h"

#include <gtest/gtest.h>

namespace zintar {
namespace {

using C = HistoryColumn;
constexpr auto kEn = Language::English;
constexpr auto kHu = Language::Hungarian;
constexpr std::wstring_view kWineKeyboard = L"\\\\?\\HID#VID_845E&PID_0002#1&2&0#{guid}";

KeyRoute Route(bool delivered, KeySourceMask seenBy) {
    KeyRoute route{};
    route.key = {0x41, 0x1E, false, false, 0};
    route.delivered = delivered;
    route.seenBy = seenBy;
    return route;
}

TEST(RouteCellText, TheNewColumnsAreTitledInBothLanguages) {
    EXPECT_EQ(HistoryColumnTitle(C::Delivered, kEn), L"Delivered");
    EXPECT_EQ(HistoryColumnTitle(C::Injected, kEn), L"Injected");
    EXPECT_EQ(HistoryColumnTitle(C::Device, kEn), L"Device");
    EXPECT_EQ(HistoryColumnTitle(C::SeenBy, kEn), L"Seen by");
    EXPECT_EQ(HistoryColumnTitle(C::Device, kHu), L"Eszk\u00F6z");
}

TEST(RouteCellText, DeliveredInjectedDeviceAndViews) {
    KeyRoute route = Route(true, kAllKeySources);
    route.injected = true;
    route.hasDevice = true;
    EXPECT_EQ(RouteCellText(&route, C::Delivered, kEn, kWineKeyboard), L"yes");
    EXPECT_EQ(RouteCellText(&route, C::Injected, kHu, kWineKeyboard), L"igen");
    EXPECT_EQ(RouteCellText(&route, C::Device, kEn, kWineKeyboard), L"HID VID_845E PID_0002");
    EXPECT_EQ(RouteCellText(&route, C::SeenBy, kEn, kWineKeyboard), L"window, hook, raw input");
    EXPECT_EQ(RouteCellText(&route, C::SeenBy, kHu, kWineKeyboard), L"ablak, horog, nyers bemenet");
    EXPECT_EQ(RouteCellText(&route, C::Message, kEn, kWineKeyboard), L"") << "not a route cell";

    KeyRoute taken = Route(false, Bit(KeySource::RawInput));
    taken.reason = NotDeliveredReason::OtherProgramsHotkey;
    EXPECT_EQ(RouteCellText(&taken, C::Delivered, kEn, {}), L"no (hotkey of another program)");
    EXPECT_EQ(RouteCellText(&taken, C::Injected, kEn, {}), L"");
    EXPECT_EQ(RouteCellText(&taken, C::Device, kEn, kWineKeyboard), L"") << "no device said";
    EXPECT_EQ(RouteCellText(&taken, C::SeenBy, kEn, {}), L"raw input");
    taken.reason = NotDeliveredReason::None;
    EXPECT_EQ(RouteCellText(&taken, C::Delivered, kHu, {}), L"nem");
    EXPECT_EQ(RouteCellText(nullptr, C::Delivered, kEn, {}), L"");
}

TEST(RecordOfRoute, DescribesTheKeyAsItsMessageWould) {
    KeyRoute tab = Route(false, Bit(KeySource::Hook));
    tab.key = {0x09, 0x0F, false, false, 0};
    tab.heldModifiers = kHotkeyAlt;
    KeyEventRecord r = RecordOfRoute(tab);
    EXPECT_EQ(r.message, KeyMessage::SysKeyDown) << "Alt+Tab comes as a system key";
    EXPECT_EQ(r.virtualKey, 0x09);
    EXPECT_EQ(r.scanCode, 0x0F);
    EXPECT_EQ(r.modifiers, 4);

    KeyRoute shift = Route(false, Bit(KeySource::Hook));
    shift.key = {0xA1, 0x36, false, true, 0}; // the hook's right Shift, released
    shift.heldModifiers = kHotkeyShift | kHotkeyCtrl;
    r = RecordOfRoute(shift);
    EXPECT_EQ(r.message, KeyMessage::KeyUp);
    EXPECT_EQ(r.virtualKey, 0x10);
    EXPECT_EQ(r.side, KeySide::Right);
    EXPECT_EQ(r.sideKey, 0xA1);
    EXPECT_EQ(r.modifiers, 3);
}

} // namespace
} // namespace zintar
