#include "core/converter/code_box.h"

#include <string>

#include <gtest/gtest.h>

namespace zintar {
namespace {

TEST(TypingFilter, DigitsAndBackspacePassPerBox) {
    for (CodeBox box : {CodeBox::CharDec, CodeBox::KeyDec}) {
        for (int c : {int{'0'}, int{'5'}, int{'9'}, 8})
            EXPECT_TRUE(PassesTypingFilter(box, c)) << c;
        for (int c : {int{'a'}, int{'A'}, int{'f'}, int{'-'}, int{'.'}, int{' '}, 13, 22, 0, -1,
                      255, '0' + 256})
            EXPECT_FALSE(PassesTypingFilter(box, c)) << c;
    }
    for (CodeBox box : {CodeBox::CharHex, CodeBox::KeyHex}) {
        for (int c : {int{'0'}, int{'9'}, int{'a'}, int{'f'}, int{'A'}, int{'F'}, 8})
            EXPECT_TRUE(PassesTypingFilter(box, c)) << c;
        for (int c : {int{'g'}, int{'G'}, int{'x'}, int{'-'}, 3, 0, 0xC1})
            EXPECT_FALSE(PassesTypingFilter(box, c)) << c;
    }
}

struct BoxCase {
    CodeBox box;
    std::wstring text;
    std::wstring held;
    int code;
};

void ExpectEntries(const std::vector<BoxCase>& cases) {
    for (const BoxCase& c : cases) {
        const BoxEntry entry = ReadBoxText(c.box, c.text);
        EXPECT_EQ(entry.text, c.held) << static_cast<int>(c.box) << " '" << c.text.size() << "'";
        EXPECT_EQ(entry.code, c.code) << static_cast<int>(c.box) << " " << c.text.size();
    }
}

TEST(ReadBoxText, TypedTextStaysAsTyped) {
    ExpectEntries({
        {CodeBox::CharDec, L"", L"", 0}, // the emptied box stands for 0
        {CodeBox::CharDec, L"6", L"6", 6},
        {CodeBox::KeyDec, L"065", L"065", 65},
        {CodeBox::CharDec, L"255", L"255", 255},
        {CodeBox::CharHex, L"0a", L"0a", 10},
        {CodeBox::KeyHex, L"1b", L"1b", 27},
        {CodeBox::KeyHex, L"F", L"F", 15},
        {CodeBox::CharHex, L"", L"", 0},
    });
}

TEST(ReadBoxText, DecimalAbove255Becomes255) {
    ExpectEntries({
        {CodeBox::CharDec, L"300", L"255", 255},
        {CodeBox::KeyDec, L"999", L"255", 255},
        {CodeBox::CharDec, L"256", L"255", 255},
        {CodeBox::CharDec, L"255.4", L"255", 255}, // tested before rounding
        {CodeBox::CharDec, L"254.6", L"255", 255}, // rounded, not clamped
        {CodeBox::CharDec, L"1234", L"255", 255},
        {CodeBox::KeyDec, std::wstring(1'000'000, L'7'), L"255", 255},
    });
}

TEST(ReadBoxText, OtherDecimalTextHoldsItsPlainCode) {
    ExpectEntries({
        {CodeBox::CharDec, L"12.5", L"12", 12}, // halves to even
        {CodeBox::CharDec, L"13.5", L"14", 14},
        {CodeBox::CharDec, L"  7", L"7", 7},
        {CodeBox::CharDec, L"12ab", L"12", 12},
        {CodeBox::KeyDec, L"+65", L"65", 65},
        {CodeBox::KeyDec, L"-0.4", L"0", 0},
        {CodeBox::CharDec, L".5", L"0", 0},
        {CodeBox::CharDec, L"abc", L"", 0}, // no number at the start: the empty box
        {CodeBox::CharDec, L"-", L"", 0},
        {CodeBox::CharDec, L"\u0655\u0628", L"", 0},
        {CodeBox::CharDec, L"\t", L"", 0},
    });
}

TEST(ReadBoxText, NegativeDecimalEmptiesTheBoxWithoutCode) {
    ExpectEntries({
        {CodeBox::CharDec, L"-5", L"", -5},
        {CodeBox::KeyDec, L"-1", L"", -1},
        {CodeBox::CharDec, L"--327687", L"", 0}, // two signs: no number at all
        {CodeBox::CharDec, L"-327687", L"", -32768},
        {CodeBox::CharDec, L"-" + std::wstring(5000, L'9'), L"", -32768},
    });
}

TEST(ReadBoxText, OtherHexTextHoldsTwoDigits) {
    ExpectEntries({
        {CodeBox::CharHex, L"1G", L"10", 16}, // a character that is no digit counts 0
        {CodeBox::CharHex, L"G1", L"01", 1},
        {CodeBox::KeyHex, L" f", L"0F", 15},
        {CodeBox::KeyHex, L"123", L"", 0}, // more than two characters stand for 0
        {CodeBox::CharHex, L"0x41", L"", 0},
        {CodeBox::CharHex, L"\u0655\u0628", L"00", 0},
        {CodeBox::KeyHex, std::wstring(1'000'000, L'f'), L"", 0},
    });
}

TEST(ReadBoxText, WhatABoxHoldsIsAlwaysTypeableAndStable) {
    // Whatever arrives, the box ends with text that the typing filter could produce, no
    // longer than the box, and reading that text again gives the same text and code.
    const std::wstring samples[] = {L"",     L"0",      L"300",          L"12.5", L"-5",
                                    L"abc",  L"1G",     L"ffff",         L" 0a",  L"\x7f",
                                    L"\n12", L"99999e", L"\uFF15\u0663", L"+.9",  L"0000000000065"};
    for (CodeBox box : {CodeBox::CharDec, CodeBox::CharHex, CodeBox::KeyDec, CodeBox::KeyHex}) {
        for (const std::wstring& text : samples) {
            const BoxEntry entry = ReadBoxText(box, text);
            EXPECT_LE(entry.text.size(), static_cast<size_t>(MaxLength(box)));
            for (wchar_t c : entry.text)
                EXPECT_TRUE(PassesTypingFilter(box, c));
            EXPECT_LE(entry.code, 255);
            const BoxEntry again = ReadBoxText(box, entry.text);
            EXPECT_EQ(again.text, entry.text);
            if (entry.code >= 0)
                EXPECT_EQ(again.code, entry.code);
        }
    }
}

TEST(TextAfterPaste, ReplacesTheSelectionWithTheFirstLine) {
    EXPECT_EQ(TextAfterPaste(L"12", 2, 2, L"5"), L"125");
    EXPECT_EQ(TextAfterPaste(L"12", 0, 2, L"-5"), L"-5");
    EXPECT_EQ(TextAfterPaste(L"12", 1, 1, L"34\r\n56"), L"1342");
    EXPECT_EQ(TextAfterPaste(L"12", 9, 1, L"x"), L"12x"); // a selection past the end
    EXPECT_EQ(TextAfterPaste(L"", 0, 0, L"\n7"), L"");
}

TEST(TextAfterPaste, ReadsNoFurtherThanTheLimit) {
    const std::wstring megabyte(1 << 20, L'1');
    const std::wstring text = TextAfterPaste(L"", 0, 0, megabyte);
    EXPECT_EQ(text.size(), kBoxReadLimit);
    EXPECT_EQ(ReadBoxText(CodeBox::CharDec, text).text, L"255");
}

} // namespace
} // namespace zintar
