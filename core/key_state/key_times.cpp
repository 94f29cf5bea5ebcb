#include "core/key_state/key_times.h"

namespace zintar {

KeyTiming KeyTimes::Add(const KeyStroke& stroke) {
    Key& key = keys_[KeySlot(stroke)];
    const uint32_t now = stroke.timeMs;
    KeyTiming timing;
    if (stroke.up) {
        if (key.down && key.downKnown)
            timing.heldMs = TicksBetween(key.downMs, now);
        else if (key.hookDownKnown && NotAfter(key.hookDownMs, now))
            timing.heldMs = TicksBetween(key.hookDownMs, now);
        // The hook runs ahead of the messages: a key-down it saw after this key-up belongs to
        // the next press and is kept for it.
        if (key.hookDownKnown && NotAfter(key.hookDownMs, now))
            key.hookDownKnown = key.hookDown = false;
        key.down = key.downKnown = false;
        key.upKnown = true;
        key.upMs = now;
        return timing;
    }
    if (stroke.autoRepeat && key.down)
        return timing;
    if (stroke.autoRepeat) {
        // The press began before the window had the keyboard: held, but since when is unknown.
        key.down = true;
        key.downKnown = false;
        return timing;
    }
    // A fresh key-down while the key is still down means its key-up went elsewhere, so the
    // last release seen is older than the press in between.
    if (key.upKnown && !key.down)
        timing.sinceReleaseMs = TicksBetween(key.upMs, now);
    key.down = key.downKnown = true;
    key.downMs = now;
    return timing;
}

void KeyTimes::AddHook(const KeyStroke& stroke) {
    Key& key = keys_[KeySlot(stroke)];
    if (stroke.up) {
        // The time stays for the window's key-up, which comes after the hook's.
        key.hookDown = false;
    } else if (!key.hookDown) {
        key.hookDown = key.hookDownKnown = true;
        key.hookDownMs = stroke.timeMs;
    }
}

void KeyTimes::Clear() {
    keys_.fill(Key{});
}

} // namespace zintar
