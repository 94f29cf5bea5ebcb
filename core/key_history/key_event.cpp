#include "core/key_history/key_event.h"

#include <climits>

#include "core/common/virtual_keys.h"
#include "core/key_history/text_input.h"

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
constexpr int kUnitShift = 16;
constexpr uint32_t kCommandShift = 16, kCommandMask = 0x0FFF;
constexpr int32_t kConversionModeFlags = 0x0FFF;

constexpr bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

constexpr char32_t CombinePair(char32_t high, char32_t low) {
    return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

// A cursor or a state as a record keeps it: a cursor beyond a bounded composition is no place
// a row can show.
int16_t ImeValue(int32_t value) {
    return value < 0 || value > INT16_MAX ? int16_t{-1} : static_cast<int16_t>(value);
}

bool IsKnownMessage(KeyMessage message) {
    return message <= KeyMessage::AppCommand;
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

// A VK_PACKET key message carries the UTF-16 unit it sends in lParam's high word, where other
// keys have their scan code and flags: it has no scan code, no extended flag and no previous
// state, and the unit is its character.
KeyEventRecord KeyRecord(const KeyMessageInput& input) {
    KeyEventRecord record = FromLParam(input);
    record.virtualKey = static_cast<uint8_t>(input.wParam);
    if (record.virtualKey == kPacket) {
        record.codePoint = input.lParam >> kUnitShift;
        record.scanCode = 0;
        record.extended = false;
        record.previousDown = false;
        record.sent = true;
        return record;
    }
    const Sided sided = SideOf(record.virtualKey, record.scanCode, record.extended);
    record.side = sided.side;
    record.sideKey = sided.key;
    if (record.virtualKey == kProcessKey && input.ime && input.ime->realKey != kProcessKey)
        record.realKey = input.ime->realKey;
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
    if (IsKeyMessage(input.message))
        return AddKey(input);
    if (input.message == KeyMessage::Char)
        return AddUnit(input, Halves::Char);
    if (input.message == KeyMessage::ImeChar)
        return AddUnit(input, Halves::ImeChar);
    return AddOther(input);
}

const KeyEventRecord* KeyHistory::AddKey(const KeyMessageInput& input) {
    if (input.wParam > kLastKeyCode)
        return nullptr;
    const KeyEventRecord record = KeyRecord(input);
    // The packets that carry a waiting half or its partner keep the wait; any other key ends
    // it.
    const auto carries = [&](const std::optional<PendingHigh>& pending) {
        return pending && (record.codePoint == pending->unit || IsLowSurrogate(record.codePoint));
    };
    if (!record.sent)
        FlushAll();
    else
        for (Halves halves : {Halves::Char, Halves::ImeChar})
            if (!carries(pending_[static_cast<size_t>(halves)]))
                Flush(halves);
    if (!IsKeyUpMessage(record.message))
        packetUnit_ = record.sent ? std::optional<char32_t>(record.codePoint) : std::nullopt;
    imeSeen_ = imeSeen_ || record.virtualKey == kProcessKey;
    const KeyEventRecord& pushed = Push(record, input.timeMs);
    GroupChord(pushed, input.timeMs);
    return &pushed;
}

bool KeyHistory::SentUnit(char32_t unit) const {
    return packetUnit_ && *packetUnit_ == unit;
}

const KeyEventRecord* KeyHistory::AddUnit(const KeyMessageInput& input, Halves halves) {
    const char32_t unit = input.wParam;
    if (unit > kLastCodePoint)
        return nullptr;
    const bool sent = halves == Halves::Char && SentUnit(unit);
    imeSeen_ = imeSeen_ || halves == Halves::ImeChar;
    std::optional<PendingHigh>& pending = pending_[static_cast<size_t>(halves)];
    if (pending && IsLowSurrogate(unit)) {
        KeyEventRecord record = CharacterRecord(pending->input, CombinePair(pending->unit, unit));
        record.sent = pending->sent && sent;
        const uint32_t timeMs =
            added_ == pending->addedAtWait ? pending->input.timeMs : input.timeMs;
        pending.reset();
        return &Push(record, timeMs);
    }
    const KeyEventRecord* loneHigh = Flush(halves);
    if (IsHighSurrogate(unit)) {
        pending = PendingHigh{unit, input, sent, added_};
        return loneHigh;
    }
    KeyEventRecord record = CharacterRecord(input, unit);
    record.sent = sent;
    return &Push(record, input.timeMs);
}

// The dead character, WM_UNICHAR's character and the messages that carry no character.
const KeyEventRecord* KeyHistory::AddOther(const KeyMessageInput& input) {
    KeyEventRecord record = FromLParam(input);
    imeSeen_ = imeSeen_ || (input.message >= KeyMessage::ImeStartComposition &&
                            input.message <= KeyMessage::ImeNotify);
    switch (input.message) {
    case KeyMessage::DeadChar:
    case KeyMessage::UniChar:
        // UTF-32 has no halves: a surrogate is no character there.
        if (input.wParam > kLastCodePoint ||
            (input.message == KeyMessage::UniChar && IsSurrogate(input.wParam)))
            return nullptr;
        if (input.message == KeyMessage::DeadChar)
            Flush(Halves::Char);
        else
            FlushAll();
        record = CharacterRecord(input, input.wParam);
        break;
    case KeyMessage::ImeSetContext: {
        const bool active = input.wParam != 0;
        const bool changed = contextActive_ != active;
        contextActive_ = active;
        if (!changed || !imeSeen_)
            return nullptr;
        record.imeNotice = active ? 1 : 0;
        break;
    }
    case KeyMessage::ImeNotify:
        if (input.wParam != text_input::kSetOpenStatus &&
            input.wParam != text_input::kSetConversionMode)
            return nullptr;
        record.imeNotice = static_cast<uint16_t>(input.wParam);
        // The conversion mode's flags are its low twelve bits; the rest is reserved.
        record.imeValue = ImeValue(!input.ime || input.ime->state < 0 ? -1
                                   : input.wParam == text_input::kSetConversionMode
                                       ? input.ime->state & kConversionModeFlags
                                       : input.ime->state);
        break;
    case KeyMessage::ImeComposition:
        record.imeNotice = static_cast<uint16_t>(input.lParam);
        // The cursor belongs to the composition string, whether or not its flag came too.
        record.imeValue =
            ImeValue(input.ime && (input.lParam & (text_input::kCursorPosition |
                                                   text_input::kCompositionString)) != 0
                         ? input.ime->cursor
                         : -1);
        if (input.ime)
            texts_.Keep(added_,
                        (input.lParam & text_input::kCompositionString) ? input.ime->composition
                                                                        : std::wstring_view(),
                        (input.lParam & text_input::kResultString) ? input.ime->result
                                                                   : std::wstring_view());
        break;
    case KeyMessage::AppCommand:
        record.appCommand = static_cast<uint16_t>((input.lParam >> kCommandShift) & kCommandMask);
        record.appCommandDevice =
            static_cast<uint16_t>((input.lParam >> kCommandShift) & text_input::kDeviceMask);
        break;
    default:
        break; // the start and end of a composition say nothing more
    }
    if (!IsCharacterMessage(input.message)) {
        // Their lParam holds no keystroke.
        record.repeatCount = 0;
        record.scanCode = 0;
        record.extended = false;
        record.previousDown = false;
    }
    return &Push(record, input.timeMs);
}

const KeyEventRecord* KeyHistory::Flush(Halves halves) {
    std::optional<PendingHigh>& pending = pending_[static_cast<size_t>(halves)];
    if (!pending)
        return nullptr;
    KeyEventRecord record = CharacterRecord(pending->input, pending->unit);
    record.sent = pending->sent;
    const uint32_t timeMs = pending->input.timeMs;
    pending.reset();
    return &Push(record, timeMs);
}

// The older wait first: its half came first.
const KeyEventRecord* KeyHistory::FlushAll() {
    const auto& a = pending_[0];
    const auto& b = pending_[1];
    const bool imeFirst = a && b && b->addedAtWait < a->addedAtWait;
    const KeyEventRecord* first = Flush(imeFirst ? Halves::ImeChar : Halves::Char);
    const KeyEventRecord* second = Flush(imeFirst ? Halves::Char : Halves::ImeChar);
    return second ? second : first;
}

void KeyHistory::GroupChord(const KeyEventRecord& record, uint32_t timeMs) {
    if (record.sent)
        return; // text, not a key of the keyboard
    const uint64_t number = added_ - 1;
    const OneKeyChords::Marks marks =
        chords_.Take({number, record.virtualKey, IsKeyUpMessage(record.message),
                      record.previousDown && !IsKeyUpMessage(record.message), timeMs});
    for (size_t i = 0; i < marks.count; ++i) {
        const uint64_t marked = marks.records[i];
        if (marked < oldestNumber())
            continue;
        ring_[(first_ + static_cast<size_t>(marked - oldestNumber())) % kCapacity].chord =
            marks.chord;
        if (marked != number)
            ++revision_;
    }
}

const KeyEventRecord& KeyHistory::Push(const KeyEventRecord& record, uint32_t timeMs) {
    size_t index = first_;
    if (count_ < kCapacity) {
        index = (first_ + count_) % kCapacity;
        ++count_;
    } else {
        first_ = (first_ + 1) % kCapacity; // the oldest record gives way
        texts_.DropBefore(added_ + 1 - kCapacity);
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

const RecordTexts::Texts* KeyHistory::TextsAt(size_t i) const {
    return i < count_ ? texts_.Find(oldestNumber() + i) : nullptr;
}

void KeyHistory::Clear() {
    first_ = 0;
    count_ = 0;
    added_ = 0;
    ++clears_;
    lastTimeMs_ = 0;
    pending_ = {};
    packetUnit_.reset();
    imeSeen_ = false;
    chords_.Clear();
    texts_.Clear();
}

} // namespace zintar
