#include "ui/common/text_list.h"

#include <algorithm>

#include "ui/common/child_control.h"

namespace zintar {

bool TextList::Create(HWND parent, HINSTANCE instance, int id, int columns, DWORD extraStyle) {
    list_ = win32::ListView(CreateChildControl(
        parent, instance, {win32::ListView::kClass, win32::ListView::kStyle | extraStyle, 0, id}));
    if (!list_)
        return false;
    columns_ = columns;
    list_.AddColumns(columns);
    return true;
}

void TextList::SetTitles(const Row& titles) {
    titles_ = titles;
    for (int c = 0; c < columns_ && static_cast<size_t>(c) < titles.size(); ++c)
        list_.SetColumnTitle(c, titles[static_cast<size_t>(c)]);
}

void TextList::SetRows(std::vector<Row> rows) {
    rows_ = std::move(rows);
    list_.ClearSelectionAndFocus();
    list_.SetRowCount(rows_.size(), false);
    if (!rows_.empty())
        list_.ScrollIntoView(0);
}

void TextList::FitColumns(int padding, int maxWidth) {
    for (int c = 0; c < columns_; ++c) {
        const auto i = static_cast<size_t>(c);
        int width = i < titles_.size() ? list_.TextWidth(titles_[i]) : 0;
        for (const Row& row : rows_)
            if (i < row.size() && !row[i].empty())
                width = std::max(width, list_.TextWidth(row[i]));
        list_.SetColumnWidth(c, std::min(width + padding, maxWidth));
    }
}

void TextList::ScaleColumns(int fromDpi, int toDpi) {
    if (fromDpi <= 0 || toDpi <= 0)
        return;
    for (int c = 0; c < columns_; ++c)
        list_.SetColumnWidth(c, MulDiv(list_.ColumnWidth(c), toDpi, fromDpi));
}

std::optional<size_t> TextList::SelectedRow() const {
    const std::optional<size_t> row = list_.FirstSelectedRow();
    return row && *row < rows_.size() ? row : std::nullopt;
}

std::vector<size_t> TextList::SelectedOrAllRows() const {
    std::vector<size_t> rows = list_.SelectedRows(rows_.size());
    if (rows.empty())
        for (size_t i = 0; i < rows_.size(); ++i)
            rows.push_back(i);
    return rows;
}

void TextList::SelectOnly(size_t row) {
    if (row >= rows_.size())
        return;
    list_.ClearSelectionAndFocus();
    list_.Select(row, true);
    list_.Focus(row);
    list_.SetSelectionMark(row);
    list_.ScrollIntoView(row);
}

LRESULT TextList::OnNotify(const NMHDR& header) const {
    if (header.code == LVN_ODFINDITEMW)
        return -1;
    win32::AnswerCellText(header, [this](size_t row, int column) {
        const auto cell = static_cast<size_t>(column);
        return row < rows_.size() && cell < rows_[row].size() ? rows_[row][cell] : std::wstring();
    });
    return 0;
}

} // namespace zintar
