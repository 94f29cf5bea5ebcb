#include "ui/main_window/main_window.h"

#include "core/converter/box_table.h"
#include "core/converter/captions.h"
#include "platform/window/dpi.h"
#include "platform/settings/language_setting.h"
#include "platform/window/subclass.h"
#include "platform/window/window_class.h"
#include "platform/window/window_thunk.h"
#include "ui/common/child_control.h"
#include "ui/common/resource_ids.h"
#include "ui/key_history/key_recorder.h"
#include "ui/keyboard_layouts/layouts_window.h"
#include "ui/main_window/control_ids.h"
#include "ui/main_window/image_window.h"
#include "ui/main_window/pictures.h"
#include "ui/main_window/window_scale.h"
#include "zintar_version.h"

namespace zintar {

namespace {

constexpr wchar_t kMainWindowClass[] = L"Zintar.frmZintar"; // the inspector finds the window by it
constexpr DWORD kMainWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kMainWindowExStyle = WS_EX_DLGMODALFRAME;

bool RegisterFormClass(HINSTANCE instance) {
    return win32::EnsureWindowClass(win32::IconWindowClass(
        instance, kMainWindowClass, &win32::WindowThunk<MainWindow>, IDI_ZINTAR));
}

HWND CreateDesignControl(HWND parent, HINSTANCE instance, const ControlDesign& s, HFONT font,
                         int dpi) {
    const PixelBox r = ToPixels(PlacedTwips(s), dpi);
    DWORD style = WS_CLIPSIBLINGS | (s.visible ? WS_VISIBLE : 0);
    DWORD exStyle = 0;
    const wchar_t* cls = nullptr;
    switch (s.kind) {
    case ControlKind::TextBox:
        cls = L"EDIT";
        style |= WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER;
        exStyle |= WS_EX_CLIENTEDGE;
        break;
    case ControlKind::Label:
        // Painted by its Label object, so that back colour, fore colour, underline and the
        // end ellipsis are ours; the owner-draw style keeps the static control from drawing
        // the text itself, which stays in the control for WM_GETTEXT and screen readers.
        cls = L"STATIC";
        style |= SS_OWNERDRAW | SS_NOTIFY;
        if (s.sunkenBorder)
            exStyle |= WS_EX_CLIENTEDGE;
        break;
    case ControlKind::Image:
        cls = kImageWindowClass;
        break;
    default:
        return nullptr;
    }
    HWND child =
        CreateChildControl(parent, instance, {cls, style, exStyle, ControlIdOf(s.id), s.text, font},
                           {r.left, r.top, r.left + r.width, r.top + r.height});
    if (child && s.kind == ControlKind::TextBox)
        SendMessageW(child, EM_LIMITTEXT, s.maxLength, 0);
    return child;
}

} // namespace

MainWindow::MainWindow(PlatformSeams seams)
    : seams_(seams), recorder_(std::make_unique<KeyRecorder>()) {}

MainWindow::~MainWindow() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

bool MainWindow::Create(HINSTANCE instance, bool endsProgram) {
    instance_ = instance;
    endsProgram_ = endsProgram;
    if (!RegisterFormClass(instance) || !RegisterImageWindowClass(instance))
        return false;

    HWND created = CreateWindowExW(kMainWindowExStyle, kMainWindowClass, kWindowDesign.designTitle,
                                   kMainWindowStyle, 0, 0, 0, 0, nullptr, nullptr, instance, this);
    if (!created)
        return false;
    // The window's DPI is known once it exists; it is sized for it before anything shows.
    dpi_ = win32::WindowDpi(created);
    ui_.icons.Apply(created, instance, IDI_ZINTAR, dpi_);
    const SIZE client = ClientSizeAt(dpi_);
    RECT outer{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&outer, kMainWindowStyle, FALSE, kMainWindowExStyle);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    // Centred on the screen at the first show; nothing moves it afterwards but the user.
    SetWindowPos(created, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (!CreateControls()) {
        DestroyWindow(created);
        return false;
    }
    AddWindowMenuItems(hwnd_, language_);
    Load();
    // The controls take their first texts before they are subclassed: the window's own
    // writes need none of its handlers.
    for (const ControlDesign* s : CreationOrder())
        win32::Subclass(control(s->id), this, Index(s->id));
    return true;
}

void MainWindow::Show(int showCommand) {
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    SetForegroundWindow(hwnd_);
    SetFocus(control(Control::CaptureBox));
}

// The first state, before the first show. The captions and the hover reset need the built
// controls; the conversion state and the name tables need nothing (both exist from the start).
void MainWindow::Load() {
    ui_.labels[Index(Control::VersionLabel)].Write(
        VersionText(kVersionMajor, kVersionMinor, kVersionRevision));
    ApplyLanguage(LanguageOfCode(win32::LoadLanguage(*seams_.registry)));
    hover_.Reset();
    ShowHover();
}

MainWindow::State MainWindow::state() const {
    return {conversion_.codes(), hover_.lit(), hover_.lastPointerTwips(), hoverTimerRunning_,
            language_};
}

// Creation order is stacking order: the text boxes in focus order first (topmost, and the
// dialog navigation follows it), then the drawn controls from top to bottom.
bool MainWindow::CreateControls() {
    ui_.fonts.Create(dpi_);
    PictureLoader pictures(instance_);
    for (const ControlDesign* s : CreationOrder()) {
        HWND child = CreateDesignControl(hwnd_, instance_, *s, ui_.fonts.Get(s->font), dpi_);
        if (!child)
            return false;
        ui_.windows[Index(s->id)] = child;
        if (s->kind == ControlKind::Label) {
            ui_.labels[Index(s->id)].Attach(child, *s, ui_.fonts);
        } else if (s->kind == ControlKind::Image) {
            ui_.pictures[Index(s->id)] = pictures.Load(s->picture, dpi_);
            SetImageBitmap(child, ui_.pictures[Index(s->id)].get());
        } else if (s->id == Control::CaptureBox) {
            ui_.captureBox.Attach(child, *this, s->text, seams_.inputMethod);
        } else if (const ReadOutRow* row = RowOfControl(s->id); row && row->box) {
            ui_.codeFields[static_cast<size_t>(*row->box)].Attach(child, *row->box, *this, s->text);
        }
    }
    return true;
}

} // namespace zintar
