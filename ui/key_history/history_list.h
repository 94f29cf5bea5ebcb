#pragma once
// The key history's list: one virtual row per record or key that went elsewhere (core/
// key_rows.h), each cell's text asked of the core when the list paints it. The rows keep
// standing for what they showed while the history moves on, until the list is brought up to
// date.
#include <windows.h>

#include "core/key_history/key_history_text.h"
#include "core/key_history/key_event.h"
#include "core/key_history/key_rows.h"
#include "core/common/language.h"
#include "platform/controls/list_view.h"

namespace zintar {

class HistoryList {
  public:
    HistoryList(KeyHistory& history, KeyRows& rows) : history_(history), rows_(rows) {}

    bool Create(HWND parent, HINSTANCE instance);
    HWND hwnd() const { return list_.hwnd(); }
    explicit operator bool() const { return static_cast<bool>(list_); }
    void Forget() { list_ = {}; } // the control was destroyed with its parent

    // Column titles and cell texts in the language, each column fitted to its texts.
    void SetLanguage(Language language);
    // Takes its part of the parent's client area; every row is painted again.
    void Resize(int width, int height);
    // At a new DPI: the font made for it, and each column as wide in proportion as the user
    // left it (a hidden one stays hidden).
    void Rescale(HFONT font, int dpi);

    // A press sooner than this after its release is chatter, for the session; the rows shown
    // are judged again.
    void SetChatterThreshold(ChatterThreshold threshold);
    ChatterThreshold chatterThreshold() const { return rows_.chatterThreshold(); }

    // Columns shown for the session; a hidden one has no width and no cells in a copy.
    ColumnSet shownColumns() const { return shownColumns_; }
    void ShowColumn(int column, bool shown);
    HWND header() const { return list_.Header(); }

    // Every row anew, nothing selected, the newest in view.
    void ShowAllRows();
    // The records and routes added since the last update become rows, the newest in view; the
    // selection stays on its rows.
    void ShowNewRows();

    // The list's own notices: cell texts, and no search by typing. 0 for anything else.
    LRESULT OnNotify(const NMHDR& header);

    size_t rowCount() const { return rows_.shownCount(); }
    bool HasSelection() const { return list_.SelectedCount() > 0; }
    POINT MenuPoint() const { return list_.MenuPoint(); }
    // The selected rows with a header line on the clipboard; nothing selected keeps the
    // clipboard as it was.
    void CopySelection(HWND owner) const;
    void SelectAll();
    // The first selected row, if any.
    std::optional<size_t> SelectedRow() const { return list_.FirstSelectedRow(); }
    const KeyHistory& history() const { return history_; }
    const KeyRows& rows() const { return rows_; }
    void Clear();

  private:
    void FitColumns();

    KeyHistory& history_;
    Language language_ = Language::English;
    win32::ListView list_;
    KeyRows& rows_;
    ColumnSet shownColumns_ = kAllColumns;
    int dpi_ = 0; // the window's at creation, then each new one
};

} // namespace zintar
