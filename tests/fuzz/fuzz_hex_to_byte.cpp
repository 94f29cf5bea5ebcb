// HexToByte and HexDigitValue against a plain digit table: one or two digits of either case,
// anything else counting 0, and 0 for every other length.
#include "fuzz_support.h"

namespace {

int DigitOrZero(wchar_t c) {
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return 0;
}

void Check(const std::wstring& text) {
    const int byte = zintar::HexToByte(text);
    FUZZ_CHECK(byte >= 0 && byte <= 255);
    switch (text.size()) {
    case 1:
        FUZZ_CHECK(byte == DigitOrZero(text[0]));
        break;
    case 2:
        FUZZ_CHECK(byte == 16 * DigitOrZero(text[0]) + DigitOrZero(text[1]));
        break;
    default:
        FUZZ_CHECK(byte == 0);
        break;
    }
    FUZZ_CHECK(zintar::HexDigitValue(text) == (text.empty() ? 0 : DigitOrZero(text[0])));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const std::wstring& text : zintar::fuzz::WideTexts(data, size))
        Check(text);
    return 0;
}
