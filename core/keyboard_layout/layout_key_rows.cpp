#include "core/keyboard_layout/layout_key_rows.h"

#include <algorithm>

#include "core/key_identity/virtual_key_names.h"
#include "core/keyboard_layout/layout_captions.h"
#include "core/keyboard_layout/layout_texts.h"

namespace zintar {

namespace {

constexpr int kFirstState = static_cast<int>(LayoutKeyColumn::Plain);

std::wstring DeadKeysText(const KeyboardLayoutTables& layout, const LayoutKeyRow& row,
                          Language language) {
    std::wstring text;
    std::vector<wchar_t> accents;
    for (const Typed& typed : row.typed) {
        if (typed.kind != Typed::Kind::Dead || typed.text.empty())
            continue;
        const wchar_t accent = typed.text[0];
        if (std::find(accents.begin(), accents.end(), accent) != accents.end())
            continue;
        accents.push_back(accent);
        if (!text.empty())
            text += L"; ";
        text += accent;
        text += L": ";
        text += DeadKeySummary(layout, accent, language);
    }
    return text;
}

} // namespace

LayoutKeyRow LayoutKeyRowAt(const KeyboardLayoutTables& layout, KeyPlace place) {
    LayoutKeyRow row;
    row.place = place;
    row.virtualKey = VirtualKeyAt(layout, place);
    if (row.virtualKey != 0)
        row.typed = TypedInEveryState(layout, row.virtualKey);
    row.name = KeyNameAt(layout, place);
    return row;
}

std::vector<LayoutKeyRow> LayoutKeyRows(const KeyboardLayoutTables& layout) {
    std::vector<LayoutKeyRow> rows;
    auto add = [&](KeyPlace place) {
        if (VirtualKeyAt(layout, place) != 0)
            rows.push_back(LayoutKeyRowAt(layout, place));
    };
    for (size_t scan = 0; scan < layout.scanCodes.size(); ++scan)
        add({static_cast<uint8_t>(scan), ScanPrefix::None});
    for (const PrefixedScanCode& code : layout.scanCodesE0)
        add({code.scanCode, ScanPrefix::E0});
    for (const PrefixedScanCode& code : layout.scanCodesE1)
        add({code.scanCode, ScanPrefix::E1});
    return rows;
}

std::wstring LayoutKeyCellText(const KeyboardLayoutTables& layout, const LayoutKeyRow& row,
                               LayoutKeyColumn column, Language language) {
    const int c = static_cast<int>(column);
    if (c >= kFirstState && c < kFirstState + kTypingStateCount)
        return TypedCellText(row.typed[static_cast<size_t>(c - kFirstState)], language);
    switch (column) {
    case LayoutKeyColumn::ScanCode:
        return ScanCodeText(row.place);
    case LayoutKeyColumn::VirtualKey:
        return std::wstring(VirtualKeyConstantName(row.virtualKey));
    case LayoutKeyColumn::DomCode: {
        const PhysicalKey* key = PhysicalKeyOfPlace(row.place, row.virtualKey);
        return key ? std::wstring(key->domCode) : std::wstring();
    }
    case LayoutKeyColumn::DeadKeys:
        return DeadKeysText(layout, row, language);
    case LayoutKeyColumn::KeyName:
        return row.name;
    default:
        return {};
    }
}

std::wstring LayoutKeysCopyText(const KeyboardLayoutTables& layout,
                                std::span<const LayoutKeyRow> rows, Language language) {
    std::vector<std::wstring> titles;
    for (int c = 0; c < kLayoutKeyColumnCount; ++c)
        titles.emplace_back(LayoutKeyColumnTitle(static_cast<LayoutKeyColumn>(c), language));
    std::vector<std::vector<std::wstring>> cells;
    cells.reserve(rows.size());
    for (const LayoutKeyRow& row : rows) {
        std::vector<std::wstring> line;
        for (int c = 0; c < kLayoutKeyColumnCount; ++c)
            line.push_back(
                LayoutKeyCellText(layout, row, static_cast<LayoutKeyColumn>(c), language));
        cells.push_back(std::move(line));
    }
    return TabbedTable(titles, cells);
}

} // namespace zintar
