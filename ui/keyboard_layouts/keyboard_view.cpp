#include "ui/keyboard_layouts/keyboard_view.h"

#include <algorithm>
#include <array>
#include <cwchar>

#include "platform/input/keyboard.h"
#include "platform/window/window_class.h"
#include "platform/window/window_thunk.h"
#include "ui/common/child_control.h"
#include "ui/keyboard_layouts/keyboard_colours.h"
#include "ui/main_window/colours.h"
#include "ui/main_window/layout.h"

namespace zintar {

namespace {

constexpr wchar_t kKeyboardClass[] = L"Zintar.Keyboard";
constexpr wchar_t kKeyCapClass[] = L"Zintar.KeyCap";
constexpr int kFirstCapId = 1000;

// Design sizes in twips: a key is 40 pixels at 96 dpi, wide enough for two legends side by
// side in a 14-pixel font; half a key parts the function keys from the rest, as on a real
// keyboard, and a quarter key of margin frames the whole.
constexpr int kKeyTwips = 600;
constexpr int kQuarterTwips = kKeyTwips / kQuartersPerKey;
constexpr int kRowGapTwips = kKeyTwips / 2;
constexpr int kMarginTwips = kQuarterTwips;
constexpr int kQuartersWide = 90; // the number pad's right edge
constexpr int kRows = 6;
constexpr int kCapGapTwips = 30;     // between two keys' faces
constexpr int kCapPaddingTwips = 45; // between a face's edge and its legends
constexpr int kCornerTwips = 75;
constexpr int kDeadStripeTwips = 45;
constexpr int kLegendFontTwips = 210;
constexpr int kNameFontTwips = 150;
constexpr wchar_t kFontFace[] = L"Arial"; // every Windows has it, with the Central European letters

// While a key is held, how often the system is asked whether it still is: a key-up that went
// elsewhere (a secure desktop, another program's hook) would leave the key lit for good.
constexpr UINT_PTR kHeldCheckTimer = 1;
constexpr UINT kHeldCheckMs = 250;

int RowTopTwips(int row) {
    return row * kKeyTwips + (row > 0 ? kRowGapTwips : 0);
}

RECT CapRect(const KeyCap& cap, int dpi) {
    const int margin = TwipsToPixels(kMarginTwips, dpi);
    const int top = RowTopTwips(cap.row);
    return {margin + TwipsToPixels(cap.x * kQuarterTwips, dpi), margin + TwipsToPixels(top, dpi),
            margin + TwipsToPixels((cap.x + cap.width) * kQuarterTwips, dpi),
            margin + TwipsToPixels(top + cap.rows * kKeyTwips, dpi)};
}

// The outline of the L-shaped Enter in its own rectangle, inset by `inset`: the upper part
// as wide as the key, the lower part a quarter key narrower on the left.
std::array<POINT, 6> EnterOutline(const RECT& r, int quarter, int inset) {
    const int middle = (r.bottom - r.top) / 2;
    return {{{r.left + inset, r.top + inset},
             {r.right - inset, r.top + inset},
             {r.right - inset, r.bottom - inset},
             {r.left + quarter + inset, r.bottom - inset},
             {r.left + quarter + inset, middle - inset},
             {r.left + inset, middle - inset}}};
}

struct LegendPlace {
    LegendSpot spot;
    UINT format;
};
constexpr UINT kOneLine = DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;
constexpr LegendPlace kLegendPlaces[] = {
    {LegendSpot::Shift, kOneLine | DT_LEFT | DT_TOP},
    {LegendSpot::Plain, kOneLine | DT_LEFT | DT_BOTTOM},
    {LegendSpot::ShiftAltGr, kOneLine | DT_RIGHT | DT_TOP},
    {LegendSpot::AltGr, kOneLine | DT_RIGHT | DT_BOTTOM},
    {LegendSpot::CapsLock, kOneLine | DT_CENTER | DT_BOTTOM},
};

COLORREF LegendColour(LegendSpot spot, const Typed& legend) {
    if (legend.kind == Typed::Kind::Dead)
        return kDeadText;
    if (spot == LegendSpot::AltGr || spot == LegendSpot::ShiftAltGr)
        return kAltGrText;
    return spot == LegendSpot::CapsLock ? kCapsLockText : kLegendText;
}

// A solid pen and brush selected for one shape, released with the scope.
class ShapeColours {
  public:
    ShapeColours(HDC dc, COLORREF face, COLORREF border, int width)
        : brush_(CreateSolidBrush(face)), pen_(CreatePen(PS_SOLID, width, border)),
          selectBrush_(dc, brush_.get()), selectPen_(dc, pen_.get()) {}

