#pragma once
// The keyboard layouts window's box that takes a combination: a key pressed in it with its
// modifiers becomes the shortcut that the window checks on every layout, and the box shows
// its name ("Ctrl + Alt + F"). Nothing is typed into it; Tab still moves on, and Alt+F4
// still closes the window.
#include <windows.h>

#include <functional>
#include <string_view>

#include "core/keyboard_layout/shortcut_verdict.h"
#include "ui/common/read_only_text.h"

namespace zintar {

class ShortcutBox {
  public:
    // An edit control made by the window; the box subclasses it.
    bool Attach(HWND edit, std::function<void(ProgramShortcut)> onTaken);
    HWND hwnd() const { return text_.hwnd(); }
    void Forget() { text_.Forget(); }

    // The combination's name, or the hint while there is none.
    void Show(std::wstring_view text) { text_.Write(text); }
    // EN_CHANGE: text set from outside is replaced by the box's own again.
    void OnChanged() { text_.OnChanged(); }

    LRESULT SubclassMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR tag);

  private:
    ReadOnlyText text_;
    std::function<void(ProgramShortcut)> onTaken_;
};

} // namespace zintar
