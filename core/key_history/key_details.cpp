#include "core/key_history/key_details.h"

#include "core/converter/captions.h"
#include "core/common/hex_text.h"
#include "core/key_history/history_columns.h"
#include "core/key_history/key_history_text.h"
#include "core/key_identity/key_names.h"
#include "core/key_identity/logical_key.h"
#include "core/key_identity/physical_key.h"
#include "core/key_identity/virtual_key_names.h"
#include "core/common/virtual_keys.h"

namespace zintar {

namespace {

constexpr int kByteDigits = 2;
constexpr int kCodePointDigits = 4;
constexpr wchar_t kFirstPrintable = 0x20, kDelete = 0x7F;

bool IsModifierKey(uint8_t key) {
    return key == vk::kShift || key == vk::kControl || key == vk::kMenu || key == vk::kLeftWin ||
           key == vk::kRightWin || (key >= vk::kLeftShift && key <= vk::kRightMenu);
}

// A typed text as the pane shows it: a control character (Enter types CR) by its code point,
// which a read-out could not show.
std::wstring ShownText(const std::wstring& text) {
    std::wstring shown;
    for (wchar_t c : text) {
        if (!shown.empty())
            shown += L' ';
        if (c < kFirstPrintable || c == kDelete)
            shown += L"U+" + HexText(c, kCodePointDigits);
        else
            shown += c;
    }
    return shown;
}

std::wstring TypedValue(const TypedText& typed, Language language) {
    switch (typed.kind) {
    case TypedText::Kind::Text:
        return ShownText(typed.text);
    case TypedText::Kind::Dead:
        return ShownText(typed.text) + L" " +
               std::wstring(DetailValueText(DetailValue::Dead, language));
    case TypedText::Kind::Nothing:
        break;
    }
    return std::wstring(DetailValueText(DetailValue::Nothing, language));
}

std::wstring DeadKeyValue(const TypedFacts& typed, Language language) {
    std::wstring value;
    for (int s = 0; s < kShiftStateCount; ++s) {
        if (typed.states[s].kind != TypedText::Kind::Dead)
            continue;
        const auto state = static_cast<ShiftState>(s);
        if (!value.empty())
            value += L"; ";
        value += ShiftStateName(state, language);
        for (const auto& [composedIn, compositions] : typed.compositions)
            if (composedIn == state) {
                const std::wstring summary = CompositionSummary(compositions, language);
                if (!summary.empty())
                    value += L": " + summary;
            }
    }
    return value.empty() ? std::wstring(YesNoText(false, language)) : value;
}

std::wstring ShortcutValue(const KeyDetailsFacts& facts, Language language) {
    if (!ShortcutOfRecord(facts.record))
        return std::wstring(DetailValueText(DetailValue::ModifierAlone, language));
    if (!facts.shortcut)
        return std::wstring(DetailValueText(DetailValue::ProbeWaits, language));
    std::wstring value(HotkeyAnswerText(*facts.shortcut, language));
    if (*facts.shortcut == HotkeyAnswer::ReservedByWindows && !facts.reservedBecause.empty())
        value += L": " + std::wstring(facts.reservedBecause);
    return value;
}

std::wstring Cell(const KeyEventRecord& record, HistoryColumn column, Language language) {
    return HistoryCellText(record, column, language);
}

} // namespace

DetailLines KeyDetailLines(const KeyDetailsFacts& facts, Language language) {
    const KeyEventRecord& r = facts.record;
    DetailLines lines;
    for (int i = 0; i < kDetailRowCount; ++i)
        lines[i].caption = DetailCaption(static_cast<DetailRow>(i), language);
    auto set = [&](DetailRow row, std::wstring value) {
        lines[static_cast<size_t>(row)].value = std::move(value);
    };
    std::wstring code = DecimalText(r.virtualKey) + L" 0x" + HexText(r.virtualKey, kByteDigits);
    if (const std::wstring_view constant = VirtualKeyConstantName(r.virtualKey); !constant.empty())
        code += L" " + std::wstring(constant);
    set(DetailRow::VirtualKey, code);
    set(DetailRow::ScanCode, Cell(r, HistoryColumn::ScanCode, language));
    set(DetailRow::UsbUsage, Cell(r, HistoryColumn::UsbUsage, language));
    set(DetailRow::DomCode, Cell(r, HistoryColumn::DomCode, language));
    set(DetailRow::LinuxEvdev, Cell(r, HistoryColumn::LinuxEvdev, language));
    set(DetailRow::MacKeyCode, Cell(r, HistoryColumn::MacKeyCode, language));
    if (const PhysicalKey* key = FindPhysicalKey(r.scanCode, r.extended)) {
        set(DetailRow::Xkb, XkbText(*key));
        set(DetailRow::SdlScancode, SdlText(*key));
    }
    set(DetailRow::WinFormsKeys, WinFormsKeysExpression(r.virtualKey, r.modifiers));
    set(DetailRow::WpfKey, WpfKeyMember(r.virtualKey));
    set(DetailRow::DomKey, Cell(r, HistoryColumn::DomKey, language));
    if (facts.layout) {
        const LayoutFacts& layout = *facts.layout;
        set(DetailRow::Layout,
            layout.name.empty() ? layout.klid : layout.klid + L" " + layout.name);
        set(DetailRow::CodePages, L"ANSI " + DecimalText(static_cast<int>(layout.ansiCodePage)) +
                                      L", OEM " +
                                      DecimalText(static_cast<int>(layout.oemCodePage)));
    }
    if (facts.typed) {
        for (int s = 0; s < kShiftStateCount; ++s)
            set(static_cast<DetailRow>(static_cast<int>(DetailRow::TypesPlain) + s),
                TypedValue(facts.typed->states[s], language));
        set(DetailRow::DeadKey, DeadKeyValue(*facts.typed, language));
    }
    set(DetailRow::Shortcut, ShortcutValue(facts, language));
    return lines;
}

std::optional<size_t> DetailsRecord(const KeyHistory& history, std::optional<size_t> selected) {
    if (history.size() == 0)
        return std::nullopt;
    const bool chosen = selected && *selected < history.size();
    // Unselected, the newest key-down: its key-up comes after the modifiers are let go.
    auto fits = [&](const KeyEventRecord& r) {
        return chosen ? !IsCharacterMessage(r.message)
                      : r.message == KeyMessage::KeyDown || r.message == KeyMessage::SysKeyDown;
    };
    for (size_t i = chosen ? *selected : history.size() - 1;; --i) {
        if (fits(history.at(i)))
            return i;
        if (i == 0)
            return std::nullopt;
    }
}

std::optional<Shortcut> ShortcutOfRecord(const KeyEventRecord& record) {
    if (IsCharacterMessage(record.message) || record.virtualKey == 0 ||
        IsModifierKey(record.virtualKey))
        return std::nullopt;
    uint8_t modifiers = 0;
    if (record.modifiers & kModifierShift)
        modifiers |= kHotkeyShift;
    if (record.modifiers & kModifierCtrl)
        modifiers |= kHotkeyCtrl;
    if (record.modifiers & kModifierAlt)
        modifiers |= kHotkeyAlt;
    return Shortcut{record.virtualKey, modifiers};
}

KeyCombination CombinationOfRecord(const KeyEventRecord& record) {
    return {record.virtualKey, record.scanCode, record.extended, record.modifiers};
}

std::wstring AllCodeLines(const KeyCombination& key) {
    std::wstring text;
    for (int i = 0; i < kCodeLanguageCount; ++i) {
        const auto language = static_cast<CodeLanguage>(i);
        if (i > 0)
            text += L"\r\n";
        text += CodeLanguageName(language) + L"\t" + CodeLine(language, key);
    }
    return text;
}

} // namespace zintar
