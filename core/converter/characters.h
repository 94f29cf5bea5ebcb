#pragma once
// Which characters count as digits and blanks, for every rule that reads typed or pasted
// text: the typing filter, what a box holds, and the number at the start of a text.
namespace zintar {

constexpr bool IsDecimalDigit(int c) {
    return c >= '0' && c <= '9';
}
// Either case: users type "1b" as often as "1B".
constexpr bool IsHexDigit(int c) {
    return IsDecimalDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
// The blanks that may stand before a number: space, tab and line feed.
constexpr bool IsBlank(int c) {
    return c == ' ' || c == '\t' || c == '\n';
}

} // namespace zintar
