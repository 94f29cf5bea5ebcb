#pragma once
// The keyboard layouts window's own words in both languages: its title, which is also the
// main window's menu item and the key details pane's button that open it, the captions
// around its keyboard and its shortcut check, and its menu. The texts of the tables' cells
// and column titles are layout_captions.h's.
#include <array>
#include <string_view>

#include "core/common/language.h"

namespace zintar {

struct LayoutsWindowCaptions {
    std::wstring_view keyboardLayouts;
    std::wstring_view shortcut;      // before the box that takes a combination
    std::wstring_view pressShortcut; // in that box while it holds none
    std::wstring_view heldNow;       // before the count of keys held down
    std::wstring_view deadKey;       // the colour key under the keyboard
    std::wstring_view altGr;
    std::wstring_view noLayoutFile; // an entry whose registry key names no file
    std::wstring_view copy;
};

inline constexpr LayoutsWindowCaptions kLayoutsWindowEnglish{
    .keyboardLayouts = L"Keyboard layouts",
    .shortcut = L"Shortcut:",
    .pressShortcut = L"press a combination here",
    .heldNow = L"held now: ",
    .deadKey = L"dead key",
    .altGr = L"AltGr",
    .noLayoutFile = L"the registry names no layout file for it",
    .copy = L"Copy",
};

inline constexpr LayoutsWindowCaptions kLayoutsWindowHungarian{
    .keyboardLayouts = L"Billenty\u0171zetkioszt\u00E1sok",
    .shortcut = L"Billenty\u0171parancs:",
    .pressShortcut = L"nyomjon le itt egy kombin\u00E1ci\u00F3t",
    .heldNow = L"most lenyomva: ",
    .deadKey = L"holt billenty\u0171",
    .altGr = L"AltGr",
    .noLayoutFile = L"a be\u00E1ll\u00EDt\u00E1sjegyz\u00E9k nem nevez meg hozz\u00E1 "
                    L"kioszt\u00E1sf\u00E1jlt",
    .copy = L"M\u00E1sol\u00E1s",
};

constexpr const LayoutsWindowCaptions& LayoutsWindowCaptionsOf(Language language) {
    return language == Language::English ? kLayoutsWindowEnglish : kLayoutsWindowHungarian;
}

// Every field, for checks that visit each text; the size check keeps the list complete.
inline constexpr std::array kLayoutsWindowCaptionFields{
    &LayoutsWindowCaptions::keyboardLayouts, &LayoutsWindowCaptions::shortcut,
    &LayoutsWindowCaptions::pressShortcut,   &LayoutsWindowCaptions::heldNow,
    &LayoutsWindowCaptions::deadKey,         &LayoutsWindowCaptions::altGr,
    &LayoutsWindowCaptions::noLayoutFile,    &LayoutsWindowCaptions::copy,
};
static_assert(sizeof(LayoutsWindowCaptions) ==
              kLayoutsWindowCaptionFields.size() * sizeof(std::wstring_view));

} // namespace zintar
