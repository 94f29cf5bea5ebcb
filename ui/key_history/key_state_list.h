#pragma once
// The key state section of the key history window: its title, and a list of every key that a
// view holds down and of the toggle keys, one row each with the thread's, the hardware's and
// the hook's view and whether the key is stuck (the texts are core/key_state/key_views_text.h's).
// The rows are written as the views are read; a row whose texts stay is not painted again.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "core/common/language.h"
#include "core/key_state/key_views.h"
#include "core/key_state/key_views_text.h"
#include "platform/controls/list_view.h"
#include "platform/window/dpi.h"
#include "ui/common/read_only_text.h"

namespace zintar {

class KeyStateList {
  public:
    // Children of `parent`, which destroys them; in the list's font.
    bool Create(HWND parent, HINSTANCE instance, HFONT font);
    void Forget(); // the controls went with their parent
    explicit operator bool() const { return static_cast<bool>(list_); }

    HWND hwnd() const { return list_.hwnd(); }
    HWND title() const { return title_.hwnd(); }

    // The title, the column titles and the cells in the language.
    void SetLanguage(Language language);
    // At a new DPI: the font made for it, the columns fitted again.
    void Rescale(HFONT font, int dpi);
    // How high the section would be at the DPI: its title and the list with a few rows.
    int PreferredHeight(int dpi) const;
    // The section in `area` of the parent's client area.
    void Place(const RECT& area, int dpi);

    void Show(const std::vector<KeyStateRow>& rows);
    size_t rowCount() const { return texts_.size(); }
    // The list's question for a cell's text; false for other notices.
    bool OnNotify(const NMHDR& header);

  private:
    using RowTexts = std::array<std::wstring, kKeyStateColumns.size()>;
    RowTexts TextsOf(const KeyStateRow& row) const;
    void FitColumns(int width);

    ReadOnlyText title_;
    win32::ListView list_;
    Language language_ = Language::English;
    std::vector<KeyStateRow> rows_;
    std::vector<RowTexts> texts_;
    int width_ = 0;                // the list's, as last placed
    int dpi_ = win32::kDefaultDpi; // the window's, as last placed
};

} // namespace zintar
