#include "core/captions.h"

#include <gtest/gtest.h>

namespace zintar {
namespace {

TEST(Captions, BothLanguages) {
    const Captions& en = CaptionsOf(Language::English);
    EXPECT_EQ(en.title, L"Zintar");
    EXPECT_EQ(en.character, L"character");
    EXPECT_EQ(en.characterCode, L"character code");
    EXPECT_EQ(en.keyCode, L"key code");
    EXPECT_EQ(en.hex, L"hex");
    EXPECT_EQ(en.pressedKeys, L"pressed keys");
    EXPECT_EQ(en.keyHistory, L"Key history");
    EXPECT_EQ(en.copy, L"Copy");
    EXPECT_EQ(en.selectAll, L"Select all");
    EXPECT_EQ(en.clear, L"Clear");
    const Captions& hu = CaptionsOf(Language::Hungarian);
    EXPECT_EQ(hu.title, L"Zintar");
    EXPECT_EQ(hu.character, L"karakter");
    EXPECT_EQ(hu.characterCode, L"karakter k\u00F3d");
    EXPECT_EQ(hu.keyCode, L"billenty\u0171 k\u00F3d");
    EXPECT_EQ(hu.hex, L"hexa");
    EXPECT_EQ(hu.pressedKeys, L"lenyomott billenty\u0171k");
    EXPECT_EQ(hu.keyHistory, L"Billenty\u0171napl\u00F3");
    EXPECT_EQ(hu.copy, L"M\u00E1sol\u00E1s");
    EXPECT_EQ(hu.selectAll, L"Az \u00F6sszes kijel\u00F6l\u00E9se");
    EXPECT_EQ(hu.clear, L"T\u00F6rl\u00E9s");
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
