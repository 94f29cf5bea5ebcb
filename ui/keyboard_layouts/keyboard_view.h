#pragma once
// The drawn keyboard of the keyboard layouts window: one child window per key, in the
// layout's physical arrangement (core/keyboard_layout/keyboard_arrangement.h), each painting
// its own legends and carrying, as its window text, what a screen reader says for it
// ("F: f, F, AltGr ["). The keyboard takes the focus when clicked. The keys held down light
// up and are counted, a rollover test: it sees the key messages of every window of Zintar's
// (ui/common/key_message_watch.h), so keys count only while Zintar is in front, whichever of
// its controls has the keyboard; Zintar leaving the front lets go of them all.
#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "core/common/language.h"
#include "core/keyboard_layout/held_keys.h"
#include "core/keyboard_layout/key_cap_legends.h"
#include "core/keyboard_layout/keyboard_arrangement.h"
#include "platform/window/scoped_handles.h"
#include "ui/common/key_message_watch.h"

namespace zintar {

class KeyboardView {
  public:
    KeyboardView() = default;
    KeyboardView(const KeyboardView&) = delete;
    KeyboardView& operator=(const KeyboardView&) = delete;

    bool Create(HWND parent, HINSTANCE instance, int id);
    HWND hwnd() const { return hwnd_; }
    void Forget(); // destroyed with its parent

    // The layout's keys in its arrangement, named in the language; none: no keys at all.
    void Show(const KeyboardLayoutTables* layout, Language language);
    // The keyboard's size at a DPI, and its place in the parent; keys and fonts follow the DPI.
    static SIZE SizeAt(int dpi);
    void Place(POINT topLeft, int dpi);

    // Called when the count of keys held changes, and when a key is clicked.
    void OnHeldChanged(std::function<void()> handler) { onHeldChanged_ = std::move(handler); }
    void OnKeyClicked(std::function<void(KeyPlace)> handler) { onKeyClicked_ = std::move(handler); }
    size_t heldCount() const { return held_.count(); }
    // Lets go of every key held: Zintar left the front, and their key-ups go elsewhere.
    void ForgetHeld();
    // The check for keys whose key-up went elsewhere runs only while a key is held.
    bool heldCheckRunning() const { return checkRunning_; }
    // The key's window, for tests and readers; null where the keyboard has no such key.
    HWND KeyWindow(ReportedKey key) const;

    // Window-procedure entry point (see platform/window/window_thunk.h).
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  private:
    // One key's window and what it shows; its procedure paints it through the view.
    struct Cap {
        KeyboardView* view;
        KeyCap cap;
        KeyPlace place;
        KeyCapLegends legends;
        HWND hwnd = nullptr;
        LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    };

    static bool RegisterClasses(HINSTANCE instance);
    void MakeCaps(KeyboardArrangement arrangement);
    void DestroyCaps();
    void PlaceCaps();
    void MakeFonts();
    void PaintCap(const Cap& cap, HDC dc) const;
    void PaintKeyboard(HDC dc) const;
    void OnKey(UINT msg, WPARAM wp, LPARAM lp);
    void SetHeld(ReportedKey key, bool down, uint8_t virtualKey);
    void CheckHeld();
    void Repaint(ReportedKey key) const;
    void HeldChanged();

    HWND hwnd_ = nullptr;
    HINSTANCE instance_ = nullptr;
    int dpi_ = 96;
    bool arranged_ = false;
    KeyboardArrangement arrangement_ = KeyboardArrangement::Ansi104;
    std::vector<Cap> caps_; // reserved whole before the windows are made: they keep its address
    HeldKeys held_;
    bool checkRunning_ = false;
    std::optional<KeyMessageWatch> keyWatch_; // while its window lives
    win32::ScopedFont legendFont_, nameFont_;
    std::function<void()> onHeldChanged_;
    std::function<void(KeyPlace)> onKeyClicked_;
};

} // namespace zintar
