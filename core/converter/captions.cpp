#include "core/converter/captions.h"

#include <array>

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
    .keyHistory = L"Key history",
    .copy = L"Copy",
    .selectAll = L"Select all",
    .clear = L"Clear",
    .copyAsCode = L"Copy as code",
    .everyApi = L"Every API",
    .columns = L"Columns",
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
    .copyAsCode = L"M\u00E1sol\u00E1s k\u00F3dk\u00E9nt",
    .everyApi = L"Minden API",
    .columns = L"Oszlopok",
};

// The key history's texts.
// One text in both languages.
struct Bilingual {
    std::wstring_view english, hungarian;
    constexpr std::wstring_view In(Language language) const {
        return language == Language::English ? english : hungarian;
    }
};

// In the order of HistoryColumn.
constexpr std::array<Bilingual, kHistoryColumnCount> kTitles{{
    {L"Elapsed (ms)", L"Eltelt id\u0151 (ms)"},
    {L"Message", L"\u00DCzenet"},
    {L"Key code", L"Billenty\u0171k\u00F3d"},
    {L"Hex", L"Hexa"},
    {L"Constant", L"Konstans"},
    {L"Scan code", L"Letapogat\u00E1si k\u00F3d"},
    {L"Extended", L"Kiterjesztett"},
    {L"Auto-repeat", L"Automatikus ism\u00E9tl\u00E9s"},
    {L"Repeat count", L"Ism\u00E9tl\u00E9ssz\u00E1m"},
    {L"Side", L"Oldal"},
    {L"Side-specific code", L"Oldalf\u00FCgg\u0151 k\u00F3d"},
    {L"Modifiers", L"M\u00F3dos\u00EDt\u00F3k"},
    {L"Combination", L"Kombin\u00E1ci\u00F3"},
    {L"Character", L"Karakter"},
    {L"ANSI code", L"ANSI k\u00F3d"},
    {L"ANSI hex", L"ANSI hexa"},
    {L"Unicode", L"Unicode"},
    {L"UTF-8", L"UTF-8"},
    {L"DOM code", L"DOM-k\u00F3d"},
    {L"USB usage", L"USB-haszn\u00E1lat"},
    {L"Linux evdev", L"Linux evdev"},
    {L"macOS key code", L"macOS billenty\u0171k\u00F3d"},
    {L"DOM key", L"DOM-billenty\u0171"},
    {L"Delivered", L"K\u00E9zbes\u00EDtve"},
    {L"Injected", L"Injekt\u00E1lt"},
    {L"Device", L"Eszk\u00F6z"},
    {L"Seen by", L"\u00C9szlelte"},
}};

constexpr int kMessageCount = static_cast<int>(KeyMessage::DeadChar) + 1;

// In the order of KeyMessage.
constexpr std::array<Bilingual, kMessageCount> kMessageNames{{
    {L"key down", L"billenty\u0171 le"},
    {L"key up", L"billenty\u0171 fel"},
    {L"system key down", L"rendszerbillenty\u0171 le"},
    {L"system key up", L"rendszerbillenty\u0171 fel"},
    {L"character", L"karakter"},
    {L"dead character", L"holt karakter"},
}};

constexpr Bilingual kYes{L"yes", L"igen"};
constexpr Bilingual kNo{L"no", L"nem"};
constexpr Bilingual kLeft{L"left", L"bal"};
constexpr Bilingual kRight{L"right", L"jobb"};

} // namespace

const Captions& CaptionsOf(Language language) {
    return language == Language::English ? kEnglish : kHungarian;
}

std::wstring VersionText(int major, int minor, int revision) {
    return L"v" + std::to_wstring(major) + L"." + std::to_wstring(minor) + L"." +
           std::to_wstring(revision);
}

} // namespace zintar

namespace zintar {

std::wstring_view HistoryColumnTitle(HistoryColumn column, Language language) {
    const auto i = static_cast<size_t>(column);
    return i < kTitles.size() ? kTitles[i].In(language) : std::wstring_view();
}

std::wstring_view KeyMessageName(KeyMessage message, Language language) {
    const auto i = static_cast<size_t>(message);
    return i < kMessageNames.size() ? kMessageNames[i].In(language) : std::wstring_view();
}

std::wstring_view YesNoText(bool yes, Language language) {
    return (yes ? kYes : kNo).In(language);
}

std::wstring_view SideName(KeySide side, Language language) {
    switch (side) {
    case KeySide::Left:
        return kLeft.In(language);
    case KeySide::Right:
        return kRight.In(language);
    case KeySide::None:
        break;
    }
    return {};
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

namespace zintar {

namespace {

// In the order of DetailRow.
constexpr std::array<Bilingual, kDetailRowCount> kDetailCaptions{{
    {L"Virtual-key code", L"Virtu\u00E1lis billenty\u0171k\u00F3d"},
    {L"Scan code", L"Letapogat\u00E1si k\u00F3d"},
    {L"USB usage", L"USB-haszn\u00E1lat"},
    {L"DOM code", L"DOM-k\u00F3d"},
    {L"Linux evdev", L"Linux evdev"},
    {L"XKB keycode", L"XKB billenty\u0171k\u00F3d"},
    {L"macOS key code", L"macOS billenty\u0171k\u00F3d"},
    {L"SDL scancode", L"SDL letapogat\u00E1si k\u00F3d"},
    {L"WinForms Keys", L"WinForms Keys"},
    {L"WPF Key", L"WPF Key"},
    {L"DOM key", L"DOM-billenty\u0171"},
    {L"Layout", L"Kioszt\u00E1s"},
    {L"Code pages", L"K\u00F3dlapok"},
    {L"Types plain", L"Alap\u00E1ll\u00E1sban"},
    {L"With Shift", L"Shifttel"},
    {L"With AltGr", L"AltGr-rel"},
    {L"With Shift+AltGr", L"Shift+AltGr-rel"},
    {L"With Caps Lock", L"Caps Lockkal"},
    {L"Dead key", L"Holt billenty\u0171"},
    {L"Shortcut", L"Billenty\u0171parancs"},
}};

// In the order of DetailValue.
constexpr std::array<Bilingual, 4> kDetailValues{{
    {L"nothing", L"semmi"},
    {L"(dead)", L"(holt)"},
    {L"a modifier alone", L"csak m\u00F3dos\u00EDt\u00F3"},
    {L"checked once no key is down", L"ellen\u0151rz\u00E9s, ha nincs lenyomott billenty\u0171"},
}};

// In the order of HotkeyAnswer.
constexpr std::array<Bilingual, 4> kHotkeyAnswers{{
    {L"free", L"szabad"},
    {L"taken by another program", L"egy m\u00E1sik program foglalja"},
    {L"reserved by Windows", L"a Windows fenntartja"},
    {L"unknown", L"ismeretlen"},
}};

template <size_t N, typename E>
std::wstring_view Lookup(const std::array<Bilingual, N>& table, E value, Language language) {
    const auto i = static_cast<size_t>(value);
    return i < N ? table[i].In(language) : std::wstring_view();
}

} // namespace

std::wstring_view DetailCaption(DetailRow row, Language language) {
    return Lookup(kDetailCaptions, row, language);
}

std::wstring_view DetailValueText(DetailValue value, Language language) {
    return Lookup(kDetailValues, value, language);
}

std::wstring_view HotkeyAnswerText(HotkeyAnswer answer, Language language) {
    return Lookup(kHotkeyAnswers, answer, language);
}

} // namespace zintar
