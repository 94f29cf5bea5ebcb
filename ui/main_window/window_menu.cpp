#include "ui/main_window/window_menu.h"

#include <string>

#include "core/converter/captions.h"
#include "core/key_history/history_captions.h"
#include "core/keyboard_layout/layouts_window_captions.h"

namespace zintar {

namespace {

constexpr UINT Id(MenuCommand command) {
    return static_cast<UINT>(command);
}

} // namespace

void AddWindowMenuItems(HWND window, Language language) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu)
        return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, Id(MenuCommand::English), std::wstring(kEnglishMenuItem).c_str());
    AppendMenuW(menu, MF_STRING, Id(MenuCommand::Hungarian),
                std::wstring(kHungarianMenuItem).c_str());
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, Id(MenuCommand::KeyHistory),
                std::wstring(HistoryCaptionsOf(language).keyHistory).c_str());
    AppendMenuW(menu, MF_STRING, Id(MenuCommand::KeyboardLayouts),
                std::wstring(LayoutsWindowCaptionsOf(language).keyboardLayouts).c_str());
}

void ShowWindowMenuLanguage(HWND window, Language language) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu)
        return;
    CheckMenuRadioItem(
        menu, Id(MenuCommand::English), Id(MenuCommand::Hungarian),
        Id(language == Language::English ? MenuCommand::English : MenuCommand::Hungarian),
        MF_BYCOMMAND);
    ModifyMenuW(menu, Id(MenuCommand::KeyHistory), MF_BYCOMMAND | MF_STRING,
                Id(MenuCommand::KeyHistory),
                std::wstring(HistoryCaptionsOf(language).keyHistory).c_str());
    ModifyMenuW(menu, Id(MenuCommand::KeyboardLayouts), MF_BYCOMMAND | MF_STRING,
                Id(MenuCommand::KeyboardLayouts),
                std::wstring(LayoutsWindowCaptionsOf(language).keyboardLayouts).c_str());
}

MenuCommand MenuCommandOf(WPARAM wp) {
    switch (static_cast<UINT>(wp & 0xFFF0)) {
    case Id(MenuCommand::English):
        return MenuCommand::English;
    case Id(MenuCommand::Hungarian):
        return MenuCommand::Hungarian;
    case Id(MenuCommand::KeyHistory):
        return MenuCommand::KeyHistory;
    case Id(MenuCommand::KeyboardLayouts):
        return MenuCommand::KeyboardLayouts;
    default:
        return MenuCommand::None;
    }
}

} // namespace zintar
