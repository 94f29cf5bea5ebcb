#pragma once
// When each key went down and up: how long a key was held, how long after its release it went
// down again, and whether that was too soon to be a real press (a chattering switch). The
// state is one small entry per key; nothing allocates per event.
#include <array>
#include <cstdint>
#include <optional>

#include "core/key_state/key_stroke.h"

namespace zintar {

// What one key message tells of time.
struct KeyTiming {
    // On a key-up: since the key's own first key-down, not since its last auto-repeat. None
    // when that key-down is unknown.
    std::optional<uint32_t> heldMs;
    // On a key-down that starts a press: since the key last went up. None for the first press,
    // for auto-repeats, and where the key-up in between went elsewhere.
    std::optional<uint32_t> sinceReleaseMs;
};

// A press that follows its release by less than this is taken for the switch bouncing rather
// than a finger. The caller holds it for the session; the rows keep their times, so a changed
// threshold applies to the rows already shown.
struct ChatterThreshold {
    uint32_t ms = 30;
};

// Strictly below the threshold: a press exactly the threshold after its release counts as a
// real one, and a threshold of 0 turns the mark off.
constexpr bool IsChatter(const KeyTiming& timing, ChatterThreshold threshold) {
    return timing.sinceReleaseMs && *timing.sinceReleaseMs < threshold.ms;
}

class KeyTimes {
  public:
    // A key message of the window, in the order of the messages.
    KeyTiming Add(const KeyStroke& stroke);
    // A key event of the low-level hook. Only the time of a key's first key-down is kept, for
    // a key-up whose key-down the window never received (another program's hotkey took it):
    // the window's own time stamps are used wherever the window saw the key-down.
    void AddHook(const KeyStroke& stroke);
    // Forgets every key: Zintar lost the foreground, and with it the hook and the keys.
    void Clear();

  private:
    struct Key {
        bool down = false;      // the window saw the key go down and not up yet
        bool downKnown = false; // ... and saw the press begin (not only its auto-repeats)
        bool upKnown = false;
        bool hookDown = false; // the hook holds the key
        bool hookDownKnown = false;
        uint32_t downMs = 0;
        uint32_t upMs = 0;
        uint32_t hookDownMs = 0; // the hook's first key-down of the latest press
    };
    std::array<Key, kKeySlotCount> keys_{};
};

} // namespace zintar
