#include "core/keyboard_layout/typed_by_layout.h"

#include <gtest/gtest.h>

namespace zintar {
namespace {

TEST(ShiftStates, AltGrIsCtrlAltAndCapsLockIsAToggle) {
    const ShiftStateKeys altGr = KeysOfShiftState(ShiftState::AltGr);
    EXPECT_TRUE(altGr.ctrl && altGr.alt && !altGr.shift && !altGr.capsLockOn);
    const ShiftStateKeys shiftAltGr = KeysOfShiftState(ShiftState::ShiftAltGr);
    EXPECT_TRUE(shiftAltGr.ctrl && shiftAltGr.alt && shiftAltGr.shift);
    const ShiftStateKeys caps = KeysOfShiftState(ShiftState::CapsLock);
    EXPECT_TRUE(caps.capsLockOn && !caps.shift && !caps.ctrl && !caps.alt);
    const ShiftStateKeys plain = KeysOfShiftState(ShiftState::Plain);
    EXPECT_FALSE(plain.shift || plain.ctrl || plain.alt || plain.capsLockOn);
    EXPECT_EQ(ShiftStateName(ShiftState::Plain, Language::Hungarian), L"Alap");
    EXPECT_EQ(ShiftStateName(static_cast<ShiftState>(9), Language::English), L"");
}

TEST(ToUnicodeAnswer, DeadNothingTextAndOverlongCounts) {
    const std::wstring buffer = L"\u00B4x\0\0";
    TypedText dead = ReadToUnicodeAnswer(-1, buffer);
    EXPECT_EQ(dead.kind, TypedText::Kind::Dead);
    EXPECT_EQ(dead.text, L"\u00B4");
    EXPECT_EQ(ReadToUnicodeAnswer(-1, {}).kind, TypedText::Kind::Dead);
    EXPECT_EQ(ReadToUnicodeAnswer(0, buffer).kind, TypedText::Kind::Nothing);
    EXPECT_EQ(ReadToUnicodeAnswer(2, L"\u00B4a").text, L"\u00B4a");
    EXPECT_EQ(ReadToUnicodeAnswer(50, L"ab").text, L"ab"); // never past the buffer
}

TEST(DeadKeyComposition, ComposedFormsOnly) {
    using K = TypedText::Kind;
    const Composition acute[] = {
        {L'a', {K::Text, L"\u00E1"}},  {L'e', {K::Text, L"\u00E9"}},
        {L'i', {K::Text, L"\u00B4i"}}, // accent and base: no composed form
        {L'o', {K::Text, L"o"}},       // the dead key left no state (as Wine without an IME)
        {L'u', {K::Nothing, L""}},     {L' ', {K::Text, L"\u00B4"}},
    };
    EXPECT_EQ(CompositionSummary(acute, Language::English),
              L"a\u2192\u00E1 e\u2192\u00E9 space\u2192\u00B4");
    EXPECT_EQ(CompositionSummary(std::span(acute).last(1), Language::Hungarian),
              L"sz\u00F3k\u00F6z\u2192\u00B4");
    EXPECT_EQ(CompositionSummary({}, Language::English), L"");
    EXPECT_EQ(CompositionBases().size(), 6u);
}

TEST(LayoutNames, KnownIdentifiersAnyCase) {
    EXPECT_EQ(KnownLayoutName(L"0000040E"), L"Hungarian");
    EXPECT_EQ(KnownLayoutName(L"0000040e"), L"Hungarian");
    EXPECT_EQ(KnownLayoutName(L"00000409"), L"US");
    EXPECT_EQ(KnownLayoutName(L"0000040"), L"");
    EXPECT_EQ(KnownLayoutName(L"DEADBEEF"), L"");
}

} // namespace
} // namespace zintar
