#include "ui/keyboard_layouts/layouts_window.h"

#include <algorithm>

#include "core/key_identity/key_names.h"
#include "core/keyboard_layout/layout_captions.h"
#include "core/keyboard_layout/layouts_window_captions.h"
#include "core/keyboard_layout/standard_scan_codes.h"
#include "platform/controls/common_controls.h"
#include "platform/input/keyboard.h"
#include "platform/window/scoped_handles.h"
#include "platform/window/subclass.h"
#include "platform/window/window_class.h"
#include "platform/window/window_thunk.h"
#include "ui/common/child_control.h"
#include "ui/common/dpi_change.h"
#include "ui/common/owned_window_place.h"
#include "ui/common/resource_ids.h"
#include "ui/keyboard_layouts/keyboard_colours.h"
#include "ui/main_window/layout.h"

namespace zintar {

namespace {

constexpr wchar_t kLayoutsWindowClass[] = L"Zintar.KeyboardLayouts";
constexpr DWORD kLayoutsWindowStyle = WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX;

enum ControlId : int {
    kLayoutListId = 100,
    kShortcutBoxId = 200,
    kShortcutListId,
    kKeyboardId = 300,
    kKeyTableId = 400,
};
constexpr UINT kCopyCommand = 1;

// Design sizes in twips. The keyboard keeps its size at a DPI (readable legends come first);
// the window is as wide as it, and the key table takes what height is left.
constexpr int kMarginTwips = 120;
constexpr int kTopBandTwips = 1950; // the layouts list: its titles and five rows
constexpr int kLineTwips = 300;     // a caption line
constexpr int kBoxTwips = 345;
constexpr int kShortcutCaptionTwips = 1650;
// Wide enough for "most lenyomva: 104". The count is left-aligned in it: Wine draws a
// right-aligned static's last glyph a few pixels past the width it measures, and cuts it.
constexpr int kHeldNowTwips = 2100;
constexpr int kColourKeyTwips = 1800;
constexpr int kPreferredTableTwips = 3000;
constexpr int kMinimumTableTwips = 1200;

bool RegisterLayoutsClass(HINSTANCE instance) {
    WNDCLASSEXW wc = win32::IconWindowClass(instance, kLayoutsWindowClass,
                                            &win32::WindowThunk<LayoutsWindow>, IDI_ZINTAR);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    return win32::EnsureWindowClass(wc);
}

int Px(int twips, int dpi) {
    return TwipsToPixels(twips, dpi);
}

// The client height for a key table of `tableTwips`.
int ClientHeight(int dpi, int tableTwips) {
    return Px(kMarginTwips + kTopBandTwips + kMarginTwips + kLineTwips, dpi) +
           KeyboardView::SizeAt(dpi).cy +
           Px(kMarginTwips / 2 + kLineTwips + kMarginTwips / 2 + tableTwips + kMarginTwips, dpi);
}

SIZE OuterSize(int clientWidth, int clientHeight) {
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, kLayoutsWindowStyle, FALSE, 0);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

void Move(HWND control, int left, int top, int width, int height) {
    MoveWindow(control, left, top, std::max(0, width), std::max(0, height), TRUE);
}

} // namespace

LayoutsWindow::LayoutsWindow() : standardUs_(StandardScanCodes()) {}

LayoutsWindow::~LayoutsWindow() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

bool LayoutsWindow::IsOpen() const {
    return hwnd_ && IsWindowVisible(hwnd_);
}

bool LayoutsWindow::Open(HINSTANCE instance, HWND owner) {
    if (!hwnd_ && !Create(instance, owner))
        return false;
    if (IsOpen()) {
        SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return true;
    }
    ReadLayouts();
    const SIZE keyboard = KeyboardView::SizeAt(dpi_);
    const int width = keyboard.cx + 2 * Px(kMarginTwips, dpi_);
    const SIZE preferred = OuterSize(width, ClientHeight(dpi_, kPreferredTableTwips));
    const SIZE minimum = OuterSize(width, ClientHeight(dpi_, kMinimumTableTwips));
    PlaceBesideOwner(hwnd_, owner, {preferred.cx, preferred.cy}, {minimum.cx, minimum.cy});
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    return true;
}

bool LayoutsWindow::Create(HINSTANCE instance, HWND owner) {
    if (!win32::EnsureCommonControls() || !RegisterLayoutsClass(instance))
        return false;
    // Owned by the main window: above it, gone with it, and no button of its own on the
    // taskbar.
    if (!CreateWindowExW(0, kLayoutsWindowClass, L"", kLayoutsWindowStyle, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance,
                         this))
        return false;
    dpi_ = win32::WindowDpi(hwnd_);
    icons_.Apply(hwnd_, instance, IDI_ZINTAR, dpi_);
    if (!CreateControls(instance)) {
        DestroyWindow(hwnd_);
        return false;
    }
    ApplyLanguage();
    return true;
}

bool LayoutsWindow::CreateControls(HINSTANCE instance) {
    // Creation order is Tab's order: the layouts, the keyboard, its keys' table, then the
    // shortcut check.
    if (!layoutList_.Create(hwnd_, instance, kLayoutListId, kInstalledColumnCount, LVS_SINGLESEL))
        return false;
    const auto font = reinterpret_cast<HFONT>(SendMessageW(layoutList_.hwnd(), WM_GETFONT, 0, 0));
    font_.Remember(font, dpi_);
    auto text = [&](ReadOnlyText& control, DWORD style) {
        control.Attach(CreateChildControl(
            hwnd_, instance, {L"STATIC", WS_VISIBLE | SS_NOPREFIX | style, 0, -1, L"", font}));
        return control.hwnd() != nullptr;
    };
    if (!text(keyboardCaption_, SS_LEFT | SS_ENDELLIPSIS) || !text(heldNow_, SS_LEFT) ||
        !keyboard_.Create(hwnd_, instance, kKeyboardId) || !text(problem_, SS_LEFT) ||
        !text(deadKey_, SS_LEFT) || !text(altGr_, SS_LEFT) ||
        !keyTable_.Create(hwnd_, instance, kKeyTableId, kLayoutKeyColumnCount) ||
        !text(shortcutCaption_, SS_LEFT | SS_CENTERIMAGE))
        return false;
    const HWND box =
        CreateChildControl(hwnd_, instance,
                           {L"EDIT", WS_VISIBLE | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL,
                            WS_EX_CLIENTEDGE, kShortcutBoxId, L"", font});
    if (!shortcutBox_.Attach(box, [this](ProgramShortcut s) { SetShortcut(s); }) ||
        !shortcutList_.Create(hwnd_, instance, kShortcutListId, 4))
        return false;
    keyboard_.OnHeldChanged([this] { ShowHeldNow(); });
    keyboard_.OnKeyClicked([this](KeyPlace place) { SelectKeyRow(place); });
    return true;
}

void LayoutsWindow::SetLanguage(Language language) {
    language_ = language;
    if (hwnd_)
        ApplyLanguage();
}

void LayoutsWindow::ApplyLanguage() {
    const LayoutsWindowCaptions& captions = LayoutsWindowCaptionsOf(language_);
    SetWindowTextW(hwnd_, std::wstring(captions.keyboardLayouts).c_str());
    shortcutCaption_.Write(captions.shortcut);
    deadKey_.Write(captions.deadKey);
    altGr_.Write(captions.altGr);
    TextList::Row titles;
    for (int c = 0; c < kInstalledColumnCount; ++c)
        titles.emplace_back(InstalledColumnTitle(static_cast<InstalledColumn>(c), language_));
    layoutList_.SetTitles(titles);
    titles.clear();
    for (int c = 0; c < kLayoutKeyColumnCount; ++c)
        titles.emplace_back(LayoutKeyColumnTitle(static_cast<LayoutKeyColumn>(c), language_));
    keyTable_.SetTitles(titles);
    titles.clear();
    for (ShortcutColumn c : {ShortcutColumn::Layout, ShortcutColumn::Key, ShortcutColumn::Types,
                             ShortcutColumn::Verdict})
        titles.emplace_back(ShortcutColumnTitle(c, language_));
    shortcutList_.SetTitles(titles);
    // Every text of the rows names things in the language too.
    const std::optional<size_t> shown = shown_;
    FillLayoutList();
    ShowLayout(shown);
    FillShortcutCheck();
    ShowHeldNow();
}

void LayoutsWindow::LayOut() {
    RECT client{};
    if (!layoutList_ || !GetClientRect(hwnd_, &client))
        return;
    const int dpi = dpi_;
    const int margin = Px(kMarginTwips, dpi);
    const int width = client.right - 2 * margin;
    // The top band: the layouts at the left, the shortcut check at the right.
    const int band = Px(kTopBandTwips, dpi);
    const int listWidth = (width - margin) / 2;
    Move(layoutList_.hwnd(), margin, margin, listWidth, band);
    const int right = 2 * margin + listWidth;
    const int rightWidth = client.right - margin - right;
    const int box = Px(kBoxTwips, dpi);
    const int caption = Px(kShortcutCaptionTwips, dpi);
    Move(shortcutCaption_.hwnd(), right, margin, caption, box);
    Move(shortcutBox_.hwnd(), right + caption, margin, rightWidth - caption, box);
    Move(shortcutList_.hwnd(), right, margin + box + margin / 2, rightWidth,
         band - box - margin / 2);
    // The keyboard under its caption line, with the count of keys held at its right.
    int top = margin + band + margin;
    const int line = Px(kLineTwips, dpi);
    const SIZE keyboard = KeyboardView::SizeAt(dpi);
    const int held = Px(kHeldNowTwips, dpi);
    Move(keyboardCaption_.hwnd(), margin, top, keyboard.cx - held, line);
    Move(heldNow_.hwnd(), margin + keyboard.cx - held, top, held, line);
    top += line;
    keyboard_.Place({margin, top}, dpi);
    Move(problem_.hwnd(), margin, top, keyboard.cx, keyboard.cy);
    top += keyboard.cy + margin / 2;
    const int colourKey = Px(kColourKeyTwips, dpi);
    Move(deadKey_.hwnd(), margin, top, colourKey, line);
    Move(altGr_.hwnd(), margin + colourKey, top, colourKey, line);
    top += line + margin / 2;
    Move(keyTable_.hwnd(), margin, top, width, client.bottom - margin - top);
}

// Fonts, keys and column widths made again for the DPI; what the window shows stays.
void LayoutsWindow::ScaleTo(int dpi) {
    const int before = dpi_;
    dpi_ = dpi;
    icons_.Apply(hwnd_, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE)),
                 IDI_ZINTAR, dpi_);
    if (const HFONT font = font_.MakeFor(dpi)) {
        for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (child != keyboard_.hwnd())
                SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    for (TextList* list : {&layoutList_, &keyTable_, &shortcutList_})
        list->ScaleColumns(before, dpi);
}

