#include "core/key_identity/reserved_shortcuts.h"

#include <gtest/gtest.h>

namespace zintar {
namespace {

constexpr uint8_t kAlt = kHotkeyAlt, kCtrl = kHotkeyCtrl, kShift = kHotkeyShift, kWin = kHotkeyWin;

TEST(ReservedShortcuts, WindowsOwnCombinationsAreFoundWithTheirSource) {
    const Shortcut reserved[] = {
        {0x2E, kCtrl | kAlt},   // Ctrl+Alt+Del
        {'L', kWin},            // Win+L
        {0x09, kAlt},           // Alt+Tab
        {0x09, kAlt | kShift},  // Alt+Shift+Tab
        {0x1B, kCtrl},          // Ctrl+Esc
        {0x1B, kCtrl | kShift}, // Ctrl+Shift+Esc
        {'D', kWin},            // Win+D
        {'S', kWin | kShift},   // any Windows-key combination
        {0x7B, 0},              // F12
        {0x7B, kCtrl | kAlt},   // F12 with modifiers too
    };
    for (const Shortcut s : reserved) {
        const auto entry = FindReservedShortcut(s);
        ASSERT_TRUE(entry) << int(s.virtualKey) << " with " << int(s.modifiers);
        EXPECT_EQ(entry->source.substr(0, 8), "https://");
        EXPECT_FALSE(entry->what.empty());
    }
    EXPECT_EQ(FindReservedShortcut({'L', kWin})->what, L"lock the computer")
        << "an exact entry before the general Windows-key rule";
}

TEST(ReservedShortcuts, CombinationsLeftToProgramsAreNotFound) {
    const Shortcut free[] = {
        {0x78, kCtrl | kAlt},          // Ctrl+Alt+F9
        {0x09, 0},                     // Tab
        {0x09, kCtrl},                 // Ctrl+Tab
        {0x2E, kCtrl},                 // Ctrl+Del
        {0x1B, 0},                     // Esc
        {'L', kCtrl},                  // Ctrl+L
        {0x2E, kCtrl | kAlt | kShift}, // more than Ctrl+Alt: no secure attention sequence entry
    };
    for (const Shortcut s : free)
        EXPECT_FALSE(FindReservedShortcut(s)) << int(s.virtualKey) << " with " << int(s.modifiers);
}

TEST(HotkeyAnswer, FollowsTheReservationAndTheRegistration) {
    EXPECT_EQ(HotkeyAnswerOf(true, true, 0), HotkeyAnswer::ReservedByWindows);
    EXPECT_EQ(HotkeyAnswerOf(false, true, 0), HotkeyAnswer::Free);
    EXPECT_EQ(HotkeyAnswerOf(false, false, 1409), HotkeyAnswer::Taken);
    EXPECT_EQ(HotkeyAnswerOf(false, false, 87), HotkeyAnswer::Unknown);
}

} // namespace
} // namespace zintar
