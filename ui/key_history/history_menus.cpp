#include "ui/key_history/history_menus.h"

#include <string>

#include "core/key_history/history_captions.h"
#include "core/key_history/history_columns.h"
#include "core/key_identity/copy_as_code.h"
#include "core/key_state/key_state_captions.h"
#include "platform/window/scoped_handles.h"
#include "ui/key_history/history_command.h"

namespace zintar {

namespace {

// The keys that the menu shows beside its commands; named alike in both languages.
constexpr wchar_t kCopyKeys[] = L"\tCtrl+C";
constexpr wchar_t kSelectAllKeys[] = L"\tCtrl+A";
constexpr wchar_t kClearKeys[] = L"\tDel";

void Add(HMENU menu, UINT command, std::wstring_view text, const wchar_t* keys, bool enabled) {
    const std::wstring item = std::wstring(text) + keys;
    AppendMenuW(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), command, item.c_str());
}

void Track(HMENU menu, HWND owner, POINT at) {
    // The chosen command comes back as WM_COMMAND, the way every other caller sends it.
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner,
                   nullptr);
}

} // namespace

void ShowListMenu(HWND owner, POINT at, Language language, ListMenuState state) {
    const HistoryCaptions& captions = HistoryCaptionsOf(language);
    win32::ScopedMenu menu;
    win32::ScopedMenu code;
    if (!menu.get() || !code.get())
        return;
    for (int i = 0; i < kCodeLanguageCount; ++i)
        Add(code.get(), CommandId(static_cast<CodeLanguage>(i)),
            CodeLanguageName(static_cast<CodeLanguage>(i)), L"", true);
    AppendMenuW(code.get(), MF_SEPARATOR, 0, nullptr);
    Add(code.get(), CommandId(HistoryCommand::CopyAllCode), captions.everyApi, L"", true);

    Add(menu.get(), CommandId(HistoryCommand::Copy), captions.copy, kCopyKeys, state.hasSelection);
    const std::wstring codeTitle(captions.copyAsCode);
    // The menu owns its submenu from here on and destroys it with itself.
    if (AppendMenuW(menu.get(), MF_POPUP | (state.hasKey ? MF_ENABLED : MF_GRAYED),
                    reinterpret_cast<UINT_PTR>(code.get()), codeTitle.c_str()))
        code.release();
    Add(menu.get(), CommandId(HistoryCommand::SelectAll), captions.selectAll, kSelectAllKeys,
        state.hasRows);
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    Add(menu.get(), CommandId(HistoryCommand::Clear), captions.clear, kClearKeys, state.hasRows);
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    AppendChatterMenu(menu.get(), language, state.chatter);
    Track(menu.get(), owner, at);
}

bool AppendChatterMenu(HMENU menu, Language language, ChatterThreshold current) {
    win32::ScopedMenu choices;
    if (!choices.get())
        return false;
    const size_t count = kChatterThresholdChoicesMs.size();
    for (size_t i = 0; i < count; ++i) {
        const std::wstring text = ChatterChoiceText(kChatterThresholdChoicesMs[i]);
        AppendMenuW(choices.get(), MF_STRING, ChatterCommandId(i), text.c_str());
    }
    for (size_t i = 0; i < count; ++i)
        if (kChatterThresholdChoicesMs[i] == current.ms)
            CheckMenuRadioItem(choices.get(), ChatterCommandId(0), ChatterCommandId(count - 1),
                               ChatterCommandId(i), MF_BYCOMMAND);
    const std::wstring title(kChatterThresholdMenu.In(language));
    if (!AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(choices.get()), title.c_str()))
        return false;
    choices.release(); // the menu destroys it with itself
    return true;
}

void ShowColumnMenu(HWND owner, POINT at, Language language, ColumnSet shown) {
    win32::ScopedMenu menu;
    if (!menu.get())
        return;
    for (int c = 0; c < kHistoryColumnCount; ++c) {
        const std::wstring title(HistoryColumnTitle(static_cast<HistoryColumn>(c), language));
        AppendMenuW(menu.get(), MF_STRING | (HasColumn(shown, c) ? MF_CHECKED : MF_UNCHECKED),
                    CommandId(static_cast<HistoryColumn>(c)), title.c_str());
    }
    Track(menu.get(), owner, at);
}

} // namespace zintar
