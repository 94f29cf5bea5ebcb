#include "core/key_history/character_text.h"

#include <array>
#include <cstdint>

#include "core/common/hex_text.h"
#include "core/key_history/key_event.h"

namespace zintar {

namespace {

constexpr int kCodePointDigits = 4;
constexpr char32_t kFirstSupplementary = 0x10000;
constexpr wchar_t kCaretOffset = 0x40; // ^@ for 0, ^A for 1 ... ^_ for 31
constexpr char32_t kDelete = 0x7F;

bool IsScalarValue(char32_t c) {
    return !IsSurrogate(c) && c <= kLastCodePoint;
}

} // namespace

std::wstring Utf16Text(char32_t c) {
    if (!IsScalarValue(c))
        return {};
    if constexpr (sizeof(wchar_t) == 2) {
        if (c >= kFirstSupplementary) {
            const char32_t v = c - kFirstSupplementary;
            return {static_cast<wchar_t>(0xD800 + (v >> 10)),
                    static_cast<wchar_t>(0xDC00 + (v & 0x3FF))};
        }
    }
    return std::wstring(1, static_cast<wchar_t>(c));
}

std::wstring CaretText(char32_t c) {
    if (c == kDelete)
        return L"^?";
    if (IsControlCharacter(c))
        return {L'^', static_cast<wchar_t>(c + kCaretOffset)};
    return Utf16Text(c);
}

std::wstring CodePointText(char32_t c) {
    return L"U+" + HexText(c, kCodePointDigits);
}

std::wstring Utf8Text(char32_t c) {
    if (!IsScalarValue(c))
        return {};
    std::array<uint32_t, 4> bytes{};
    size_t n = 0;
    if (c < 0x80) {
        bytes[n++] = c;
    } else if (c < 0x800) {
        bytes[n++] = 0xC0 | (c >> 6);
        bytes[n++] = 0x80 | (c & 0x3F);
    } else if (c < 0x10000) {
        bytes[n++] = 0xE0 | (c >> 12);
        bytes[n++] = 0x80 | ((c >> 6) & 0x3F);
        bytes[n++] = 0x80 | (c & 0x3F);
    } else {
        bytes[n++] = 0xF0 | (c >> 18);
        bytes[n++] = 0x80 | ((c >> 12) & 0x3F);
        bytes[n++] = 0x80 | ((c >> 6) & 0x3F);
        bytes[n++] = 0x80 | (c & 0x3F);
    }
    std::wstring text;
    for (size_t i = 0; i < n; ++i) {
        if (i > 0)
            text += L' ';
        text += HexText(bytes[i], kByteDigits);
    }
    return text;
}

} // namespace zintar
