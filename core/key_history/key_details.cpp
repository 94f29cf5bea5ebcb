#include "core/key_history/key_details.h"

#include "core/common/virtual_keys.h"
#include "core/key_identity/key_names.h"

namespace zintar {

std::optional<DetailsSubject> DetailsSubjectOf(const KeyRows& rows,
                                               std::optional<size_t> selectedRow) {
    const size_t count = rows.shownCount();
    if (count == 0)
        return std::nullopt;
    const bool chosen = selectedRow && *selectedRow < count;
    // Unselected, the newest key-down: its key-up comes after the modifiers are let go.
    auto fits = [&](const KeyEventRecord& r) {
        return chosen ? IsKeyMessage(r.message)
                      : r.message == KeyMessage::KeyDown || r.message == KeyMessage::SysKeyDown;
    };
    for (size_t i = chosen ? *selectedRow : count - 1;; --i) {
        const std::optional<KeyEventRecord> record = rows.ShownRecord(i);
        if (record && fits(*record)) {
            const KeyRows::Row& row = *rows.ShownRow(i);
            std::optional<HotkeyAnswer> known;
            if (row.route && !row.route->delivered) {
                if (row.route->reason == NotDeliveredReason::OtherProgramsHotkey)
                    known = HotkeyAnswer::Taken;
                else if (row.route->reason == NotDeliveredReason::SystemShortcut)
                    known = HotkeyAnswer::ReservedByWindows;
            }
            return DetailsSubject{*record, row.place, known};
        }
        if (i == 0)
            return std::nullopt;
    }
}

std::optional<Shortcut> ShortcutOfRecord(const KeyEventRecord& record) {
    if (!IsKeyMessage(record.message) || record.sent || record.virtualKey == 0 ||
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
