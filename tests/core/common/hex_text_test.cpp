#include "core/common/hex_text.h"
#include "core/converter/typed_codes.h"

#include <gtest/gtest.h>

namespace zintar {
namespace {

TEST(HexDigitText, DigitsLettersAndOutOfRange) {
    EXPECT_EQ(HexDigitText(0), L"0");
    EXPECT_EQ(HexDigitText(9), L"9");
    EXPECT_EQ(HexDigitText(10), L"A");
    EXPECT_EQ(HexDigitText(15), L"F");
    EXPECT_EQ(HexDigitText(16), L"0");
    EXPECT_EQ(HexDigitText(-1), L"");
}

TEST(ByteToHex, EveryByteIsTwoUpperCaseDigitsThatReadBack) {
    EXPECT_EQ(ByteToHex(0), L"00");
    EXPECT_EQ(ByteToHex(15), L"0F");
    EXPECT_EQ(ByteToHex(16), L"10");
    EXPECT_EQ(ByteToHex(255), L"FF");
    for (int n = 0; n <= 255; ++n) {
        const std::wstring hex = ByteToHex(n);
        ASSERT_EQ(hex.size(), 2u) << n;
        EXPECT_EQ(hex.find_first_not_of(L"0123456789ABCDEF"), std::wstring::npos) << n;
        EXPECT_EQ(HexToByte(hex), n) << n;
    }
}

} // namespace
} // namespace zintar
