#include "core/converter/typed_codes.h"

#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace zintar {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(TextValue, NumberAtTheStartRestIgnored) {
    // clang-format off
    const std::pair<std::wstring, double> cases[] = {
        {L"", 0}, {L"12", 12}, {L"  7", 7}, {L"\t\n-5", -5}, {L"+3.5", 3.5}, {L".5", 0.5},
        {L"5.", 5}, {L"1.2.3", 1.2}, {L"12ab", 12}, {L"abc", 0}, {L"-", 0}, {L".", 0},
        {L"1e400", 1}, {L"&H1F", 0}, {L"1 2", 1}, {L"1\t2", 1}, {L"0.3", 0.3}, {L"254.7", 254.7},
        {L"0000000000000000000000012", 12},
        {L"123456789012345678901234567890", 123456789012345678901234567890.0}};
    // clang-format on
    for (const auto& [text, value] : cases)
        EXPECT_EQ(TextValue(text), value) << text;
}

TEST(TextValue, OnlyAsciiBlanksAndDigitsCount) {
    // Other white space; fullwidth and Arabic-Indic digits; characters whose low byte is a
    // digit or a point (narrowed, U+0131 would read 1, U+012E "5" 0.5, "7" U+0138 78).
    const std::pair<std::wstring, double> cases[] = {
        {L"\r5", 0},    {L"\v5", 0},    {L"\f5", 0},    {L"\u00A05", 0}, {L"\u30005", 0},
        {L"\uFF15", 0}, {L"\u0663", 0}, {L"\u0131", 0}, {L"\u012E5", 0}, {L"7\u0138", 7}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(TextValue(text), value) << text;
}

TEST(TextValue, DigitRunsBeyondDoubleRange) {
    const std::wstring nines(400, L'9');
    EXPECT_EQ(TextValue(nines), kInf);
    EXPECT_EQ(TextValue(L"-" + nines + L".5"), -kInf);
    EXPECT_EQ(TextValue(L"0." + std::wstring(400, L'0') + L"1"), 0);
    EXPECT_EQ(TextValue(std::wstring(400, L'0') + L"12"), 12);
}

TEST(RoundToInteger, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {{0.5, 0},   {1.5, 2},      {2.5, 2},
                                            {3.5, 4},   {254.5, 254},  {-0.5, 0},
                                            {-1.5, -2}, {254.49, 254}, {254.51, 255}};
    for (const auto& [x, n] : cases)
        EXPECT_EQ(RoundToInteger(x), n) << x;
}

TEST(RoundToInteger, StaysAtTheEndsOfThe16BitRange) {
    const double belowLowestHalf = std::nextafter(-32768.5, -kInf);
    // clang-format off
    const std::pair<double, int> cases[] = {
        {32767, 32767}, {32767.5, 32767}, {32768, 32767}, {1e300, 32767}, {kInf, 32767},
        {-32768, -32768}, {-32768.5, -32768}, {belowLowestHalf, -32768}, {-32769, -32768},
        {-kInf, -32768}, {std::numeric_limits<double>::quiet_NaN(), 0}};
    // clang-format on
    for (const auto& [x, n] : cases)
        EXPECT_EQ(RoundToInteger(x), n) << x;
}

TEST(HexToByte, OneOrTwoDigitsEitherCase) {
    const std::pair<const wchar_t*, int> cases[] = {
        {L"", 0},     {L"7", 7},    {L"a", 10},     {L"0a", 10},         {L"A0", 160}, {L"ff", 255},
        {L"FF", 255}, {L"9F", 159}, {L"123", 0},    {L"G1", 1},          {L"1G", 16},  {L" 1", 1},
        {L"-1", 1},   {L".5", 5},   {L"\u0161", 0}, {L"\u0141\u0166", 0}};
    for (const auto& [text, n] : cases)
        EXPECT_EQ(HexToByte(text), n) << text;
}

TEST(HexDigitValue, FirstCharacterOnly) {
    const std::pair<const wchar_t*, int> cases[] = {{L"f9", 15}, {L"e", 14}, {L"9x", 9}, {L"", 0},
                                                    {L" ", 0},   {L"-", 0},  {L"g", 0}};
    for (const auto& [text, n] : cases)
        EXPECT_EQ(HexDigitValue(text), n) << text;
}

} // namespace
} // namespace zintar
