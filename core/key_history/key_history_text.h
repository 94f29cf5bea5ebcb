#pragma once
// The texts of the key history's records in either language, and the tab-separated copy of
// selected rows. Texts are made only when a cell is shown or copied; the history itself keeps
// numbers. Each column's title and cell come from its row in core/key_history/history_columns.h.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/language.h"
#include "core/key_history/history_columns.h"
#include "core/key_history/key_event.h"

namespace zintar {

// Key columns are empty on character rows, character columns on key rows and route columns
// everywhere.
std::wstring HistoryCellText(const KeyEventRecord& record, HistoryColumn column, Language language);

// Which columns a copy holds: bit c for column c.
using ColumnSet = uint32_t;
static_assert(kHistoryColumnCount <= 32);
constexpr ColumnSet kAllColumns =
    kHistoryColumnCount == 32 ? ~ColumnSet{0} : (ColumnSet{1} << kHistoryColumnCount) - 1;
constexpr bool HasColumn(ColumnSet set, int column) {
    return column >= 0 && column < kHistoryColumnCount && ((set >> column) & 1) != 0;
}

// A header line of the column titles, then one line per row index in the order given, cells
// separated by tabs and lines by "\r\n", without a line end after the last. Indexes outside
// the history are left out, and so are the columns outside `columns`.
// One copied line: the shown columns' texts separated by tabs.
std::wstring TabbedLine(ColumnSet columns,
                        const std::function<std::wstring(HistoryColumn)>& cellOf);

std::wstring HistoryCopyText(const KeyHistory& history, const std::vector<size_t>& rows,
                             Language language, ColumnSet columns = kAllColumns);

} // namespace zintar
