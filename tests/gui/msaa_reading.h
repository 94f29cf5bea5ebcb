#pragma once
// A control as a screen reader reads it through oleacc: its name, value and role.
#include <windows.h>
#include <oleacc.h>

#include <string>

namespace zintar::test {

constexpr IID kIidAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

struct Reading {
    std::wstring name, value;
    long role = -1;
};

inline std::wstring Take(BSTR text) {
    std::wstring taken = text ? text : L"";
    SysFreeString(text);
    return taken;
}

inline Reading Read(HWND control) {
    Reading r;
    const HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
    const auto fromWindow = reinterpret_cast<decltype(&AccessibleObjectFromWindow)>(
        reinterpret_cast<void*>(GetProcAddress(oleacc, "AccessibleObjectFromWindow")));
    IAccessible* object = nullptr;
    if (!fromWindow || FAILED(fromWindow(control, OBJID_CLIENT, kIidAccessible,
                                         reinterpret_cast<void**>(&object))))
        return r;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (object->get_accName(self, &text) == S_OK)
        r.name = Take(text);
    text = nullptr;
    if (object->get_accValue(self, &text) == S_OK)
        r.value = Take(text);
    VARIANT role{};
    if (object->get_accRole(self, &role) == S_OK && role.vt == VT_I4)
        r.role = role.lVal;
    object->Release();
    return r;
}

} // namespace zintar::test
