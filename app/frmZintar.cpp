#include "app/frmZintar.h"

#include <commctrl.h>

#include "app/control_ids.h"
#include "app/design_fonts.h"
#include "app/image_window.h"
#include "app/pictures.h"
#include "app/resource_ids.h"
#include "app/version.h"
#include "conversion/modKeyNames.h"
#include "settings/language_setting.h"
#include "win32/subclass.h"
#include "win32/window_class.h"
#include "win32/window_thunk.h"

namespace zintar {

namespace {

constexpr wchar_t kFormClass[] = L"Zintar.frmZintar";
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME;

bool RegisterFormClass(HINSTANCE instance) {
    WNDCLASSEXW wc = win32::PlainWindowClass(instance, kFormClass, &win32::WindowThunk<frmZintar>);
    // The 32 x 32 image for the task switcher, the 16 x 16 one for the title bar.
    wc.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_ZINTAR), IMAGE_ICON, 0,
                                             0, LR_DEFAULTSIZE | LR_SHARED));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_ZINTAR), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    return win32::EnsureWindowClass(wc);
}

} // namespace

frmZintar::frmZintar(FormPlatform platform) : platform_(platform) {}

frmZintar::~frmZintar() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

bool frmZintar::Create(HINSTANCE instance, bool endsProgram) {
    instance_ = instance;
    endsProgram_ = endsProgram;
    if (!RegisterFormClass(instance) || !RegisterImageWindowClass(instance))
        return false;

    RECT outer{0, 0, TwipsToPixels(kFormDesign.clientWidthTwips),
               TwipsToPixels(kFormDesign.clientHeightTwips)};
    AdjustWindowRectEx(&outer, kFormStyle, FALSE, kFormExStyle);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    // Centred on the screen at the first show; nothing moves it afterwards but the user.
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

    HWND created = CreateWindowExW(kFormExStyle, kFormClass, kFormDesign.designTitle, kFormStyle,
                                   left, top, width, height, nullptr, nullptr, instance, this);
    if (!created)
        return false;
    if (!CreateControls()) {
        DestroyWindow(created);
        return false;
    }
    CreateTooltip();
    AddLanguageMenu();
    Form_Load();
    return true;
}

void frmZintar::Show(int showCommand) {
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    SetForegroundWindow(hwnd_);
    SetFocus(control(Ctl::Tchar));
}

// The load sequence. Its order matters: the captions and the hover reset need the built
// controls, and the name tables must be filled before the first input can reach fDisplay
// (no message is processed while this runs, although bEvents turns true before the end).
void frmZintar::Form_Load() {
    SetCaption(Ctl::lblVersion, L"v" + std::to_wstring(kVersionMajor) + L"." +
                                    std::to_wstring(kVersionMinor) + L"." +
                                    std::to_wstring(kVersionRevision));
    SetLanguage(LanguageCodeFromStored(LoadLanguage(*platform_.registry)));
    // Each highlight frame goes exactly onto its flag's top-left corner; sizes stay.
    SetLeft(Ctl::imgLangHUN_hl, Left(Ctl::imgLangHUN));
    SetTop(Ctl::imgLangHUN_hl, Top(Ctl::imgLangHUN));
    SetLeft(Ctl::imgLangEng_hl, Left(Ctl::imgLangEng));
    SetTop(Ctl::imgLangEng_hl, Top(Ctl::imgLangEng));
    ResetHover();
    bEvents = true;
    iChar = -1;
    iKey = -1;
    InitKeyNames();
}

frmZintar::State frmZintar::state() const {
    return {iChar, iKey, iShift, bEvents, iHover, ptCursor, tmrLangEnabled_};
}

bool frmZintar::CreateControls() {
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
        foreColour_[Index(s->id)] = s->fore;
        if (s->kind == ControlKind::Image) {
            pictures_[Index(s->id)] = pictures.Load(s->picture);
            SetImageBitmap(child, pictures_[Index(s->id)].get());
        }
        if (s->autoSize)
            FitToText(s->id);
        win32::Subclass(child, this, Index(s->id));
    }
    return true;
}

HWND frmZintar::CreateControl(const ControlDesign& s) {
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
