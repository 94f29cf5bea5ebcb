#include "ui/key_history/key_recorder.h"

namespace zintar {

KeyRecorder::KeyRecorder(win32::InputState& input)
    : tracker_(history_, input, [this] { window_.ShowKeyState(); }),
      window_(history_, rows_, input, tracker_),
      routeWatch_(history_, rows_, input, [this] { window_.OnRecordsAdded(); }) {
    routeWatch_.SetHookListener(&tracker_);
}

// The window, if open, shows the new row a moment later. The route watch drains the hook
// first, so that the times know a key-down that only the hook saw.
void KeyRecorder::OnKeyMessage(const KeyMessageInput& message) {
    const bool added = history_.Add(message) != nullptr;
    routeWatch_.OnKeyMessage(message, added);
    if (added) {
        tracker_.OnKeyMessage(message);
        window_.OnRecordsAdded();
    }
}

std::optional<LRESULT> KeyRecorder::Message(UINT msg, WPARAM wp, LPARAM lp) {
    return routeWatch_.Message(msg, wp, lp);
}

void KeyRecorder::OnActivate(bool active, HWND other) {
    routeWatch_.OnForeground(KeyRouteWatch::ZintarInFront(active, other));
}

// Also when the key history window gives the activation away.
void KeyRecorder::OnActivateApp(bool active) {
    routeWatch_.OnForeground(active);
}

void KeyRecorder::OnDestroy() {
    routeWatch_.OnForeground(false);
}

void KeyRecorder::SetLanguage(Language language) {
    window_.SetLanguage(language);
}

// Beside the main window, which keeps the activation: the keys pressed next still go to the
// capture box, and their rows arrive in the list as they are pressed.
void KeyRecorder::Open(HINSTANCE instance, HWND mainWindow, HWND captureBox) {
    if (window_.Open(instance, mainWindow))
        routeWatch_.Start(mainWindow, captureBox);
}

} // namespace zintar
