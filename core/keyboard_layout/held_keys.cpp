#include "core/keyboard_layout/held_keys.h"

#include <algorithm>

#include "core/keyboard_layout/layouts_window_captions.h"

namespace zintar {

namespace {

// A keyboard has some 110 keys; no message stream can hold more down.
constexpr size_t kMaxHeld = 256;

} // namespace

bool HeldKeys::Press(ReportedKey key, uint8_t virtualKey) {
    if (IsHeld(key) || keys_.size() >= kMaxHeld)
        return false;
    keys_.push_back({key, virtualKey});
    return true;
}

bool HeldKeys::Release(ReportedKey key) {
    const auto it =
        std::find_if(keys_.begin(), keys_.end(), [&](const HeldKey& h) { return h.key == key; });
    if (it == keys_.end())
        return false;
    keys_.erase(it);
    return true;
}

bool HeldKeys::Clear() {
    const bool changed = !keys_.empty();
    keys_.clear();
    return changed;
}

bool HeldKeys::IsHeld(ReportedKey key) const {
    return std::any_of(keys_.begin(), keys_.end(), [&](const HeldKey& h) { return h.key == key; });
}

std::wstring HeldNowText(size_t count, Language language) {
    return std::wstring(LayoutsWindowCaptionsOf(language).heldNow) + std::to_wstring(count);
}

} // namespace zintar
