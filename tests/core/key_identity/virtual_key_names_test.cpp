#include "core/key_identity/virtual_key_names.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace zintar {
namespace {

TEST(VirtualKeyConstantName, NamesKeysAsProgramsWriteThem) {
    const std::pair<int, const wchar_t*> cases[] = {
        {0x0D, L"VK_RETURN"},
        {0x12, L"VK_MENU"},
        {0xBA, L"VK_OEM_1"},
        {0x5B, L"VK_LWIN"},
        {0xFE, L"VK_OEM_CLEAR"},
        // where the header gives a code several names, the first it defines
        {0x15, L"VK_KANA"},
        {0x19, L"VK_HANJA"},
        {0x92, L"VK_OEM_NEC_EQUAL"},
        // letters and digits, which have no constant
        {'0', L"'0'"},
        {'9', L"'9'"},
        {'A', L"'A'"},
        {'Z', L"'Z'"},
        // unnamed: reserved, unassigned, and the gaps around the digits and letters
        {0x00, L""},
        {0x07, L""},
        {0x0A, L""},
        {0x3A, L""},
        {0x40, L""},
        {0x5E, L""},
        {0xE0, L""},
        {0xFF, L""},
        // outside the byte
        {-1, L""},
        {256, L""},
        {0x10D, L""},
    };
    for (const auto& [code, name] : cases)
        EXPECT_EQ(VirtualKeyConstantName(code), name) << "code " << code;
}

#ifdef ZINTAR_WINUSER_H
// Every code that the header names reads one of its names here, and nothing else is named
// but the letters and digits: catches a mistyped name or code anywhere in the table.
TEST(VirtualKeyConstantName, AgreesWithTheWindowsHeader) {
    std::ifstream header(ZINTAR_WINUSER_H);
    if (!header)
        GTEST_SKIP() << "no " << ZINTAR_WINUSER_H;
    std::map<int, std::set<std::wstring>> named;
    const std::regex define(R"(^\s*#define\s+(VK_\w+)\s+0x([0-9A-Fa-f]+)\b)");
    for (std::string line; std::getline(header, line);) {
        std::smatch m;
        if (std::regex_search(line, m, define)) {
            const std::string name = m[1].str();
            named[std::stoi(m[2].str(), nullptr, 16)].insert(
                std::wstring(name.begin(), name.end()));
        }
    }
    ASSERT_GT(named.size(), 150u) << "the header was not read";
    for (int code = 0; code < 256; ++code) {
        const std::wstring name(VirtualKeyConstantName(code));
        const bool literal = (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z');
        if (literal)
            EXPECT_EQ(name, (std::wstring{L'\'', static_cast<wchar_t>(code), L'\''}));
        else if (named.count(code))
            EXPECT_EQ(named[code].count(name), 1u) << "code " << code;
        else
            EXPECT_EQ(name, L"") << "code " << code;
    }
}
#endif

} // namespace
} // namespace zintar
