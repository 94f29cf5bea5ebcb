// Layout DLLs read from the system folder: the test layouts, checked against what their
// public charts say and against the descriptions they were made from, and the faulty ones,
// each giving its fault without a crash. Each faulty read is timed and the time printed;
// no time is asserted. The set-up test (install_test_layouts.sh) has put the test layouts
// into the prefix's system folder; the faulty ones are copied there here.
#include "platform/input/layout_library.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "core/keyboard_layout/layout_captions.h"
#include "core/keyboard_layout/layout_typing.h"
#include "layout_description.h"

namespace zintar {
namespace {

using win32::ReadLayoutLibrary;

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH]{};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder, length);
}

KeyboardLayoutTables Read(const wchar_t* file) {
    const LayoutReadResult result = ReadLayoutLibrary(file);
    EXPECT_TRUE(result.ok()) << LayoutProblemText(*result.problem, Language::English);
    return result.tables;
}

Typed AtScan(const KeyboardLayoutTables& layout, uint8_t scan, TypingState state) {
    return TypedByVirtualKey(layout, VirtualKeyAt(layout, {scan, ScanPrefix::None}), state);
}

TEST(LayoutLibrary, TestLayoutsTypeWhatTheirChartsShow) {
    const KeyboardLayoutTables hu = Read(L"ztkbdhu.dll");
    EXPECT_TRUE(HasAltGr(hu));
    EXPECT_EQ(AtScan(hu, 0x10, TypingState::AltGr).text, L"\\");
    EXPECT_EQ(AtScan(hu, 0x21, TypingState::AltGr).text, L"[");
    EXPECT_EQ(AtScan(hu, 0x15, TypingState::Shift).text, L"Z");
    EXPECT_EQ(Compose(hu, L'\u02DD', L'u').text, L"\u0171");
    EXPECT_EQ(KeyNameAt(hu, {0x1C, ScanPrefix::E0}), L"Num Enter");
    EXPECT_EQ(GetModuleHandleW(L"ztkbdhu.dll"), nullptr) << "the DLL stayed loaded";

    const KeyboardLayoutTables de = Read(L"ztkbdgr.dll");
    EXPECT_EQ(AtScan(de, 0x10, TypingState::AltGr).text, L"@");
    EXPECT_EQ(AtScan(de, 0x0C, TypingState::ShiftAltGr).text, L"SS"); // the ligature
    EXPECT_EQ(AtScan(de, 0x0D, TypingState::Plain), (Typed{Typed::Kind::Dead, L"\u00B4"}));
    EXPECT_EQ(PlaceOfVirtualKey(de, 0xBF), (KeyPlace{0x2B, ScanPrefix::None}));

    const KeyboardLayoutTables fr = Read(L"ztkbdfr.dll");
    EXPECT_EQ(AtScan(fr, 0x03, TypingState::CapsLock).text, L"2");
    EXPECT_EQ(Compose(fr, L'^', L'~').kind, Typed::Kind::Dead); // the chain
    EXPECT_EQ(KeyNameAt(fr, {0x1A, ScanPrefix::None}), L"CIRCONFLEXE");

    const KeyboardLayoutTables us = Read(L"ztkbdus.dll");
    EXPECT_FALSE(HasAltGr(us));
    EXPECT_EQ(AtScan(us, 0x03, TypingState::Shift).text, L"@");
    EXPECT_EQ(PlaceOfVirtualKey(us, 0x13), (KeyPlace{0x1D, ScanPrefix::E1}));
}

// The generator writes rows of several widths, as Windows' layouts have them: the same keys
// come back in another order and as wide as their last cell. Compared by key, padded.
KeyboardLayoutTables ByKey(KeyboardLayoutTables tables) {
    for (KeyCharacters& key : tables.keys) {
        key.byModification.resize(kMaxModifications);
        if (!key.capsLock.empty())
            key.capsLock.resize(kMaxModifications);
    }
    std::stable_sort(tables.keys.begin(), tables.keys.end(),
                     [](const auto& a, const auto& b) { return a.virtualKey < b.virtualKey; });
    return tables;
}

