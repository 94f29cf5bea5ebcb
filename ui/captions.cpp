// The two caption sets, and the choice between them from the flags or the window menu.
#include "app/frmZintar.h"
#include "settings/language_setting.h"

namespace zintar {

namespace {

struct CaptionSet {
    const wchar_t* title;
    const wchar_t* character;
    const wchar_t* characterCode;
    const wchar_t* keyCode;
    const wchar_t* hex;
    const wchar_t* pressedKeys;
};

constexpr CaptionSet kEnglish{L"Zintar",   L"character", L"character code",
                              L"key code", L"hex",       L"pressed keys"};
constexpr CaptionSet kHungarian{L"Zintar",
                                L"karakter",
                                L"karakter k\u00F3d",
                                L"billenty\u0171 k\u00F3d",
                                L"hexa",
                                L"lenyomott billenty\u0171k"};

// Window-menu commands; the system keeps the low four bits of a menu command for itself.
constexpr UINT kMenuEnglish = 0x0010;
constexpr UINT kMenuHungarian = 0x0020;

} // namespace

void frmZintar::SetLanguage(short language) {
    const CaptionSet& c = language != 0 ? kEnglish : kHungarian;
    SetCaption(Ctl::lblTitle, c.title);
    SetCaption(Ctl::lblChar, c.character);
    SetCaption(Ctl::lblCharCode, c.characterCode);
    SetCaption(Ctl::lblZintar, c.keyCode);
    SetCaption(Ctl::lblHex, c.hex);
    SetCaption(Ctl::lblKeys, c.pressedKeys);
    SetWindowTextW(hwnd_, Text(Ctl::lblTitle).c_str());
    if (HMENU menu = GetSystemMenu(hwnd_, FALSE))
        CheckMenuRadioItem(menu, kMenuEnglish, kMenuHungarian,
                           language != 0 ? kMenuEnglish : kMenuHungarian, MF_BYCOMMAND);
}

// A failed store is not reported: the captions switch anyway.
void frmZintar::imgLangEng_hl_Click() {
    SaveLanguage(kLanguageEnglish, *platform_.registry);
    SetLanguage(kLanguageEnglish);
}

void frmZintar::imgLangHUN_hl_Click() {
    SaveLanguage(kLanguageHungarian, *platform_.registry);
    SetLanguage(kLanguageHungarian);
}

// The flags answer only a pointer that lit them first; the window menu (Alt+Space) gives
// keyboard users the same two choices.
void frmZintar::AddLanguageMenu() {
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    if (!menu)
        return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kMenuEnglish, L"English");
    AppendMenuW(menu, MF_STRING, kMenuHungarian, L"Magyar");
}

bool frmZintar::OnSystemMenuCommand(UINT command) {
    switch (command) {
    case kMenuEnglish:
        imgLangEng_hl_Click();
        return true;
    case kMenuHungarian:
        imgLangHUN_hl_Click();
        return true;
    default:
        return false;
    }
}

} // namespace zintar
