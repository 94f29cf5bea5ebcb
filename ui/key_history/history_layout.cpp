#include "ui/key_history/history_layout.h"

#include <algorithm>
#include <utility>

#include "ui/common/owned_window_place.h"
#include "ui/main_window/layout.h"

namespace zintar {

namespace {

// Design sizes in twips, like the main window's. At least 600 pixels wide shows most of the
// columns; below or above the main window a few rows still make a useful list.
constexpr int kPreferredWidthTwips = 12000;
constexpr int kPreferredHeightTwips = 6000;
constexpr int kMinimumWidthTwips = 9000;
constexpr int kMinimumHeightTwips = 2250;
// The most of the client area's height that the key state takes, in per cent.
constexpr int kKeyStateShareMax = 40;

} // namespace

void PlaceHistoryBeside(HWND window, HWND owner, int dpi) {
    PlaceBesideOwner(
        window, owner,
        {TwipsToPixels(kPreferredWidthTwips, dpi), TwipsToPixels(kPreferredHeightTwips, dpi)},
        {TwipsToPixels(kMinimumWidthTwips, dpi), TwipsToPixels(kMinimumHeightTwips, dpi)});
}

void LayOutHistory(HWND window, HistoryList& list, KeyDetailsPane& pane, KeyStateList& state,
                   int dpi) {
    RECT client{};
    if (!list || !GetClientRect(window, &client))
        return;
    // The key state has the room it asks for, but no more than its share of a low window: the
    // history and its details come first.
    const int stateHeight =
        std::min(state.PreferredHeight(dpi), MulDiv(client.bottom, kKeyStateShareMax, 100));
    const int top = static_cast<int>(client.bottom) - stateHeight;
    const int paneLeft = std::max(0, static_cast<int>(client.right) - KeyDetailsPane::Width(dpi));
    list.Resize(paneLeft, top);
    pane.Place(paneLeft, top, dpi);
    state.Place({0, top, client.right, client.bottom}, dpi);
}

void HistoryFont::Remember(HFONT listFont, int dpi) {
    baseDpi_ = 0;
    if (listFont && dpi > 0 && GetObjectW(listFont, sizeof(base_), &base_) == sizeof(base_))
        baseDpi_ = dpi;
}

HFONT HistoryFont::MakeFor(int dpi) {
    if (baseDpi_ <= 0 || dpi <= 0)
        return nullptr;
    // Always from the first font, so that moving back and forth does not add up rounding.
    LOGFONTW scaled = base_;
    scaled.lfHeight = MulDiv(base_.lfHeight, dpi, baseDpi_);
    scaled.lfWidth = MulDiv(base_.lfWidth, dpi, baseDpi_);
    win32::ScopedFont made(CreateFontIndirectW(&scaled));
    if (!made)
        return nullptr;
    previous_ = std::move(current_);
    current_ = std::move(made);
    return current_.get();
}

} // namespace zintar
