#include "ui/key_history/key_details_pane.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/key_history/history_captions.h"
#include "core/key_identity/reserved_shortcuts.h"
#include "core/common/scroll_span.h"
#include "ui/common/child_control.h"
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

// Placed when the pane is; empty until the first Write.
HWND Child(HWND parent, HINSTANCE instance, const wchar_t* cls, DWORD style, int id, HFONT font) {
    return CreateChildControl(parent, instance, {cls, WS_VISIBLE | style, 0, id, L"", font});
}

} // namespace

bool KeyDetailsPane::Create(HWND parent, HINSTANCE instance, HFONT font) {
    parent_ = parent;
    if (!rows_.Create(parent, instance))
        return false;
    parent = rows_.hwnd();
    // The button first: Tab reaches it before the values, in the order they are seen.
    button_.Attach(Child(parent, instance, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, kButtonId, font));
    if (!button_.hwnd())
        return false;
    for (int i = 0; i < kDetailRowCount; ++i) {
        captions_[i].Attach(Child(parent, instance, L"STATIC", SS_LEFT | SS_NOPREFIX, -1, font));
        // Read-only edits: the values can be selected and copied, and readers call them text.
        values_[i].Attach(Child(parent, instance, L"EDIT",
                                ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP, kFirstValueId + i,
                                font));
        if (!captions_[i].hwnd() || !values_[i].hwnd())
            return false;
    }
    return true;
}

void KeyDetailsPane::SetFont(HFONT font) {
    if (!*this)
        return;
    const auto wp = reinterpret_cast<WPARAM>(font);
    SendMessageW(button_.hwnd(), WM_SETFONT, wp, TRUE);
    for (int i = 0; i < kDetailRowCount; ++i) {
        SendMessageW(captions_[i].hwnd(), WM_SETFONT, wp, TRUE);
        SendMessageW(values_[i].hwnd(), WM_SETFONT, wp, TRUE);
    }
}

void KeyDetailsPane::Forget() {
    for (int i = 0; i < kDetailRowCount; ++i) {
        captions_[i].Forget();
        values_[i].Forget();
    }
    button_.Forget();
    parent_ = nullptr;
}

int KeyDetailsPane::Width(int dpi) {
    return TwipsToPixels(kPaneWidthTwips, dpi);
}

void KeyDetailsPane::Place(int left, int height, int dpi) {
    if (!*this)
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
        {button_.hwnd(),
         {margin, margin, margin + TwipsToPixels(kButtonWidthTwips, dpi), margin + buttonHeight}}};
    for (int i = 0; i < kDetailRowCount; ++i) {
        const int top = column.RowTop(i), bottom = top + column.rowHeight;
        placed.push_back({captions_[i].hwnd(), {margin, top, margin + captionWidth, bottom}});
        placed.push_back({values_[i].hwnd(), {valueLeft, top, valueLeft + valueWidth, bottom}});
    }
    rows_.SetControls(std::move(placed));
}

void KeyDetailsPane::SetLanguage(Language language) {
    language_ = language;
    if (*this)
        Write();
}

void KeyDetailsPane::Show(const KeyHistory& history, const std::optional<DetailsSubject>& subject) {
    if (!*this)
        return;
    const bool same =
        facts_ && subject && subject->place == shownPlace_ && history.IsCurrent(shownGeneration_);
    if (!subject) {
        facts_.reset();
    } else if (!same) {
        facts_ = KeyDetailsFacts{subject->record, {}, {}, subject->knownAnswer, {}};
        layoutRead_ = false;
        shownPlace_ = subject->place;
        shownGeneration_ = history.generation();
    } else if (subject->knownAnswer && facts_->shortcut != subject->knownAnswer) {
        facts_->shortcut = subject->knownAnswer; // a probe of the row's key found its reason
    } else if (layoutRead_ && (facts_->shortcut || !ShortcutOfRecord(facts_->record))) {
        WriteRepeat(); // nothing more to learn about this key but how it repeats
        return;
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
        const HKL active = input_.ActiveLayout();
        const KeyEventRecord& r = facts_->record;
        if (!lastRead_ || lastRead_->layout != active || lastRead_->virtualKey != r.virtualKey ||
            lastRead_->scanCode != r.scanCode) {
            const win32::LayoutIdentity layout = input_.ReadActiveLayout();
            win32::KeyOnLayout typed = input_.ReadKeyOnLayout(r.virtualKey, r.scanCode, active);
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
    if (!shortcut)
        return;
    if (facts_->shortcut) {
        // Known from the route: what Windows does with a reserved one is still the table's.
        if (*facts_->shortcut == HotkeyAnswer::ReservedByWindows && facts_->reservedBecause.empty())
            if (const auto reserved = FindReservedShortcut(*shortcut))
                facts_->reservedBecause = reserved->what;
        return;
    }
    const bool again = lastProbe_ && lastProbe_->shortcut.virtualKey == shortcut->virtualKey &&
                       lastProbe_->shortcut.modifiers == shortcut->modifiers;
    if (!again) {
        if (input_.AnyKeyDown())
            return;
        const auto reserved = FindReservedShortcut(*shortcut);
        lastProbe_ = Probe{*shortcut, input_.ProbeHotkey(parent_, *shortcut),
                           reserved ? reserved->what : std::wstring_view()};
    }
    facts_->shortcut = lastProbe_->answer;
    facts_->reservedBecause = lastProbe_->reservedBecause;
}

void KeyDetailsPane::TakeRepeat() {
    facts_->repeat = repeat_;
    const bool measured = repeat_.delayMs || repeat_.ratePerSecond;
    if (measured && !facts_->repeatSetting)
        facts_->repeatSetting = input_.KeyboardRepeatSetting();
}

void KeyDetailsPane::WriteRepeat() {
    TakeRepeat();
    for (const DetailRow row : {DetailRow::RepeatDelay, DetailRow::RepeatRate}) {
        const auto i = static_cast<size_t>(row);
        values_[i].Write(DetailRows()[i].value(*facts_, language_));
    }
}

void KeyDetailsPane::Write() {
    if (facts_)
        TakeRepeat();
    const DetailLines lines = KeyDetailLines(facts_ ? *facts_ : KeyDetailsFacts{}, language_);
    for (int i = 0; i < kDetailRowCount; ++i) {
        captions_[i].Write(lines[i].caption);
        values_[i].Write(facts_ ? std::wstring_view(lines[i].value) : std::wstring_view());
    }
    button_.Write(HistoryCaptionsOf(language_).copyAsCode);
    EnableWindow(button_.hwnd(), ShownKey().has_value());
}

void KeyDetailsPane::OnValueChanged(HWND value) {
    for (ReadOnlyText& control : values_)
        if (control.hwnd() == value)
            control.OnChanged();
}

std::optional<KeyCombination> KeyDetailsPane::ShownKey() const {
    if (!facts_)
        return std::nullopt;
    return CombinationOfRecord(facts_->record);
}

} // namespace zintar
