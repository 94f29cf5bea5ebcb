#include "ui/key_history/key_route_watch.h"

#include <array>
#include <string>

namespace zintar {

namespace {

// Often enough that a key which no view but one saw is settled soon after its wait.
constexpr UINT kSettleIntervalMs = 50;
// Keys waiting for a probe at most: beyond it the oldest keep their unknown reason.
constexpr size_t kMaxProbes = 64;
constexpr uint32_t kScanCodeShift = 16, kExtendedBit = 1u << 24;

KeySourceMask SourcesOf(bool hook, bool rawInput) {
    KeySourceMask sources = Bit(KeySource::Window);
    if (hook)
        sources |= Bit(KeySource::Hook);
    if (rawInput)
        sources |= Bit(KeySource::RawInput);
    return sources;
}

} // namespace

bool KeyRouteWatch::ZintarInFront(bool active, HWND other) {
    return active || (other && GetWindowThreadProcessId(other, nullptr) == GetCurrentThreadId());
}

void KeyRouteWatch::Start(HWND window, HWND captureBox) {
    window_ = window;
    captureBox_ = captureBox;
    if (started_)
        return;
    started_ = true;
    const HWND front = GetForegroundWindow();
    OnForeground(front && GetWindowThreadProcessId(front, nullptr) == GetCurrentThreadId());
}

void KeyRouteWatch::OnForeground(bool zintarInFront) {
    if (!started_ || zintarInFront == gathering_)
        return;
    if (zintarInFront)
        Gather();
    else
        StopGathering(true);
}

void KeyRouteWatch::Gather() {
    gathering_ = true;
    const bool hooked = hook_.Install(window_, kHookMessage);
    rawInput_ = win32::RegisterRawKeyboard(window_);
    router_.Clear();
    router_.SetSources(SourcesOf(hooked, rawInput_));
    std::array<BYTE, 256> state{};
    std::array<bool, 256> down{};
    if (input_.KeyboardState(state))
        for (size_t i = 0; i < state.size(); ++i)
            down[i] = (state[i] & 0x80) != 0;
    router_.SetKeysDown(down);
    timer_ = timer_ || SetTimer(window_, kTimerId, kSettleIntervalMs, nullptr) != 0;
    if (listener_)
        listener_->OnGathering(true, hooked);
}

void KeyRouteWatch::StopGathering(bool settle) {
    if (!gathering_)
        return;
    if (settle) {
        // The keys seen so far wait no longer for views that will not come: the key that took
        // the front away (Alt+Tab's Tab) is a row now, not a route forgotten.
        DrainHook();
        Settle(input_.TickCount() + KeyRouter::kDeliveryWaitMs, false);
    }
    gathering_ = false;
    hook_.Remove();
    if (rawInput_)
        win32::UnregisterRawKeyboard();
    rawInput_ = false;
    // Keys that went elsewhere while keys were held are probed once every key is up, also
    // with another program in front: the timer runs on until then.
    if (timer_ && (!settle || toProbe_.empty())) {
        KillTimer(window_, kTimerId);
        timer_ = false;
    }
    router_.Clear();
    if (listener_)
        listener_->OnGathering(false, false);
}

// A cleared history numbers its records from the start again: a route pending from before
// would fill a cell of the new one, and a key row waiting for its probe would name a new row.
// The hook's records not yet drained are of keys after the clear (their messages, still
// queued, come after the command that cleared), so they stay.
void KeyRouteWatch::ForgetIfCleared() {
    if (history_.IsCurrent(generation_))
        return;
    generation_ = history_.generation();
    router_.Forget();
    toProbe_.clear();
}

// Keys count only while they go to the capture box: keys typed into a code box or the key
// history's list are no keys of the history, and would look as if they went elsewhere.
bool KeyRouteWatch::Typing() const {
    return gathering_ && input_.Focus() == captureBox_;
}

void KeyRouteWatch::DrainHook() {
    ForgetIfCleared();
    const bool typing = Typing();
    hook_.Drain([&](const HookKeyEvent& event) {
        if (listener_)
            listener_->OnHookKey(event);
        if (typing)
            router_.Add(event);
    });
}

void KeyRouteWatch::OnHookEvent(const HookKeyEvent& event) {
    DrainHook(); // the ring's events are older
    if (listener_ && gathering_)
        listener_->OnHookKey(event);
    if (Typing())
        router_.Add(event);
}

void KeyRouteWatch::OnRawEvent(const RawKeyEvent& event) {
    DrainHook(); // the hook saw the key first: its view joins before Raw Input's
    if (Typing())
        router_.Add(event);
}

std::optional<LRESULT> KeyRouteWatch::Message(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case kHookMessage:
        DrainHook();
        return 0;
    case WM_INPUT:
        if (Typing())
            if (const auto event =
                    win32::DecodeRawKeyboard(reinterpret_cast<HRAWINPUT>(lp), input_.MessageTime()))
                OnRawEvent(*event);
        return std::nullopt;
    case WM_TIMER:
        if (wp != kTimerId)
            return std::nullopt;
        DrainHook();
        Settle(input_.TickCount(), input_.KeyMessagesQueued());
        if (!gathering_ && toProbe_.empty() && timer_) {
            KillTimer(window_, kTimerId);
            timer_ = false;
        }
        return 0;
    default:
        return std::nullopt;
    }
}

