#pragma once
// A text in both languages of the user interface, and the text of one entry of a table kept
// in the order of an enumeration.
#include <cstddef>
#include <string_view>

#include "core/common/language.h"

namespace zintar {

struct Bilingual {
    std::wstring_view english, hungarian;
};

constexpr std::wstring_view InLanguage(const Bilingual& text, Language language) {
    return language == Language::English ? text.english : text.hungarian;
}

// Entry i of the table in the language; empty past the table's end.
template <size_t N>
constexpr std::wstring_view TableText(const Bilingual (&table)[N], size_t i, Language language) {
    return i < N ? InLanguage(table[i], language) : std::wstring_view();
}

} // namespace zintar
