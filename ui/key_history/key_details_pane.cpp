#include "ui/key_history/key_details_pane.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/converter/captions.h"
#include "core/key_identity/reserved_shortcuts.h"
#include "core/common/scroll_span.h"
#include "platform/input/hotkey_probe.h"
#include "platform/input/keyboard_layout_reader.h"
#include "ui/main_window/layout.h"

namespace zintar {

namespace {

// Design sizes in twips. Wide enough for "Keys.Control | Keys.Shift | Keys.Alt | Keys.F5"
// and for the longest caption in Hungarian; rows as high as a line of the list's font with
// a little air.
constexpr int kPaneWidthTwips = 5400;
constexpr int kCaptionWidthTwips = 1800;
constexpr int kMarginTwips = 60;
constexpr int kRowHeightTwips = 255;
constexpr int kButtonWidthTwips = 2400;
constexpr int kButtonHeightTwips = 345;
constexpr int kFirstValueId = 300; // beside the list's 100; the captions are static
constexpr int kButtonId = 299;

HWND Child(HWND parent, HINSTANCE instance, const wchar_t* cls, DWORD style, int id, HFONT font) {
    HWND child =
        CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (child && font)
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

// Only a changed text is written: a write repaints the control.
void WriteText(HWND control, const std::wstring& text) {
    const int length = GetWindowTextLengthW(control);
    if (length == static_cast<int>(text.size())) {
        std::wstring now(static_cast<size_t>(length) + 1, L'\0');
        GetWindowTextW(control, now.data(), length + 1);
        now.resize(static_cast<size_t>(length));
        if (now == text)
            return;
    }
    SetWindowTextW(control, text.c_str());
}

} // namespace

bool KeyDetailsPane::Create(HWND parent, HINSTANCE instance, HFONT font) {
    parent_ = parent;
    if (!rows_.Create(parent, instance))
        return false;
    parent = rows_.hwnd();
    // The button first: Tab reaches it before the values, in the order they are seen.
    button_ = Child(parent, instance, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, kButtonId, font);
    if (!button_)
        return false;
    for (int i = 0; i < kDetailRowCount; ++i) {
        captions_[i] = Child(parent, instance, L"STATIC", SS_LEFT | SS_NOPREFIX, -1, font);
        // Read-only edits: the values can be selected and copied, and readers call them text.
        values_[i] = Child(parent, instance, L"EDIT", ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP,
                           kFirstValueId + i, font);
        if (!captions_[i] || !values_[i])
            return false;
    }
    return true;
}

void KeyDetailsPane::SetFont(HFONT font) {
    if (!button_)
        return;
    const auto wp = reinterpret_cast<WPARAM>(font);
    SendMessageW(button_, WM_SETFONT, wp, TRUE);
    for (int i = 0; i < kDetailRowCount; ++i) {
        SendMessageW(captions_[i], WM_SETFONT, wp, TRUE);
        SendMessageW(values_[i], WM_SETFONT, wp, TRUE);
    }
}

void KeyDetailsPane::Forget() {
    captions_ = {};
    values_ = {};
    button_ = nullptr;
    parent_ = nullptr;
}

int KeyDetailsPane::Width(int dpi) {
    return TwipsToPixels(kPaneWidthTwips, dpi);
}

void KeyDetailsPane::Place(int left, int height, int dpi) {
    if (!button_)
        return;
    const int margin = TwipsToPixels(kMarginTwips, dpi);
    const int buttonHeight = TwipsToPixels(kButtonHeightTwips, dpi);
    const RowColumn column{2 * margin + buttonHeight, TwipsToPixels(kRowHeightTwips, dpi),
                           kDetailRowCount, margin};
    rows_.SetFrame({left, 0, left + Width(dpi), height}, column.Height(), column.rowHeight);
    // The values take what the scroll bar, when there is one, leaves of the width.
    const int captionWidth = TwipsToPixels(kCaptionWidthTwips, dpi);
    const int valueLeft = 2 * margin + captionWidth;
    const int valueWidth = std::max(0, rows_.ClientWidth() - valueLeft - margin);
    // The button first: scrolled to the top, the command is always there.
    std::vector<ScrollPane::Placed> placed{
        {button_,
         {margin, margin, margin + TwipsToPixels(kButtonWidthTwips, dpi), margin + buttonHeight}}};
    for (int i = 0; i < kDetailRowCount; ++i) {
        const int top = column.RowTop(i), bottom = top + column.rowHeight;
        placed.push_back({captions_[i], {margin, top, margin + captionWidth, bottom}});
        placed.push_back({values_[i], {valueLeft, top, valueLeft + valueWidth, bottom}});
    }
    rows_.SetControls(std::move(placed));
}

void KeyDetailsPane::SetLanguage(Language language) {
    language_ = language;
    if (button_)
        Write();
}

void KeyDetailsPane::Show(const KeyHistory& history, std::optional<size_t> record) {
    if (!button_)
        return;
    const uint64_t number = record ? history.addedCount() - history.size() + *record : 0;
    const bool same =
        facts_ && record && number == shownNumber_ && history.clearCount() == shownClears_;
    if (!record) {
        facts_.reset();
    } else if (!same) {
        facts_ = KeyDetailsFacts{history.at(*record), {}, {}, {}, {}};
        layoutRead_ = false;
        shownNumber_ = number;
        shownClears_ = history.clearCount();
    } else if (layoutRead_ && (facts_->shortcut || !ShortcutOfRecord(facts_->record))) {
        return; // nothing more to learn about this key
    }
    if (facts_)
        ReadPlatformFacts(history);
    Write();
}

void KeyDetailsPane::ReadPlatformFacts(const KeyHistory& history) {
    // Reading what a key types goes through ToUnicodeEx, which can take up a dead key that
    // is still waiting for its base: wait until the newest record is no longer a dead one.
    const bool deadPending =
        history.size() > 0 && history.at(history.size() - 1).message == KeyMessage::DeadChar;
    if (!layoutRead_ && !deadPending) {
        const HKL active = GetKeyboardLayout(0);
        const KeyEventRecord& r = facts_->record;
        if (!lastRead_ || lastRead_->layout != active || lastRead_->virtualKey != r.virtualKey ||
            lastRead_->scanCode != r.scanCode) {
            const win32::LayoutIdentity layout = win32::ReadActiveLayout();
            win32::KeyOnLayout typed = win32::ReadKeyOnLayout(r.virtualKey, r.scanCode, active);
            lastRead_ =
                LayoutRead{active,
                           r.virtualKey,
                           r.scanCode,
                           {layout.klid, layout.name, layout.ansiCodePage, layout.oemCodePage},
                           {std::move(typed.states), std::move(typed.compositions)}};
        }
        facts_->layout = lastRead_->facts;
        facts_->typed = lastRead_->typed;
        layoutRead_ = true;
    }
    // Registering a combination while its keys are held can take the press away from the
    // program that expects it.
    const std::optional<Shortcut> shortcut = ShortcutOfRecord(facts_->record);
    if (!shortcut || facts_->shortcut)
        return;
    const bool again = lastProbe_ && lastProbe_->shortcut.virtualKey == shortcut->virtualKey &&
                       lastProbe_->shortcut.modifiers == shortcut->modifiers;
    if (!again) {
        if (win32::AnyKeyDown())
            return;
        const auto reserved = FindReservedShortcut(*shortcut);
        lastProbe_ = Probe{*shortcut, win32::ProbeHotkey(parent_, *shortcut),
                           reserved ? reserved->what : std::wstring_view()};
    }
    facts_->shortcut = lastProbe_->answer;
    facts_->reservedBecause = lastProbe_->reservedBecause;
}

void KeyDetailsPane::Write() {
    const DetailLines lines = KeyDetailLines(facts_ ? *facts_ : KeyDetailsFacts{}, language_);
    for (int i = 0; i < kDetailRowCount; ++i) {
        WriteText(captions_[i], std::wstring(lines[i].caption));
        WriteText(values_[i], facts_ ? lines[i].value : std::wstring());
    }
    WriteText(button_, std::wstring(CaptionsOf(language_).copyAsCode));
    EnableWindow(button_, ShownKey().has_value());
}

std::optional<KeyCombination> KeyDetailsPane::ShownKey() const {
    if (!facts_)
        return std::nullopt;
    return CombinationOfRecord(facts_->record);
}

} // namespace zintar
