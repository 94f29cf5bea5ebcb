#include "core/key_history/key_route_text.h"

#include <array>

#include "core/key_history/input_device_name.h"
#include "core/key_identity/key_names.h"

namespace zintar {

namespace {

struct Bilingual {
    std::wstring_view english, hungarian;
    constexpr std::wstring_view In(Language language) const {
        return language == Language::English ? english : hungarian;
    }
};

constexpr Bilingual kYes{L"yes", L"igen"};
constexpr Bilingual kNo{L"no", L"nem"};
constexpr std::wstring_view kListSeparator = L", ";

// In the order of the KeySource bits.
constexpr std::array<std::pair<KeySource, Bilingual>, 3> kSourceNames{{
    {KeySource::Window, {L"window", L"ablak"}},
    {KeySource::Hook, {L"hook", L"horog"}},
    {KeySource::RawInput, {L"raw input", L"nyers bemenet"}},
}};

// In the order of NotDeliveredReason.
constexpr std::array<Bilingual, 4> kReasons{{
    {L"", L""},
    {L"hotkey of another program", L"m\u00E1sik program gyorsbillenty\u0171je"},
    {L"system shortcut", L"rendszer-billenty\u0171parancs"},
    {L"Windows delivers only its key-up", L"a Windows csak a felenged\u00E9s\u00E9t k\u00FCldi"},
}};

constexpr uint8_t kMenu = 18, kF10 = 0x79;
constexpr uint8_t kLeftWin = 91, kRightWin = 92, kLeftShift = 160, kRightMenu = 165;
constexpr uint16_t kScanByte = 0xFF;

std::wstring SeenByText(KeySourceMask seenBy, Language language) {
    std::wstring text;
    for (const auto& [source, name] : kSourceNames) {
        if ((seenBy & Bit(source)) == 0)
            continue;
        if (!text.empty())
            text += kListSeparator;
        text += name.In(language);
    }
    return text;
}

// The Delivered cell carries the reason with its "no", so the row says why in the list
// itself and in a copy of it.
std::wstring DeliveredText(const KeyRoute& route, Language language) {
    if (route.delivered)
        return std::wstring(kYes.In(language));
    std::wstring text(kNo.In(language));
    const std::wstring_view reason = NotDeliveredReasonText(route.reason, language);
    if (!reason.empty())
        text += std::wstring(L" (") + std::wstring(reason) + L")";
    return text;
}

} // namespace

std::wstring_view NotDeliveredReasonText(NotDeliveredReason reason, Language language) {
    const auto i = static_cast<size_t>(reason);
    return i < kReasons.size() ? kReasons[i].In(language) : std::wstring_view();
}

std::wstring RouteCellText(const KeyRoute* route, HistoryColumn column, Language language,
                           std::wstring_view deviceName) {
    if (!route)
        return {};
    switch (column) {
    case HistoryColumn::Delivered:
        return DeliveredText(*route, language);
    case HistoryColumn::Injected:
        return route->injected ? std::wstring(kYes.In(language)) : std::wstring();
    case HistoryColumn::Device:
        return route->hasDevice ? ShortInputDeviceName(deviceName) : std::wstring();
    case HistoryColumn::SeenBy:
        return SeenByText(route->seenBy, language);
    default:
        return {};
    }
}

KeyEventRecord RecordOfRoute(const KeyRoute& route) {
    KeyEventRecord record{};
    const uint8_t specific = route.key.virtualKey;
    const uint8_t key = GenericVirtualKey(specific);
    const uint8_t held = route.heldModifiers;
    // Alt without Ctrl, Alt itself and F10 make the system variants of the key messages.
    const bool system =
        ((held & kHotkeyAlt) && !(held & kHotkeyCtrl)) || key == kMenu || key == kF10;
    if (route.key.up)
        record.message = system ? KeyMessage::SysKeyUp : KeyMessage::KeyUp;
    else
        record.message = system ? KeyMessage::SysKeyDown : KeyMessage::KeyDown;
    record.virtualKey = key;
    record.scanCode = static_cast<uint8_t>(route.key.scanCode & kScanByte);
    record.extended = route.key.extended;
    record.previousDown = route.key.up;
    record.repeatCount = 1;
    if ((specific >= kLeftShift && specific <= kRightMenu) || specific == kLeftWin ||
        specific == kRightWin) {
        const bool left = specific == kLeftWin || (specific >= kLeftShift && specific % 2 == 0);
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