  private:
    win32::ScopedHandle<HBRUSH, win32::GdiObjectTraits> brush_;
    win32::ScopedHandle<HPEN, win32::GdiObjectTraits> pen_;
    win32::ScopedSelect selectBrush_, selectPen_;
};

} // namespace

bool KeyboardView::RegisterClasses(HINSTANCE instance) {
    return win32::EnsureWindowClass(win32::PlainWindowClass(instance, kKeyboardClass,
                                                            &win32::WindowThunk<KeyboardView>)) &&
           win32::EnsureWindowClass(
               win32::PlainWindowClass(instance, kKeyCapClass, &win32::WindowThunk<Cap>));
}

bool KeyboardView::Create(HWND parent, HINSTANCE instance, int id) {
    instance_ = instance;
    if (!RegisterClasses(instance))
        return false;
    // The keys are its children; WS_TABSTOP puts it in Tab's round.
    if (!CreateChildControl(parent, instance,
                            {kKeyboardClass, WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN, 0, id}, {},
                            this))
        return false;
    // Every key message of Zintar's windows, whichever control has the keyboard: the keys
    // held light up while Zintar is in front, not only while the keyboard has the focus.
    keyWatch_.emplace([this](const MSG& key) { OnKey(key.message, key.wParam, key.lParam); });
    return true;
}

void KeyboardView::Forget() {
    keyWatch_.reset();
    hwnd_ = nullptr;
    caps_.clear();
    arranged_ = false;
}

SIZE KeyboardView::SizeAt(int dpi) {
    const int margin = 2 * kMarginTwips;
    return {TwipsToPixels(kQuartersWide * kQuarterTwips + margin, dpi),
            TwipsToPixels(RowTopTwips(kRows) + margin, dpi)};
}

void KeyboardView::Place(POINT topLeft, int dpi) {
    if (!hwnd_)
        return;
    const bool rescaled = dpi != dpi_ || !legendFont_;
    dpi_ = dpi;
    if (rescaled)
        MakeFonts();
    const SIZE size = SizeAt(dpi);
    MoveWindow(hwnd_, topLeft.x, topLeft.y, size.cx, size.cy, TRUE);
    if (rescaled)
        PlaceCaps();
}

void KeyboardView::MakeFonts() {
    auto font = [this](int twips, int weight) {
        LOGFONTW lf{};
        lf.lfHeight = -TwipsToPixels(twips, dpi_);
        lf.lfWeight = weight;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = CLEARTYPE_QUALITY;
        wcsncpy(lf.lfFaceName, kFontFace, LF_FACESIZE - 1);
        return win32::ScopedFont(CreateFontIndirectW(&lf));
    };
    legendFont_ = font(kLegendFontTwips, FW_NORMAL);
    nameFont_ = font(kNameFontTwips, FW_NORMAL);
}

void KeyboardView::Show(const KeyboardLayoutTables* layout, Language language) {
    if (!hwnd_)
        return;
    if (!layout) {
        DestroyCaps();
        return;
    }
    const KeyboardArrangement arrangement = ArrangementOf(*layout);
    if (!arranged_ || arrangement != arrangement_)
        MakeCaps(arrangement);
    for (Cap& cap : caps_) {
        cap.legends = LegendsOfKey(*layout, cap.place);
        SetWindowTextW(cap.hwnd, KeyCapAccessibleName(cap.legends, language).c_str());
        InvalidateRect(cap.hwnd, nullptr, FALSE);
    }
}

void KeyboardView::MakeCaps(KeyboardArrangement arrangement) {
    DestroyCaps();
    const std::span<const KeyCap> keys = ArrangementKeys(arrangement);
    caps_.reserve(keys.size());
    for (const KeyCap& key : keys) {
        caps_.push_back({this, key, PlaceOfReportedKey({key.scanCode, key.extended}), {}});
        Cap& cap = caps_.back();
        cap.hwnd = CreateChildControl(
            hwnd_, instance_,
            {kKeyCapClass, WS_VISIBLE, 0, kFirstCapId + static_cast<int>(caps_.size()) - 1},
            CapRect(key, dpi_), &cap);
    }
    arrangement_ = arrangement;
    arranged_ = true;
    PlaceCaps();
}

void KeyboardView::DestroyCaps() {
    for (Cap& cap : caps_)
        if (cap.hwnd)
            DestroyWindow(cap.hwnd);
    caps_.clear();
    arranged_ = false;
}

void KeyboardView::PlaceCaps() {
    const int quarter = TwipsToPixels(kQuarterTwips, dpi_);
    for (Cap& cap : caps_) {
        if (!cap.hwnd)
            continue;
        const RECT r = CapRect(cap.cap, dpi_);
        MoveWindow(cap.hwnd, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
        if (cap.cap.shape == KeyCapShape::LShapedEnter) {
            // Outside the L is its neighbour's: clicks and paint there go to that key. The
            // system owns the region once it is set.
            const auto outline =
                EnterOutline({0, 0, r.right - r.left, r.bottom - r.top}, quarter, 0);
            SetWindowRgn(
                cap.hwnd,
                CreatePolygonRgn(outline.data(), static_cast<int>(outline.size()), WINDING), FALSE);
        }
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}

HWND KeyboardView::KeyWindow(ReportedKey key) const {
    for (const Cap& cap : caps_)
        if (cap.cap.scanCode == key.scanCode && cap.cap.extended == key.extended)
            return cap.hwnd;
    return nullptr;
}

void KeyboardView::PaintKeyboard(HDC dc) const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillSolid(dc, client, kKeyboardBack);
    if (GetFocus() == hwnd_) {
        const int inset = std::max(1, TwipsToPixels(kCapGapTwips, dpi_));
        RECT focus{client.left + inset, client.top + inset, client.right - inset,
                   client.bottom - inset};
        DrawFocusRect(dc, &focus);
    }
}

void KeyboardView::PaintCap(const Cap& cap, HDC dc) const {
    RECT r{};
    GetClientRect(cap.hwnd, &r);
    FillSolid(dc, r, kKeyboardBack);
    const bool held = held_.IsHeld({cap.cap.scanCode, cap.cap.extended});
    const KeyCapLegends& legends = cap.legends;
    const COLORREF face = held                      ? kHeldKeyFace
                          : legends.virtualKey == 0 ? kAbsentKeyFace
                          : legends.HasLegend()     ? kKeyFace
                                                    : kNamedKeyFace;
    const int gap = std::max(1, TwipsToPixels(kCapGapTwips, dpi_));
    const int border = held ? std::max(2, TwipsToPixels(kCapGapTwips, dpi_)) : 1;
    {
        const ShapeColours colours(dc, face, held ? kHeldKeyBorder : kKeyBorder, border);
        if (cap.cap.shape == KeyCapShape::LShapedEnter) {
            const auto outline = EnterOutline(r, TwipsToPixels(kQuarterTwips, dpi_), gap);
            Polygon(dc, outline.data(), static_cast<int>(outline.size()));
        } else {
            const int corner = TwipsToPixels(kCornerTwips, dpi_);
            RoundRect(dc, r.left + gap, r.top + gap, r.right - gap, r.bottom - gap, corner, corner);
        }
    }
    // The face's text area; an L-shaped Enter writes in its lower, whole-width part.
    const int padding = gap + TwipsToPixels(kCapPaddingTwips, dpi_);
    RECT text{r.left + padding, r.top + padding, r.right - padding, r.bottom - padding};
    if (cap.cap.shape == KeyCapShape::LShapedEnter)
        text.left += TwipsToPixels(kQuarterTwips, dpi_);
    if (legends.HasDeadKey()) {
        const int stripe = std::max(2, TwipsToPixels(kDeadStripeTwips, dpi_));
        FillSolid(dc, {text.left, r.bottom - gap - 1 - stripe, text.right, r.bottom - gap - 1},
                  kDeadText);
        text.bottom -= stripe;
    }
    SetBkMode(dc, TRANSPARENT);
    if (!legends.HasLegend()) {
        if (legends.label.empty())
            return;
        // The name, centred, broken into lines where the key is too narrow for it.
        const win32::ScopedSelect font(dc, nameFont_.get());
        SetTextColor(dc, held ? kLegendText : kNameText);
        RECT measured = text;
        const UINT format = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS;
        DrawTextW(dc, legends.label.c_str(), -1, &measured, format | DT_CALCRECT);
        const int height = std::min(measured.bottom - measured.top, text.bottom - text.top);
        RECT centred{text.left, text.top + (text.bottom - text.top - height) / 2, text.right, 0};
        centred.bottom = centred.top + height;
        DrawTextW(dc, legends.label.c_str(), -1, &centred, format);
        return;
    }
    // A key that types one thing alone shows it where a cap prints it, at the top.
    const bool plainAlone =
        legends.legends[static_cast<size_t>(LegendSpot::Shift)].kind == Typed::Kind::Nothing;
    for (const LegendPlace& place : kLegendPlaces) {
        const Typed& legend = legends.legends[static_cast<size_t>(place.spot)];
        if (legend.kind == Typed::Kind::Nothing)
            continue;
        UINT format = place.format;
        if (place.spot == LegendSpot::Plain && plainAlone)
            format = (format & ~DT_BOTTOM) | DT_TOP;
        const win32::ScopedSelect font(dc, place.spot == LegendSpot::CapsLock ? nameFont_.get()
                                                                              : legendFont_.get());
        SetTextColor(dc, LegendColour(place.spot, legend));
        DrawTextW(dc, legend.text.c_str(), static_cast<int>(legend.text.size()), &text, format);
    }
}

void KeyboardView::OnKey(UINT msg, WPARAM wp, LPARAM lp) {
    const auto bits = static_cast<uint32_t>(lp);
    const ReportedKey key{static_cast<uint8_t>((bits >> 16) & 0xFF), ((bits >> 24) & 1) != 0};
    if (key.scanCode == 0)
        return; // a key sent by its code alone names no key of the keyboard
    SetHeld(key, msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN, static_cast<uint8_t>(wp & 0xFF));
}

void KeyboardView::SetHeld(ReportedKey key, bool down, uint8_t virtualKey) {
    if (!(down ? held_.Press(key, virtualKey) : held_.Release(key)))
        return;
    Repaint(key);
    HeldChanged();
}

void KeyboardView::ForgetHeld() {
    const std::vector<HeldKey> keys(held_.keys().begin(), held_.keys().end());
    if (!held_.Clear())
        return;
    for (const HeldKey& key : keys)
        Repaint(key.key);
    HeldChanged();
}

void KeyboardView::CheckHeld() {
    const std::vector<ReportedKey> dropped = held_.DropReleased(
        [](uint8_t virtualKey) { return virtualKey == 0 || win32::KeyIsDownNow(virtualKey); });
    for (const ReportedKey& key : dropped)
        Repaint(key);
    if (!dropped.empty())
        HeldChanged();
}

void KeyboardView::Repaint(ReportedKey key) const {
    if (const HWND window = KeyWindow(key))
        InvalidateRect(window, nullptr, FALSE);
}

// The check runs exactly while a key is held.
void KeyboardView::HeldChanged() {
    const bool wanted = held_.count() > 0;
    if (wanted && !checkRunning_)
        checkRunning_ = SetTimer(hwnd_, kHeldCheckTimer, kHeldCheckMs, nullptr) != 0;
    else if (!wanted && checkRunning_) {
        KillTimer(hwnd_, kHeldCheckTimer);
        checkRunning_ = false;
    }
    if (onHeldChanged_)
        onHeldChanged_();
}

LRESULT KeyboardView::HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCCREATE:
        hwnd_ = hwnd;
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        win32::ScopedPaint paint(hwnd);
        PaintKeyboard(paint.dc());
        return 0;
    }
    case WM_GETDLGCODE: {
        // Every key but Tab, which moves on to the next control.
        const auto* key = reinterpret_cast<const MSG*>(lp);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_TAB)
            return 0;
        return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocus(hwnd);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_SYSKEYDOWN:
        // Alt+F4 closes the window the keyboard stands in, as anywhere else.
        if (wp == VK_F4)
            PostMessageW(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    // Its own key messages are counted as every other window's are, through the key watch;
    // Alt or F10 let go would otherwise put the window into menu mode.
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_DEADCHAR:
    case WM_SYSDEADCHAR:
        return 0;
    case WM_SYSCHAR:
        // Alt+letter types nothing and must not beep; Alt+Space still opens the window menu.
        if (wp != L' ')
            return 0;
        break;
    case WM_TIMER:
        if (wp == kHeldCheckTimer)
            CheckHeld();
        return 0;
    case WM_NCDESTROY:
        if (checkRunning_)
            KillTimer(hwnd, kHeldCheckTimer);
        checkRunning_ = false;
        keyWatch_.reset();
        hwnd_ = nullptr;
        caps_.clear();
        arranged_ = false;
        break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT KeyboardView::Cap::HandleMessage(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCCREATE:
        hwnd = window;
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        win32::ScopedPaint paint(window);
        view->PaintCap(*this, paint.dc());
        return 0;
    }
    case WM_LBUTTONDOWN:
        SetFocus(view->hwnd_);
        if (view->onKeyClicked_)
            view->onKeyClicked_(place);
        return 0;
    case WM_NCDESTROY:
        hwnd = nullptr;
        break;
    }
    return DefWindowProcW(window, msg, wp, lp);
}

} // namespace zintar
