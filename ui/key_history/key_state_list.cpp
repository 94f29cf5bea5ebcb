#include "ui/key_history/key_state_list.h"

#include <algorithm>
#include <optional>

#include "core/key_state/key_state_captions.h"
#include "ui/common/child_control.h"
#include "ui/main_window/layout.h"

namespace zintar {

namespace {

constexpr int kListId = 400; // beside the history's list (100) and the pane's values (300 on)
// Design sizes in twips: the title as high as a row of the details pane, and rows enough for
// a modifier or two held and the four toggle keys.
constexpr int kTitleHeightTwips = 255;
constexpr int kMarginTwips = 60;
constexpr size_t kRowsShown = 5;
constexpr int kColumnPaddingTwips = 270; // the list's own margins around a cell's text

constexpr KeyViewMask kEveryView =
    ViewBit(KeyView::Thread) | ViewBit(KeyView::Hardware) | ViewBit(KeyView::Hook);
// Rows whose cells are as wide as the widest each column usually shows: the longest key name,
// a toggle key that the hook cannot tell, a key stuck in two views for a long time.
constexpr KeyStateRow kWideRows[] = {
    {0xA3, kEveryView, kEveryView, std::nullopt, false, 0}, // VK_RCONTROL
    {0x14, 0, ViewBit(KeyView::Thread) | ViewBit(KeyView::Hardware), true, false, 0},
    {0xA3, ViewBit(KeyView::Thread) | ViewBit(KeyView::Hardware), kEveryView, std::nullopt, true,
     99'900},
};

} // namespace

bool KeyStateList::Create(HWND parent, HINSTANCE instance, HFONT font) {
    // Created after the pane: the keyboard reaches it after the pane's values, and a reader
    // pairs each caption of the pane with its value as before.
    title_.Attach(CreateChildControl(
        parent, instance,
        {L"STATIC", WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE, 0, -1, L"", font}));
    list_ = win32::ListView(CreateChildControl(
        parent, instance,
        {win32::ListView::kClass, win32::ListView::kStyle, 0, kListId, L"", font}));
    if (!title_.hwnd() || !list_)
        return false;
    list_.AddColumns(static_cast<int>(kKeyStateColumns.size()));
    return true;
}

void KeyStateList::Forget() {
    title_.Forget();
    list_ = {};
}

void KeyStateList::SetLanguage(Language language) {
    language_ = language;
    if (!*this)
        return;
    const std::wstring title(kKeyStateTitle.In(language));
    title_.Write(title);
    // The list's own name too, which screen readers announce with it.
    SetWindowTextW(list_.hwnd(), title.c_str());
    for (size_t c = 0; c < kKeyStateColumns.size(); ++c)
        list_.SetColumnTitle(static_cast<int>(c),
                             std::wstring(KeyStateColumnTitle(kKeyStateColumns[c], language)));
    for (size_t i = 0; i < rows_.size(); ++i)
        texts_[i] = TextsOf(rows_[i]);
    FitColumns(width_);
    InvalidateRect(list_.hwnd(), nullptr, TRUE);
}

void KeyStateList::Rescale(HFONT font, int) {
    if (!*this)
        return;
    const auto wp = reinterpret_cast<WPARAM>(font);
    SendMessageW(title_.hwnd(), WM_SETFONT, wp, TRUE);
    SendMessageW(list_.hwnd(), WM_SETFONT, wp, TRUE);
}

int KeyStateList::PreferredHeight(int dpi) const {
    if (!*this)
        return 0;
    return TwipsToPixels(kTitleHeightTwips, dpi) + list_.HeightForRows(kRowsShown);
}

void KeyStateList::Place(const RECT& area, int dpi) {
    if (!*this)
        return;
    const int margin = TwipsToPixels(kMarginTwips, dpi);
    const int left = area.left, top = area.top, bottom = area.bottom;
    const int titleBottom = std::min(bottom, top + TwipsToPixels(kTitleHeightTwips, dpi));
    width_ = std::max(0, static_cast<int>(area.right) - left);
    dpi_ = dpi;
    MoveWindow(title_.hwnd(), left + margin, top, std::max(0, width_ - 2 * margin),
               titleBottom - top, TRUE);
    MoveWindow(list_.hwnd(), left, titleBottom, width_, std::max(0, bottom - titleBottom), TRUE);
    FitColumns(width_);
}

// Each column as wide as its title and its widest sample; the last, whose stuck texts are the
// longest, takes what the others leave of the width.
void KeyStateList::FitColumns(int width) {
    const int padding = TwipsToPixels(kColumnPaddingTwips, dpi_);
    int used = 0;
    for (size_t c = 0; c < kKeyStateColumns.size(); ++c) {
        const KeyStateColumn column = kKeyStateColumns[c];
        int fit = list_.TextWidth(std::wstring(KeyStateColumnTitle(column, language_)));
        for (const KeyStateRow& sample : kWideRows)
            fit = std::max(fit, list_.TextWidth(KeyStateCellText(sample, column, language_)));
        fit += padding;
        if (c + 1 == kKeyStateColumns.size())
            fit = std::max(fit, width - used - GetSystemMetrics(SM_CXVSCROLL));
        list_.SetColumnWidth(static_cast<int>(c), fit);
        used += fit;
    }
}

KeyStateList::RowTexts KeyStateList::TextsOf(const KeyStateRow& row) const {
    RowTexts texts;
    for (size_t c = 0; c < kKeyStateColumns.size(); ++c)
        texts[c] = KeyStateCellText(row, kKeyStateColumns[c], language_);
    return texts;
}

void KeyStateList::Show(const std::vector<KeyStateRow>& rows) {
    if (!*this)
        return;
    std::vector<RowTexts> texts;
    texts.reserve(rows.size());
    std::optional<size_t> first;
    size_t last = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        texts.push_back(TextsOf(rows[i]));
        if (i >= texts_.size() || texts[i] != texts_[i]) {
            first = first.value_or(i);
            last = i;
        }
    }
    const bool counted = texts.size() != texts_.size();
    rows_ = rows;
    texts_ = std::move(texts);
    // A new count paints what it changes; rows that only changed their texts are painted
    // again, and rows whose texts stay are left alone.
    if (counted)
        list_.SetRowCount(texts_.size(), true);
    if (first)
        list_.RepaintRows(*first, last);
}

bool KeyStateList::OnNotify(const NMHDR& header) {
    return win32::AnswerCellText(header, [this](size_t row, int column) {
        const auto c = static_cast<size_t>(column);
        return row < texts_.size() && c < kKeyStateColumns.size() ? texts_[row][c] : std::wstring();
    });
}

} // namespace zintar
