#pragma once
// The four code boxes: what may be typed into each, and what a box holds and stands for
// whatever text reaches it (typed, pasted, or set by another program).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zintar {

enum class CodeBox : uint8_t { CharDec, CharHex, KeyDec, KeyHex };
constexpr int kCodeBoxCount = 4;

// The most characters a box holds: three decimal digits or two hexadecimal ones.
constexpr int MaxLength(CodeBox box) {
    return box == CodeBox::CharDec || box == CodeBox::KeyDec ? 3 : 2;
}

constexpr bool IsCharacterBox(CodeBox box) {
    return box == CodeBox::CharDec || box == CodeBox::CharHex;
}

// The typing filter: digits (and A-F in either case for the hexadecimal boxes) and
// backspace pass; every other character code, control characters included, is refused.
bool PassesTypingFilter(CodeBox box, int charCode);

// A box's text and the code it stands for. A negative code means "no code": the refresh
// then clears the box and every other read-out of its kind.
struct BoxEntry {
    std::wstring text;
    int16_t code = 0;
};

// No more than this many characters of any text are read: nothing beyond them can change
// what a box holds, and a pasted megabyte costs no more than a pasted line.
constexpr size_t kBoxReadLimit = 256;

// What a box holds for any text that reaches it, and its code. Text the box could have been
// typed into stays as typed ("065", "0a", the empty box meaning 0), except that a decimal
// code above 255 becomes "255". Any other text is read by the rules for pasted text and
// replaced by the plain form of its code: "12.5" holds "12", "-5" empties the box with a
// negative code, a hexadecimal "1G" holds "10"; a text that starts with no number, and a
// hexadecimal text of more than two characters, count as the empty box.
BoxEntry ReadBoxText(CodeBox box, std::wstring_view text);

// A box's text after pasting: the selection [selectionStart, selectionEnd) of the current
// text replaced by the first line of the clipboard text, read no further than the limit.
std::wstring TextAfterPaste(std::wstring_view current, size_t selectionStart, size_t selectionEnd,
                            std::wstring_view clipboard);

} // namespace zintar
