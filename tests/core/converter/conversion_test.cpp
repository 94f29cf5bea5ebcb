#include "core/converter/box_table.h"
#include "core/converter/conversion.h"

#include <map>
#include <string>

#include <gtest/gtest.h>

namespace zintar {
namespace {

// Windows-1252 as far as the tests need it: the characters 0 to 255 of Latin-1.
class Latin1 : public CharacterSet {
  public:
    std::wstring CharacterOf(int16_t code) const override {
        return std::wstring(1, static_cast<wchar_t>(code));
    }
};

// The read-outs that a refresh writes, by name; a read-out it leaves alone is absent.
using Shown = std::map<ReadOut, std::wstring>;

Shown Show(const Codes& codes, Source source) {
    const ReadOutTexts texts = Refresh(codes, source, Latin1{});
    Shown shown;
    for (int i = 0; i < kReadOutCount; ++i)
        if (texts[static_cast<size_t>(i)])
            shown[static_cast<ReadOut>(i)] = *texts[static_cast<size_t>(i)];
    return shown;
}

using enum ReadOut;

TEST(Conversion, ShiftThenAThenItsCharacter) {
    Conversion c;
    c.KeyDown(16, 1);
    EXPECT_EQ(Show(c.codes(), Source::Key), (Shown{{Modifiers, L"1"},
                                                   {KeyDec, L"16"},
                                                   {KeyHex, L"10"},
                                                   {KeyName, L"Shift"},
                                                   {CharDec, L""},
                                                   {CharHex, L""},
                                                   {Character, L""}}));
    c.KeyDown(65, 1);
    c.KeyPress(65);
    EXPECT_EQ(Show(c.codes(), Source::Char), (Shown{{Modifiers, L"1"},
                                                    {KeyDec, L"65"},
                                                    {KeyHex, L"41"},
                                                    {KeyName, L"Shift + A"},
                                                    {CharDec, L"65"},
                                                    {CharHex, L"41"},
                                                    {Character, L"A"}}));
}

TEST(Conversion, AKeyDownClearsTheCharacterOfTheKeyBefore) {
    Conversion c;
    c.KeyDown(65, 0);
    c.KeyPress(97);
    c.KeyDown(116, 0);
    const Shown shown = Show(c.codes(), Source::Key);
    EXPECT_EQ(shown.at(KeyName), L"F5");
    EXPECT_EQ(shown.at(KeyDec), L"116");
    EXPECT_EQ(shown.at(KeyHex), L"74");
    EXPECT_EQ(shown.at(Character), L"");
    EXPECT_EQ(shown.at(CharDec), L"");
}

TEST(Conversion, ACharacterWithoutCodeShowsNoCharacter) {
    Conversion c;
    c.KeyDown(219, 0);
    c.KeyPress(-1); // typed, but the code page cannot write it
    const Shown shown = Show(c.codes(), Source::Char);
    EXPECT_EQ(shown.at(KeyName), L"[ {");
    EXPECT_EQ(shown.at(CharDec), L"");
    EXPECT_EQ(shown.at(Character), L"");
}

TEST(Conversion, KeyCodesAndMasksStayInRange) {
    Conversion c;
    c.KeyDown(0x1FF, 0xF);
    EXPECT_EQ(c.codes().key, 0xFF);
    EXPECT_EQ(c.codes().modifiers, 7);
    c.Entered(CodeBox::KeyDec, 999);
    EXPECT_EQ(c.codes().key, 255);
}

TEST(Conversion, TheSourceBoxKeepsItsTextOthersAreRewritten) {
    struct Case {
        CodeBox box;
        int16_t code;
        Shown shown;
    };
    const Case cases[] = {
        {CodeBox::KeyHex,
         27,
         {{Modifiers, L"0"},
          {KeyDec, L"27"},
          {KeyName, L"Escape"},
          {CharDec, L""},
          {CharHex, L""},
          {Character, L""}}},
        {CodeBox::KeyDec,
         65,
         {{Modifiers, L"0"},
          {KeyHex, L"41"},
          {KeyName, L"A"},
          {CharDec, L""},
          {CharHex, L""},
          {Character, L""}}},
        // The emptied key box: code 0, no name, the box itself untouched.
        {CodeBox::KeyDec,
         0,
         {{Modifiers, L"0"},
          {KeyHex, L"00"},
          {KeyName, L""},
          {CharDec, L""},
          {CharHex, L""},
          {Character, L""}}},
        {CodeBox::CharHex,
         74,
         {{Modifiers, L"0"},
          {KeyDec, L""},
          {KeyHex, L""},
          {KeyName, L""},
          {CharDec, L"74"},
          {Character, L"J"}}},
        {CodeBox::CharDec,
         10,
         {{Modifiers, L"0"},
          {KeyDec, L""},
          {KeyHex, L""},
          {KeyName, L""},
          {CharHex, L"0A"},
          {Character, L"\n"}}},
        // A negative code clears its own box too.
        {CodeBox::CharDec,
         -5,
         {{Modifiers, L"0"},
          {KeyDec, L""},
          {KeyHex, L""},
          {KeyName, L""},
          {CharDec, L""},
          {CharHex, L""},
          {Character, L""}}},
        {CodeBox::KeyHex,
         -1,
         {{Modifiers, L"0"},
          {KeyDec, L""},
          {KeyHex, L""},
          {KeyName, L""},
          {CharDec, L""},
          {CharHex, L""},
          {Character, L""}}},
    };
    for (const Case& k : cases) {
        Conversion c;
        c.KeyDown(17, 2); // an entry forgets the modifiers of an earlier key
        c.Entered(k.box, k.code);
        EXPECT_EQ(Show(c.codes(), RowOf(k.box).source), k.shown)
            << static_cast<int>(k.box) << " " << k.code;
    }
}

TEST(Conversion, AnUnnamedKeyWithCtrlEndsInTheJoint) {
    Conversion c;
    c.KeyDown(44, 2);
    EXPECT_EQ(Show(c.codes(), Source::Key).at(KeyName), L"Ctrl + ");
    c.KeyDown(44, 0);
    EXPECT_EQ(Show(c.codes(), Source::Key).at(KeyName), L"");
}

} // namespace
} // namespace zintar
