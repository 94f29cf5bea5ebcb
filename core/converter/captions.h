#pragma once
// The texts of the window that follow the language.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/converter/controls.h"
#include "core/key_history/history_columns.h"
#include "core/common/hotkey.h"
#include "core/key_history/key_details.h"
#include "core/key_history/key_event.h"
#include "core/common/language.h"

namespace zintar {

struct Captions {
    std::wstring_view title; // also the window's title
    std::wstring_view character;
    std::wstring_view characterCode;
    std::wstring_view keyCode;
    std::wstring_view hex;
    std::wstring_view pressedKeys;
    // The key history window: its title, which is also its item in the window menu, and the
    // commands of its list's menu.
    std::wstring_view keyHistory;
    std::wstring_view copy;
    std::wstring_view selectAll;
    std::wstring_view clear;
    // Copy as code: the submenu, the pane's button and the submenu's item for every API;
    // the header's menu of the columns.
    std::wstring_view copyAsCode;
    std::wstring_view everyApi;
    std::wstring_view columns;
};

const Captions& CaptionsOf(Language language);

// The modifiers' caption reads the same in both languages.
constexpr std::wstring_view kModifiersCaption = L"shift";

// The names of the two languages in the window menu, each in its own language.
constexpr std::wstring_view kEnglishMenuItem = L"English";
constexpr std::wstring_view kHungarianMenuItem = L"Magyar";

// What a screen reader calls a control, in the language: each box and read-out by the caption
// the user sees for it, the two hex boxes by their row's caption too (both captions say
// "hex"), each flag by its own language whatever the window's, the link by its address's
// host. Empty for a control that needs no name of its own.
std::wstring AccessibleName(Control control, Language language);

// The key history's texts: column titles, message names, yes / no and the sides of a
// modifier key. Empty for a value outside its enumeration.
std::wstring_view HistoryColumnTitle(HistoryColumn column, Language language);
std::wstring_view KeyMessageName(KeyMessage message, Language language);
std::wstring_view YesNoText(bool yes, Language language);
std::wstring_view SideName(KeySide side, Language language);

// The key details pane: each row's caption, and the texts its values share.
enum class DetailValue : uint8_t { Nothing, Dead, ModifierAlone, ProbeWaits };
std::wstring_view DetailCaption(DetailRow row, Language language);
std::wstring_view DetailValueText(DetailValue value, Language language);
std::wstring_view HotkeyAnswerText(HotkeyAnswer answer, Language language);

// "v1.2.1": each number in plain decimal.
std::wstring VersionText(int major, int minor, int revision);

} // namespace zintar
