#include "tests/hostile/hostile_texts.h"

#include <cmath>
#include <cstdio>

namespace zintar::hostile {

namespace {

constexpr size_t kMegabyteOfText = 1 << 20;
constexpr size_t kKilobyteOfText = 1 << 10;
constexpr size_t kLongestSoup = 300;

struct Range {
    wchar_t first, last;
};

// The characters that text shaping, number parsing and the filters find hardest.
constexpr Range kCharacterClasses[] = {
    {L'0', L'9'},
    {L'a', L'f'},
    {L'A', L'F'},
    {L'+', L'.'},
    {L'\x01', L'\x1F'},
    {L'\x7F', L'\x9F'},
    {L'\u0300', L'\u036F'}, // combining marks
    {L'\u0600', L'\u06FF'}, // Arabic, with its own digits and marks
    {L'\u0591', L'\u05C7'}, // Hebrew marks
    {L'\u07C0', L'\u07FF'}, // NKo
    {L'\u200B', L'\u200F'},
    {L'\u202A', L'\u202E'},             // zero width, direction marks
    {wchar_t{0xD800}, wchar_t{0xDFFF}}, // surrogates, paired or alone
    {L'\uFF10', L'\uFF19'},             // full-width digits
    {L' ', L'~'},
    {L'\u00A0', L'\u00FF'},
    {L'\u0100', L'\uFFFF'},
};

constexpr const wchar_t* kBlanks = L" \t\n";

} // namespace

std::vector<NamedText> NamedTexts() {
    std::wstring digits(kMegabyteOfText, L'0');
    for (size_t i = 0; i < digits.size(); ++i)
        digits[i] = static_cast<wchar_t>(L'0' + (i + 1) % 10);
    return {
        {"hamza below, beh (crashed the text shaping)", L"\u0655\u0628"},
        {"double sign", L"--327687"},
        {"a megabyte of digits (quadratic layout)", std::move(digits)},
        {"four digits", L"1234"},
        {"a fraction", L"12.5"},
        {"a negative code", L"-5"},
        {"the empty text", L""},
        {"the largest code", L"255"},
        {"one past the largest", L"256"},
        {"typed zeros", L"000"},
        {"negative zero", L"-0"},
        {"a leading blank", L" 7"},
        {"a letter in hexadecimal", L"1G"},
        {"the smallest 16-bit number", L"-32768"},
        {"below the 16-bit range", L"-32769"},
        {"beyond a double's digits", L"99999999999999999999999999"},
        {"carriage return first", L"\r5"},
        {"a combining mark alone", L"\u0301"},
        {"a lone surrogate", std::wstring(1, wchar_t{0xDC00})},
        {"Arabic-Indic digits", L"\u0661\u0662"},
    };
}

size_t TextSource::LogLength(size_t largest) {
    const double exponent =
        std::uniform_real_distribution<double>(0.0, std::log(largest + 1.0))(random_);
    return static_cast<size_t>(std::exp(exponent)) - 1;
}

wchar_t TextSource::AnyCharacter() {
    const Range& range = kCharacterClasses[Below(std::size(kCharacterClasses))];
    return static_cast<wchar_t>(range.first +
                                Below(static_cast<size_t>(range.last - range.first) + 1));
}

std::wstring TextSource::Soup(size_t length) {
    std::wstring text(length, L'\0');
    for (wchar_t& c : text)
        c = AnyCharacter();
    // Now and then a NUL, which ends the text for the window.
    if (length && OneIn(50))
        text[Below(length)] = L'\0';
    return text;
}

// What typing could have produced: up to three decimal or two hexadecimal digits.
std::wstring TextSource::TypedLooking() {
    constexpr const wchar_t* kHex = L"0123456789abcdefABCDEF";
    const bool hex = OneIn(2);
    std::wstring text(Below(hex ? 3 : 4), L'\0');
    for (wchar_t& c : text)
        c = hex ? kHex[Below(22)] : static_cast<wchar_t>(L'0' + Below(10));
    return text;
}

// Blanks, a sign, a run of digits and a tail that is no part of the number.
std::wstring TextSource::DecoratedNumber() {
    std::wstring text;
    for (size_t n = Below(4); n; --n)
        text += kBlanks[Below(3)];
    if (OneIn(2))
        text += OneIn(2) ? L'-' : L'+';
    if (OneIn(8))
        text += OneIn(2) ? L'-' : L'+';
    for (size_t n = 1 + LogLength(30); n; --n)
        text += static_cast<wchar_t>(L'0' + Below(10));
    if (OneIn(2)) {
        wchar_t first;
        do
            first = AnyCharacter();
        while ((first >= L'0' && first <= L'9') || first == L'.' || first == L'\0');
        text += first;
        text += Soup(LogLength(20));
    }
    return text;
}

std::wstring TextSource::Fraction() {
    std::wstring text = OneIn(3) ? L"-" : L"";
    for (size_t n = Below(5); n; --n)
        text += static_cast<wchar_t>(L'0' + Below(10));
    text += L'.';
    for (size_t n = Below(5); n; --n)
        text += static_cast<wchar_t>(L'0' + Below(10));
    if (OneIn(4))
        text += L'.';
    return text;
}

// Marks that attach to the letter after or before them, like the pair that crashed.
std::wstring TextSource::MarkedLetters() {
    constexpr Range kMarks[] = {{L'\u064B', L'\u065F'},
                                {L'\u0300', L'\u036F'},
                                {L'\u0591', L'\u05C7'},
                                {L'\u07EB', L'\u07F3'}};
    std::wstring text;
    for (size_t n = 1 + Below(4); n; --n) {
        const Range& marks = kMarks[Below(std::size(kMarks))];
        const wchar_t mark =
            static_cast<wchar_t>(marks.first + Below(marks.last - marks.first + 1u));
        const wchar_t letter = static_cast<wchar_t>(L'\u0620' + Below(0x2B));
        text += OneIn(2) ? std::wstring{mark, letter} : std::wstring{letter, mark};
    }
    return text;
}

// A kilobyte to a megabyte: digits, one repeated character or soup.
std::wstring TextSource::Long() {
    const size_t length = kKilobyteOfText + LogLength(kMegabyteOfText - kKilobyteOfText);
    switch (Below(3)) {
    case 0: {
        std::wstring text(length, L'0');
        for (wchar_t& c : text)
            c = static_cast<wchar_t>(L'0' + Below(10));
        return text;
    }
    case 1:
        return std::wstring(length, AnyCharacter());
    default:
        return Soup(length);
    }
}

std::wstring TextSource::Next() {
    const size_t pick = Below(100);
    if (pick < 15)
        return TypedLooking();
    if (pick < 35)
        return DecoratedNumber();
    if (pick < 40)
        return Fraction();
    if (pick < 48)
        return MarkedLetters();
    if (pick < 49)
        return Long();
    return Soup(LogLength(kLongestSoup));
}

std::string Describe(std::wstring_view text, size_t shownChars) {
    std::string out;
    for (size_t i = 0; i < text.size() && i < shownChars; ++i) {
        const wchar_t c = text[i];
        if (c >= 0x20 && c < 0x7F && c != L'\\' && c != L'"') {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04X", static_cast<unsigned>(c));
            out += buf;
        }
    }
    if (text.size() > shownChars)
        out += "... (" + std::to_string(text.size()) + " chars)";
    return out;
}

} // namespace zintar::hostile
