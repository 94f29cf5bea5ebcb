// Turns window messages into the window's events: one place for the Win32 plumbing. The
// capture box and the code boxes route their own messages (capture_box.cpp, code_boxes.cpp).
#include "ui/main_window.h"

#include <windowsx.h>

#include "platform/subclass.h"
#include "ui/control_ids.h"

namespace zintar {

namespace {

bool PointInClient(HWND hwnd, LPARAM lp) {
    RECT client;
    GetClientRect(hwnd, &client);
    const POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    return PtInRect(&client, pt) != FALSE;
}

} // namespace

LRESULT MainWindow::HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
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
            OnCodeBoxChanged(ControlOfId(LOWORD(wp)));
        return 0;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<NMHDR*>(lp));
    case WM_MOUSEMOVE:
        OnPointerOverSurface();
        return 0;
    case WM_TIMER:
        if (wp == kHoverTimerId)
            OnHoverTimer();
        return 0;
    case WM_SYSCOMMAND:
        if (OnSystemMenuCommand(static_cast<UINT>(wp & 0xFFF0)))
            return 0;
        break;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wp) != WA_INACTIVE);
        return 0;
    case WM_DESTROY:
        SetHoverTimer(false);
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
void MainWindow::OnActivate(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus))
            focusBeforeDeactivation_ = focus;
        return;
    }
    HWND target = focusBeforeDeactivation_;
    if (!target || !IsWindow(target) || !IsChild(hwnd_, target))
        target = control(Control::CaptureBox);
    SetFocus(target);
}

LRESULT MainWindow::SubclassMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR tag) {
    const auto id = static_cast<Control>(tag);
    switch (Design(id).kind) {
    case ControlKind::TextBox:
        return TextBoxMessage(id, hwnd, msg, wp, lp);
    case ControlKind::Label:
        return LabelMessage(id, hwnd, msg, wp, lp);
    case ControlKind::Image:
        return PointerMessage(id, hwnd, msg, wp, lp);
    default:
        return win32::CallControlProc(hwnd, msg, wp, lp);
    }
}

LRESULT MainWindow::TextBoxMessage(Control id, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_GETDLGCODE) {
        // Every key but Tab reaches the box, so the dialog navigation moves the focus on Tab
        // and Shift+Tab alone while Enter, Escape and the arrows can be captured.
        const LRESULT code = win32::CallControlProc(hwnd, msg, wp, lp);
        const auto* keyMsg = reinterpret_cast<const MSG*>(lp);
        if (keyMsg && keyMsg->message == WM_KEYDOWN && keyMsg->wParam == VK_TAB)
            return code;
        return code | DLGC_WANTALLKEYS;
    }
    if (id == Control::CaptureBox)
        return CaptureBoxMessage(hwnd, msg, wp, lp);
    return CodeBoxMessage(id, hwnd, msg, wp, lp);
}

// Labels paint themselves whole; the static control only keeps their text, and takes none
// from outside: a read-out shows what the window derived, nothing else.
LRESULT MainWindow::LabelMessage(Control id, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SETTEXT: {
        const wchar_t* text = lp ? reinterpret_cast<const wchar_t*>(lp) : L"";
        if (!IsOwnText(id, text))
            return FALSE;
        const LRESULT taken = win32::CallControlProc(hwnd, msg, wp, lp);
        if (taken && id == Control::CombinationReadOut)
            OnCombinationShown(text); // the tooltip comes with the first name too long for it
        return taken;
    }
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
LRESULT MainWindow::PointerMessage(Control id, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_MOUSEMOVE:
        if (GetCapture() != hwnd || PointInClient(hwnd, lp))
            OnPointerOver(id);
        return 0;
    case WM_LBUTTONDBLCLK:
        // A double click on the pressed keys opens their history; elsewhere it is a press.
        if (id == Control::CombinationReadOut) {
            OpenKeyHistory();
            return 0;
        }
        SetCapture(hwnd);
        return 0;
    case WM_LBUTTONDOWN:
        SetCapture(hwnd);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == hwnd) {
            ReleaseCapture();
            if (PointInClient(hwnd, lp))
                OnClick(id);
        }
        return 0;
    }
    return win32::CallControlProc(hwnd, msg, wp, lp);
}

// Only the flags and the link react to the pointer; every other label and image takes the
// move and ignores it.
void MainWindow::OnPointerOver(Control id) {
    switch (id) {
    case Control::EnglishFlag:
        OnPointerEnters(HoverSpot::EnglishFlag);
        break;
    case Control::HungarianFlag:
        OnPointerEnters(HoverSpot::HungarianFlag);
        break;
    case Control::HomepageLink:
        OnPointerEnters(HoverSpot::HomepageLink);
        break;
    default:
        break;
    }
}

// A flag is chosen through its highlight frame, which covers it only while lit.
void MainWindow::OnClick(Control id) {
    switch (id) {
    case Control::EnglishFlagLit:
        ChooseLanguage(Language::English);
        break;
    case Control::HungarianFlagLit:
        ChooseLanguage(Language::Hungarian);
        break;
    case Control::HomepageLink:
        OpenHomepageLink();
        break;
    default:
        break;
    }
}

} // namespace zintar
