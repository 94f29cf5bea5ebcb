#include "core/converter/typed_codes.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "core/converter/characters.h"

namespace zintar {

double TextValue(std::wstring_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        negative = text[i++] == L'-';

    // Collect the digits and the one point as narrow text for std::from_chars.
    std::string number;
    bool point = false, digit = false, significant = false;
    for (; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (IsDecimalDigit(c)) {
            digit = true;
            significant = significant || (c != L'0' && !point);
        } else if (c == L'.' && !point) {
            point = true;
        } else {
            break;
        }
        number.push_back(static_cast<char>(c));
    }
    if (!digit)
        return 0.0;

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // Too large for a double when the integer part has a nonzero digit, else too small.
        value = significant ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc{}) {
        value = 0.0;
    }
    return negative ? -value : value;
}

int16_t RoundToInteger(double x) {
    if (std::isnan(x))
        return 0;
    const double rounded = std::nearbyint(x); // the default rounding mode: halves to even
    if (rounded < -32768.0)
        return -32768;
    if (rounded > 32767.0)
        return 32767;
    return static_cast<int16_t>(rounded);
}

int16_t HexDigitValue(std::wstring_view text) {
    if (text.empty())
        return 0;
    wchar_t c = text.front();
    if (c >= L'a' && c <= L'z')
        c = static_cast<wchar_t>(c - L'a' + L'A');
    if (c >= L'A' && c <= L'F')
        return static_cast<int16_t>(10 + (c - L'A'));
    return RoundToInteger(TextValue(std::wstring_view(&c, 1)));
}

int16_t HexToByte(std::wstring_view text) {
    switch (text.size()) {
    case 1:
        return HexDigitValue(text);
    case 2:
        return static_cast<int16_t>(16 * HexDigitValue(text.substr(0, 1)) +
                                    HexDigitValue(text.substr(1, 1)));
    default:
        return 0;
    }
}

} // namespace zintar
