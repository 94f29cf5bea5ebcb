#pragma once
// The key history window: every key message of the capture box, one row each, the newest at
// the bottom. It stands beside the main window, which owns it and the history it shows, and
// takes the keyboard only when the user clicks into it, so keys pressed in the capture box
// show up here as they arrive.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/key_event.h"
#include "core/language.h"

namespace zintar {

// Where the window goes beside its owner: to the right, or else to the left, as wide as the
// room on that side allows but never narrower than minWidth; with that much room on neither
// side, against the work area's right edge, over the owner. It starts at the owner's top and
// is at least as high as the owner, and the whole of it stays inside the work area.
RECT PlaceBeside(const RECT& owner, const RECT& workArea, SIZE preferred, int minWidth);

class HistoryWindow {
  public:
    // Commands of the list's menu; the keys Ctrl+C, Ctrl+A and Delete run the same ones.
    enum Command : UINT { kCopy = 1, kSelectAll = 2, kClear = 3 };

    explicit HistoryWindow(KeyHistory& history);
    ~HistoryWindow();
    HistoryWindow(const HistoryWindow&) = delete;
    HistoryWindow& operator=(const HistoryWindow&) = delete;

    // Creates the window on the first call. A hidden window is placed beside the owner and
    // shown without taking the activation, scrolled to the newest row; a shown one stays.
    bool Open(HINSTANCE instance, HWND owner);
    bool IsOpen() const;
    // Title, column titles and cell texts; kept for a window not yet created.
    void SetLanguage(Language language);
    // The history took one or more records. The list shows them a moment later, together
    // with any that follow within that moment: under a stream of keys it then changes once
    // for many records instead of once for each. Nothing is done while the window is closed:
    // it catches up when it opens.
    void OnRecordsAdded();
    // Shows every record taken so far at once, without waiting for that moment; for tests and
    // measurements.
    void BringUpToDate();

    HWND hwnd() const { return hwnd_; }
    HWND list() const { return list_; }

    // Window-procedure entry point (see platform/window_thunk.h).
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  private:
    bool Create(HINSTANCE instance, HWND owner);
    void ApplyLanguage();
    void FitColumns();
    void ShowAllRows();
    void ShowNewRows();
    void StopPendingUpdate();
    size_t RowsDroppedSinceUpdate() const;
    std::optional<size_t> RecordOfRow(int row) const;
    void KeepSelectionOnRecords(size_t dropped);
    void ScrollToNewest();
    std::vector<size_t> SelectedRows() const;

    LRESULT OnNotify(const NMHDR& header);
    void OnKeyDown(WORD key);
    void ShowMenu(LPARAM screenPoint);
    void Run(UINT command);
    void CopySelection();
    void SelectAll();
    void Clear();

    KeyHistory& history_;
    Language language_ = Language::English;
    HWND hwnd_ = nullptr;
    HWND list_ = nullptr; // a child, destroyed with the window
    // What the list shows: the history's size and added count when it was last brought up
    // to date, so that a new record only adds a row, or moves rows up once the oldest drop.
    size_t shownSize_ = 0;
    uint64_t shownAdded_ = 0;
    bool updatePending_ = false; // the update timer runs
    ULONGLONG restUntil_ = 0;    // no update before this tick count
};

} // namespace zintar