TEST(LayoutLibrary, ReadsBackEverythingItsDescriptionSays) {
    const std::pair<const char*, const wchar_t*> layouts[] = {
        {"us", L"ztkbdus.dll"},
        {"hungarian", L"ztkbdhu.dll"},
        {"german", L"ztkbdgr.dll"},
        {"french", L"ztkbdfr.dll"},
    };
    for (const auto& [name, file] : layouts) {
        SCOPED_TRACE(name);
        std::ifstream in(std::string(ZINTAR_LAYOUT_DESCRIPTIONS) + "/" + name + ".layout",
                         std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        const LayoutDescription described = ParseLayoutDescription(text.str());
        ASSERT_EQ(described.error, "");
        EXPECT_TRUE(ByKey(Read(file)) == ByKey(described.tables));
    }
}

struct Faulty {
    const wchar_t* file;
    std::optional<LayoutProblem> problem;
};

TEST(LayoutLibrary, FaultyLayoutsGiveTheirFault) {
    const std::wstring folder = SystemFolder();
    const Faulty cases[] = {
        {L"ztbadptr.dll", LayoutProblem{LayoutFault::OutsideImage, LayoutPart::DeadKey}},
        {L"ztbadend.dll", LayoutProblem{LayoutFault::NoTerminator, LayoutPart::VscToVkE0}},
        {L"ztbadmods.dll", LayoutProblem{LayoutFault::CountOutOfRange, LayoutPart::VkToWcharTable}},
        {L"ztbadscan.dll", LayoutProblem{LayoutFault::CountOutOfRange, LayoutPart::VscToVk}},
        {L"ztbadexport.dll",
         LayoutProblem{LayoutFault::NoDescriptor, LayoutPart::Descriptor, ERROR_PROC_NOT_FOUND}},
        {L"ztbadnull.dll", LayoutProblem{LayoutFault::NullPointer, LayoutPart::Descriptor}},
        {L"ztdeadloop.dll", std::nullopt},
        {L"ztnosuchfile.dll",
         LayoutProblem{LayoutFault::LoadFailed, LayoutPart::File, ERROR_MOD_NOT_FOUND}},
        {L"..\\system32\\ztkbdus.dll", LayoutProblem{LayoutFault::InvalidFileName}},
        {L"C:ztkbdus.dll", LayoutProblem{LayoutFault::InvalidFileName}},
    };
    for (const Faulty& c : cases) {
        const std::wstring from = std::wstring(ZINTAR_TEST_LAYOUT_DIR) + L"/" + c.file;
        if (GetFileAttributesW(from.c_str()) != INVALID_FILE_ATTRIBUTES) {
            ASSERT_TRUE(CopyFileW(from.c_str(), (folder + L"\\" + c.file).c_str(), FALSE));
        }
        const auto start = std::chrono::steady_clock::now();
        const LayoutReadResult result = ReadLayoutLibrary(c.file);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        std::printf("%-26ls %8.3f ms  %ls\n", c.file, took.count(),
                    result.problem ? LayoutProblemText(*result.problem, Language::English).c_str()
                                   : L"read");
        EXPECT_EQ(result.problem, c.problem) << c.file;
        if (!result.ok()) {
            EXPECT_EQ(result.tables, KeyboardLayoutTables{}) << "half a layout from " << c.file;
        }
    }
}

// The one faulty DLL whose fault is no read fault: a chain back to itself. Its other keys
// are a Caps Lock row (SGCAPS) and a dead key's accent row, as layouts write them.
TEST(LayoutLibrary, ChainBackToItselfEndsAndRowsAfterAKeyCount) {
    const KeyboardLayoutTables loop = Read(L"ztdeadloop.dll");
    EXPECT_EQ(DeadKeySummary(loop, L'x', Language::English), L"x\u2192x (\u2026) space\u2192x");
    EXPECT_EQ(TypedByVirtualKey(loop, 0xBA, TypingState::CapsLock).text, L"\u00DC");
    EXPECT_EQ(TypedByVirtualKey(loop, 0xBA, TypingState::Shift).text, L"\u00E8");
    EXPECT_EQ(TypedByVirtualKey(loop, 0xDE, TypingState::Plain), (Typed{Typed::Kind::Dead, L"x"}));
    EXPECT_EQ(loop.keys.size(), 3u); // the rows after a key are no keys of their own
}

} // namespace
} // namespace zintar
