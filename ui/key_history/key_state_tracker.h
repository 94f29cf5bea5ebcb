#pragma once
// Time and state of the keys, for the key history: each key message's times kept beside its
// record, the measured auto-repeat, and the three views of whether each key is down (the
// thread's key state, the hardware's, the low-level hook's). The views are read on a timer of
// the key history window that runs only while a view holds a key, the window is shown and
// Zintar is in front: with no key held it costs nothing, and no key of another program is
// ever read. What it reads of the system is an InputState's.
#include <windows.h>

#include <functional>
#include <vector>

#include "core/key_history/key_event.h"
#include "core/key_state/key_repeat.h"
#include "core/key_state/key_times.h"
#include "core/key_state/key_views.h"
#include "core/key_state/record_times.h"
#include "platform/input/input_state.h"
#include "ui/key_history/key_route_watch.h"

namespace zintar {

class KeyStateTracker final : public HookListener {
  public:
    // The timer of the key history window that reads the views; often enough that a stuck
    // key's time counts up in tenths of a second.
    static constexpr UINT_PTR kTimerId = 0x30;
    static constexpr UINT kReadEveryMs = 100;

    // stateChanged: the rows of the views were read anew, or emptied.
    KeyStateTracker(const KeyHistory& history, win32::InputState& input,
                    std::function<void()> stateChanged);
    ~KeyStateTracker();
    KeyStateTracker(const KeyStateTracker&) = delete;
    KeyStateTracker& operator=(const KeyStateTracker&) = delete;

    // A key message of the capture box, right after the history recorded it as its newest
    // record; the route watch has drained the hook before, so a key-down that only the hook
    // saw is known.
    void OnKeyMessage(const KeyMessageInput& message);
    // The route watch's: Zintar came to the front or left it, and the hook's keys meanwhile.
    void OnGathering(bool gathering, bool hooked) override;
    void OnHookKey(const HookKeyEvent& event) override;

    // The key history window, whose timer reads the views; null once it is destroyed.
    void SetWindow(HWND window);
    // The window was shown or closed: shown, the views are read at once.
    void SetShown(bool shown);
    // The timer's WM_TIMER.
    void OnTimer();

    const RecordTimes& recordTimes() const { return recordTimes_; }
    RepeatMeasurement repeat() const { return repeatMeter_.Measurement(); }
    // Every key a view holds and the toggle keys, as last read; empty while Zintar is not in
    // front or the window was not shown.
    const std::vector<KeyStateRow>& rows() const { return rows_; }
    bool timerRunning() const { return timer_; }

    // For measurements: switched off, it takes no key and reads nothing, as the key history
    // did before it had times and key state.
    void SetTracking(bool on);

  private:
    bool Watching() const { return window_ && shown_ && inFront_ && tracking_; }
    // A key event: the views may hold a key now.
    void Wake();
    void ReadViews();
    void StopTimer();

    win32::InputState& input_;
    std::function<void()> stateChanged_;
    RecordTimes recordTimes_;
    KeyTimes keyTimes_;
    RepeatMeter repeatMeter_;
    KeyStateWatch views_;
    std::vector<KeyStateRow> rows_;
    HWND window_ = nullptr;
    bool shown_ = false, inFront_ = false, timer_ = false, tracking_ = true;
};

} // namespace zintar
