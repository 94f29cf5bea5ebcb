#include "core/converter/code_box.h"

#include <algorithm>

#include "core/converter/characters.h"
#include "core/common/hex_text.h"
#include "core/converter/typed_codes.h"

namespace zintar {

namespace {

constexpr int kBackspace = 8;
constexpr int kLargestCode = 255;

bool IsDecimalBox(CodeBox box) {
    return box == CodeBox::CharDec || box == CodeBox::KeyDec;
}

// Text that typing alone could have produced in the box.
bool IsTypeable(CodeBox box, std::wstring_view text) {
    if (text.size() > static_cast<size_t>(MaxLength(box)))
        return false;
    const bool decimal = IsDecimalBox(box);
    return std::all_of(text.begin(), text.end(), [decimal](wchar_t c) {
        return decimal ? IsDecimalDigit(c) : IsHexDigit(c);
    });
}

bool StartsWithNumber(std::wstring_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i == text.size())
        return false;
    if (text[i] == L'+' || text[i] == L'-')
        ++i;
    if (i < text.size() && text[i] == L'.')
        ++i;
    return i < text.size() && IsDecimalDigit(text[i]);
}

BoxEntry ReadDecimal(std::wstring_view text) {
    // Tested unrounded: 255.4 becomes 255, while 254.6 rounds to 255 below.
    const double value = TextValue(text);
    if (value > kLargestCode)
        return {L"255", kLargestCode};
    if (IsTypeable(CodeBox::CharDec, text))
        return {std::wstring(text), RoundToInteger(value)};
    if (!StartsWithNumber(text))
        return {L"", 0};
    const int16_t code = RoundToInteger(value);
    if (code < 0)
        return {L"", code};
    return {DecimalText(code), code};
}

BoxEntry ReadHex(std::wstring_view text) {
    if (IsTypeable(CodeBox::CharHex, text))
        return {std::wstring(text), HexToByte(text)};
    if (text.size() != 1 && text.size() != 2)
        return {L"", 0};
    // One or two characters of which some are no digit: those count 0 ("1G" is 16).
    const int16_t code = HexToByte(text);
    return {ByteToHex(code), code};
}

} // namespace

bool PassesTypingFilter(CodeBox box, int charCode) {
    if (charCode == kBackspace)
        return true;
    return IsDecimalBox(box) ? IsDecimalDigit(charCode) : IsHexDigit(charCode);
}

BoxEntry ReadBoxText(CodeBox box, std::wstring_view text) {
    // One character past the limit keeps an over-long text over-long.
    text = text.substr(0, kBoxReadLimit + 1);
    return IsDecimalBox(box) ? ReadDecimal(text) : ReadHex(text);
}

std::wstring TextAfterPaste(std::wstring_view current, size_t selectionStart, size_t selectionEnd,
                            std::wstring_view clipboard) {
    current = current.substr(0, kBoxReadLimit);
    // Like any one-line box, only the first line of the clipboard counts.
    clipboard = clipboard.substr(0, kBoxReadLimit);
    clipboard = clipboard.substr(0, clipboard.find_first_of(L"\r\n"));
    const size_t start = std::min(selectionStart, current.size());
    const size_t end = std::clamp(selectionEnd, start, current.size());
    std::wstring text(current.substr(0, start));
    text += clipboard;
    text += current.substr(end);
    return text;
}

} // namespace zintar
