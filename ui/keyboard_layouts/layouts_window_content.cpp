// What the keyboard layouts window shows: the installed layouts, the chosen one's keyboard
// and key table, and the shortcut checked on every layout. The texts are the core's; this
// file hands them to the controls.
#include <algorithm>

#include "core/common/virtual_keys.h"
#include "core/key_identity/key_names.h"
#include "core/keyboard_layout/keyboard_arrangement.h"
#include "core/keyboard_layout/layout_captions.h"
#include "core/keyboard_layout/layouts_window_captions.h"
#include "platform/controls/clipboard.h"
#include "platform/input/layout_registry.h"
#include "ui/keyboard_layouts/layouts_window.h"
#include "ui/main_window/layout.h"

namespace zintar {

namespace {

constexpr int kColumnPaddingTwips = 270; // the list's own margins around a cell's text
constexpr int kMaxColumnTwips = 4800;    // a long composition list is cut, not the table

// The shortcut check's columns, of the shortcut table's.
constexpr ShortcutColumn kShownShortcutColumns[] = {ShortcutColumn::Layout, ShortcutColumn::Key,
                                                    ShortcutColumn::Types, ShortcutColumn::Verdict};

} // namespace

void LayoutsWindow::ReadLayouts() {
    layouts_ = win32::ReadEveryInstalledLayout();
    shown_.reset();
    FillLayoutList();
    FillShortcutCheck();
    const std::optional<size_t> first = FirstShownLayout(layouts_);
    if (first)
        layoutList_.SelectOnly(*first); // shows it, as any selection does
    if (shown_ != first)
        ShowLayout(first);
}

const KeyboardLayoutTables& LayoutsWindow::UsLayout() const {
    const KeyboardLayoutTables* us = InstalledUsLayout(layouts_);
    return us ? *us : standardUs_;
}

void LayoutsWindow::FillLayoutList() {
    std::vector<TextList::Row> rows;
    for (const ReadLayout& layout : layouts_) {
        TextList::Row row;
        for (int c = 0; c < kInstalledColumnCount; ++c)
            row.push_back(
                InstalledLayoutCellText(layout, static_cast<InstalledColumn>(c), language_));
        rows.push_back(std::move(row));
    }
    layoutList_.SetRows(std::move(rows));
    layoutList_.FitColumns(TwipsToPixels(kColumnPaddingTwips, dpi_),
                           TwipsToPixels(kMaxColumnTwips, dpi_));
    if (shown_)
        layoutList_.SelectOnly(*shown_);
}

void LayoutsWindow::ShowLayout(std::optional<size_t> row) {
    if (row && *row >= layouts_.size())
        row.reset();
    const bool same = row == shown_ && row.has_value();
    shown_ = row;
    const ReadLayout* layout = row ? &layouts_[*row] : nullptr;
    const KeyboardLayoutTables* tables = layout && layout->ok() ? &layout->read->tables : nullptr;
    std::wstring caption = layout ? layout->entry.name : L"";
    if (tables)
        caption += L" \u2013 " + std::wstring(ArrangementName(ArrangementOf(*tables)));
    keyboardCaption_.Write(caption);
    problem_.Write(layout ? UnreadableLayoutText(*layout, language_) : L"");
    ShowWindow(problem_.hwnd(), tables ? SW_HIDE : SW_SHOW);
    ShowWindow(keyboard_.hwnd(), tables ? SW_SHOW : SW_HIDE);
    keyboard_.Show(tables, language_);
    if (!same)
        keyRows_ = tables ? LayoutKeyRows(*tables) : std::vector<LayoutKeyRow>();
    FillKeyTable();
}

void LayoutsWindow::FillKeyTable() {
    const KeyboardLayoutTables* tables =
        shown_ && layouts_[*shown_].ok() ? &layouts_[*shown_].read->tables : nullptr;
    std::vector<TextList::Row> rows;
    if (tables) {
        for (const LayoutKeyRow& key : keyRows_) {
            TextList::Row row;
            for (int c = 0; c < kLayoutKeyColumnCount; ++c)
                row.push_back(
                    LayoutKeyCellText(*tables, key, static_cast<LayoutKeyColumn>(c), language_));
            rows.push_back(std::move(row));
        }
    }
    keyTable_.SetRows(std::move(rows));
    keyTable_.FitColumns(TwipsToPixels(kColumnPaddingTwips, dpi_),
                         TwipsToPixels(kMaxColumnTwips, dpi_));
}

void LayoutsWindow::SelectKeyRow(KeyPlace place) {
    const auto it = std::find_if(keyRows_.begin(), keyRows_.end(),
                                 [&](const LayoutKeyRow& row) { return row.place == place; });
    if (it != keyRows_.end())
        keyTable_.SelectOnly(static_cast<size_t>(it - keyRows_.begin()));
}

void LayoutsWindow::ShowCapturedKey(int virtualKey, int modifiers) {
    if (virtualKey <= 0 || virtualKey > 0xFF || vk::IsModifier(static_cast<uint8_t>(virtualKey)))
        return;
    SetShortcut({static_cast<uint8_t>(virtualKey), static_cast<uint8_t>(modifiers & 7)});
}

void LayoutsWindow::SetShortcut(ProgramShortcut shortcut) {
    shortcut_ = shortcut;
    if (hwnd_)
        FillShortcutCheck();
}

void LayoutsWindow::FillShortcutCheck() {
    shortcutBox_.Show(shortcut_ ? CombinationName(shortcut_->virtualKey, shortcut_->modifiers)
                                : std::wstring(LayoutsWindowCaptionsOf(language_).pressShortcut));
    shortcutRows_.clear();
    if (shortcut_) {
        const ProgramShortcut shortcuts[] = {*shortcut_};
        shortcutRows_ = ShortcutTable(JudgedLayouts(layouts_), UsLayout(), shortcuts, language_);
    }
    std::vector<TextList::Row> rows;
    for (const auto& full : shortcutRows_) {
        TextList::Row row;
        for (ShortcutColumn c : kShownShortcutColumns)
            row.push_back(static_cast<size_t>(c) < full.size() ? full[static_cast<size_t>(c)]
                                                               : std::wstring());
        rows.push_back(std::move(row));
    }
    shortcutList_.SetRows(std::move(rows));
    shortcutList_.FitColumns(TwipsToPixels(kColumnPaddingTwips, dpi_),
                             TwipsToPixels(kMaxColumnTwips, dpi_));
}

void LayoutsWindow::ShowHeldNow() {
    heldNow_.Write(HeldNowText(keyboard_.heldCount(), language_));
}

// The rows chosen, or all of them, under a title line, tab-separated; the shortcut check's
// copy names the shortcut in a column of its own.
void LayoutsWindow::Copy(const TextList& list) {
    const std::vector<size_t> chosen = list.SelectedOrAllRows();
    std::wstring text;
    if (&list == &shortcutList_) {
        std::vector<std::vector<std::wstring>> rows;
        for (size_t row : chosen)
            if (row < shortcutRows_.size())
                rows.push_back(shortcutRows_[row]);
        text = ShortcutTableCopyText(rows, language_);
    } else if (&list == &keyTable_ && shown_ && layouts_[*shown_].ok()) {
        std::vector<LayoutKeyRow> rows;
        for (size_t row : chosen)
            if (row < keyRows_.size())
                rows.push_back(keyRows_[row]);
        text = LayoutKeysCopyText(layouts_[*shown_].read->tables, rows, language_);
    }
    if (!text.empty())
        win32::PutClipboardText(hwnd_, text);
}

} // namespace zintar
