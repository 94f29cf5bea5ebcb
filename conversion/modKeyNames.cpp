#include "conversion/modKeyNames.h"

namespace zintar {

std::array<std::wstring, kKeyCodeCount> KeyNames;
std::array<std::wstring, kShiftMaskCount> ShiftNames;

namespace {

// Codes whose names run in step with the code: "0".."9", "A".."Z", "Numpad 0".., "F1"..
void NameRun(int firstCode, int lastCode, const std::wstring& prefix, wchar_t firstChar) {
    for (int code = firstCode; code <= lastCode; ++code)
        KeyNames[code] = prefix + static_cast<wchar_t>(firstChar + (code - firstCode));
}

void NameFunctionKeys() {
    for (int n = 1; n <= 12; ++n)
        KeyNames[111 + n] = L"F" + std::to_wstring(n);
}

} // namespace

void InitKeyNames() {
    // The words of a combination always stand in the order Ctrl, Alt, Shift.
    ShiftNames[1] = L"Shift";
    ShiftNames[2] = L"Ctrl";
    ShiftNames[3] = L"Ctrl + Shift";
    ShiftNames[4] = L"Alt";
    ShiftNames[5] = L"Alt + Shift";
    ShiftNames[6] = L"Ctrl + Alt";
    ShiftNames[7] = L"Ctrl + Alt + Shift";

    KeyNames[8] = L"Backspace";
    KeyNames[12] = L"Numpad middle";
    KeyNames[13] = L"Enter";
    KeyNames[16] = L"Shift";
    KeyNames[17] = L"Ctrl";
    KeyNames[18] = L"Alt";
    KeyNames[19] = L"Pause / Break";
    KeyNames[20] = L"Caps Lock";
    KeyNames[27] = L"Escape";
    KeyNames[32] = L"Space";
    KeyNames[33] = L"Page Up";
    KeyNames[34] = L"Page Down";
    KeyNames[35] = L"End";
    KeyNames[36] = L"Home";
    KeyNames[37] = L"Left Arrow";
    KeyNames[38] = L"Up Arrow";
    KeyNames[39] = L"Right Arrow";
    KeyNames[40] = L"Down Arrow";
    KeyNames[45] = L"Insert";
    KeyNames[46] = L"Delete";
    NameRun(48, 57, L"", L'0');
    NameRun(65, 90, L"", L'A');
    KeyNames[91] = L"Left MS Key";
    KeyNames[92] = L"Right MS Key";
    KeyNames[93] = L"Context Menu Key";
    KeyNames[95] = L"Sleep (Hibernate)";
    NameRun(96, 105, L"Numpad ", L'0');
    KeyNames[106] = L"Numpad *";
    KeyNames[107] = L"Numpad +";
    KeyNames[109] = L"Numpad -";
    KeyNames[110] = L"Numpad .";
    KeyNames[111] = L"Numpad /";
    NameFunctionKeys();
    KeyNames[144] = L"Num Lock";
    KeyNames[145] = L"Scroll Lock";
    KeyNames[186] = L"; :";
    KeyNames[187] = L"= +";
    KeyNames[188] = L", <";
    KeyNames[189] = L"- _";
    KeyNames[190] = L". >";
    KeyNames[191] = L"/ ?";
    KeyNames[192] = L"~";
    KeyNames[219] = L"[ {";
    KeyNames[220] = L"\\ |";
    KeyNames[221] = L"] }";
    KeyNames[222] = std::wstring(L"' ") + static_cast<wchar_t>(34);
    KeyNames[226] = L"\\ |";
    KeyNames[255] = L"Wake Up";
}

} // namespace zintar
