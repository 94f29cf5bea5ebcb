#include "core/key_state/key_views_text.h"

#include "core/common/hex_text.h"
#include "core/key_identity/virtual_key_names.h"
#include "core/key_state/state_text.h"

namespace zintar {

namespace {

constexpr Bilingual kKeyTitle{L"Key", L"Billenty\u0171"};
constexpr Bilingual kStuckTitle{L"Stuck", L"Beragadt"};
constexpr Bilingual kDown{L"down", L"lenyomva"};
constexpr Bilingual kUp{L"up", L"felengedve"};
constexpr Bilingual kOn{L"on", L"be"};
constexpr Bilingual kOff{L"off", L"ki"};
constexpr Bilingual kUnknown{L"unknown", L"ismeretlen"};
constexpr Bilingual kStuckOnly{L"yes: only ", L"igen: csak "};
constexpr Bilingual kStuckSent{L"yes: sent by a program, held in ",
                               L"igen: program k\u00FCldte, lenyomva: "};
constexpr Bilingual kAnd{L" and ", L" \u00E9s "};
constexpr Bilingual kSeconds{L" s", L" mp"};

// The views' columns, in the order the stuck cell lists the views too. A view is named by
// its API in both languages.
struct ViewColumn {
    KeyStateColumn column;
    KeyView view;
    std::wstring_view name;
};
constexpr std::array<ViewColumn, 3> kViewColumns{{
    {KeyStateColumn::GetKeyState, KeyView::Thread, L"GetKeyState"},
    {KeyStateColumn::GetAsyncKeyState, KeyView::Hardware, L"GetAsyncKeyState"},
    {KeyStateColumn::Hook, KeyView::Hook, L"Hook"},
}};

constexpr const ViewColumn* ViewColumnOf(KeyStateColumn column) {
    for (const ViewColumn& viewColumn : kViewColumns)
        if (viewColumn.column == column)
            return &viewColumn;
    return nullptr;
}

std::wstring KeyText(uint8_t code) {
    const std::wstring_view name = VirtualKeyConstantName(code);
    return name.empty() ? L"0x" + HexText(code, 2) : std::wstring(name);
}

std::wstring ViewText(const KeyStateRow& row, KeyView view, Language language) {
    if (!(row.known & ViewBit(view)))
        return std::wstring(kUnknown.In(language));
    std::wstring text((row.held & ViewBit(view) ? kDown : kUp).In(language));
    if (view == KeyView::Thread && row.toggledOn)
        text += L", " + std::wstring((*row.toggledOn ? kOn : kOff).In(language));
    return text;
}

std::wstring StuckText(const KeyStateRow& row, Language language) {
    if (!row.stuck)
        return {};
    // Where the views disagree, the views that hold it are the news; where they agree, that a
    // program's key-down holds it.
    const bool agree = row.held == row.known;
    std::wstring text((row.sentByProgram && agree ? kStuckSent : kStuckOnly).In(language));
    // "GetKeyState, GetAsyncKeyState and Hook": commas, and the word before the last.
    size_t count = 0, written = 0;
    for (const ViewColumn& viewColumn : kViewColumns)
        count += (row.held & ViewBit(viewColumn.view)) ? 1 : 0;
    for (const ViewColumn& viewColumn : kViewColumns) {
        if (!(row.held & ViewBit(viewColumn.view)))
            continue;
        if (written > 0)
            text += written + 1 == count ? std::wstring(kAnd.In(language)) : L", ";
        text += viewColumn.name;
        ++written;
    }
    const uint64_t tenths = (uint64_t{row.stuckForMs} + 50) / 100;
    return text + L", " + TenthsText(tenths, language) + std::wstring(kSeconds.In(language));
}

} // namespace

std::wstring_view KeyStateColumnTitle(KeyStateColumn column, Language language) {
    if (const ViewColumn* viewColumn = ViewColumnOf(column))
        return viewColumn->name;
    if (column == KeyStateColumn::Key)
        return kKeyTitle.In(language);
    return column == KeyStateColumn::Stuck ? kStuckTitle.In(language) : std::wstring_view();
}

std::wstring KeyStateCellText(const KeyStateRow& row, KeyStateColumn column, Language language) {
    if (const ViewColumn* viewColumn = ViewColumnOf(column))
        return ViewText(row, viewColumn->view, language);
    if (column == KeyStateColumn::Key)
        return KeyText(row.virtualKey);
    return column == KeyStateColumn::Stuck ? StuckText(row, language) : std::wstring();
}

} // namespace zintar
