// What keys type on the test layouts, with expected values taken from the layouts' public
// charts; Caps Lock's rules on small tables made here; dead keys, chains and key names.
#include "core/keyboard_layout/layout_typing.h"

#include <gtest/gtest.h>

#include "tests/core/keyboard_layout/fixture_layouts.h"

namespace zintar {
namespace {

using test::FixtureLayout;
using test::LayoutWithUsualModifiers;
using test::SwissGermanUKey;
using K = Typed::Kind;

Typed Text(std::wstring text) {
    return {K::Text, std::move(text)};
}
Typed Dead(wchar_t accent) {
    return {K::Dead, std::wstring(1, accent)};
}
Typed AtScan(const KeyboardLayoutTables& layout, uint8_t scan, TypingState state) {
    return TypedByVirtualKey(layout, VirtualKeyAt(layout, {scan, ScanPrefix::None}), state);
}

TEST(LayoutTyping, HungarianKeysInEveryState) {
    const KeyboardLayoutTables& hu = FixtureLayout("hungarian");
    EXPECT_TRUE(HasAltGr(hu));
    EXPECT_FALSE(HasAltGr(FixtureLayout("us")));
    // QWERTZ: the key where US has Y types z.
    EXPECT_EQ(VirtualKeyAt(hu, {0x15, ScanPrefix::None}), 'Z');
    EXPECT_EQ(AtScan(hu, 0x15, TypingState::Plain), Text(L"z"));
    EXPECT_EQ(AtScan(hu, 0x10, TypingState::AltGr), Text(L"\\"));
    EXPECT_EQ(AtScan(hu, 0x21, TypingState::AltGr), Text(L"["));
    EXPECT_EQ(AtScan(hu, 0x2F, TypingState::AltGr), Text(L"@"));
    EXPECT_EQ(AtScan(hu, 0x29, TypingState::Plain), Text(L"0"));
    EXPECT_EQ(AtScan(hu, 0x0B, TypingState::Shift), Text(L"\u00D6"));
    EXPECT_EQ(AtScan(hu, 0x1A, TypingState::CapsLock), Text(L"\u0150")); // ő with Caps Lock
    EXPECT_EQ(AtScan(hu, 0x0A, TypingState::AltGr), Dead(L'\u00B4'));    // AltGr+9
    EXPECT_EQ(AtScan(hu, 0x0B, TypingState::AltGr), Dead(L'\u02DD'));    // AltGr+ö
    EXPECT_EQ(AtScan(hu, 0x13, TypingState::AltGr), Typed{});            // AltGr+R: nothing
    // Ctrl with a letter types its control character, though no table holds it.
    EXPECT_EQ(AtScan(hu, 0x1E, TypingState::Ctrl), Text(L"\u0001"));
    EXPECT_EQ(AtScan(hu, 0x1E, TypingState::AltGr), Text(L"\u00E4"));
}

TEST(LayoutTyping, DigitsCapsLockAndLigatures) {
    const KeyboardLayoutTables& fr = FixtureLayout("french");
    // AZERTY: the "2" key types é, the digit with Shift, and Caps Lock acts as Shift on it.
    EXPECT_EQ(AtScan(fr, 0x03, TypingState::Plain), Text(L"\u00E9"));
    EXPECT_EQ(AtScan(fr, 0x03, TypingState::Shift), Text(L"2"));
    EXPECT_EQ(AtScan(fr, 0x03, TypingState::CapsLock), Text(L"2"));
    EXPECT_EQ(AtScan(fr, 0x10, TypingState::Plain), Text(L"a"));
    const KeyboardLayoutTables& de = FixtureLayout("german");
    EXPECT_EQ(AtScan(de, 0x02, TypingState::CapsLock), Text(L"1")); // digits keep Caps Lock off
    EXPECT_EQ(AtScan(de, 0x10, TypingState::AltGr), Text(L"@"));
    EXPECT_EQ(AtScan(de, 0x0C, TypingState::ShiftAltGr), Text(L"SS"));
    EXPECT_EQ(AtScan(de, 0x29, TypingState::Plain), Dead(L'^'));
    EXPECT_EQ(AtScan(de, 0x0D, TypingState::Shift), Dead(L'`'));
}

// Swiss German's ü key: Shift gives è, Caps Lock its own row with Ü (SGCAPS); a key with
// CAPLOKALTGR also flips AltGr's characters under Caps Lock.
TEST(LayoutTyping, CapsLockRowsAndAltGr) {
    KeyboardLayoutTables layout = LayoutWithUsualModifiers();
    using C = LayoutCharKind;
    layout.keys = {
        SwissGermanUKey(),
        {'A',
         kAttributeCapsLock | kAttributeCapsLockAltGr,
         {{C::Character, L'a'},
          {C::Character, L'A'},
          {},
          {C::Character, L'\u00E6'},
          {C::Character, L'\u00C6'}},
         {}},
    };
    EXPECT_EQ(TypedByVirtualKey(layout, 0xBA, TypingState::CapsLock), Text(L"\u00DC"));
    EXPECT_EQ(TypedByVirtualKey(layout, 0xBA, kModifierBitShift, true), Text(L"\u00C8"));
    EXPECT_EQ(TypedByVirtualKey(layout, 0xBA, TypingState::Shift), Text(L"\u00E8"));
    // With AltGr held Caps Lock leaves an SGCAPS key alone.
    EXPECT_EQ(TypedByVirtualKey(layout, 0xBA, kModifierBitCtrl | kModifierBitAlt, true),
              Text(L"["));
    EXPECT_EQ(TypedByVirtualKey(layout, 'A', kModifierBitCtrl | kModifierBitAlt, true),
              Text(L"\u00C6"));
    EXPECT_EQ(TypedByVirtualKey(layout, 'A', kModifierBitShift, true), Text(L"a"));
    // A combination the layout marks as typing nothing, and one beyond its table.
    EXPECT_EQ(TypedByVirtualKey(layout, 'A', kModifierBitAlt, false), Typed{});
    EXPECT_EQ(TypedByVirtualKey(layout, 'A', 0x20, false), Typed{});
}

TEST(LayoutTyping, DeadKeysComposeAndChain) {
    const KeyboardLayoutTables& hu = FixtureLayout("hungarian");
    EXPECT_EQ(Compose(hu, L'\u00B4', L'a'), Text(L"\u00E1"));
    EXPECT_EQ(Compose(hu, L'\u00B4', L' '), Text(L"\u00B4"));
    EXPECT_EQ(Compose(hu, L'\u02DD', L'o'), Text(L"\u0151"));
    // Nothing composes: Windows types the accent and the base.
    EXPECT_EQ(Compose(hu, L'\u02DD', L'a'), Text(L"\u02DDa"));
    const std::wstring summary = DeadKeySummary(hu, L'\u02DD', Language::Hungarian);
    EXPECT_EQ(summary.substr(0, 7), L"o\u2192\u0151 u\u2192\u0171");
    EXPECT_NE(summary.find(L"sz\u00F3k\u00F6z\u2192\u02DD"), std::wstring::npos);

    const KeyboardLayoutTables& fr = FixtureLayout("french");
    const Typed chained = Compose(fr, L'^', L'~');
    EXPECT_EQ(chained.kind, K::Dead);
    EXPECT_EQ(Compose(fr, chained.text[0], L'a'), Text(L"\u1EAB")); // ẫ
    const std::wstring circumflex = DeadKeySummary(fr, L'^', Language::English);
    EXPECT_NE(circumflex.find(L"~\u2192\u02DC (a\u2192\u1EAB"), std::wstring::npos) << circumflex;
}

TEST(LayoutTyping, ChainThatLeadsToItselfEnds) {
    KeyboardLayoutTables layout;
    layout.deadKeys = {
        {L'x', L'x', L'x', true}, {L'x', L'y', L'z', true}, {L'z', L'x', L'x', true}};
    EXPECT_EQ(DeadKeySummary(layout, L'x', Language::English),
              L"x\u2192x (\u2026) y\u2192z (x\u2192x (\u2026))");
}

TEST(LayoutTyping, PhysicalKeysOfVirtualKeys) {
    const KeyboardLayoutTables& us = FixtureLayout("us");
    const KeyboardLayoutTables& de = FixtureLayout("german");
    EXPECT_EQ(PlaceOfVirtualKey(us, 'Z'), (KeyPlace{0x2C, ScanPrefix::None}));
    EXPECT_EQ(PlaceOfVirtualKey(de, 'Z'), (KeyPlace{0x15, ScanPrefix::None}));
    EXPECT_EQ(PlaceOfVirtualKey(de, 0xBF), (KeyPlace{0x2B, ScanPrefix::None})); // VK_OEM_2: #
    EXPECT_EQ(PlaceOfVirtualKey(us, 0x13), (KeyPlace{0x1D, ScanPrefix::E1}));   // Pause
    EXPECT_EQ(PlaceOfVirtualKey(us, 0x6F), (KeyPlace{0x35, ScanPrefix::E0}));   // Num /
    EXPECT_EQ(PlaceOfVirtualKey(us, 0xDF), std::nullopt);                       // VK_OEM_8
    EXPECT_EQ(PlaceOfVirtualKey(us, 0), std::nullopt);
    EXPECT_EQ(VirtualKeyAt(us, {0x55, ScanPrefix::None}), 0); // a scan code that gives none
    EXPECT_EQ(VirtualKeyAt(us, {0x7F + 1, ScanPrefix::None}), 0);
    // Windows reports Pause as 0x45 and Num Lock as 0x45 with the extended flag.
    EXPECT_EQ(PhysicalKeyOfPlace({0x1D, ScanPrefix::E1}, 0x13)->domCode, L"Pause");
    EXPECT_EQ(PhysicalKeyOfPlace({0x45, ScanPrefix::None}, 0x90)->domCode, L"NumLock");
    // And back: the keys as Windows reports them, on the keyboard picture.
    EXPECT_EQ(VirtualKeyAt(us, PlaceOfReportedKey({0x45, false})), 0x13);
    EXPECT_EQ(VirtualKeyAt(us, PlaceOfReportedKey({0x45, true})), 0x90);
    EXPECT_EQ(PlaceOfReportedKey({0x1C, true}), (KeyPlace{0x1C, ScanPrefix::E0}));
    EXPECT_EQ(ReportedKeyOfPlace({0x1C, ScanPrefix::E0}, 0x0D), (ReportedKey{0x1C, true}));
    EXPECT_EQ(ReportedKeyOfPlace({0x36, ScanPrefix::None}, 0xA1), (ReportedKey{0x36, false}));
    EXPECT_EQ(ScanCodeText({0x1C, ScanPrefix::E0}), L"E0 1C");
    EXPECT_EQ(ScanCodeText({0x1D, ScanPrefix::E1}), L"E1 1D");
}

TEST(LayoutTyping, KeyNames) {
    const KeyboardLayoutTables& hu = FixtureLayout("hungarian");
    EXPECT_EQ(KeyNameAt(hu, {0x1A, ScanPrefix::None}), L"\u0150"); // its character, upper case
    EXPECT_EQ(KeyNameAt(hu, {0x10, ScanPrefix::None}), L"Q");
    EXPECT_EQ(KeyNameAt(hu, {0x1C, ScanPrefix::E0}), L"Num Enter");
    // Names go by the key as reported: Pause's under 0x45 without the extended flag.
    EXPECT_EQ(KeyNameAt(FixtureLayout("us"), {0x1D, ScanPrefix::E1}), L"Pause");
    const KeyboardLayoutTables& fr = FixtureLayout("french");
    EXPECT_EQ(KeyNameAt(fr, {0x1A, ScanPrefix::None}), L"CIRCONFLEXE"); // a dead key's name
    EXPECT_EQ(KeyNameAt(fr, {0x29, ScanPrefix::None}), L"\u00B2");
}

} // namespace
} // namespace zintar
