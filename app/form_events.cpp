// Turns window messages into the form's events: one place for the Win32 plumbing, so the
// handlers themselves read like the events they are (Tchar_KeyDown, Tcc_Change, ...).
#include "app/frmZintar.h"

#include <windowsx.h>

#include "app/control_ids.h"
#include "conversion/ansi_code_page.h"
#include "win32/subclass.h"

namespace zintar {

namespace {

// Modifier mask of a key event: 1 Shift, 2 Ctrl, 4 Alt, summed.
short ShiftMaskFromKeyboard() {
    short mask = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        mask |= 1;
    if (GetKeyState(VK_CONTROL) < 0)
        mask |= 2;
    if (GetKeyState(VK_MENU) < 0)
        mask |= 4;
    return mask;
}

bool PointInClient(HWND hwnd, LPARAM lp) {
    RECT client;
    GetClientRect(hwnd, &client);
    const POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    return PtInRect(&client, pt) != FALSE;
}

} // namespace

LRESULT frmZintar::HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCCREATE:
        hwnd_ = hwnd;
        break;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers the whole surface
    case WM_PAINT: {
        win32::ScopedPaint paint(hwnd);
        PaintBackground(paint.dc(), paint.area());
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT client;
        GetClientRect(hwnd, &client);
        PaintBackground(reinterpret_cast<HDC>(wp), client);
        return 0;
    }
    case WM_COMMAND:
        if (HIWORD(wp) == EN_CHANGE && IsControlId(LOWORD(wp)))
            RouteChange(CtlOfControlId(LOWORD(wp)));
        return 0;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<NMHDR*>(lp));
    case WM_MOUSEMOVE:
        Form_MouseMove();
        return 0;
    case WM_TIMER:
        if (wp == kLangTimerId)
            tmrLang_Timer();
        return 0;
    case WM_SYSCOMMAND:
        if (OnSystemMenuCommand(static_cast<UINT>(wp & 0xFFF0)))
            return 0;
        break;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wp) != WA_INACTIVE);
        return 0;
    case WM_DESTROY:
        SetTimerEnabled(Ctl::tmrLang, false);
        if (endsProgram_)
            PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        controls_ = {};
        break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// The focus goes back to the box that had it when the window was last deactivated.
void frmZintar::OnActivate(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus))
            focusBeforeDeactivation_ = focus;
        return;
    }
    HWND target = focusBeforeDeactivation_;
    if (!target || !IsWindow(target) || !IsChild(hwnd_, target))
        target = control(Ctl::Tchar);
    SetFocus(target);
}

