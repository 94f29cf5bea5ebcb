#include "ui/keyboard_layouts/shortcut_box.h"

#include "core/common/virtual_keys.h"
#include "core/key_identity/key_names.h"
#include "platform/input/keyboard.h"
#include "platform/window/subclass.h"

namespace zintar {

bool ShortcutBox::Attach(HWND edit, std::function<void(ProgramShortcut)> onTaken) {
    text_.Attach(edit);
    onTaken_ = std::move(onTaken);
    return edit && win32::Subclass(edit, this, 0);
}

LRESULT ShortcutBox::SubclassMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR) {
    switch (msg) {
    case WM_GETDLGCODE: {
        // Every key but Tab, which moves on to the next control.
        const auto* key = reinterpret_cast<const MSG*>(lp);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_TAB)
            break;
        return win32::CallControlProc(hwnd, msg, wp, lp) | DLGC_WANTALLKEYS;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        const auto key = static_cast<uint8_t>(wp & 0xFF);
        const int modifiers = win32::ModifiersOfKeyMessage();
        if (key == VK_F4 && modifiers == kModifierAlt)
            break; // closes the window, as everywhere
        if (!vk::IsModifier(key) && onTaken_)
            onTaken_({key, static_cast<uint8_t>(modifiers)});
        return 0;
    }
    case WM_SYSKEYUP:
        // Alt or F10 let go would otherwise put the window into menu mode.
        if (wp == VK_MENU || wp == VK_F10)
            return 0;
        break;
    case WM_CHAR:
    case WM_DEADCHAR:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
        return 0;
    case WM_SYSCHAR:
        if (wp != L' ')
            return 0; // Alt+letter types nothing and must not beep
        break;
    case WM_CONTEXTMENU:
        if (lp == win32::kContextMenuFromKeyboard)
            return 0; // the Menu key is a key to take like any other
        break;
    }
    return win32::CallControlProc(hwnd, msg, wp, lp);
}

} // namespace zintar