void LayoutsWindow::OnActivate(bool active) {
    if (!active) {
        const HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus))
            focusBeforeDeactivation_ = focus;
        return;
    }
    // Activated, the window hands the keyboard to where it was, else to the keyboard, whose
    // keys then light up as they are pressed.
    HWND target = focusBeforeDeactivation_;
    if (!target || !IsWindow(target) || !IsChild(hwnd_, target) || !IsWindowVisible(target))
        target = keyboard_.hwnd();
    SetFocus(target);
}

LRESULT LayoutsWindow::HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCCREATE:
        hwnd_ = hwnd;
        break;
    case WM_SIZE:
        LayOut();
        return 0;
    case WM_GETMINMAXINFO: {
        // Never narrower than the keyboard, whose legends would otherwise be cut.
        auto& info = *reinterpret_cast<MINMAXINFO*>(lp);
        const int width = KeyboardView::SizeAt(dpi_).cx + 2 * Px(kMarginTwips, dpi_);
        const SIZE minimum = OuterSize(width, ClientHeight(dpi_, 0));
        info.ptMinTrackSize = {minimum.cx, minimum.cy};
        return 0;
    }
    case WM_DPICHANGED:
        if (TakeDpiChange(hwnd, wp, lp, [this](int dpi) { ScaleTo(dpi); }))
            LayOut();
        return 0;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wp) != WA_INACTIVE);
        return 0;
    case WM_ACTIVATEAPP:
        // Another program came to the front: the keys now go to it, key-ups included.
        if (!wp)
            keyboard_.ForgetHeld();
        return 0;
    case WM_SETFOCUS:
        if (keyboard_.hwnd())
            SetFocus(keyboard_.hwnd());
        return 0;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lp));
    case WM_CONTEXTMENU: {
        const auto from = reinterpret_cast<HWND>(wp);
        for (const TextList* list : {&shortcutList_, &keyTable_})
            if (from == list->hwnd()) {
                ShowCopyMenu(*list, lp);
                return 0;
            }
        break;
    }
    case WM_COMMAND:
        if (lp == 0 && LOWORD(wp) == kCopyCommand) {
            // The menu's owner is the list that asked for it: the one with the focus.
            Copy(GetFocus() == keyTable_.hwnd() ? keyTable_ : shortcutList_);
        } else if (reinterpret_cast<HWND>(lp) == shortcutBox_.hwnd() && HIWORD(wp) == EN_CHANGE) {
            shortcutBox_.OnChanged();
        }
        return 0;
    case WM_CTLCOLORSTATIC: {
        // The colour key's words in the colours they name.
        const auto control = reinterpret_cast<HWND>(lp);
        if (control != deadKey_.hwnd() && control != altGr_.hwnd())
            break;
        const auto dc = reinterpret_cast<HDC>(wp);
        SetTextColor(dc, control == deadKey_.hwnd() ? kDeadText : kAltGrText);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CLOSE:
        // Closed, the window only hides: the next opening reads the layouts again.
        ShowWindow(hwnd, SW_HIDE);
        return 0;
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        layoutList_.Forget();
        shortcutList_.Forget();
        keyTable_.Forget();
        keyboard_.Forget();
        shortcutBox_.Forget();
        for (ReadOnlyText* text :
             {&shortcutCaption_, &keyboardCaption_, &heldNow_, &problem_, &deadKey_, &altGr_})
            text->Forget();
        break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT LayoutsWindow::OnNotify(const NMHDR& header) {
    if (header.hwndFrom == layoutList_.hwnd() && header.code == LVN_ITEMCHANGED) {
        // A row selected by a click, a key or another program's LVM_SETITEMSTATE alike.
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (change.iItem >= 0 && (change.uChanged & LVIF_STATE) &&
            (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED))
            ShowLayout(static_cast<size_t>(change.iItem));
        return 0;
    }
    for (const TextList* list : {&layoutList_, &shortcutList_, &keyTable_}) {
        if (header.hwndFrom != list->hwnd())
            continue;
        if (header.code == LVN_KEYDOWN)
            OnListKey(*list, reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey);
        return list->OnNotify(header);
    }
    return 0;
}

void LayoutsWindow::OnListKey(const TextList& list, WORD key) {
    if (&list == &layoutList_)
        return;
    if (win32::ModifiersOfKeyMessage() == kModifierCtrl && (key == 'C' || key == VK_INSERT))
        Copy(list);
}

// At the pointer, or under the focused row when a key asked.
void LayoutsWindow::ShowCopyMenu(const TextList& list, LPARAM screenPoint) {
    SetFocus(list.hwnd());
    POINT at{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
    if (screenPoint == win32::kContextMenuFromKeyboard)
        at = list.MenuPoint();
    win32::ScopedMenu menu;
    if (!menu.get())
        return;
    const std::wstring item = std::wstring(LayoutsWindowCaptionsOf(language_).copy) + L"\tCtrl+C";
    AppendMenuW(menu.get(), MF_STRING | (list.rows().empty() ? MF_GRAYED : MF_ENABLED),
                kCopyCommand, item.c_str());
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_,
                   nullptr);
}

} // namespace zintar
