#include "core/key_history/key_route_text.h"

#include "core/common/virtual_keys.h"
#include "core/key_identity/key_names.h"

namespace zintar {

namespace {

constexpr uint8_t kF10 = 0x79;
constexpr uint16_t kScanByte = 0xFF;

} // namespace

std::wstring RouteCellText(const KeyRoute* route, HistoryColumn column, Language language,
                           std::wstring_view deviceName) {
    return ColumnCellText(column, {nullptr, route, deviceName}, language);
}

KeyEventRecord RecordOfRoute(const KeyRoute& route) {
    KeyEventRecord record{};
    if (route.key.packet) {
        // Sent text: the unit is its character, and it has no scan code.
        record.message = route.key.up ? KeyMessage::KeyUp : KeyMessage::KeyDown;
        record.virtualKey = vk::kPacket;
        record.codePoint = route.key.scanCode;
        record.repeatCount = 1;
        record.ansiCode = kNoAnsiCode;
        record.sent = true;
        return record;
    }
    const uint8_t specific = route.key.virtualKey;
    const uint8_t key = GenericVirtualKey(specific);
    const uint8_t held = route.heldModifiers;
    // Alt without Ctrl, Alt itself and F10 make the system variants of the key messages.
    const bool system =
        ((held & kHotkeyAlt) && !(held & kHotkeyCtrl)) || key == vk::kMenu || key == kF10;
    if (route.key.up)
        record.message = system ? KeyMessage::SysKeyUp : KeyMessage::KeyUp;
    else
        record.message = system ? KeyMessage::SysKeyDown : KeyMessage::KeyDown;
    record.virtualKey = key;
    record.scanCode = static_cast<uint8_t>(route.key.scanCode & kScanByte);
    record.extended = route.key.extended;
    record.previousDown = route.key.up;
    record.repeatCount = 1;
    if ((specific >= vk::kLeftShift && specific <= vk::kRightMenu) || specific == vk::kLeftWin ||
        specific == vk::kRightWin) {
        const bool left =
            specific == vk::kLeftWin || (specific >= vk::kLeftShift && specific % 2 == 0);
        record.side = left ? KeySide::Left : KeySide::Right;
        record.sideKey = specific;
    }
    if (held & kHotkeyShift)
        record.modifiers |= kModifierShift;
    if (held & kHotkeyCtrl)
        record.modifiers |= kModifierCtrl;
    if (held & kHotkeyAlt)
        record.modifiers |= kModifierAlt;
    record.ansiCode = kNoAnsiCode;
    return record;
}

} // namespace zintar