void KeyRouteWatch::OnKeyMessage(const KeyMessageInput& message, bool added) {
    if (!gathering_ || !IsKeyMessage(message.message) || !added)
        return;
    DrainHook();
    WindowKeyEvent event{};
    event.key.virtualKey = static_cast<uint8_t>(message.wParam);
    if (event.key.virtualKey == VK_PACKET) {
        // The unit sent fills lParam's high word: no scan code, no extended flag.
        event.key.packet = true;
        event.key.scanCode = static_cast<uint16_t>(message.lParam >> kScanCodeShift);
    } else {
        event.key.scanCode = static_cast<uint16_t>((message.lParam >> kScanCodeShift) & 0xFF);
        event.key.extended = (message.lParam & kExtendedBit) != 0;
    }
    event.key.up = IsKeyUpMessage(message.message);
    event.key.timeMs = message.timeMs;
    event.record = history_.addedCount() - 1;
    router_.Add(event);
    // Key messages still queued: their keys may have reached the hook long ago, so the wait
    // for them is not over by the clock.
    Settle(message.timeMs, input_.KeyMessagesQueued());
}

void KeyRouteWatch::Settle(uint32_t nowMs, bool windowBehind) {
    ForgetIfCleared();
    const std::vector<KeyRoute> routes = router_.Take(nowMs, windowBehind);
    for (const KeyRoute& route : routes) {
        std::wstring name;
        if (route.hasDevice) {
            try {
                name = devices_.Find(route.device).name;
            } catch (...) {
                name.clear(); // no memory for the name: the cell stays empty
            }
        }
        const std::optional<KeyRows::Place> place = rows_.AddRoute(route, std::move(name));
        if (place && !route.delivered && route.reason == NotDeliveredReason::None) {
            if (toProbe_.size() >= kMaxProbes)
                toProbe_.erase(toProbe_.begin());
            toProbe_.push_back(
                {*place, {GenericVirtualKey(route.key.virtualKey), route.heldModifiers}});
        }
    }
    ProbeWaiting();
    if (!routes.empty() && rowsChanged_)
        rowsChanged_();
}

void KeyRouteWatch::ProbeWaiting() {
    if (toProbe_.empty() || input_.AnyKeyDown())
        return;
    for (const PendingProbe& probe : toProbe_)
        rows_.SetReason(probe.row, ReasonAfterProbe(NotDeliveredReason::None,
                                                    input_.ProbeHotkey(window_, probe.shortcut)));
    toProbe_.clear();
    if (rowsChanged_)
        rowsChanged_();
}

} // namespace zintar
