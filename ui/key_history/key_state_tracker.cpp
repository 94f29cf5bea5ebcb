#include "ui/key_history/key_state_tracker.h"

#include <utility>

#include "core/key_state/key_stroke.h"

namespace zintar {

KeyStateTracker::KeyStateTracker(const KeyHistory& history, win32::InputState& input,
                                 std::function<void()> stateChanged)
    : input_(input), stateChanged_(std::move(stateChanged)), recordTimes_(history) {}

KeyStateTracker::~KeyStateTracker() {
    StopTimer();
}

void KeyStateTracker::OnKeyMessage(const KeyMessageInput& message) {
    if (!tracking_ || IsCharacterMessage(message.message))
        return;
    const KeyStroke stroke = StrokeOfMessage(message);
    recordTimes_.SetNewest(keyTimes_.Add(stroke));
    repeatMeter_.Add(stroke);
    Wake();
}

void KeyStateTracker::OnHookKey(const HookKeyEvent& event) {
    if (!tracking_)
        return;
    const KeyStroke stroke = StrokeOfHook(event);
    keyTimes_.AddHook(stroke);
    views_.AddHook(stroke);
    Wake();
}

// Gone from the front, Zintar knows nothing more of the keys: the times of the keys held and
// the readings are forgotten, and no view is read until it is back.
void KeyStateTracker::OnGathering(bool gathering, bool hooked) {
    inFront_ = gathering;
    if (gathering) {
        if (hooked)
            views_.StartHook();
        if (Watching())
            ReadViews();
        return;
    }
    StopTimer();
    views_ = KeyStateWatch{};
    keyTimes_.Clear();
    repeatMeter_.Clear();
    rows_.clear();
    if (stateChanged_)
        stateChanged_();
}

void KeyStateTracker::SetWindow(HWND window) {
    if (window != window_)
        StopTimer();
    window_ = window;
    timer_ = timer_ && window_; // the timers of a destroyed window went with it
}

void KeyStateTracker::SetShown(bool shown) {
    shown_ = shown;
    if (!shown)
        StopTimer();
    else if (Watching())
        ReadViews();
}

void KeyStateTracker::SetTracking(bool on) {
    tracking_ = on;
    if (!on)
        StopTimer();
}

void KeyStateTracker::Wake() {
    if (Watching() && !timer_)
        timer_ = SetTimer(window_, kTimerId, kReadEveryMs, nullptr) != 0;
}

void KeyStateTracker::OnTimer() {
    if (!Watching()) {
        StopTimer();
        return;
    }
    ReadViews();
}

// The timer runs on while a view holds a key, and stops with the reading that finds none.
void KeyStateTracker::ReadViews() {
    KeyViewsReading reading{};
    // A thread state the system could not give is no answer: the last reading stands.
    if (input_.KeyboardState(reading.keyboardState)) {
        input_.AsyncKeyStates(reading.asyncDown);
        const uint32_t now = input_.TickCount();
        views_.Observe(reading, now);
        rows_ = views_.Rows(now);
        if (stateChanged_)
            stateChanged_();
    }
    if (views_.AnythingHeld())
        Wake();
    else
        StopTimer();
}

void KeyStateTracker::StopTimer() {
    if (timer_ && window_)
        KillTimer(window_, kTimerId);
    timer_ = false;
}

} // namespace zintar
