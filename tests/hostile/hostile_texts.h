#pragma once
// The texts that the hostile-input test sets into the window: a fixed list of texts known to
// have broken it once, then a seeded stream of random ones.
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace zintar::hostile {

struct NamedText {
    const char* name;
    std::wstring text;
};

// Texts that each once crashed, froze or fooled the window, and the edges of the rules.
std::vector<NamedText> NamedTexts();

// Random texts from a seed, the same ones for the same seed: digits, hexadecimal letters,
// signs and blanks, control characters, combining marks, Arabic, Hebrew marks and NKo, odd
// surrogates, numbers with decorations, and now and then a text of up to a megabyte.
class TextSource {
  public:
    explicit TextSource(uint64_t seed) : random_(seed) {}
    std::wstring Next();

  private:
    size_t Below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }
    bool OneIn(size_t n) { return Below(n) == 0; }
    size_t LogLength(size_t largest);
    wchar_t AnyCharacter();
    std::wstring Soup(size_t length);
    std::wstring TypedLooking();
    std::wstring DecoratedNumber();
    std::wstring Fraction();
    std::wstring MarkedLetters();
    std::wstring Long();

    std::mt19937_64 random_;
};

// A text for a log line: ASCII as it is, everything else as \uXXXX, cut after shownChars.
std::string Describe(std::wstring_view text, size_t shownChars = 40);

} // namespace zintar::hostile
