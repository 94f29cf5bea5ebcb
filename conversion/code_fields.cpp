// The four code boxes: read-outs that are also input fields. A key-press filter lets only
// digits through; a change handler reads the text into the conversion state and refreshes.
#include <algorithm>
#include <cwchar>
#include <string_view>

#include "app/frmZintar.h"
#include "conversion/typed_codes.h"

namespace zintar {

namespace {

constexpr std::wstring_view kDecimalDigits = L"0123456789";
constexpr std::wstring_view kHexDigits = L"0123456789ABCDEFabcdef";
constexpr short kBackspace = 8;
constexpr double kLargestCode = 255;

// Digits (exact comparison, so both cases of A to F are listed) and backspace pass; every
// other character, control characters included, is cancelled.
void FilterKeyPress(short& KeyAscii, std::wstring_view allowed) {
    if (KeyAscii == kBackspace)
        return;
    if (KeyAscii > 0 && allowed.find(static_cast<wchar_t>(KeyAscii)) != std::wstring_view::npos)
        return;
    KeyAscii = 0;
}

// The filter cancels the control characters that an edit box copies and pastes on, so the
// code boxes run their clipboard keys themselves, at key-down, before any key-press.
struct ClipboardKey {
    short keyCode;
    short shift;
    UINT message;
    WPARAM wp;
    LPARAM lp;
};
constexpr short kShift = 1, kCtrl = 2;
constexpr ClipboardKey kClipboardKeys[] = {
    {'C', kCtrl, WM_COPY, 0, 0},    {VK_INSERT, kCtrl, WM_COPY, 0, 0},
    {'X', kCtrl, WM_CUT, 0, 0},     {VK_DELETE, kShift, WM_CUT, 0, 0},
    {'V', kCtrl, WM_PASTE, 0, 0},   {VK_INSERT, kShift, WM_PASTE, 0, 0},
    {'A', kCtrl, EM_SETSEL, 0, -1}, {'Z', kCtrl, WM_UNDO, 0, 0},
};

} // namespace

bool frmZintar::CodeBox_KeyDown(Ctl id, short keyCode, short shift) {
    for (const ClipboardKey& key : kClipboardKeys) {
        if (key.keyCode == keyCode && key.shift == shift) {
            SendMessageW(control(id), key.message, key.wp, key.lp);
            return true;
        }
    }
    return false;
}

// A pasted code is taken whole. The box's own paste would stop at the box's length and show
// a longer code as a plainly wrong shorter one (1234 as 123, 12.5 as 12.); whole, it is read
// by the rules for text that did not pass the filter: 1234 becomes 255, 12.5 is stored as 12
// and stays in the box. Like any one-line box, only the first line of the clipboard counts.
void frmZintar::PasteIntoCodeBox(Ctl box) {
    std::wstring pasted;
    if (!OpenClipboard(control(box)))
        return;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            pasted.assign(text, wcsnlen(text, GlobalSize(data) / sizeof(wchar_t)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    pasted = pasted.substr(0, pasted.find_first_of(L"\r\n"));

    DWORD start = 0, end = 0;
    SendMessageW(control(box), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    std::wstring text = Text(box);
    start = std::min<DWORD>(start, static_cast<DWORD>(text.size()));
    end = std::clamp<DWORD>(end, start, static_cast<DWORD>(text.size()));
    text.replace(start, end - start, pasted);
    SetText(box, text); // raises the change: the handler reads the whole text
    const size_t caret = std::min(start + pasted.size(), Text(box).size());
    SetCaret(box, static_cast<int>(caret));
}

void frmZintar::Tcc_KeyPress(short& KeyAscii) {
    FilterKeyPress(KeyAscii, kDecimalDigits);
}
void frmZintar::Thex_KeyPress(short& KeyAscii) {
    FilterKeyPress(KeyAscii, kHexDigits);
}
void frmZintar::Tcode_dec_KeyPress(short& KeyAscii) {
    FilterKeyPress(KeyAscii, kDecimalDigits);
}
void frmZintar::Tcode_hex_KeyPress(short& KeyAscii) {
    FilterKeyPress(KeyAscii, kHexDigits);
}

void frmZintar::Tcc_Change() {
    DecimalBoxChange(Ctl::Tcc, iChar, iKey, L"char_dec");
}
void frmZintar::Thex_Change() {
    HexBoxChange(Ctl::Thex, iChar, iKey, L"char_hex");
}
void frmZintar::Tcode_dec_Change() {
    DecimalBoxChange(Ctl::Tcode_dec, iKey, iChar, L"key_dec");
}
void frmZintar::Tcode_hex_Change() {
    HexBoxChange(Ctl::Tcode_hex, iKey, iChar, L"key_hex");
}

void frmZintar::DecimalBoxChange(Ctl box, short& code, short& otherCode, const wchar_t* tag) {
    if (!bEvents)
        return;
    // Tested unrounded: 255.4 is replaced, 254.6 stays in the box and is stored as 255.
    if (TextValue(Text(box)) > kLargestCode) {
        // bEvents is still true, so this write runs the handler once more, inside this
        // call, on "255": it stores 255 and refreshes. Then the caret goes behind the digits.
        SetText(box, L"255");
        SetCaret(box, 3);
    }
    code = RoundToInteger(TextValue(Text(box)));
    otherCode = -1;
    iShift = 0;
    fDisplay(tag);
}

void frmZintar::HexBoxChange(Ctl box, short& code, short& otherCode, const wchar_t* tag) {
    if (!bEvents)
        return;
    code = HexToByte(Text(box));
    otherCode = -1;
    iShift = 0;
    fDisplay(tag);
}

} // namespace zintar
