#include "core/converter/captions.h"

#include <gtest/gtest.h>

#include <array>

namespace zintar {
namespace {

// Every caption of a set, in one order, so the two sets can be compared field by field.
std::array<std::wstring_view, 10> All(const Captions& c) {
    return {c.title,       c.character,  c.characterCode, c.keyCode,   c.hex,
            c.pressedKeys, c.keyHistory, c.copy,          c.selectAll, c.clear};
}

TEST(Captions, EveryCaptionIsSetAndOnlyTheProgramsNameIsTheSameInBothLanguages) {
    const auto en = All(CaptionsOf(Language::English));
    const auto hu = All(CaptionsOf(Language::Hungarian));
    EXPECT_EQ(en[0], L"Zintar");
    EXPECT_EQ(hu[0], L"Zintar");
    for (size_t i = 0; i < en.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(en[i].empty());
        EXPECT_FALSE(hu[i].empty());
        if (i > 0)
            EXPECT_NE(en[i], hu[i]);
    }
    // Hungarian needs the double-acute letter, which no Western code page has: the texts must
    // reach the controls as UTF-16, not through a code page.
    EXPECT_NE(hu[3].find(L'\u0171'), std::wstring_view::npos) << "billenty\u0171";
}

TEST(Captions, AnyNonzeroCodeIsEnglish) {
    for (int code : {1, 5, -1, 65535})
        EXPECT_EQ(LanguageOfCode(code), Language::English) << code;
    EXPECT_EQ(LanguageOfCode(0), Language::Hungarian);
    EXPECT_EQ(CodeOfLanguage(Language::English), 1);
    EXPECT_EQ(CodeOfLanguage(Language::Hungarian), 0);
}

TEST(Captions, VersionTextHasNoPadding) {
    EXPECT_EQ(VersionText(1, 2, 1), L"v1.2.1");
    EXPECT_EQ(VersionText(10, 0, 300), L"v10.0.300");
}

} // namespace
} // namespace zintar

namespace zintar {
namespace {

// A screen reader tells the boxes apart by these names alone: the hex boxes need their rows.
TEST(Captions, AccessibleNamesComeFromTheCaptionsOfEitherLanguage) {
    struct Case {
        Control control;
        const wchar_t* english;
        const wchar_t* hungarian;
    };
    const Case cases[] = {
        {Control::CaptureBox, L"character", L"karakter"},
        {Control::CharCodeBox, L"character code", L"karakter k\u00F3d"},
        {Control::CharHexBox, L"character code, hex", L"karakter k\u00F3d, hexa"},
        {Control::KeyCodeBox, L"key code", L"billenty\u0171 k\u00F3d"},
        {Control::KeyHexBox, L"key code, hex", L"billenty\u0171 k\u00F3d, hexa"},
        {Control::CombinationReadOut, L"pressed keys", L"lenyomott billenty\u0171k"},
        // The flags keep their own languages' names.
        {Control::EnglishFlag, L"English", L"English"},
        {Control::HungarianFlagLit, L"Magyar", L"Magyar"},
        {Control::HomepageLink, L"morvaly.example", L"morvaly.example"},
        {Control::HeaderBand, L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AccessibleName(c.control, Language::English), c.english) << c.english;
        EXPECT_EQ(AccessibleName(c.control, Language::Hungarian), c.hungarian) << c.hungarian;
    }
}

} // namespace
} // namespace zintar
