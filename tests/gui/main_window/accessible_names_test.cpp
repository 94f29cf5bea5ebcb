// The window's controls as a screen reader reads them through oleacc: names that follow the
// language, the flags as buttons, the read-out's value after a key.
#include "tests/gui/form_fixture.h"

#include <oleacc.h>

namespace zintar::test {
namespace {

constexpr IID kIidAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

struct Reading {
    std::wstring name, value;
    long role = -1;
};

std::wstring Take(BSTR text) {
    std::wstring taken = text ? text : L"";
    SysFreeString(text);
    return taken;
}

Reading Read(HWND control) {
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

using AccessibleNames = FormFixture;

TEST_F(AccessibleNames, FollowTheLanguageAndTheReadOuts) {
    EXPECT_EQ(Read(Window(Control::KeyHexBox)).name, L"key code, hex");
    EXPECT_EQ(Read(Window(Control::HungarianFlag)).name, L"Magyar");
    EXPECT_EQ(Read(Window(Control::HungarianFlag)).role, ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(Read(Window(Control::HomepageLink)).role, ROLE_SYSTEM_LINK);

    SendMessageW(Window(Control::HungarianFlagLit), WM_LBUTTONDOWN, 0, MAKELPARAM(2, 2));
    SendMessageW(Window(Control::HungarianFlagLit), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(Read(Window(Control::KeyHexBox)).name, L"billenty\u0171 k\u00F3d, hexa");
    EXPECT_EQ(Read(Window(Control::CombinationReadOut)).name, L"lenyomott billenty\u0171k");

    TypeKey(Control::CaptureBox, 'A', L'A', kShift);
    const Reading readOut = Read(Window(Control::CombinationReadOut));
    EXPECT_EQ(readOut.value, Text(Control::CombinationReadOut));
    EXPECT_FALSE(readOut.value.empty());
}

} // namespace
} // namespace zintar::test
