#include "ui/main_window.h"

#include <commctrl.h>

#include "ui/image_window.h"
#include "ui/pictures.h"
#include "ui/resource_ids.h"
#include "core/captions.h"
#include "platform/language_setting.h"
#include "platform/subclass.h"
#include "platform/window_class.h"
#include "platform/window_thunk.h"
#include "ui/control_ids.h"
#include "ui/fonts.h"
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

} // namespace

MainWindow::MainWindow(PlatformSeams seams) : seams_(seams) {}

MainWindow::~MainWindow() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

bool MainWindow::Create(HINSTANCE instance, bool endsProgram) {
    instance_ = instance;
    endsProgram_ = endsProgram;
    if (!RegisterFormClass(instance) || !RegisterImageWindowClass(instance))
        return false;

    RECT outer{0, 0, TwipsToPixels(kWindowDesign.clientWidthTwips),
               TwipsToPixels(kWindowDesign.clientHeightTwips)};
    AdjustWindowRectEx(&outer, kMainWindowStyle, FALSE, kMainWindowExStyle);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    // Centred on the screen at the first show; nothing moves it afterwards but the user.
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

    HWND created = CreateWindowExW(kMainWindowExStyle, kMainWindowClass, kWindowDesign.designTitle,
                                   kMainWindowStyle, left, top, width, height, nullptr, nullptr,
                                   instance, this);
    if (!created)
        return false;
    if (!CreateControls()) {
        DestroyWindow(created);
        return false;
    }
    AddLanguageMenu();
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
    SetCaption(Control::VersionLabel, VersionText(kVersionMajor, kVersionMinor, kVersionRevision));
    ApplyLanguage(LanguageOfCode(LoadLanguage(*seams_.registry)));
    // Each highlight frame goes exactly onto its flag's top-left corner; sizes stay.
    MoveTo(Control::HungarianFlagLit, Left(Control::HungarianFlag), Top(Control::HungarianFlag));
    MoveTo(Control::EnglishFlagLit, Left(Control::EnglishFlag), Top(Control::EnglishFlag));
    hover_.Reset();
    ShowHover();
}

MainWindow::State MainWindow::state() const {
    return {conversion_.codes(), hover_.lit(), hover_.lastPointerTwips(), hoverTimerRunning_,
            language_};
}

bool MainWindow::CreateControls() {
    for (size_t f = 0; f < kFonts.size(); ++f)
        fonts_[f] = CreateDesignFont(kFonts[f]);
    PictureLoader pictures(instance_);
    // Creation order is stacking order: the text boxes in focus order first (topmost, and
    // the dialog navigation follows it), then the drawn controls from top to bottom.
    for (const ControlDesign* s : CreationOrder()) {
        HWND child = CreateControl(*s);
        if (!child)
            return false;
        controls_[Index(s->id)] = child;
        knownText_[Index(s->id)] = s->text;
        foreColour_[Index(s->id)] = s->fore;
        if (s->kind == ControlKind::Image) {
            pictures_[Index(s->id)] = pictures.Load(s->picture);
            SetImageBitmap(child, pictures_[Index(s->id)].get());
        }
        if (s->autoSize)
            FitToText(s->id);
    }
    return true;
}

HWND MainWindow::CreateControl(const ControlDesign& s) {
    const PixelBox r = ToPixels(s.twips);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (s.visible ? WS_VISIBLE : 0);
    DWORD exStyle = 0;
    const wchar_t* cls = nullptr;
    switch (s.kind) {
    case ControlKind::TextBox:
        cls = L"EDIT";
        style |= WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER;
        exStyle |= WS_EX_CLIENTEDGE;
        break;
    case ControlKind::Label:
        // Painted by the form (PaintLabel), so that back colour, fore colour, underline and
        // the end ellipsis are ours; the owner-draw style keeps the static control from
        // drawing the text itself, which stays in the control for WM_GETTEXT and screen
        // readers.
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
    HWND child = CreateWindowExW(
        exStyle, cls, s.text, style, r.left, r.top, r.width, r.height, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdOf(s.id))), instance_, nullptr);
    if (!child)
        return nullptr;
    if (s.font != FontId::None)
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(Font(s.font)), FALSE);
    if (s.kind == ControlKind::TextBox)
        SendMessageW(child, EM_LIMITTEXT, s.maxLength, 0);
    return child;
}

} // namespace zintar
