#pragma once
// Whether a key is down, as the system's three views answer it: the thread's key state
// (GetKeyState, as of the message being handled), the hardware's (GetAsyncKeyState, now) and
// what the low-level hook saw go down and up. A key is stuck when one view holds it and
// another does not, for longer than the views take to catch up with each other (a key-up that
// went to another thread, a Windows key left down by Win+L); or when a program's key-down
// holds it for longer than any program's own shortcut takes, though every view agrees: the
// key-down that a program sent and never released, which each view then rightly reports.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/key_state/key_stroke.h"

namespace zintar {

// What the window reads at a tick of its timer.
struct KeyViewsReading {
    std::array<uint8_t, 256> keyboardState; // GetKeyboardState: high bit down, low bit toggled
    std::array<bool, 256> asyncDown;        // each key's GetAsyncKeyState high bit
};

// The three views, as bits of a mask.
enum class KeyView : uint8_t { Thread = 1, Hardware = 2, Hook = 4 };
using KeyViewMask = uint8_t;
constexpr KeyViewMask ViewBit(KeyView view) {
    return static_cast<KeyViewMask>(view);
}

struct KeyStateRow {
    // The key the row names. Shift, Ctrl and Alt are one row each: the generic code, or the
    // code of one side where the views that hold it name that side only.
    uint8_t virtualKey;
    KeyViewMask held;  // the views that hold it
    KeyViewMask known; // the views that can tell; the hook cannot for a key that went down
                       // before it started and that it has not seen since
    std::optional<bool> toggledOn; // Caps Lock, Num Lock, Scroll Lock and Kana
    bool stuck;
    uint32_t stuckForMs;        // from the hook's key-down where the hook holds it, else from when
                                // the disagreement was first read
    bool sentByProgram = false; // the hook holds it from a program's key-down
};

class KeyStateWatch {
  public:
    // How long views may disagree before a key counts as stuck: the hook sees a key before
    // the thread's state does, and a reading can fall between the two.
    static constexpr uint32_t kGraceMs = 250;
    // How long a program's key-down may hold a key before it counts as forgotten: a program's
    // shortcut lets its keys go within milliseconds, and a macro that holds Shift on purpose
    // while it types a word is done long before.
    static constexpr uint32_t kSentHoldMs = 1000;

    // The hook was installed or removed. It sees no key that went down before it started.
    void StartHook();
    void StopHook();
    // An event of the hook, with the side-specific code it gives for Shift, Ctrl and Alt.
    void AddHook(const KeyStroke& stroke);
    // A reading of the thread's and the hardware's views at nowMs (GetTickCount).
    void Observe(const KeyViewsReading& reading, uint32_t nowMs);

    // Every key that a view holds, by code, then the toggle keys that none holds; stuck as of
    // the latest Observe, which is meant to come just before with the same time.
    std::vector<KeyStateRow> Rows(uint32_t nowMs) const;
    // A view holds a key: the window's timer runs only then. Toggles on are not held.
    bool AnythingHeld() const { return hookHeld_ > 0 || readingHeld_; }

  private:
    struct Views {
        KeyViewMask held = 0;
        KeyViewMask known = 0;
        bool left = false, right = false; // the views name that side of a pair
        uint32_t hookDownMs = 0;          // where the hook holds it
        bool sent = false;                // ... from a program's key-down
        constexpr bool Disagree() const { return held != 0 && held != known; }
    };
    Views ViewsOf(uint8_t rowKey) const;

    bool hookRunning_ = false;
    std::array<bool, 256> hookDown_{};
    std::array<bool, 256> hookKnows_{}; // the hook would have seen this code go down
    std::array<uint32_t, 256> hookDownMs_{};
    std::array<bool, 256> hookSent_{}; // the latest key-down the hook saw came from a program
    uint16_t hookHeld_ = 0;
    KeyViewsReading reading_{};
    bool readingHeld_ = false;
    std::array<bool, 256> disagreeing_{};
    std::array<uint32_t, 256> disagreeSinceMs_{};
};

} // namespace zintar
