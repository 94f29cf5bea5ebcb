#pragma once
// The texts of the main window that follow the language.
#include <array>
#include <string>
#include <string_view>

#include "core/common/language.h"
#include "core/converter/controls.h"

namespace zintar {

struct Captions {
    std::wstring_view title; // also the window's title
    std::wstring_view character;
    std::wstring_view characterCode;
    std::wstring_view keyCode;
    std::wstring_view hex;
    std::wstring_view pressedKeys;
};

const Captions& CaptionsOf(Language language);

// Every field of the main window's own captions, for checks that visit each text; the size
// check keeps the list complete.
inline constexpr std::array kMainWindowCaptionFields{
    &Captions::title,   &Captions::character, &Captions::characterCode,
    &Captions::keyCode, &Captions::hex,       &Captions::pressedKeys,
};
static_assert(sizeof(Captions) == kMainWindowCaptionFields.size() * sizeof(std::wstring_view));

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
