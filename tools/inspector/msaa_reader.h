#pragma once
// Reads a window's MSAA answer from outside its process, as a screen reader does: the
// client object's name, role and value (AccessibleObjectFromWindow, OBJID_CLIENT).
#include <windows.h>
#include <oleacc.h>

#include <string>

namespace inspector {

// Defined here: the one in mingw's oleacc import library makes the call answer E_NOINTERFACE.
inline constexpr IID kIidAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

struct MsaaFacts {
    bool found = false;
    long role = 0;      // ROLE_SYSTEM_*, 0 when the object gave none
    bool named = false; // a name and an empty name differ for a reader
    std::wstring name;
    bool valued = false;
    std::wstring value;
};

inline MsaaFacts ReadMsaa(HWND hwnd) {
    MsaaFacts facts;
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, kIidAccessible,
                                          reinterpret_cast<void**>(&object))) ||
        !object)
        return facts;
    facts.found = true;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (object->get_accName(self, &text) == S_OK && text) {
        facts.named = true;
        facts.name.assign(text, SysStringLen(text));
    }
    SysFreeString(text);
    text = nullptr;
    if (object->get_accValue(self, &text) == S_OK && text) {
        facts.valued = true;
        facts.value.assign(text, SysStringLen(text));
    }
    SysFreeString(text);
    VARIANT role{};
    if (object->get_accRole(self, &role) == S_OK && role.vt == VT_I4)
        facts.role = role.lVal;
    object->Release();
    return facts;
}

// The role as a word, for the scripts: the standard ROLE_SYSTEM_* name without the prefix.
inline std::wstring RoleWord(long role) {
    switch (role) {
    case ROLE_SYSTEM_CLIENT:
        return L"client";
    case ROLE_SYSTEM_LINK:
        return L"link";
    case ROLE_SYSTEM_STATICTEXT:
        return L"text";
    case ROLE_SYSTEM_TEXT:
        return L"editable";
    case ROLE_SYSTEM_PUSHBUTTON:
        return L"button";
    case ROLE_SYSTEM_GRAPHIC:
        return L"graphic";
    case ROLE_SYSTEM_LIST:
        return L"list";
    case ROLE_SYSTEM_WINDOW:
        return L"window";
    default:
        return std::to_wstring(role);
    }
}

} // namespace inspector
