#include "ui/key_history/key_recorder.h"

namespace zintar {

KeyRecorder::KeyRecorder(win32::InputState& input)
    : window_(history_, rows_, input),
      routeWatch_(history_, rows_, input, [this] { window_.OnRecordsAdded(); }) {}

// The window, if open, shows the new row a moment later.
void KeyRecorder::OnKeyMessage(const KeyMessageInput& message) {
    const bool added = history_.Add(message) != nullptr;
    if (added)
        window_.OnRecordsAdded();
    routeWatch_.OnKeyMessage(message, added);
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
