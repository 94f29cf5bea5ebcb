#include "core/keyboard_layout/shortcut_verdict.h"

#include <array>

#include "core/key_identity/key_names.h"
#include "core/keyboard_layout/layout_captions.h"
#include "core/keyboard_layout/layout_texts.h"

namespace zintar {

namespace {

constexpr uint8_t kCtrl = kModifierCtrl, kShift = kModifierShift, kAlt = kModifierAlt;

constexpr ProgramShortcut kCommon[] = {
    {'A', kCtrl},  {'C', kCtrl},          {'V', kCtrl},        {'X', kCtrl},  {'Z', kCtrl},
    {'Y', kCtrl},  {'Z', kCtrl | kShift}, {'S', kCtrl},        {'F', kCtrl},  {'F', kCtrl | kAlt},
    {0xBF, kCtrl}, {0xDB, kCtrl},         {0xDD, kCtrl},       {0xDC, kCtrl}, {0xBD, kCtrl},
    {0xBB, kCtrl}, {0xC0, kCtrl},         {0xBA, kCtrl},       {0xDE, kCtrl}, {0xBC, kCtrl},
    {0xBE, kCtrl}, {'2', kCtrl | kShift}, {'7', kCtrl | kAlt},
};

std::wstring KeyCell(const ShortcutOnLayout& judged) {
    if (!judged.place)
        return {};
    std::wstring text(judged.domCode);
    text += text.empty() ? L"(" : L" (";
    text += ScanCodeText(*judged.place);
    text += L')';
    return text;
}

std::wstring TypesCell(const ShortcutOnLayout& judged, Language language) {
    std::wstring text = TypedCellText(judged.plain, language);
    const std::wstring shifted = TypedCellText(judged.shifted, language);
    if (!shifted.empty())
        text += (text.empty() ? L"" : L" ") + shifted;
    return text;
}

std::wstring VerdictCell(const ShortcutOnLayout& judged, const KeyboardLayoutTables& us,
                         Language language) {
    std::wstring text(ShortcutVerdictName(judged.verdict, language));
    if (judged.verdict == ShortcutVerdict::AltGrCollision) {
        text += L": " + TypedCellText(judged.inShortcut, language);
    } else if (judged.verdict == ShortcutVerdict::Moved && judged.usPlace) {
        const PhysicalKey* from =
            PhysicalKeyOfPlace(*judged.usPlace, VirtualKeyAt(us, *judged.usPlace));
        if (from) {
            text += L", US: ";
            text += from->domCode;
        }
    }
    return text;
}

} // namespace

ShortcutOnLayout JudgeShortcut(const KeyboardLayoutTables& layout, const KeyboardLayoutTables& us,
                               ProgramShortcut shortcut) {
    ShortcutOnLayout judged;
    judged.shortcut = shortcut;
    judged.place = PlaceOfVirtualKey(layout, shortcut.virtualKey);
    judged.usPlace = PlaceOfVirtualKey(us, shortcut.virtualKey);
    if (!judged.place) {
        judged.verdict = ShortcutVerdict::Missing;
        return judged;
    }
    if (const PhysicalKey* key = PhysicalKeyOfPlace(*judged.place, shortcut.virtualKey))
        judged.domCode = key->domCode;
    // A key that US lacks cannot have moved from it.
    judged.moved = judged.usPlace && *judged.usPlace != *judged.place;
    judged.plain = TypedByVirtualKey(layout, shortcut.virtualKey, TypingState::Plain);
    judged.shifted = TypedByVirtualKey(layout, shortcut.virtualKey, TypingState::Shift);
    const bool shift = (shortcut.modifiers & kModifierShift) != 0;
    const bool ctrl = (shortcut.modifiers & kModifierCtrl) != 0;
    const bool alt = (shortcut.modifiers & kModifierAlt) != 0;
    judged.inShortcut = TypedByVirtualKey(layout, shortcut.virtualKey,
                                          ModifierBitsOf(layout, shift, ctrl, alt), false);
    judged.altGrCollision =
        HasAltGr(layout) && ctrl && alt && judged.inShortcut.kind == Typed::Kind::Text;
    judged.dead =
        judged.plain.kind == Typed::Kind::Dead || judged.inShortcut.kind == Typed::Kind::Dead;
    if (judged.altGrCollision)
        judged.verdict = ShortcutVerdict::AltGrCollision;
    else if (judged.dead)
        judged.verdict = ShortcutVerdict::DeadKey;
    else if (judged.moved)
        judged.verdict = ShortcutVerdict::Moved;
    return judged;
}

std::span<const ProgramShortcut> CommonShortcuts() {
    return kCommon;
}

std::vector<std::vector<std::wstring>> ShortcutTable(std::span<const NamedLayout> layouts,
                                                     const KeyboardLayoutTables& us,
                                                     std::span<const ProgramShortcut> shortcuts,
                                                     Language language) {
    std::vector<std::vector<std::wstring>> rows;
    rows.reserve(layouts.size() * shortcuts.size());
    for (const NamedLayout& layout : layouts) {
        if (!layout.tables)
            continue;
        for (const ProgramShortcut& shortcut : shortcuts) {
            const ShortcutOnLayout judged = JudgeShortcut(*layout.tables, us, shortcut);
            rows.push_back({std::wstring(layout.name),
                            CombinationName(shortcut.virtualKey, shortcut.modifiers),
                            KeyCell(judged), TypesCell(judged, language),
                            VerdictCell(judged, us, language)});
        }
    }
    return rows;
}

std::wstring ShortcutTableCopyText(std::span<const std::vector<std::wstring>> rows,
                                   Language language) {
    std::array<std::wstring, kShortcutColumnCount> titles;
    for (int c = 0; c < kShortcutColumnCount; ++c)
        titles[static_cast<size_t>(c)] =
            ShortcutColumnTitle(static_cast<ShortcutColumn>(c), language);
    return TabbedTable(titles, rows);
}

} // namespace zintar