LRESULT frmZintar::SubclassMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR tag) {
    const Ctl id = static_cast<Ctl>(tag);
    switch (Design(id).kind) {
    case ControlKind::TextBox:
        return TextBoxMessage(id, hwnd, msg, wp, lp);
    case ControlKind::Label:
        return LabelMessage(id, hwnd, msg, wp, lp);
    case ControlKind::Image:
        return PointerMessage(id, hwnd, msg, wp, lp);
    default:
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
}

LRESULT frmZintar::TextBoxMessage(Ctl id, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_GETDLGCODE: {
        // Every key but Tab reaches the box, so the dialog navigation moves the focus on Tab
        // and Shift+Tab alone while Enter, Escape and the arrows can be captured.
        const LRESULT code = DefSubclassProc(hwnd, msg, wp, lp);
        const auto* keyMsg = reinterpret_cast<const MSG*>(lp);
        if (keyMsg && keyMsg->message == WM_KEYDOWN && keyMsg->wParam == VK_TAB)
            return code;
        return code | DLGC_WANTALLKEYS;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (RouteKeyDown(id, static_cast<short>(wp & 0xFF), ShiftMaskFromKeyboard()))
            return 0;
        break;
    case WM_SYSKEYUP:
        // Alt or F10 released alone would put a window without a menu bar into menu mode,
        // and the next key would go to that instead of the box.
        if (wp == VK_MENU || wp == VK_F10)
            return 0;
        break;
    case WM_SYSCHAR:
        // Alt+letter is no character, and with no menu to match it the system would beep.
        // Alt+Space still opens the window menu.
        if (wp != L' ')
            return 0;
        break;
    case WM_PASTE:
        // From the context menu, Ctrl+V or Shift+Insert alike.
        if (id != Ctl::Tchar) {
            PasteIntoCodeBox(id);
            return 0;
        }
        break;
    case WM_CHAR: {
        short keyAscii = AnsiCodeOfChar(static_cast<wchar_t>(wp));
        RouteKeyPress(id, keyAscii);
        if (keyAscii == 0)
            return 0; // cancelled: the box never sees the character
        break;
    }
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

// Labels paint themselves whole; the static control only keeps their text.
LRESULT frmZintar::LabelMessage(Ctl id, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        win32::ScopedPaint paint(hwnd);
        RECT client;
        GetClientRect(hwnd, &client);
        PaintLabel(id, paint.dc(), client);
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT client;
        GetClientRect(hwnd, &client);
        PaintLabel(id, reinterpret_cast<HDC>(wp), client);
        return 0;
    }
    }
    return PointerMessage(id, hwnd, msg, wp, lp);
}

// Labels and images: mouse moves, and a click as a press and release inside the control.
LRESULT frmZintar::PointerMessage(Ctl id, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_MOUSEMOVE:
        if (GetCapture() != hwnd || PointInClient(hwnd, lp))
            RouteMouseMove(id);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetCapture(hwnd);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == hwnd) {
            ReleaseCapture();
            if (PointInClient(hwnd, lp))
                RouteClick(id);
        }
        return 0;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

bool frmZintar::RouteKeyDown(Ctl id, short keyCode, short shift) {
    switch (id) {
    case Ctl::Tchar:
        Tchar_KeyDown(keyCode, shift);
        return false;
    case Ctl::Tcc:
    case Ctl::Thex:
    case Ctl::Tcode_dec:
    case Ctl::Tcode_hex:
        return CodeBox_KeyDown(id, keyCode, shift);
    default:
        return false;
    }
}

void frmZintar::RouteKeyPress(Ctl id, short& keyAscii) {
    switch (id) {
    case Ctl::Tchar:
        Tchar_KeyPress(keyAscii);
        break;
    case Ctl::Tcc:
        Tcc_KeyPress(keyAscii);
        break;
    case Ctl::Thex:
        Thex_KeyPress(keyAscii);
        break;
    case Ctl::Tcode_dec:
        Tcode_dec_KeyPress(keyAscii);
        break;
    case Ctl::Tcode_hex:
        Tcode_hex_KeyPress(keyAscii);
        break;
    default:
        break;
    }
}

void frmZintar::RouteChange(Ctl id) {
    switch (id) {
    case Ctl::Tcc:
        Tcc_Change();
        break;
    case Ctl::Thex:
        Thex_Change();
        break;
    case Ctl::Tcode_dec:
        Tcode_dec_Change();
        break;
    case Ctl::Tcode_hex:
        Tcode_hex_Change();
        break;
    default:
        break; // the capture box has no change handler
    }
}

void frmZintar::RouteMouseMove(Ctl id) {
    switch (id) {
    case Ctl::imgLangEng:
        imgLangEng_MouseMove();
        break;
    case Ctl::imgLangHUN:
        imgLangHUN_MouseMove();
        break;
    case Ctl::lblHomepage:
        lblHomepage_MouseMove();
        break;
    default:
        break; // every other label and image takes the move and ignores it
    }
}

void frmZintar::RouteClick(Ctl id) {
    switch (id) {
    case Ctl::imgLangEng_hl:
        imgLangEng_hl_Click();
        break;
    case Ctl::imgLangHUN_hl:
        imgLangHUN_hl_Click();
        break;
    case Ctl::lblHomepage:
        lblHomepage_Click();
        break;
    default:
        break;
    }
}

} // namespace zintar
