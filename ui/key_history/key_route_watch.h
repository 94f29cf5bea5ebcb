#pragma once
// Where the capture box's keys go: the low-level hook, Raw Input and the capture box's own
// key messages matched by the core's router, the settled routes handed to the key history's
// rows, and a hotkey probe for each key that went elsewhere for no known reason. Nothing is
// installed before the key history window first opens, and then only while a Zintar window
// is in front: the hook would see other programs' keys, and Zintar records none of them.
// What it reads of the keyboard, the focus, the queue and the clock is an InputState's.
#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "core/key_history/key_event.h"
#include "core/key_history/key_route.h"
#include "core/key_history/key_rows.h"
#include "platform/input/input_state.h"
#include "platform/input/keyboard_hook.h"
#include "platform/input/raw_keyboard.h"

namespace zintar {

// Told of the hook's view for more than the routes: when the views start gathering (Zintar
// came to the front) and stop, and every key the hook saw meanwhile, whichever control of
// Zintar had the keyboard.
class HookListener {
  public:
    virtual void OnGathering(bool gathering, bool hooked) = 0;
    virtual void OnHookKey(const HookKeyEvent& event) = 0;

  protected:
    ~HookListener() = default;
};

class KeyRouteWatch {
  public:
    // The hook's notice that events wait, and the timer that settles routes whose views
    // did not all come.
    static constexpr UINT kHookMessage = WM_APP + 0x20;
    static constexpr UINT_PTR kTimerId = 0x20;

    // rowsChanged: settled routes or probe answers came into the rows.
    KeyRouteWatch(const KeyHistory& history, KeyRows& rows, win32::InputState& input,
                  std::function<void()> rowsChanged)
        : history_(history), rows_(rows), input_(input), rowsChanged_(std::move(rowsChanged)) {}
    ~KeyRouteWatch() { StopGathering(false); }
    KeyRouteWatch(const KeyRouteWatch&) = delete;
    KeyRouteWatch& operator=(const KeyRouteWatch&) = delete;

    // The key history window opened: from now on the views gather while Zintar is in front.
    // window receives the hook's notices, WM_INPUT and the timer; captureBox is the control
    // whose key messages are the window's view.
    void Start(HWND window, HWND captureBox);
    // Whether a Zintar window is the foreground window now.
    void OnForeground(bool zintarInFront);
    // From WM_ACTIVATE: whether Zintar stays in front, given the window that takes or gives
    // the activation.
    static bool ZintarInFront(bool active, HWND other);

    // WM_INPUT, the hook's notice and the timer; none for other messages. WM_INPUT still goes
    // on to DefWindowProc, which frees the system's copy of the input.
    std::optional<LRESULT> Message(UINT msg, WPARAM wp, LPARAM lp);
    // Each key message of the capture box, after the history took it (added: it made a record).
    void OnKeyMessage(const KeyMessageInput& message, bool added);
    // A key as the hook and as Raw Input saw it; the hook's ring and WM_INPUT come this way,
    // and window tests feed their own. They count only while the capture box has the keys.
    void OnHookEvent(const HookKeyEvent& event);
    void OnRawEvent(const RawKeyEvent& event);

    // The one listener, or none; it must outlive the watch or be taken away first.
    void SetHookListener(HookListener* listener) { listener_ = listener; }

    bool gathering() const { return gathering_; }
    uint64_t lostCount() const { return hook_.lostCount() + router_.droppedCount(); }

  private:
    void Gather();
    // settle: the routes gathered so far become rows first (not while the window goes away).
    void StopGathering(bool settle);
    bool Typing() const;
    void ForgetIfCleared();
    void DrainHook();
    void Settle(uint32_t nowMs, bool windowBehind);
    void ProbeWaiting();

    const KeyHistory& history_;
    KeyRows& rows_;
    win32::InputState& input_;
    std::function<void()> rowsChanged_;
    HookListener* listener_ = nullptr;
    KeyRouter router_;
    win32::KeyboardHook hook_;
    win32::RawDeviceCache devices_;
    HWND window_ = nullptr, captureBox_ = nullptr;
    bool started_ = false, gathering_ = false, rawInput_ = false, timer_ = false;
    HistoryGeneration generation_; // of the routes pending and the rows waiting for a probe
    // Key rows of keys that went elsewhere for no known reason, probed once no key is down:
    // registering a combination while its keys are held could take the press from its owner.
    struct PendingProbe {
        KeyRows::Place row;
        Shortcut shortcut;
    };
    std::vector<PendingProbe> toProbe_;
};

} // namespace zintar
