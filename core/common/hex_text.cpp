#include "core/common/hex_text.h"

#include <array>

namespace zintar {

std::wstring HexDigitText(int d) {
    if (d < 0)
        return {};
    if (d <= 9)
        return std::wstring(1, static_cast<wchar_t>(L'0' + d));
    if (d <= 15)
        return std::wstring(1, static_cast<wchar_t>(L'A' + (d - 10)));
    return L"0";
}

std::wstring ByteToHex(int n) {
    return HexDigitText(n / 16) + HexDigitText(n % 16);
}

std::wstring HexText(uint32_t value, int minDigits) {
    std::array<wchar_t, 8> digits{}; // lowest first; eight cover 32 bits
    size_t count = 0;
    do {
        digits[count++] = HexDigitText(static_cast<int>(value % 16)).front();
        value /= 16;
    } while (value != 0);
    std::wstring text(minDigits > static_cast<int>(count) ? minDigits - count : 0, L'0');
    while (count > 0)
        text += digits[--count];
    return text;
}

std::wstring DecimalText(int n) {
    return std::to_wstring(n);
}

} // namespace zintar
