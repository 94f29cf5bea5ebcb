#pragma once
// Where a key went: the three views of one keystroke (the low-level hook, Raw Input and the
// window's own key message) matched into one route, and the keys that never reached the
// window turned into routes of their own with the likely reason. No clock here: every event
// brings its time stamp (the same millisecond tick as GetMessageTime), and the caller asks
// with the current tick which routes are settled.
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "core/common/hotkey.h"

namespace zintar {

// The views, as bits of a mask.
enum class KeySource : uint8_t { Window = 1, Hook = 2, RawInput = 4 };
using KeySourceMask = uint8_t;
constexpr KeySourceMask Bit(KeySource source) {
    return static_cast<KeySourceMask>(source);
}
constexpr KeySourceMask kAllKeySources = 7;

// What every view says of a key. A zero key code or scan code means the view did not say.
//
// Text sent without a key (SendInput with KEYEVENTF_UNICODE) is a VK_PACKET: no key of the
// keyboard, but one UTF-16 unit, which every view names in full where a key has its scan
// code: the hook in KBDLLHOOKSTRUCT.scanCode, the window in the key message's lParam high
// word, Raw Input in its make code. Windows may leave packets out of Raw Input; Wine reports
// them there with no key code (VKey 0) and a make code that is the unit. Wine's hook also
// reports a packet's key-up as a key-down. So a packet's views are matched by their unit and
// in order, whatever direction the hook gives, and the window's direction is the route's.
struct SeenKey {
    uint8_t virtualKey;
    uint16_t scanCode; // the make code without its prefix; a packet's UTF-16 unit
    bool extended;     // E0 prefix
    bool up;
    uint32_t timeMs;
    bool packet = false; // a VK_PACKET: scanCode is the unit sent
};

struct HookKeyEvent {
    SeenKey key;
    bool injected;                   // sent by a program (SendInput, keybd_event)
    bool injectedFromLowerIntegrity; // ... by one of a lower integrity level
    uint64_t extraInfo;              // what the sender attached
};

struct RawKeyEvent {
    SeenKey key;     // virtualKey is the driver's VKey
    bool e1;         // E1 prefix (Pause)
    uint64_t device; // the device handle's value; 0 for input that no device sent
};

struct WindowKeyEvent {
    SeenKey key;
    uint64_t record; // the KeyHistory record of the message: addedCount() - 1 after its Add
};

enum class NotDeliveredReason : uint8_t {
    None,                // delivered, or no reason known
    OtherProgramsHotkey, // another program registered the combination
    SystemShortcut,      // Windows keeps the combination for itself
    KeyUpOnly,           // Windows delivers this key to programs only as a key-up
};

struct KeyRoute {
    SeenKey key;           // as the first view that saw it told
    uint8_t heldModifiers; // kHotkey bits held as the key went down or up
    KeySourceMask seenBy;  // 0 for a key-down that only its lone key-up betrayed
    bool injected;         // the hook said a program sent it
    bool injectedFromLowerIntegrity;
    uint64_t extraInfo;
    bool hasDevice;
    uint64_t device;           // Raw Input's device handle value
    bool delivered;            // the window received its key message
    uint64_t record;           // delivered: the window's KeyHistory record
    uint64_t windowKeysBefore; // window key messages fed before it
    uint64_t recordsBefore;    // not delivered: a row of its own goes before the record of
                               // this number, the next key the window received
    NotDeliveredReason reason;
};

// The generic code of a side-specific modifier (VK_LSHIFT to VK_SHIFT), other codes as they are.
uint8_t GenericVirtualKey(uint8_t virtualKey);
// The kHotkey bit of a modifier key's generic code (Shift, Ctrl, Alt, either Windows key); 0
// for other keys.
uint8_t ModifierOf(uint8_t genericVirtualKey);

// The likely reason that a key which the window did not receive went elsewhere, from what is
// known without asking the system: a reserved combination, or PrintScreen's key-down, which
// Windows keeps for its screenshot.
NotDeliveredReason LikelyNotDeliveredReason(uint8_t virtualKey, uint8_t heldModifiers, bool up);

// The reason once a hotkey probe of the combination answered.
NotDeliveredReason ReasonAfterProbe(NotDeliveredReason current, HotkeyAnswer answer);

class KeyRouter {
  public:
    // How long a view's event waits for the others. The hook runs before the message is
    // queued and Raw Input's message comes with it, so a key that takes longer went elsewhere.
    static constexpr uint32_t kDeliveryWaitMs = 250;
    // Routes held unsettled at most; beyond it the oldest is given up, so a flood of events
    // that nobody takes never grows the memory. Under a burst the hook runs far ahead of the
    // queued messages (10,000 sent keys reached the hook before their messages under Wine),
    // so the room is for a burst, not for a typist.
    static constexpr size_t kPendingCapacity = 16384;

    // The views that are gathering now (the window always; the hook and Raw Input while they
    // are installed). A route is settled early once every one of them has seen it.
    void SetSources(KeySourceMask sources);
    // The keys down when gathering starts (each true entry one virtual-key code), so that
    // their key-ups, which come without a key-down, are not taken for lone key-ups.
    void SetKeysDown(const std::array<bool, 256>& down);

    void Add(const HookKeyEvent& event);
    void Add(const RawKeyEvent& event);
    void Add(const WindowKeyEvent& event);

    // The routes settled by nowMs, oldest first: a route is settled when every view has seen
    // it or its wait is over. Later routes wait behind an unsettled older one, so the order
    // is always that of the keys. windowBehind: key messages still wait in the window's queue.
    // Their keys reached the hook long ago under a burst or a loaded machine, so the wait is
    // then counted on the window's clock (the time of the newest key message it received),
    // not on nowMs: a key is not taken for one that went elsewhere while its message waits.
    std::vector<KeyRoute> Take(uint32_t nowMs, bool windowBehind = false);

    // Forgets every unsettled route, keeping the keys held (the history started again: no key
    // from before may land in a row of the new one).
    void Forget();
    // Forgets every unsettled route and the keys held (Zintar lost the foreground).
    void Clear();

    // Routes given up unsettled because the pending ones reached kPendingCapacity.
    uint64_t droppedCount() const { return dropped_; }

  private:
    KeyRoute& Join(const SeenKey& key, KeySource source);
    bool IsUnnamedPacket(const SeenKey& key) const;
    KeyRoute* Match(const SeenKey& key, KeySource source);
    bool Settled(const KeyRoute& route, uint32_t nowMs, bool windowBehind) const;
    uint64_t RecordAfter() const;

    std::deque<KeyRoute> pending_;
    // Routes are numbered in the order they were made; taken_ is the number of the oldest
    // pending one. Each view's cursor is the number of its oldest pending route that it has
    // not seen, so that a view's event looks at the routes it may join, not at every pending
    // one: under a burst the hook runs thousands of routes ahead of the window's messages.
    uint64_t taken_ = 0;
    std::array<uint64_t, 3> unseen_{};
    bool windowTimeKnown_ = false;
    uint32_t windowTimeMs_ = 0; // the newest key message's time
    std::array<bool, 256> down_{};
    KeySourceMask sources_ = Bit(KeySource::Window);
    uint64_t windowKeys_ = 0;
    uint64_t recordsEnd_ = 0;
    // The modifiers held just before the latest run of modifier releases with no key pressed
    // since: a key-up that comes alone after its modifiers went up (a hotkey's key, whose
    // key-down the owner took) belongs to the combination that was held, not to none.
    uint8_t chord_ = 0;
    bool releasing_ = false;
    uint64_t dropped_ = 0;
};

} // namespace zintar
