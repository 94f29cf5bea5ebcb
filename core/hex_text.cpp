#include "core/hex_text.h"

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

std::wstring DecimalText(int n) {
    return std::to_wstring(n);
}

} // namespace zintar
