#pragma once
// The two languages of the user interface and the stored code that selects one.
#include <cstdint>

namespace zintar {

enum class Language : uint8_t { Hungarian, English };

// The stored code: any nonzero value means English, zero Hungarian. The program itself
// stores only these two.
constexpr int16_t kLanguageCodeEnglish = 1;
constexpr int16_t kLanguageCodeHungarian = 0;

constexpr Language LanguageOfCode(int32_t code) {
    return code != 0 ? Language::English : Language::Hungarian;
}
constexpr int16_t CodeOfLanguage(Language language) {
    return language == Language::English ? kLanguageCodeEnglish : kLanguageCodeHungarian;
}

} // namespace zintar
