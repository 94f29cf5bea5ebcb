// Which installed layout a loaded layout's handle is, and the marks of the list.
#include "core/keyboard_layout/installed_layouts.h"

#include <gtest/gtest.h>

#include "core/keyboard_layout/layout_image.h"

namespace zintar {
namespace {

const std::vector<RegistryLayout> kRegistry = {
    {L"0000040e", L"KBDHU.DLL", L"Hungarian", L"", L""},
    {L"00000409", L"KBDUS.DLL", L"US", L"", L""},
    {L"00010409", L"KBDDV.DLL", L"United States-Dvorak", L"", L"0002"},
    {L"E0010411", L"kbdjpn.dll", L"Japanese IME", L"imjp.ime", L""},
};

TEST(InstalledLayouts, HandlesNameTheirLayouts) {
    EXPECT_EQ(KlidOfLayoutHandle(0x040E040E, kRegistry), L"0000040E");
    // Hungarian as the language, the US layout as the keyboard.
    EXPECT_EQ(KlidOfLayoutHandle(0x0409040E, kRegistry), L"00000409");
    EXPECT_EQ(KlidOfLayoutHandle(0xF0020409, kRegistry), L"00010409"); // by its Layout Id
    EXPECT_EQ(KlidOfLayoutHandle(0xF0070409, kRegistry), L"");         // no such variant
    EXPECT_EQ(KlidOfLayoutHandle(0xE0010411, kRegistry), L"E0010411");
    // Wine gives a layout of the list the handle its KLID spells.
    const std::vector<RegistryLayout> wine = {{L"a07a040e", L"ztkbdhu.dll", L"Hungarian"}};
    EXPECT_EQ(KlidOfLayoutHandle(0xA07A040E, wine), L"A07A040E");
    EXPECT_EQ(KlidOfLayoutHandle(0xA07A0409, wine), L"0000A07A") << "no entry spells it";
}

TEST(InstalledLayouts, ListMarksLoadedActiveSubstitutesAndInputMethods) {
    const uint32_t loaded[] = {0x040E040E, 0xF0020409, 0x04070407};
    const LayoutSubstitute substitutes[] = {{L"00000409", L"00010409"}};
    const auto list = InstalledLayoutList(kRegistry, loaded, 0xF0020409, substitutes);
    ASSERT_EQ(list.size(), 5u); // German is loaded but not in the registry
    EXPECT_EQ(list[0].klid, L"00000407");
    EXPECT_EQ(list[0].name, L"German");
    EXPECT_TRUE(list[0].loaded);
    EXPECT_EQ(list[0].layoutFile, L"");
    EXPECT_FALSE(list[1].loaded); // US: installed only
    EXPECT_EQ(list[2].klid, L"0000040E");
    EXPECT_TRUE(list[2].loaded && !list[2].active);
    EXPECT_EQ(list[3].klid, L"00010409");
    EXPECT_TRUE(list[3].active);
    EXPECT_EQ(list[3].substituteFor, L"00000409");
    EXPECT_TRUE(list[4].ime);
    EXPECT_FALSE(list[2].ime);
}

TEST(InstalledLayouts, LayoutFilesAreNamesOfTheSystemFolder) {
    for (const wchar_t* name : {L"kbdhu.dll", L"KBDUS.DLL", L"zzfr.dll"})
        EXPECT_TRUE(IsPlainLayoutFileName(name)) << name;
    for (const wchar_t* name :
         {L"", L"..\\kbdhu.dll", L"x\\kbdhu.dll", L"C:kbdhu.dll", L"/tmp/kbd.dll", L"kbd..dll",
          L"kbdhu.dll.", L"kbdhu.dll:x", L"\\\\server\\share\\kbd.dll"})
        EXPECT_FALSE(IsPlainLayoutFileName(name)) << name;
}

} // namespace
} // namespace zintar
