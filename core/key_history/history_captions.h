#pragma once
// The key history window's title, which is also the main window's menu item that opens it,
// and the commands of its menus, in both languages.
#include <array>
#include <string_view>

#include "core/common/language.h"

namespace zintar {

struct HistoryCaptions {
    std::wstring_view keyHistory;
    std::wstring_view copy;
    std::wstring_view selectAll;
    std::wstring_view clear;
    // Copy as code: the submenu, the pane's button and the submenu's item for every API;
    // the header's menu of the columns.
    std::wstring_view copyAsCode;
    std::wstring_view everyApi;
    std::wstring_view columns;
};

inline constexpr HistoryCaptions kHistoryCaptionsEnglish{
    .keyHistory = L"Key history",
    .copy = L"Copy",
    .selectAll = L"Select all",
    .clear = L"Clear",
    .copyAsCode = L"Copy as code",
    .everyApi = L"Every API",
    .columns = L"Columns",
};

inline constexpr HistoryCaptions kHistoryCaptionsHungarian{
    .keyHistory = L"Billenty\u0171napl\u00F3",
    .copy = L"M\u00E1sol\u00E1s",
    .selectAll = L"Az \u00F6sszes kijel\u00F6l\u00E9se",
    .clear = L"T\u00F6rl\u00E9s",
    .copyAsCode = L"M\u00E1sol\u00E1s k\u00F3dk\u00E9nt",
    .everyApi = L"Minden API",
    .columns = L"Oszlopok",
};

constexpr const HistoryCaptions& HistoryCaptionsOf(Language language) {
    return language == Language::English ? kHistoryCaptionsEnglish : kHistoryCaptionsHungarian;
}

// Every field, for checks that visit each text; the size check keeps the list complete.
inline constexpr std::array kHistoryCaptionFields{
    &HistoryCaptions::keyHistory, &HistoryCaptions::copy,       &HistoryCaptions::selectAll,
    &HistoryCaptions::clear,      &HistoryCaptions::copyAsCode, &HistoryCaptions::everyApi,
    &HistoryCaptions::columns,
};
static_assert(sizeof(HistoryCaptions) == kHistoryCaptionFields.size() * sizeof(std::wstring_view));

} // namespace zintar
