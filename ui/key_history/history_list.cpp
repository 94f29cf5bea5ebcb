#include "ui/key_history/history_list.h"

#include <algorithm>
#include <array>

#include "core/key_history/history_columns.h"
#include "core/key_history/key_history_text.h"
#include "platform/controls/clipboard.h"
#include "platform/window/dpi.h"
#include "ui/common/child_control.h"
#include "ui/main_window/layout.h"

namespace zintar {

namespace {

constexpr int kListId = 100;
constexpr int kColumnPaddingTwips = 270; // the list's own margins around a cell's text

} // namespace

bool HistoryList::Create(HWND parent, HINSTANCE instance) {
    list_ = win32::ListView(CreateChildControl(
        parent, instance, {win32::ListView::kClass, win32::ListView::kStyle, 0, kListId},
        ClientArea(parent)));
    if (!list_)
        return false;
    list_.AddColumns(kHistoryColumnCount);
    dpi_ = win32::WindowDpi(list_.hwnd());
    return true;
}

void HistoryList::SetLanguage(Language language) {
    language_ = language;
    for (int c = 0; c < kHistoryColumnCount; ++c)
        list_.SetColumnTitle(
            c, std::wstring(HistoryColumnTitle(static_cast<HistoryColumn>(c), language_)));
    FitColumns();
    InvalidateRect(list_.hwnd(), nullptr, TRUE); // the message names and yes / no follow too
}

// Each column as wide as the widest of its title and its sample texts in the list's font.
void HistoryList::FitColumns() {
    const int padding = TwipsToPixels(kColumnPaddingTwips, dpi_);
    for (int c = 0; c < kHistoryColumnCount; ++c) {
        if (!HasColumn(shownColumns_, c)) {
            list_.SetColumnWidth(c, 0);
            continue;
        }
        int width = 0;
        for (const std::wstring& text : ColumnWidthTexts(static_cast<HistoryColumn>(c), language_))
            width = std::max(width, list_.TextWidth(text));
        list_.SetColumnWidth(c, width + padding);
    }
}

void HistoryList::ShowColumn(int column, bool shown) {
    if (column < 0 || column >= kHistoryColumnCount)
        return;
    const ColumnSet bit = ColumnSet{1} << column;
    shownColumns_ = shown ? shownColumns_ | bit : shownColumns_ & ~bit;
    FitColumns();
}

void HistoryList::SetChatterThreshold(ChatterThreshold threshold) {
    rows_.SetChatterThreshold(threshold);
    InvalidateRect(list_.hwnd(), nullptr, FALSE);
}

void HistoryList::Resize(int width, int height) {
    MoveWindow(list_.hwnd(), 0, 0, width, height, TRUE);
    // A new size can scroll the rows under the list's own pixels (at the end of the list,
    // growing shows older rows above): every row is painted again from its record, not only
    // the part the size uncovered.
    InvalidateRect(list_.hwnd(), nullptr, TRUE);
}

void HistoryList::Rescale(HFONT font, int dpi) {
    if (!list_ || dpi <= 0)
        return;
    std::array<int, kHistoryColumnCount> widths{};
    for (int c = 0; c < kHistoryColumnCount; ++c)
        widths[static_cast<size_t>(c)] = MulDiv(list_.ColumnWidth(c), dpi, dpi_);
    SendMessageW(list_.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    for (int c = 0; c < kHistoryColumnCount; ++c)
        list_.SetColumnWidth(c, HasColumn(shownColumns_, c) ? widths[static_cast<size_t>(c)] : 0);
    dpi_ = dpi;
}

void HistoryList::ShowAllRows() {
    list_.ClearSelectionAndFocus();
    rows_.Reset();
    list_.SetRowCount(rows_.shownCount(), false);
    if (rows_.shownCount() > 0)
        list_.ScrollIntoView(rows_.shownCount() - 1);
}

// Rows that dropped off the top or had rows come in above them stand at other indexes now;
// the selection and the focus move with their rows, and leave with those that dropped.
void HistoryList::ShowNewRows() {
    rows_.Follow(); // where the shown rows stand now, before they are taken as the new ones
    const size_t before = rows_.shownCount();
    const std::optional<size_t> focused = list_.FocusedRow();
    const std::optional<size_t> mark = list_.SelectionMark();
    const std::vector<size_t> selected = list_.SelectedRows(SIZE_MAX);
    const auto now = [this](std::optional<size_t> row) {
        return row ? rows_.IndexNow(*row) : std::nullopt;
    };
    std::vector<size_t> selectedNow;
    for (size_t row : selected)
        if (const std::optional<size_t> index = rows_.IndexNow(row))
            selectedNow.push_back(*index);
    const std::optional<size_t> focusedNow = now(focused), markNow = now(mark);

    const KeyRows::Change change = rows_.Update();
    if (change.size != before)
        list_.SetRowCount(change.size, true);
    if (change.moved && (!selected.empty() || focused)) {
        list_.ClearSelectionAndFocus();
        for (size_t row : selectedNow)
            list_.Select(row, true);
        if (focusedNow)
            list_.Focus(*focusedNow);
        list_.SetSelectionMark(markNow);
    }
    if (change.size > 0)
        list_.ScrollIntoView(change.size - 1);
    // Every row shown now may hold another row than it painted, or new route cells.
    if (change.moved || change.changed)
        if (const auto rows = list_.RowsInView(change.size))
            list_.RepaintRows(rows->first, rows->second);
}

LRESULT HistoryList::OnNotify(const NMHDR& header) {
    if (header.code == LVN_ODFINDITEMW)
        return -1; // typing in the list looks for no row: the rows are records, not names
    win32::AnswerCellText(header, [this](size_t row, int column) {
        return column < kHistoryColumnCount
                   ? rows_.CellText(row, static_cast<HistoryColumn>(column), language_)
                   : std::wstring();
    });
    return 0;
}

void HistoryList::CopySelection(HWND owner) const {
    const std::vector<size_t> rows = list_.SelectedRows(rows_.shownCount());
    if (!rows.empty())
        win32::PutClipboardText(owner, rows_.CopyText(rows, language_, shownColumns_));
}

void HistoryList::SelectAll() {
    if (rows_.shownCount() > 0)
        list_.Select(std::nullopt, true);
}

void HistoryList::Clear() {
    history_.Clear();
    ShowAllRows();
}

} // namespace zintar
