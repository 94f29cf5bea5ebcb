#include "platform/controls/list_view.h"

#include <algorithm>
#include <cwchar>

namespace zintar::win32 {

namespace {

constexpr DWORD kListExStyle = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER;
constexpr int kNoItem = -1;

WPARAM ItemOf(std::optional<size_t> row) {
    return row ? static_cast<WPARAM>(*row) : static_cast<WPARAM>(kNoItem);
}

} // namespace

ListView::ListView(HWND list) : list_(list) {
    if (list_)
        SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, kListExStyle, kListExStyle);
}

void ListView::AddColumns(int count) {
    for (int c = 0; c < count; ++c) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_SUBITEM;
        column.iSubItem = c;
        column.pszText = const_cast<wchar_t*>(L"");
        SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c),
                     reinterpret_cast<LPARAM>(&column));
    }
}

void ListView::SetColumnTitle(int column, const std::wstring& title) {
    std::wstring text = title;
    LVCOLUMNW item{};
    item.mask = LVCF_TEXT;
    item.pszText = text.data();
    SendMessageW(list_, LVM_SETCOLUMNW, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&item));
}

void ListView::SetColumnWidth(int column, int width) {
    SendMessageW(list_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0));
}

int ListView::ColumnWidth(int column) const {
    return static_cast<int>(
        SendMessageW(list_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

int ListView::TextWidth(const std::wstring& text) const {
    return static_cast<int>(
        SendMessageW(list_, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void ListView::SetRowCount(size_t rows, bool keepView) {
    SendMessageW(list_, LVM_SETITEMCOUNT, rows,
                 keepView ? LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL : 0);
}

void ListView::ScrollIntoView(size_t row) {
    SendMessageW(list_, LVM_ENSUREVISIBLE, row, FALSE);
}

void ListView::RepaintRows(size_t first, size_t last) {
    SendMessageW(list_, LVM_REDRAWITEMS, first, static_cast<LPARAM>(last));
}

std::optional<std::pair<size_t, size_t>> ListView::RowsInView(size_t rowCount) const {
    if (rowCount == 0)
        return std::nullopt;
    const auto top = static_cast<int>(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0));
    const auto perPage = static_cast<int>(SendMessageW(list_, LVM_GETCOUNTPERPAGE, 0, 0));
    const size_t first = static_cast<size_t>(std::max(top, 0));
    const size_t last = std::min(first + static_cast<size_t>(std::max(perPage, 0)), rowCount - 1);
    return std::make_pair(std::min(first, last), last);
}

void ListView::SetRowState(std::optional<size_t> row, UINT state, UINT mask) {
    LVITEMW item{};
    item.stateMask = mask;
    item.state = state;
    SendMessageW(list_, LVM_SETITEMSTATE, ItemOf(row), reinterpret_cast<LPARAM>(&item));
}

void ListView::Select(std::optional<size_t> row, bool selected) {
    SetRowState(row, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void ListView::Focus(size_t row) {
    SetRowState(row, LVIS_FOCUSED, LVIS_FOCUSED);
}

void ListView::ClearSelectionAndFocus() {
    SetRowState(std::nullopt, 0, LVIS_SELECTED | LVIS_FOCUSED);
}

std::optional<size_t> ListView::NextRow(std::optional<size_t> after, UINT flags) const {
    const auto row =
        static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, ItemOf(after), MAKELPARAM(flags, 0)));
    if (row < 0)
        return std::nullopt;
    return static_cast<size_t>(row);
}

HWND ListView::Header() const {
    return reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETHEADER, 0, 0));
}

std::vector<size_t> ListView::SelectedRows(size_t rowCount) const {
    std::vector<size_t> rows;
    for (std::optional<size_t> row = NextRow(std::nullopt, LVNI_SELECTED); row;
         row = NextRow(row, LVNI_SELECTED)) {
        if (*row >= rowCount || (!rows.empty() && *row <= rows.back()))
            break; // never past the rows shown, never round again
        rows.push_back(*row);
    }
    return rows;
}

size_t ListView::SelectedCount() const {
    return static_cast<size_t>(SendMessageW(list_, LVM_GETSELECTEDCOUNT, 0, 0));
}

std::optional<size_t> ListView::FocusedRow() const {
    return NextRow(std::nullopt, LVNI_FOCUSED);
}

std::optional<size_t> ListView::SelectionMark() const {
    const auto mark = static_cast<int>(SendMessageW(list_, LVM_GETSELECTIONMARK, 0, 0));
    if (mark < 0)
        return std::nullopt;
    return static_cast<size_t>(mark);
}

void ListView::SetSelectionMark(std::optional<size_t> row) {
    SendMessageW(list_, LVM_SETSELECTIONMARK, 0, static_cast<LPARAM>(ItemOf(row)));
}

POINT ListView::MenuPoint() const {
    POINT at{0, 0};
    RECT row{LVIR_BOUNDS, 0, 0, 0};
    const std::optional<size_t> focused = FocusedRow();
    if (focused && SendMessageW(list_, LVM_GETITEMRECT, *focused, reinterpret_cast<LPARAM>(&row)))
        at = {row.left, row.bottom};
    ClientToScreen(list_, &at);
    return at;
}

std::optional<ListView::CellRequest> ListView::CellTextRequest(const NMHDR& header) {
    if (header.code != LVN_GETDISPINFOW)
        return std::nullopt;
    const LVITEMW& item = reinterpret_cast<const NMLVDISPINFOW*>(&header)->item;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0 || item.iItem < 0 ||
        item.iSubItem < 0)
        return std::nullopt;
    return CellRequest{static_cast<size_t>(item.iItem), item.iSubItem};
}

void ListView::AnswerCellText(const NMHDR& header, std::wstring_view text) {
    if (!CellTextRequest(header))
        return;
    // The notice is the list's own, sent for this answer; its item is written, not read.
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header))->item;
    const size_t length = std::min(text.size(), static_cast<size_t>(item.cchTextMax) - 1);
    std::wmemcpy(item.pszText, text.data(), length);
    item.pszText[length] = L'\0';
}

} // namespace zintar::win32
