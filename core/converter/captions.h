#pragma once
// The texts of the main window that follow the language.
#include <array>
#include <string>
#include <string_view>

#include "core/common/language.h"
#include "core/converter/controls.h"
#include "core/key_history/history_captions.h"

namespace zintar {

struct MainWindowCaptions {
    std::wstring_view title; // also the window's title
    std::wstring_view character;
    std::wstring_view characterCode;
    std::wstring_view keyCode;
    std::wstring_view hex;
    std::wstring_view pressedKeys;
};

// The main window's captions, and the key history's title and commands (its own texts, in
// core/key_history/history_captions.h): the window menu opens the key history by its title.
struct Captions : MainWindowCaptions, HistoryCaptions {};

const Captions& CaptionsOf(Language language);

// Every field of the main window's own captions, for checks that visit each text; the size
// check keeps the list complete.
inline constexpr std::array kMainWindowCaptionFields{
    &MainWindowCaptions::title,         &MainWindowCaptions::character,
    &MainWindowCaptions::characterCode, &MainWindowCaptions::keyCode,
    &MainWindowCaptions::hex,           &MainWindowCaptions::pressedKeys,
};
static_assert(sizeof(MainWindowCaptions) ==
              kMainWindowCaptionFields.size() * sizeof(std::wstring_view));

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

// "v1.2.1": each number in plain decimal.
std::wstring VersionText(int major, int minor, int revision);

} // namespace zintar
