#pragma once
// The keyboard layouts window: every installed layout read from its own DLL, the chosen one
// drawn as a keyboard with a table of its keys, and a shortcut checked on every layout. The
// main window owns it and opens it from its window menu (or when the key details pane asks),
// beside itself and without taking the keyboard from the capture box; it tells it each
// combination the capture box takes. The layouts are read when the window opens, never at
// start-up and never while it paints.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "core/common/language.h"
#include "core/keyboard_layout/installed_layout_rows.h"
#include "core/keyboard_layout/layout_key_rows.h"
#include "core/keyboard_layout/shortcut_verdict.h"
#include "platform/window/dpi.h"
#include "platform/window/window_icons.h"
#include "ui/common/read_only_text.h"
#include "ui/common/text_list.h"
#include "ui/key_history/history_layout.h"
#include "ui/keyboard_layouts/keyboard_view.h"
#include "ui/keyboard_layouts/shortcut_box.h"

namespace zintar {

class LayoutsWindow {
  public:
    LayoutsWindow();
    ~LayoutsWindow();
    LayoutsWindow(const LayoutsWindow&) = delete;
    LayoutsWindow& operator=(const LayoutsWindow&) = delete;

    // Creates the window on the first call. A hidden window reads the installed layouts
    // anew, is placed beside the owner and shown without taking the activation; a shown one
    // stays as it is.
    bool Open(HINSTANCE instance, HWND owner);
    bool IsOpen() const;
    // Titles, captions and every cell; kept for a window not yet created.
    void SetLanguage(Language language);
    // The combination the main window captured (modifiers: 1 Shift, 2 Ctrl, 4 Alt): the
    // shortcut the window checks, unless it is a modifier alone. Kept while the window is
    // closed.
    void ShowCapturedKey(int virtualKey, int modifiers);

    // For tests, readers and measurements.
    HWND hwnd() const { return hwnd_; }
    HWND layoutList() const { return layoutList_.hwnd(); }
    HWND keyTable() const { return keyTable_.hwnd(); }
    HWND shortcutList() const { return shortcutList_.hwnd(); }
    HWND shortcutBox() const { return shortcutBox_.hwnd(); }
    HWND heldNow() const { return heldNow_.hwnd(); }
    HWND problem() const { return problem_.hwnd(); }
    const KeyboardView& keyboard() const { return keyboard_; }

    // Window-procedure entry point (see platform/window/window_thunk.h).
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  private:
    bool Create(HINSTANCE instance, HWND owner);
    bool CreateControls(HINSTANCE instance);
    void ApplyLanguage();
    void ScaleTo(int dpi);
    void LayOut();

    // What the window shows (layouts_window_content.cpp).
    void ReadLayouts();
    void FillLayoutList();
    void ShowLayout(std::optional<size_t> row);
    void FillKeyTable();
    void SetShortcut(ProgramShortcut shortcut);
    void FillShortcutCheck();
    void ShowHeldNow();
    void SelectKeyRow(KeyPlace place);
    void Copy(const TextList& list);
    const KeyboardLayoutTables& UsLayout() const;

    void OnActivate(bool active);
    LRESULT OnNotify(const NMHDR& header);
    void OnListKey(const TextList& list, WORD key);
    void ShowCopyMenu(const TextList& list, LPARAM screenPoint);

    Language language_ = Language::English;
    HWND hwnd_ = nullptr;
    HWND focusBeforeDeactivation_ = nullptr;
    TextList layoutList_, shortcutList_, keyTable_; // children, destroyed with the window
    KeyboardView keyboard_;
    ShortcutBox shortcutBox_;
    ReadOnlyText shortcutCaption_, keyboardCaption_, heldNow_, problem_, deadKey_, altGr_;
    HistoryFont font_;             // the lists' own font, made again for each DPI
    win32::WindowIcons icons_;     // sized for dpi_
    int dpi_ = win32::kDefaultDpi; // the window's, from its creation and each WM_DPICHANGED

    std::vector<ReadLayout> layouts_; // read at each opening
    KeyboardLayoutTables standardUs_; // where no US layout is installed
    std::optional<size_t> shown_;     // the row of layoutList_ drawn
    std::vector<LayoutKeyRow> keyRows_;
    std::optional<ProgramShortcut> shortcut_;
    std::vector<std::vector<std::wstring>> shortcutRows_; // every column, for the copy
};

} // namespace zintar
