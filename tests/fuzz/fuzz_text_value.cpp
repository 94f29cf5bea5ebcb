// TextValue against the C library's strtod on the same number, and the rules that hold for
// any text: never NaN, blind to what follows the number, a leading sign negates it.
#include <clocale>
#include <cstdlib>

#include "fuzz_support.h"

namespace {

using zintar::TextValue;

// The number at the start of the text as the C library reads it: blanks, sign, digits with
// one point, nothing more (strtod alone would also take exponents, "0x", "inf" and "nan").
double Reference(const std::wstring& text) {
    std::string number;
    size_t i = text.find_first_not_of(L" \t\n");
    if (i == std::wstring::npos)
        return 0;
    if (text[i] == L'+' || text[i] == L'-')
        number += static_cast<char>(text[i++]);
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] == L'.' && !point)
            point = true;
        else if (text[i] < L'0' || text[i] > L'9')
            break;
        number += static_cast<char>(text[i]);
    }
    return std::strtod(number.c_str(), nullptr); // no digit: no conversion, 0
}

// Units that cannot continue a number: letters an exponent or radix would start with, other
// white space, a comma, NUL, a lone surrogate, fullwidth and Arabic-Indic digits, and
// U+0131 and U+0135, whose low bytes are "1" and "5".
constexpr wchar_t kNotNumeric[] = {L'e',  L'E',   L'x',   L'&',   L',',   L'\r', L'\v',
                                   L'\0', 0xD800, 0xFF15, 0x0663, 0x0131, 0x0135};

void Check(const std::wstring& text) {
    const double value = TextValue(text);
    FUZZ_CHECK(!std::isnan(value));
    FUZZ_CHECK(value == Reference(text));
    zintar::fuzz::CheckRounding(value);

    for (wchar_t tail : kNotNumeric)
        FUZZ_CHECK(TextValue(text + tail) == value);
    FUZZ_CHECK(TextValue(L" \t\n" + text) == value);
    const bool leadingSignOrBlank =
        !text.empty() && std::wstring_view(L"+- \t\n").find(text[0]) != std::wstring_view::npos;
    if (!leadingSignOrBlank) {
        FUZZ_CHECK(TextValue(L"-" + text) == -value);
        FUZZ_CHECK(TextValue(L"+" + text) == value);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::setlocale(LC_ALL, "C"); // the reference's decimal point is "." whatever the environment
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const std::wstring& text : zintar::fuzz::WideTexts(data, size))
        Check(text);
    return 0;
}
