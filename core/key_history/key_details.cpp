#include "core/key_history/key_details.h"

#include "core/common/virtual_keys.h"
#include "core/key_identity/key_names.h"

namespace zintar {

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
        vk::IsModifier(record.virtualKey))
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
