#pragma once
// A report-view ListView of virtual rows (LVS_OWNERDATA), spoken to in typed calls: the only
// place that sends LVM_* messages. It does not own the control, which its parent destroys.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zintar::win32 {

class ListView {
  public:
    // The window class and style of the control: a report view of virtual rows.
    static constexpr const wchar_t* kClass = WC_LISTVIEWW;
    static constexpr DWORD kStyle =
        WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER;

    ListView() = default;
    // A control made with kClass and kStyle, given full-row selection, grid lines and double
    // buffering.
    explicit ListView(HWND list);

    HWND hwnd() const { return list_; }
    explicit operator bool() const { return list_ != nullptr; }

    void AddColumns(int count);
    void SetColumnTitle(int column, const std::wstring& title);
    void SetColumnWidth(int column, int width);
    int ColumnWidth(int column) const;
    // Width of a text in the list's font, in pixels.
    int TextWidth(const std::wstring& text) const;

    // The number of rows. Kept in view and unpainted, a new count only paints the rows that
    // changed, and the scroll position stays.
    void SetRowCount(size_t rows, bool keepView);
    void ScrollIntoView(size_t row);
    // Paints the rows from `first` to `last` again from their texts.
    void RepaintRows(size_t first, size_t last);
    // The rows that fit in view, from the top row on; none in an empty list.
    std::optional<std::pair<size_t, size_t>> RowsInView(size_t rowCount) const;

    // Selection and focus; a row of nullopt means every row.
    void Select(std::optional<size_t> row, bool selected);
    void Focus(size_t row);
    void ClearSelectionAndFocus();
    std::vector<size_t> SelectedRows(size_t rowCount) const;
    size_t SelectedCount() const;
    std::optional<size_t> FirstSelectedRow() const { return NextRow(std::nullopt, LVNI_SELECTED); }
    std::optional<size_t> FocusedRow() const;
    std::optional<size_t> SelectionMark() const;
    void SetSelectionMark(std::optional<size_t> row);
    // The column titles' control, whose right click chooses the columns.
    HWND Header() const;
    // The focused row's bottom-left corner in screen coordinates, or the list's top-left one.
    POINT MenuPoint() const;
    // How high the control must be to show its column titles and `rows` rows whole.
    int HeightForRows(size_t rows) const;

  private:
    std::optional<size_t> NextRow(std::optional<size_t> after, UINT flags) const;
    void SetRowState(std::optional<size_t> row, UINT state, UINT mask);

    HWND list_ = nullptr;
};

// Answers LVN_GETDISPINFOW, the list's question for the text of a cell of a virtual row: the
// text of textOf(row, column), cut to the control's buffer. False for any other notice.
bool AnswerCellText(const NMHDR& header,
                    const std::function<std::wstring(size_t row, int column)>& textOf);

} // namespace zintar::win32
