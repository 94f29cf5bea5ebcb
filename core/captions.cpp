#include "core/captions.h"

namespace zintar {

namespace {

constexpr Captions kEnglish{
    .title = L"Zintar",
    .character = L"character",
    .characterCode = L"character code",
    .keyCode = L"key code",
    .hex = L"hex",
    .pressedKeys = L"pressed keys",
    .keyHistory = L"Key history",
    .copy = L"Copy",
    .selectAll = L"Select all",
    .clear = L"Clear",
};

constexpr Captions kHungarian{
    .title = L"Zintar",
    .character = L"karakter",
    .characterCode = L"karakter k\u00F3d",
    .keyCode = L"billenty\u0171 k\u00F3d",
    .hex = L"hexa",
    .pressedKeys = L"lenyomott billenty\u0171k",
    .keyHistory = L"Billenty\u0171napl\u00F3",
    .copy = L"M\u00E1sol\u00E1s",
    .selectAll = L"Az \u00F6sszes kijel\u00F6l\u00E9se",
    .clear = L"T\u00F6rl\u00E9s",
};

} // namespace

const Captions& CaptionsOf(Language language) {
    return language == Language::English ? kEnglish : kHungarian;
}

std::wstring VersionText(int major, int minor, int revision) {
    return L"v" + std::to_wstring(major) + L"." + std::to_wstring(minor) + L"." +
           std::to_wstring(revision);
}

} // namespace zintar
