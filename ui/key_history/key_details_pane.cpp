#include "ui/key_history/key_details_pane.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/key_history/history_captions.h"
#include "core/key_history/typed_facts_of_layout.h"
#include "core/keyboard_layout/layouts_window_captions.h"
#include "core/key_identity/reserved_shortcuts.h"
#include "core/common/scroll_span.h"
#include "ui/common/child_control.h"
#include "ui/main_window/layout.h"
#include "ui/main_window/window_menu.h"

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
constexpr int kLayoutsButtonId = 298;

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
    layoutsButton_.Attach(
        Child(parent, instance, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, kLayoutsButtonId, font));
    if (!button_.hwnd() || !layoutsButton_.hwnd())
        return false;
    rows_.SetCommandHandler([this](WORD code, HWND control) {
        if (control != layoutsButton_.hwnd() || code != BN_CLICKED)
            return false;
        OpenKeyboardLayouts();
        return true;
    });
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
    SendMessageW(layoutsButton_.hwnd(), WM_SETFONT, wp, TRUE);
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
    layoutsButton_.Forget();
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
    // The buttons first: scrolled to the top, the commands are always there.
    const int buttonWidth = TwipsToPixels(kButtonWidthTwips, dpi);
    std::vector<ScrollPane::Placed> placed{
        {button_.hwnd(), {margin, margin, margin + buttonWidth, margin + buttonHeight}},
        {layoutsButton_.hwnd(),
         {2 * margin + buttonWidth, margin, 2 * (margin + buttonWidth), margin + buttonHeight}}};
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
    if (!layoutRead_) {
        const HKL active = input_.ActiveLayout();
        const KeyEventRecord& r = facts_->record;
        bool known = lastRead_ && lastRead_->layout == active &&
                     lastRead_->virtualKey == r.virtualKey && lastRead_->scanCode == r.scanCode &&
                     lastRead_->extended == r.extended;
        if (!known) {
            std::optional<LayoutRead> read = ReadLayout(history, active);
            known = read.has_value();
            if (read)
                lastRead_ = std::move(read);
        }
        if (known) {
            facts_->layout = lastRead_->facts;
            facts_->typed = lastRead_->typed;
            layoutRead_ = true;
        }
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

// What the key types, from the active layout's own tables where its DLL can be read; else
// from ToUnicodeEx, as on Wine, which ships no layout DLLs.
std::optional<KeyDetailsPane::LayoutRead> KeyDetailsPane::ReadLayout(const KeyHistory& history,
                                                                     HKL active) {
    const KeyEventRecord& r = facts_->record;
    const win32::LayoutIdentity layout = input_.ReadActiveLayout();
    const LayoutFacts facts{layout.klid, layout.name, layout.ansiCodePage, layout.oemCodePage};
    const LayoutReadResult& tables = TablesOf(layout.klid);
    if (tables.ok())
        return LayoutRead{
            active,     r.virtualKey,
            r.scanCode, r.extended,
            facts,      TypedFactsOfLayout(tables.tables, r.scanCode, r.extended, r.virtualKey)};
    // ToUnicodeEx can take up a dead key that is still waiting for its base: no read until
    // the newest record is no longer a dead one. The tables touch no keyboard state.
    if (history.size() > 0 && history.at(history.size() - 1).message == KeyMessage::DeadChar)
        return std::nullopt;
    win32::KeyOnLayout typed = input_.ReadKeyOnLayout(r.virtualKey, r.scanCode, active);
    return LayoutRead{active,     r.virtualKey,
                      r.scanCode, r.extended,
                      facts,      {std::move(typed.states), std::move(typed.compositions)}};
}

// A layout is read once, whether or not its DLL could be read: the pane shows a new key at
// every press, and a read costs a millisecond.
const LayoutReadResult& KeyDetailsPane::TablesOf(const std::wstring& klid) {
    auto found = tablesByKlid_.find(klid);
    if (found == tablesByKlid_.end())
        found = tablesByKlid_.emplace(klid, input_.ReadLayoutOfKlid(klid)).first;
    return found->second;
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
    layoutsButton_.Write(LayoutsWindowCaptionsOf(language_).keyboardLayouts);
}

// The main window owns the keyboard layouts window and opens it on its window menu's
// command; the key history window is owned by the main window.
void KeyDetailsPane::OpenKeyboardLayouts() const {
    const HWND history = GetAncestor(parent_, GA_ROOT);
    if (const HWND main = history ? GetWindow(history, GW_OWNER) : nullptr)
        SendMessageW(main, WM_SYSCOMMAND, static_cast<WPARAM>(MenuCommand::KeyboardLayouts), 0);
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
