#include "core/key_history/key_event.h"

#include <climits>

#include "core/common/virtual_keys.h"

namespace zintar {

namespace {

constexpr uint32_t kRepeatCountMask = 0xFFFF;
constexpr int kScanCodeShift = 16;
constexpr uint32_t kScanCodeMask = 0xFF;
constexpr uint32_t kExtendedBit = 1u << 24;
constexpr uint32_t kPreviousStateBit = 1u << 30;
constexpr uint8_t kModifierMask = 7;
constexpr uint32_t kLastKeyCode = 255;
constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char32_t kLastBmpCodePoint = 0xFFFF;

using namespace vk;
constexpr uint8_t kLeftShiftScan = 0x2A, kRightShiftScan = 0x36;
constexpr uint8_t kLeftWinScan = 0x5B, kRightWinScan = 0x5C;

constexpr bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

constexpr char32_t CombinePair(char32_t high, char32_t low) {
    return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

bool IsKnownMessage(KeyMessage message) {
    switch (message) {
    case KeyMessage::KeyDown:
    case KeyMessage::KeyUp:
    case KeyMessage::SysKeyDown:
    case KeyMessage::SysKeyUp:
    case KeyMessage::Char:
    case KeyMessage::DeadChar:
        return true;
    }
    return false;
}

struct Sided {
    KeySide side;
    uint8_t key;
};

// The generic Shift, Ctrl and Alt codes do not say which key of the pair sent them; the scan
// code does for Shift, the extended flag (the E0 prefix of the right-hand keys) for Ctrl and
// Alt. The Windows keys have a code of their own per side; should one arrive under another
// code, its E0 5B or E0 5C scan code still tells.
Sided SideOf(uint8_t key, uint8_t scan, bool extended) {
    switch (key) {
    case kShift:
        if (scan == kLeftShiftScan)
            return {KeySide::Left, kLeftShift};
        if (scan == kRightShiftScan)
            return {KeySide::Right, kRightShift};
        return {KeySide::None, 0};
    case kControl:
        return extended ? Sided{KeySide::Right, kRightControl} : Sided{KeySide::Left, kLeftControl};
    case kMenu:
        return extended ? Sided{KeySide::Right, kRightMenu} : Sided{KeySide::Left, kLeftMenu};
    case kLeftWin:
    case kLeftShift:
    case kLeftControl:
    case kLeftMenu:
        return {KeySide::Left, key};
    case kRightWin:
    case kRightShift:
    case kRightControl:
    case kRightMenu:
        return {KeySide::Right, key};
    default:
        if (extended && scan == kLeftWinScan)
            return {KeySide::Left, kLeftWin};
        if (extended && scan == kRightWinScan)
            return {KeySide::Right, kRightWin};
        return {KeySide::None, 0};
    }
}

// The facts every message carries in lParam, characters included (a character's lParam is
// that of the key-down it came from).
KeyEventRecord FromLParam(const KeyMessageInput& input) {
    KeyEventRecord record{};
    record.message = input.message;
    record.repeatCount = static_cast<uint16_t>(input.lParam & kRepeatCountMask);
    record.scanCode = static_cast<uint8_t>((input.lParam >> kScanCodeShift) & kScanCodeMask);
    record.extended = (input.lParam & kExtendedBit) != 0;
    record.previousDown = (input.lParam & kPreviousStateBit) != 0;
    record.modifiers = static_cast<uint8_t>(input.modifiers & kModifierMask);
    record.ansiCode = kNoAnsiCode;
    record.side = KeySide::None;
    return record;
}

KeyEventRecord KeyRecord(const KeyMessageInput& input) {
    KeyEventRecord record = FromLParam(input);
    record.virtualKey = static_cast<uint8_t>(input.wParam);
    const Sided sided = SideOf(record.virtualKey, record.scanCode, record.extended);
    record.side = sided.side;
    record.sideKey = sided.key;
    return record;
}

KeyEventRecord CharacterRecord(const KeyMessageInput& input, char32_t codePoint) {
    KeyEventRecord record = FromLParam(input);
    record.codePoint = codePoint;
    // Half a pair has no code in any code page, and no ANSI code page writes a character
    // beyond U+FFFF, whatever stand-in the caller computed for the halves.
    const bool writable = codePoint <= kLastBmpCodePoint && !IsSurrogate(codePoint);
    record.ansiCode = (writable && input.ansiCode >= 0) ? input.ansiCode : kNoAnsiCode;
    return record;
}

} // namespace

const KeyEventRecord* KeyHistory::Add(const KeyMessageInput& input) {
    if (!IsKnownMessage(input.message))
        return nullptr;

    if (!IsCharacterMessage(input.message)) {
        if (input.wParam > kLastKeyCode)
            return nullptr;
        FlushPendingHigh();
        return &Push(KeyRecord(input), input.timeMs);
    }

    const char32_t unit = input.wParam;
    if (unit > kLastCodePoint)
        return nullptr;
    if (input.message == KeyMessage::Char) {
        if (pendingHighSet_ && IsLowSurrogate(unit)) {
            pendingHighSet_ = false;
            KeyEventRecord record =
                CharacterRecord(pendingHigh_.input, CombinePair(pendingHigh_.unit, unit));
            return &Push(record, pendingHigh_.input.timeMs);
        }
        const KeyEventRecord* loneHigh = FlushPendingHigh();
        if (IsHighSurrogate(unit)) {
            pendingHigh_ = {unit, input};
            pendingHighSet_ = true;
            return loneHigh;
        }
    } else {
        FlushPendingHigh();
    }
    return &Push(CharacterRecord(input, unit), input.timeMs);
}

const KeyEventRecord* KeyHistory::FlushPendingHigh() {
    if (!pendingHighSet_)
        return nullptr;
    pendingHighSet_ = false;
    return &Push(CharacterRecord(pendingHigh_.input, pendingHigh_.unit), pendingHigh_.input.timeMs);
}

const KeyEventRecord& KeyHistory::Push(const KeyEventRecord& record, uint32_t timeMs) {
    size_t index = first_;
    if (count_ < kCapacity) {
        index = (first_ + count_) % kCapacity;
        ++count_;
    } else {
        first_ = (first_ + 1) % kCapacity; // the oldest record gives way
    }
    KeyEventRecord& slot = ring_[index];
    slot = record;
    // Unsigned subtraction carries the difference across the wrap of the message clock. A
    // difference in the upper half of the range means the clock went backwards (or a gap of
    // more than 24 days, which no one reads off a key history): shown as 0.
    const uint32_t elapsed = timeMs - lastTimeMs_;
    slot.sincePreviousMs =
        (added_ == 0 || elapsed > static_cast<uint32_t>(INT32_MAX)) ? 0 : elapsed;
    lastTimeMs_ = timeMs;
    ++added_;
    return slot;
}

const KeyEventRecord& KeyHistory::at(size_t i) const {
    const size_t offset = i < count_ ? i : 0;
    return ring_[(first_ + offset) % kCapacity];
}

void KeyHistory::Clear() {
    first_ = 0;
    count_ = 0;
    added_ = 0;
    ++clears_;
    lastTimeMs_ = 0;
    pendingHighSet_ = false;
}

} // namespace zintar
