#include "core/key_history/key_history_text.h"

namespace zintar {

std::wstring HistoryCellText(const KeyEventRecord& r, HistoryColumn column, Language language) {
    return ColumnCellText(column, {&r, nullptr, {}}, language);
}

std::wstring TabbedLine(ColumnSet columns,
                        const std::function<std::wstring(HistoryColumn)>& cellOf) {
    std::wstring text;
    bool first = true;
    for (int c = 0; c < kHistoryColumnCount; ++c) {
        if (!HasColumn(columns, c))
            continue;
        if (!first)
            text += L'\t';
        first = false;
        text += cellOf(static_cast<HistoryColumn>(c));
    }
    return text;
}

std::wstring HistoryCopyText(const KeyHistory& history, const std::vector<size_t>& rows,
                             Language language, ColumnSet columns) {
    std::wstring text = TabbedLine(
        columns, [&](HistoryColumn c) { return std::wstring(HistoryColumnTitle(c, language)); });
    for (size_t row : rows) {
        if (row >= history.size())
            continue;
        text += L"\r\n";
        text += TabbedLine(columns, [&](HistoryColumn c) {
            return HistoryCellText(history.at(row), c, language);
        });
    }
    return text;
}

} // namespace zintar
