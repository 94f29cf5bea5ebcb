#include "core/keyboard_layout/installed_layout_rows.h"

#include <algorithm>

#include "core/common/bilingual.h"
#include "core/keyboard_layout/layout_captions.h"
#include "core/keyboard_layout/layouts_window_captions.h"

namespace zintar {

namespace {

constexpr std::wstring_view kUsKlid = L"00000409";

// In the order of InstalledColumn.
constexpr Bilingual kColumns[] = {
    {L"Layout", L"Kioszt\u00E1s"},
    {L"KLID", L"KLID"},
    {L"Layout file", L"Kioszt\u00E1sf\u00E1jl"},
};
static_assert(std::size(kColumns) == kInstalledColumnCount);

constexpr Bilingual kActive{L"active", L"akt\u00EDv"};
constexpr Bilingual kLoaded{L"loaded", L"bet\u00F6ltve"};
constexpr Bilingual kIme{L"IME", L"IME"};

std::wstring NameWithMarks(const InstalledLayout& layout, Language language) {
    std::wstring marks;
    auto add = [&](const Bilingual& mark) {
        marks += marks.empty() ? L"" : L", ";
        marks += mark.In(language);
    };
    if (layout.ime)
        add(kIme);
    // The active layout is loaded too; one mark says both.
    if (layout.active)
        add(kActive);
    else if (layout.loaded)
        add(kLoaded);
    return marks.empty() ? layout.name : layout.name + L" (" + marks + L")";
}

} // namespace

std::wstring_view InstalledColumnTitle(InstalledColumn column, Language language) {
    return TableText(kColumns, static_cast<size_t>(column), language);
}

std::wstring InstalledLayoutCellText(const ReadLayout& layout, InstalledColumn column,
                                     Language language) {
    switch (column) {
    case InstalledColumn::Layout:
        return NameWithMarks(layout.entry, language);
    case InstalledColumn::Klid:
        return layout.entry.klid;
    case InstalledColumn::LayoutFile:
        if (layout.read && layout.read->problem)
            return layout.entry.layoutFile + L": " +
                   LayoutProblemText(*layout.read->problem, language);
        return layout.entry.layoutFile;
    }
    return {};
}

std::wstring UnreadableLayoutText(const ReadLayout& layout, Language language) {
    if (!layout.read)
        return std::wstring(LayoutsWindowCaptionsOf(language).noLayoutFile);
    if (layout.read->problem)
        return layout.entry.layoutFile + L": " + LayoutProblemText(*layout.read->problem, language);
    return {};
}

std::optional<size_t> FirstShownLayout(std::span<const ReadLayout> layouts) {
    if (layouts.empty())
        return std::nullopt;
    const auto active = std::find_if(layouts.begin(), layouts.end(),
                                     [](const ReadLayout& l) { return l.entry.active; });
    if (active != layouts.end())
        return static_cast<size_t>(active - layouts.begin());
    const auto read =
        std::find_if(layouts.begin(), layouts.end(), [](const ReadLayout& l) { return l.ok(); });
    return read != layouts.end() ? static_cast<size_t>(read - layouts.begin()) : 0;
}

const KeyboardLayoutTables* InstalledUsLayout(std::span<const ReadLayout> layouts) {
    for (const ReadLayout& layout : layouts)
        if (layout.entry.klid == kUsKlid && layout.ok())
            return &layout.read->tables;
    return nullptr;
}

std::vector<NamedLayout> JudgedLayouts(std::span<const ReadLayout> layouts) {
    std::vector<NamedLayout> judged;
    for (const ReadLayout& layout : layouts)
        if (layout.ok())
            judged.push_back({layout.entry.name, &layout.read->tables});
    return judged;
}

} // namespace zintar
