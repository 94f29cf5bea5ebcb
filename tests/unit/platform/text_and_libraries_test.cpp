// The platform's text and library helpers against the real system under Wine: the ANSI code
// page of the test locale (C.UTF-8 gives 1252), the clipboard's text, and DLLs loaded from
// the system folder only.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/controls/clipboard.h"
#include "platform/system/ansi_code_page.h"
#include "platform/system/system_library.h"

namespace {

using namespace zintar::win32;

TEST(AnsiCodePage, CodesOfCharactersAndBackOnTheWesternPage) {
    ASSERT_EQ(GetACP(), 1252u) << "the test runs under LANG=C.UTF-8";
    EXPECT_EQ(AnsiCodeOfChar(L'A'), 65);
    EXPECT_EQ(AnsiCodeOfChar(L'\u00E9'), 233); // é
    EXPECT_EQ(AnsiCodeOfChar(L'\u20AC'), 128); // € sits at 0x80 on 1252
    EXPECT_EQ(AnsiCodeOfChar(L'\0'), 0);
    EXPECT_EQ(CharOfAnsiCode(233), L"\u00E9");
    EXPECT_EQ(CharOfAnsiCode(128), L"\u20AC");
    EXPECT_EQ(CharOfAnsiCode(65), L"A");
}

// A character the page lacks has no code at all: not "?" (63) and not a look-alike such as
// "o" for "ő", which WideCharToMultiByte gives unless asked not to.
TEST(AnsiCodePage, CharactersThePageLacksHaveNoCode) {
    EXPECT_EQ(AnsiCodeOfChar(L'\u0151'), kNoCharCode); // ő
    EXPECT_EQ(AnsiCodeOfChar(L'\u4E2D'), kNoCharCode);
    EXPECT_EQ(AnsiCodeOfChar(L'\xD83D'), kNoCharCode); // half a surrogate pair
    EXPECT_EQ(AnsiCodeOfChar(L'?'), 63);
}

TEST(AnsiCodePage, CodesOutsideAByteHaveNoCharacter) {
    EXPECT_EQ(CharOfAnsiCode(-1), L"");
    EXPECT_EQ(CharOfAnsiCode(256), L"");
    EXPECT_EQ(CharOfAnsiCode(32767), L"");
}

TEST(Clipboard, TextGoesInAndComesBackLimited) {
    const std::wstring text = L"Ctrl + \u0150\r\nsecond line";
    ASSERT_TRUE(PutClipboardText(nullptr, text));
    EXPECT_EQ(ClipboardText(nullptr, 1000), text);
    EXPECT_EQ(ClipboardText(nullptr, 4), L"Ctrl");
    EXPECT_EQ(ClipboardText(nullptr, 0), L"");
}

TEST(Clipboard, AnEmptyClipboardHoldsNoText) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(ClipboardText(nullptr, 100), L"");
}

TEST(SystemLibrary, LoadsFromTheSystemFolderOnly) {
    const HMODULE user32 = LoadSystemLibrary(L"user32.dll");
    ASSERT_NE(user32, nullptr);
    EXPECT_EQ(user32, GetModuleHandleW(L"user32.dll"));
    using GetDpi = UINT(WINAPI*)(HWND);
    EXPECT_NE(SystemFunction<GetDpi>(user32, "GetDpiForWindow"), nullptr);
    EXPECT_EQ(SystemFunction<GetDpi>(user32, "NoSuchFunction"), nullptr);
    EXPECT_EQ(SystemFunction<GetDpi>(nullptr, "GetDpiForWindow"), nullptr);
    EXPECT_EQ(LoadSystemLibrary(L"no_such_library_zintar.dll"), nullptr);
}

// A file of that name beside the program must not be taken for the system's.
TEST(SystemLibrary, AFileBesideTheProgramIsNotLoaded) {
    wchar_t exe[MAX_PATH]{};
    ASSERT_GT(GetModuleFileNameW(nullptr, exe, MAX_PATH), 0u);
    std::wstring beside(exe);
    beside = beside.substr(0, beside.find_last_of(L"\\/") + 1) + L"zintar_only_beside.dll";
    ASSERT_TRUE(CopyFileW(L"C:\\windows\\system32\\version.dll", beside.c_str(), FALSE));
    EXPECT_EQ(LoadSystemLibrary(L"zintar_only_beside.dll"), nullptr);
    DeleteFileW(beside.c_str());
}

} // namespace
