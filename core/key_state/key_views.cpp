#include "core/key_state/key_views.h"

#include <algorithm>

#include "core/common/virtual_keys.h"

namespace zintar {

namespace {

constexpr uint8_t kDownBit = 0x80, kToggleBit = 0x01;
constexpr uint8_t kCapsLock = 0x14, kKana = 0x15, kNumLock = 0x90, kScrollLock = 0x91;

// The thread's and the hardware's views hold the mouse buttons too, which the keyboard hook
// never sees: a click would look like a stuck key.
constexpr bool IsMouseButton(uint8_t code) {
    return code == 0x01 || code == 0x02 || (code >= 0x04 && code <= 0x06);
}
constexpr bool IsToggleKey(uint8_t code) {
    return code == kCapsLock || code == kKana || code == kNumLock || code == kScrollLock;
}
constexpr bool IsPair(uint8_t code) {
    return code == vk::kShift || code == vk::kControl || code == vk::kMenu;
}
constexpr bool IsSideCode(uint8_t code) {
    return code >= vk::kLeftShift && code <= vk::kRightMenu;
}
// The rows: every key code but none, the mouse buttons and the side-specific codes of Shift,
// Ctrl and Alt. The thread's and the hardware's views set the generic code together with the
// side's, and the hook names only the side, so one row per pair holds all three codes: Shift
// is listed once, and a view that names the generic code agrees with one that names a side.
// Which side is held still shows in the row's name.
constexpr bool IsRowKey(uint8_t code) {
    return code != 0 && !IsMouseButton(code) && !IsSideCode(code);
}
constexpr uint8_t LeftCode(uint8_t pair) {
    return static_cast<uint8_t>(vk::kLeftShift + 2 * (pair - vk::kShift));
}

struct RowCodes {
    std::array<uint8_t, 3> codes; // the generic code first, then left and right
    size_t count;
};
constexpr RowCodes CodesOf(uint8_t row) {
    if (!IsPair(row))
        return {{row, 0, 0}, 1};
    return {{row, LeftCode(row), static_cast<uint8_t>(LeftCode(row) + 1)}, 3};
}

} // namespace

void KeyStateWatch::StartHook() {
    StopHook();
    hookRunning_ = true;
}

void KeyStateWatch::StopHook() {
    hookRunning_ = false;
    hookDown_.fill(false);
    hookKnows_.fill(false);
    hookSent_.fill(false);
    hookHeld_ = 0;
}

void KeyStateWatch::AddHook(const KeyStroke& stroke) {
    const uint8_t code = stroke.virtualKey;
    if (!hookRunning_ || code == 0)
        return;
    hookKnows_[code] = true;
    if (stroke.up && hookDown_[code]) {
        hookDown_[code] = false;
        --hookHeld_;
    } else if (!stroke.up) {
        // A keyboard's repeat of a key that a program pressed: a finger holds it now.
        hookSent_[code] = stroke.injected;
        if (!hookDown_[code]) {
            hookDown_[code] = true;
            hookDownMs_[code] = stroke.timeMs;
            ++hookHeld_;
        }
    }
}

KeyStateWatch::Views KeyStateWatch::ViewsOf(uint8_t rowKey) const {
    Views views;
    views.known = ViewBit(KeyView::Thread) | ViewBit(KeyView::Hardware);
    bool hookKnowsAll = hookRunning_;
    const RowCodes row = CodesOf(rowKey);
    for (size_t i = 0; i < row.count; ++i) {
        const uint8_t code = row.codes[i];
        KeyViewMask held = 0;
        if (reading_.keyboardState[code] & kDownBit)
            held |= ViewBit(KeyView::Thread);
        if (reading_.asyncDown[code])
            held |= ViewBit(KeyView::Hardware);
        if (hookDown_[code]) {
            held |= ViewBit(KeyView::Hook);
            // The pair's earliest key-down, when the hook holds both sides.
            const bool first = !(views.held & ViewBit(KeyView::Hook));
            if (first || NotAfter(hookDownMs_[code], views.hookDownMs))
                views.hookDownMs = hookDownMs_[code];
            views.sent = views.sent || hookSent_[code];
        }
        views.held |= held;
        views.left |= i == 1 && held != 0;
        views.right |= i == 2 && held != 0;
        hookKnowsAll = hookKnowsAll && hookKnows_[code];
    }
    if ((views.held & ViewBit(KeyView::Hook)) || hookKnowsAll)
        views.known |= ViewBit(KeyView::Hook);
    return views;
}

void KeyStateWatch::Observe(const KeyViewsReading& reading, uint32_t nowMs) {
    reading_ = reading;
    readingHeld_ = false;
    // A code that no view holds now will pass the hook on its way down.
    for (size_t code = 0; code < 256; ++code) {
        if (hookRunning_ && !(reading.keyboardState[code] & kDownBit) && !reading.asyncDown[code])
            hookKnows_[code] = true;
    }
    for (size_t code = 1; code < 256; ++code) {
        const auto row = static_cast<uint8_t>(code);
        if (!IsRowKey(row))
            continue;
        const Views views = ViewsOf(row);
        readingHeld_ = readingHeld_ || (views.held & ~ViewBit(KeyView::Hook)) != 0;
        if (!views.Disagree())
            disagreeing_[row] = false;
        else if (!disagreeing_[row]) {
            disagreeing_[row] = true;
            disagreeSinceMs_[row] = nowMs;
        }
    }
}

std::vector<KeyStateRow> KeyStateWatch::Rows(uint32_t nowMs) const {
    std::vector<KeyStateRow> rows;
    for (size_t code = 1; code < 256; ++code) {
        const auto key = static_cast<uint8_t>(code);
        if (!IsRowKey(key))
            continue;
        const Views views = ViewsOf(key);
        if (views.held == 0 && !IsToggleKey(key))
            continue;
        KeyStateRow row{key, views.held, views.known, std::nullopt, false, 0};
        if (IsPair(key) && views.left != views.right)
            row.virtualKey = views.left ? LeftCode(key) : static_cast<uint8_t>(LeftCode(key) + 1);
        if (IsToggleKey(key))
            row.toggledOn = (reading_.keyboardState[key] & kToggleBit) != 0;
        const uint32_t since = disagreeSinceMs_[key];
        const bool hookHolds = (views.held & ViewBit(KeyView::Hook)) != 0;
        const uint32_t hookFor = hookHolds && NotAfter(views.hookDownMs, nowMs)
                                     ? TicksBetween(views.hookDownMs, nowMs)
                                     : 0;
        row.sentByProgram = views.sent;
        row.stuck = (views.Disagree() && disagreeing_[key] && NotAfter(since, nowMs) &&
                     TicksBetween(since, nowMs) >= kGraceMs) ||
                    (views.sent && hookFor >= kSentHoldMs);
        if (row.stuck) {
            const uint32_t from = hookHolds ? views.hookDownMs : since;
            row.stuckForMs = NotAfter(from, nowMs) ? TicksBetween(from, nowMs) : 0;
        }
        rows.push_back(row);
    }
    // The keys held first, where a low window shows them: the toggle keys that no view holds
    // follow them.
    std::stable_partition(rows.begin(), rows.end(),
                          [](const KeyStateRow& row) { return row.held != 0; });
    return rows;
}

} // namespace zintar
