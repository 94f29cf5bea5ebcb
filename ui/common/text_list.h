#pragma once
// A report-view list whose cells are texts it keeps: the window hands it whole rows, made by
// the core, and the list answers the control's requests for cell texts from them. For tables
// that are made once and shown as they are (a layout's keys, a shortcut on each layout);
// the key history, whose rows move under it, has a list of its own.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls/list_view.h"

namespace zintar {

class TextList {
  public:
    using Row = std::vector<std::wstring>;

    // A child of `parent` with `columns` columns; extraStyle adds to the list's own style
    // (LVS_SINGLESEL). False when the system refused.
    bool Create(HWND parent, HINSTANCE instance, int id, int columns, DWORD extraStyle = 0);
    HWND hwnd() const { return list_.hwnd(); }
    explicit operator bool() const { return static_cast<bool>(list_); }
    void Forget() { list_ = {}; } // destroyed with its parent

    void SetTitles(const Row& titles);
    // Every row anew; the selection and the scroll position go with the old rows.
    void SetRows(std::vector<Row> rows);
    const std::vector<Row>& rows() const { return rows_; }
    // Each column as wide as its widest text, title included, up to maxWidth pixels, with
    // the list's margins (padding) around it.
    void FitColumns(int padding, int maxWidth);
    // Each column's width scaled from one DPI to another, as the user left it.
    void ScaleColumns(int fromDpi, int toDpi);

    std::optional<size_t> SelectedRow() const;
    // The selected rows, ascending; every row when none is selected.
    std::vector<size_t> SelectedOrAllRows() const;
    void SelectOnly(size_t row);
    POINT MenuPoint() const { return list_.MenuPoint(); }

    // The control's request for a cell's text, answered; and no search by typing, which
    // would look through the rows' first column only. 0 for anything else.
    LRESULT OnNotify(const NMHDR& header) const;

  private:
    win32::ListView list_;
    int columns_ = 0;
    Row titles_;
    std::vector<Row> rows_;
};

} // namespace zintar
