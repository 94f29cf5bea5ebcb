#include "ui/history_list.h"

#include <algorithm>
#include <array>
#include <cwchar>

#include "core/captions.h"
#include "core/key_history_text.h"
#include "core/key_names.h"
#include "platform/clipboard.h"
#include "ui/layout.h"

namespace zintar {

namespace {

constexpr int kListId = 100;
constexpr int kColumnPaddingTwips = 270; // the list's own margins around a cell's text

// Records whose texts are as wide as the widest that a column usually shows (system key
// messages of an extended key with every modifier held, a dead character beyond the first
// plane), so that each column starts wide enough for its rows in either language.
constexpr std::array<KeyEventRecord, 3> kWideRecords{{
    {99999, 0, KeyMessage::SysKeyDown, VK_DELETE, 0x53, true, true, 65535, KeySide::Right, VK_RMENU,
     kModifierShift | kModifierCtrl | kModifierAlt, kNoAnsiCode},
    {99999, 0, KeyMessage::SysKeyUp, VK_DELETE, 0x53, true, true, 65535, KeySide::Right, VK_RMENU,
     kModifierShift | kModifierCtrl | kModifierAlt, kNoAnsiCode},
    {99999, 0x1F600, KeyMessage::DeadChar, 0, 0x53, true, true, 65535, KeySide::None, 0,
     kModifierShift | kModifierCtrl | kModifierAlt, 255},
}};

} // namespace

bool HistoryList::Create(HWND parent, HINSTANCE instance) {
    list_ = win32::ListView(win32::ListView::Create(parent, instance, kListId));
    if (!list_)
        return false;
    list_.AddColumns(kHistoryColumnCount);
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

// Each column as wide as its title or the widest sample text in the list's font, whichever
// is wider.
void HistoryList::FitColumns() {
    const int padding = TwipsToPixels(kColumnPaddingTwips);
    for (int c = 0; c < kHistoryColumnCount; ++c) {
        const auto column = static_cast<HistoryColumn>(c);
        if (!HasColumn(shownColumns_, c)) {
            list_.SetColumnWidth(c, 0);
            continue;
        }
        int width = list_.TextWidth(std::wstring(HistoryColumnTitle(column, language_)));
        for (const KeyEventRecord& record : kWideRecords)
            width = std::max(width, list_.TextWidth(HistoryCellText(record, column, language_)));
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

std::optional<size_t> HistoryList::SelectedRecord() const {
    const std::optional<size_t> row = list_.FirstSelectedRow();
    return row ? shown_.RecordOfRow(*row, history_) : std::nullopt;
}

void HistoryList::Resize(int width, int height) {
    MoveWindow(list_.hwnd(), 0, 0, width, height, TRUE);
    // A new size can scroll the rows under the list's own pixels (at the end of the list,
    // growing shows older rows above): every row is painted again from its record, not only
    // the part the size uncovered.
    InvalidateRect(list_.hwnd(), nullptr, TRUE);
}

void HistoryList::ShowAllRows() {
    list_.ClearSelectionAndFocus();
    shown_.Reset(history_);
    list_.SetRowCount(shown_.size(), false);
    if (shown_.size() > 0)
        list_.ScrollIntoView(shown_.size() - 1);
}

void HistoryList::ShowNewRows() {
    const size_t before = shown_.size();
    const ShownRows::Change change = shown_.Update(history_);
    if (change.anew) {
        ShowAllRows();
        return;
    }
    if (change.size != before)
        list_.SetRowCount(change.size, true);
    if (change.dropped > 0)
        KeepSelectionOnRecords(change.dropped);
    if (change.size > 0)
        list_.ScrollIntoView(change.size - 1);
    // Every row shown now holds the record that stood below it.
    if (change.dropped > 0)
        if (const auto rows = list_.RowsInView(change.size))
            list_.RepaintRows(rows->first, rows->second);
}

// Once the oldest records drop, every record moves up by as many rows; the selection and the
// focus move with their records, and leave with those that dropped.
void HistoryList::KeepSelectionOnRecords(size_t dropped) {
    const std::optional<size_t> focused = list_.FocusedRow();
    const std::optional<size_t> mark = list_.SelectionMark();
    const std::vector<size_t> selected = list_.SelectedRows(SIZE_MAX);
    if (selected.empty() && !focused)
        return;
    list_.ClearSelectionAndFocus();
    for (size_t row : selected)
        if (row >= dropped)
            list_.Select(row - dropped, true);
    if (focused && *focused >= dropped)
        list_.Focus(*focused - dropped);
    list_.SetSelectionMark(mark && *mark >= dropped ? std::optional<size_t>(*mark - dropped)
                                                     : std::nullopt);
}

LRESULT HistoryList::OnNotify(const NMHDR& header) {
    if (header.code == LVN_ODFINDITEMW)
        return -1; // typing in the list looks for no row: the rows are records, not names
    if (header.code != LVN_GETDISPINFOW)
        return 0;
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header))->item;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0)
        return 0;
    std::wstring text;
    const std::optional<size_t> record =
        item.iItem >= 0 ? shown_.RecordOfRow(static_cast<size_t>(item.iItem), history_)
                        : std::nullopt;
    if (record && item.iSubItem >= 0 && item.iSubItem < kHistoryColumnCount)
        text = HistoryCellText(history_.at(*record), static_cast<HistoryColumn>(item.iSubItem),
                               language_);
    const size_t length = std::min(text.size(), static_cast<size_t>(item.cchTextMax) - 1);
    std::wmemcpy(item.pszText, text.data(), length);
    item.pszText[length] = L'\0';
    return 0;
}

void HistoryList::CopySelection(HWND owner) const {
    const std::vector<size_t> rows = list_.SelectedRows(shown_.size());
    if (!rows.empty())
        win32::PutClipboardText(owner, HistoryCopyText(history_, rows, language_, shownColumns_));
}

void HistoryList::SelectAll() {
    if (shown_.size() > 0)
        list_.Select(std::nullopt, true);
}

void HistoryList::Clear() {
    history_.Clear();
    ShowAllRows();
}

} // namespace zintar
