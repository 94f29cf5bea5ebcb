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
    const Captions& hu = CaptionsOf(Language::Hungarian);
    EXPECT_EQ(hu.title, L"Zintar");
    EXPECT_EQ(hu.character, L"karakter");
    EXPECT_EQ(hu.characterCode, L"karakter k\u00F3d");
    EXPECT_EQ(hu.keyCode, L"billenty\u0171 k\u00F3d");
    EXPECT_EQ(hu.hex, L"hexa");
    EXPECT_EQ(hu.pressedKeys, L"lenyomott billenty\u0171k");
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
