#include "core/key_history/key_route.h"

#include <algorithm>

#include "core/key_identity/reserved_shortcuts.h"

namespace zintar {

namespace {

constexpr uint8_t kShift = 16, kControl = 17, kMenu = 18, kLeftWin = 91, kRightWin = 92;
constexpr uint8_t kLeftShift = 160, kRightMenu = 165;
constexpr uint8_t kSnapshot = 0x2C;
// Raw Input reports the fake Shift presses that the keyboard adds around some keys, and
// keyboard overruns, with key code 255: no key the window could receive.
constexpr uint8_t kNoKey = 255;
constexpr uint16_t kScanByte = 0xFF;
// Ticks wrap around after 49.7 days; a difference beyond half the range is a time that lies
// ahead, not one long past.
constexpr uint32_t kAheadOfNow = 0x80000000u;

uint8_t Held(const std::array<bool, 256>& down) {
    uint8_t held = 0;
    if (down[kMenu])
        held |= kHotkeyAlt;
    if (down[kControl])
        held |= kHotkeyCtrl;
    if (down[kShift])
        held |= kHotkeyShift;
    if (down[kLeftWin] || down[kRightWin])
        held |= kHotkeyWin;
    return held;
}

// The views do not agree on every identity of a key: the hook names the side of a modifier
// (VK_LSHIFT) where the window and Raw Input give the generic code, and the extended flag of
// some keys (Num Lock, Pause) differs between Raw Input and the key message. A key matches
// when its code or its scan code agrees; the direction and the time decide the rest.
bool SameKey(const SeenKey& a, const SeenKey& b) {
    if (a.packet || b.packet)
        return a.packet == b.packet && a.scanCode == b.scanCode;
    if (a.up != b.up)
        return false;
    const uint8_t va = GenericVirtualKey(a.virtualKey), vb = GenericVirtualKey(b.virtualKey);
    if (va != 0 && va == vb)
        return true;
    return a.scanCode != 0 && (a.scanCode & kScanByte) == (b.scanCode & kScanByte);
}

size_t SourceIndex(KeySource source) {
    switch (source) {
    case KeySource::Window:
        return 0;
    case KeySource::Hook:
        return 1;
    case KeySource::RawInput:
        break;
    }
    return 2;
}

bool WithinWait(uint32_t from, uint32_t to) {
    const uint32_t a = to - from, b = from - to;
    return a <= KeyRouter::kDeliveryWaitMs || b <= KeyRouter::kDeliveryWaitMs;
}

} // namespace

// Raw Input's view of a key with no key code whose make code is the unit of a packet that a
// view saw and Raw Input has not: Wine's view of sent text.
bool KeyRouter::IsUnnamedPacket(const SeenKey& key) const {
    if (key.virtualKey != 0)
        return false;
    const KeySourceMask bit = Bit(KeySource::RawInput);
    for (size_t i = std::max(unseen_[SourceIndex(KeySource::RawInput)], taken_) - taken_;
         i < pending_.size(); ++i) {
        const KeyRoute& route = pending_[i];
        if (route.key.packet && (route.seenBy & bit) == 0 && route.key.scanCode == key.scanCode)
            return true;
    }
    return false;
}

uint8_t GenericVirtualKey(uint8_t virtualKey) {
    if (virtualKey < kLeftShift || virtualKey > kRightMenu)
        return virtualKey;
    return static_cast<uint8_t>(kShift + (virtualKey - kLeftShift) / 2);
}

uint8_t ModifierOf(uint8_t genericVirtualKey) {
    switch (genericVirtualKey) {
    case kShift:
        return kHotkeyShift;
    case kControl:
        return kHotkeyCtrl;
    case kMenu:
        return kHotkeyAlt;
    case kLeftWin:
    case kRightWin:
        return kHotkeyWin;
    default:
        return 0;
    }
}

NotDeliveredReason LikelyNotDeliveredReason(uint8_t virtualKey, uint8_t heldModifiers, bool up) {
    const uint8_t key = GenericVirtualKey(virtualKey);
    if (key == kSnapshot && !up)
        return NotDeliveredReason::KeyUpOnly;
    if (FindReservedShortcut({key, heldModifiers}))
        return NotDeliveredReason::SystemShortcut;
    return NotDeliveredReason::None;
}

NotDeliveredReason ReasonAfterProbe(NotDeliveredReason current, HotkeyAnswer answer) {
    switch (answer) {
    case HotkeyAnswer::Taken:
        return NotDeliveredReason::OtherProgramsHotkey;
    case HotkeyAnswer::ReservedByWindows:
        return NotDeliveredReason::SystemShortcut;
    case HotkeyAnswer::Free:
    case HotkeyAnswer::Unknown:
        break;
    }
    return current;
}

void KeyRouter::SetSources(KeySourceMask sources) {
    sources_ = static_cast<KeySourceMask>((sources & kAllKeySources) | Bit(KeySource::Window));
}

void KeyRouter::SetKeysDown(const std::array<bool, 256>& down) {
    for (size_t i = 0; i < down.size(); ++i)
        down_[GenericVirtualKey(static_cast<uint8_t>(i))] |= down[i];
}

// The oldest pending route that the key may join: one of the same key and direction, from
// another view, within the wait. The views see the keys in the same order, so the search
// starts at the view's oldest unseen route and ends at the first route too far ahead.
KeyRoute* KeyRouter::Match(const SeenKey& key, KeySource source) {
    const KeySourceMask bit = Bit(source);
    uint64_t& unseen = unseen_[SourceIndex(source)];
    unseen = std::max(unseen, taken_);
    // A route that no view saw stands for a key-down that never came: nothing joins it.
    while (unseen - taken_ < pending_.size() &&
           (pending_[unseen - taken_].seenBy & bit || pending_[unseen - taken_].seenBy == 0))
        ++unseen;
    for (size_t i = unseen - taken_; i < pending_.size(); ++i) {
        KeyRoute& route = pending_[i];
        const uint32_t ahead = route.key.timeMs - key.timeMs;
        if (ahead > kDeliveryWaitMs && ahead < kAheadOfNow)
            break;
        if (route.seenBy != 0 && (route.seenBy & bit) == 0 && SameKey(route.key, key) &&
            WithinWait(route.key.timeMs, key.timeMs))
            return &route;
    }
    return nullptr;
}

KeyRoute& KeyRouter::Join(const SeenKey& key, KeySource source) {
    if (KeyRoute* match = Match(key, source)) {
        match->seenBy |= Bit(source);
        return *match;
    }
    const uint8_t generic = GenericVirtualKey(key.virtualKey);
    const uint8_t held = Held(down_);
    if (pending_.size() + 2 > kPendingCapacity) {
        pending_.pop_front();
        ++taken_;
        ++dropped_;
    }
    if (key.packet) {
        // Text, not a key that is held: no modifier, no lone key-up, no chord.
        KeyRoute route{};
        route.key = key;
        route.seenBy = Bit(source);
        route.windowKeysBefore = windowKeys_;
        route.recordsBefore = recordsEnd_;
        pending_.push_back(route);
        return pending_.back();
    }
    // A key-up whose key-down no view saw: the down went elsewhere before any view. Only a
    // view of the keyboard tells that a key went up; a key message that the hook and Raw
    // Input, gathering, did not see first was sent to the window by a program, with no key.
    const bool keyboardView = source != KeySource::Window || sources_ == Bit(KeySource::Window);
    if (key.up && keyboardView && generic != 0 && !down_[generic]) {
        KeyRoute lone{};
        lone.key = key;
        lone.key.up = false;
        const uint8_t chord = releasing_ ? chord_ : 0;
        lone.heldModifiers = (held | chord) & static_cast<uint8_t>(~ModifierOf(generic));
        lone.windowKeysBefore = windowKeys_;
        lone.recordsBefore = recordsEnd_;
        lone.reason = LikelyNotDeliveredReason(generic, lone.heldModifiers, false);
        pending_.push_back(lone);
    }
    // The modifiers going up one after another keep the chord they were held in; a key-down,
    // or a key that goes up after the modifiers, spends it.
    const bool modifierUp = key.up && ModifierOf(generic) != 0 && down_[generic];
    if (modifierUp && !releasing_)
        chord_ = held;
    releasing_ = modifierUp;
    down_[generic] = !key.up;
    KeyRoute route{};
    route.key = key;
    route.heldModifiers = held;
    route.seenBy = Bit(source);
    route.windowKeysBefore = windowKeys_;
    route.recordsBefore = recordsEnd_;
    pending_.push_back(route);
    return pending_.back();
}

void KeyRouter::Add(const HookKeyEvent& event) {
    KeyRoute& route = Join(event.key, KeySource::Hook);
    route.injected = event.injected;
    route.injectedFromLowerIntegrity = event.injectedFromLowerIntegrity;
    route.extraInfo = event.extraInfo;
}

void KeyRouter::Add(const RawKeyEvent& event) {
    if (event.key.virtualKey == kNoKey)
        return;
    SeenKey key = event.key;
    key.packet = key.packet || IsUnnamedPacket(key);
    KeyRoute& route = Join(key, KeySource::RawInput);
    if (key.packet) {
        route.key.up = key.up; // Raw Input's direction is right where the hook's may not be
        return;                // sent text comes from no device
    }
    route.hasDevice = true;
    route.device = event.device;
    // Input that no device sent was sent by a program: what the hook would have said, had
    // the system not passed it by (it does so for a hook that keeps it waiting).
    if (event.device == 0 && (route.seenBy & Bit(KeySource::Hook)) == 0)
        route.injected = true;
}

void KeyRouter::Add(const WindowKeyEvent& event) {
    KeyRoute& route = Join(event.key, KeySource::Window);
    route.key.up = event.key.up; // the window's direction is the one a program sees
    route.delivered = true;
    route.record = event.record;
    ++windowKeys_;
    recordsEnd_ = event.record + 1;
    windowTimeKnown_ = true;
    windowTimeMs_ = event.key.timeMs;
}

bool KeyRouter::Settled(const KeyRoute& route, uint32_t nowMs, bool windowBehind) const {
    if (route.seenBy == 0 || (route.seenBy & sources_) == sources_)
        return true;
    if (windowBehind) {
        if (!windowTimeKnown_)
            return false;
        nowMs = windowTimeMs_;
    }
    const uint32_t waited = nowMs - route.key.timeMs;
    return waited >= kDeliveryWaitMs && waited < kAheadOfNow;
}

// Where a row of its own goes for the route just taken: before the record of the next key
// that the window received. The hook runs ahead of the window's messages, so what the window
// had received when the route was made says little; a key not yet received goes after every
// record so far.
uint64_t KeyRouter::RecordAfter() const {
    constexpr size_t kLookAhead = 64; // a key-down the window gets comes within a few routes
    size_t looked = 0;
    for (const KeyRoute& later : pending_) {
        if (later.delivered)
            return later.record;
        if (++looked == kLookAhead)
            break;
    }
    return recordsEnd_;
}

std::vector<KeyRoute> KeyRouter::Take(uint32_t nowMs, bool windowBehind) {
    std::vector<KeyRoute> settled;
    while (!pending_.empty() && Settled(pending_.front(), nowMs, windowBehind)) {
        KeyRoute route = pending_.front();
        pending_.pop_front();
        ++taken_;
        if (!route.delivered)
            route.recordsBefore = RecordAfter();
        if (!route.delivered && route.seenBy != 0 && route.reason == NotDeliveredReason::None)
            route.reason =
                LikelyNotDeliveredReason(route.key.virtualKey, route.heldModifiers, route.key.up);
        settled.push_back(route);
    }
    return settled;
}

void KeyRouter::Forget() {
    taken_ += pending_.size();
    pending_.clear();
    windowTimeKnown_ = false;
}

void KeyRouter::Clear() {
    Forget();
    down_.fill(false);
    releasing_ = false;
}

} // namespace zintar
