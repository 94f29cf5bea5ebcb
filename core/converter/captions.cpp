#include "core/converter/captions.h"

#include "core/converter/homepage.h"

namespace zintar {

namespace {

constexpr Captions kEnglish{
    .title = L"Zintar",
    .character = L"character",
    .characterCode = L"character code",
    .keyCode = L"key code",
    .hex = L"hex",
    .pressedKeys = L"pressed keys",
};

constexpr Captions kHungarian{
    .title = L"Zintar",
    .character = L"karakter",
    .characterCode = L"karakter k\u00F3d",
    .keyCode = L"billenty\u0171 k\u00F3d",
    .hex = L"hexa",
    .pressedKeys = L"lenyomott billenty\u0171k",
};

} // namespace

const Captions& CaptionsOf(Language language) {
    return language == Language::English ? kEnglish : kHungarian;
}

std::wstring VersionText(int major, int minor, int revision) {
    return L"v" + std::to_wstring(major) + L"." + std::to_wstring(minor) + L"." +
           std::to_wstring(revision);
}

std::wstring AccessibleName(Control control, Language language) {
    const Captions& c = CaptionsOf(language);
    const auto withHex = [&](std::wstring_view row) {
        return std::wstring(row) + L", " + std::wstring(c.hex);
    };
    switch (control) {
    case Control::CaptureBox:
        return std::wstring(c.character);
    case Control::CharCodeBox:
        return std::wstring(c.characterCode);
    case Control::CharHexBox:
        return withHex(c.characterCode);
    case Control::KeyCodeBox:
        return std::wstring(c.keyCode);
    case Control::KeyHexBox:
        return withHex(c.keyCode);
    case Control::ModifiersReadOut:
        return std::wstring(kModifiersCaption);
    case Control::CombinationReadOut:
        return std::wstring(c.pressedKeys);
    case Control::EnglishFlag:
    case Control::EnglishFlagLit:
        return std::wstring(kEnglishMenuItem);
    case Control::HungarianFlag:
    case Control::HungarianFlagLit:
        return std::wstring(kHungarianMenuItem);
    case Control::HomepageLink:
        return kHomepageHost;
    default:
        return {};
    }
}

} // namespace zintar
