// Turns window messages into the window's events: one place for the Win32 plumbing. Each
// control answers its own messages; the window routes them and acts on what they report.
#include <windowsx.h>

#include "core/converter/box_table.h"
#include "platform/system/shell.h"
#include "platform/window/subclass.h"
#include "ui/common/dpi_change.h"
#include "ui/common/resource_ids.h"
#include "ui/key_history/key_recorder.h"
#include "ui/main_window/colours.h"
#include "ui/main_window/control_ids.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/window_scale.h"

namespace zintar {

namespace {

bool PointInClient(HWND hwnd, LPARAM lp) {
    RECT client;
    GetClientRect(hwnd, &client);
    const POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    return PtInRect(&client, pt) != FALSE;
}

// The spot a control lights under the pointer; the flags and the link, nothing else.
HoverSpot SpotOf(Control id) {
    switch (id) {
    case Control::EnglishFlag:
        return HoverSpot::EnglishFlag;
    case Control::HungarianFlag:
        return HoverSpot::HungarianFlag;
    case Control::HomepageLink:
        return HoverSpot::HomepageLink;
    default:
        return HoverSpot::None;
    }
}

} // namespace

LRESULT MainWindow::HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (const std::optional<LRESULT> answer = recorder_->Message(msg, wp, lp))
        return *answer;
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
        if (HIWORD(wp) == EN_CHANGE && IsControlId(LOWORD(wp))) {
            const Control id = ControlOfId(LOWORD(wp));
            if (id == Control::CaptureBox)
                ui_.captureBox.OnChanged();
            else if (const ReadOutRow* row = RowOfControl(id); row && row->box)
                ui_.codeFields[static_cast<size_t>(*row->box)].OnChanged();
        }
        return 0;
    case WM_NOTIFY:
        return ui_.tooltip.OnNotify(ui_.labels[Index(Control::CombinationReadOut)],
                                    *reinterpret_cast<NMHDR*>(lp));
    case WM_MOUSEMOVE:
        if (hover_.MoveOverSurface())
            ShowHover();
        return 0;
    case WM_TIMER:
        if (wp == kHoverTimerId)
            OnHoverTimer();
        return 0;
    case WM_SYSCOMMAND:
        if (const MenuCommand command = MenuCommandOf(wp); command != MenuCommand::None) {
            OnMenuCommand(command);
            return 0;
        }
        break;
    case WM_DPICHANGED:
        TakeDpiChange(hwnd, wp, lp, [this](int dpi) { ScaleTo(dpi); });
        return 0;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wp) != WA_INACTIVE);
        recorder_->OnActivate(LOWORD(wp) != WA_INACTIVE, reinterpret_cast<HWND>(lp));
        return 0;
    case WM_ACTIVATEAPP:
        recorder_->OnActivateApp(wp != FALSE);
        break;
    case WM_DESTROY:
        SetHoverTimer(false);
        recorder_->OnDestroy();
        if (endsProgram_)
            PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        ui_.windows = {};
        break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT MainWindow::SubclassMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR tag) {
    const auto id = static_cast<Control>(tag);
    if (msg == WM_GETOBJECT)
        if (const std::optional<LRESULT> answer = ui_.accessible.Answer(id, hwnd, wp, lp))
            return *answer;
    if (id == Control::CaptureBox)
        return ui_.captureBox.Message(msg, wp, lp);
    if (const ReadOutRow* row = RowOfControl(id); row && row->box)
        return ui_.codeFields[static_cast<size_t>(*row->box)].Message(msg, wp, lp);
    if (Design(id).kind == ControlKind::Label)
        if (const std::optional<LRESULT> answer = ui_.labels[Index(id)].Message(msg, wp, lp))
            return *answer;
    return PointerMessage(id, hwnd, msg, wp, lp);
}

// The window's own surface: background, then the band and the line, bottom of the stack
// first. They take no pointer events, which is why they are painted here rather than being
// windows.
void MainWindow::PaintBackground(HDC dc, const RECT& area) const {
    FillSolid(dc, area, ResolveColour(kWindowDesign.back));
    for (int stack = kControlCount; stack >= 1; --stack) {
        for (const ControlDesign& s : kLayout) {
            if (s.stackOrder != stack)
                continue;
            const PixelBox p = ToPixels(s.twips, dpi_);
            RECT r{p.left, p.top, p.left + p.width, p.top + p.height};
            if (s.kind == ControlKind::Shape) {
                FillSolid(dc, r, ResolveColour(s.back));
            } else if (s.kind == ControlKind::Line) {
                r.bottom = r.top + 1; // one pixel wide
                FillSolid(dc, r, ResolveColour(s.fore));
            }
        }
    }
}

// Fonts, pictures, icons and every control's place made again for the DPI; what the window
// shows stays.
void MainWindow::ScaleTo(int dpi) {
    dpi_ = dpi;
    ScaleControls(ui_, instance_, dpi_);
    ui_.icons.Apply(hwnd_, instance_, IDI_ZINTAR, dpi_);
    InvalidateRect(hwnd_, nullptr, FALSE);
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

// Labels and images: mouse moves, and a click as a press and release inside the control.
LRESULT MainWindow::PointerMessage(Control id, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_MOUSEMOVE:
        if (GetCapture() != hwnd || PointInClient(hwnd, lp))
            if (const HoverSpot spot = SpotOf(id); spot != HoverSpot::None && hover_.Enter(spot))
                ShowHover();
        return 0;
    case WM_LBUTTONDBLCLK:
        // A double click on the pressed keys opens their history; elsewhere it is a press.
        if (id == Control::CombinationReadOut) {
            OnMenuCommand(MenuCommand::KeyHistory);
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

// A flag is chosen through its highlight frame, which covers it only while lit. The link's
// click changes no state: it stays lit while the pointer is on it.
void MainWindow::OnClick(Control id) {
    switch (id) {
    case Control::EnglishFlagLit:
        ChooseLanguage(Language::English);
        break;
    case Control::HungarianFlagLit:
        ChooseLanguage(Language::Hungarian);
        break;
    case Control::HomepageLink:
        win32::OpenHomepage(hwnd_, seams_.shellExecuteA);
        break;
    default:
        break;
    }
}

// Every key message of the capture box is the key recorder's.
void MainWindow::OnKeyMessage(const KeyMessageInput& message) {
    recorder_->OnKeyMessage(message);
}

} // namespace zintar
