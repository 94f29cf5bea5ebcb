// The window's controls as a screen reader reads them through oleacc: names that follow the
// language, the flags as buttons, the read-out's value after a key.
#include "tests/gui/form_fixture.h"
#include "tests/gui/msaa_reading.h"

namespace zintar::test {
namespace {

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
