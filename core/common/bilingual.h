#pragma once
// A text of the user interface in both its languages, and tables of such texts keyed by the
// value they name.
#include <array>
#include <cstddef>
#include <string_view>

#include "core/common/language.h"

namespace zintar {

struct Bilingual {
    std::wstring_view english, hungarian;
    constexpr std::wstring_view In(Language language) const {
        return language == Language::English ? english : hungarian;
    }
};

// One row of a table of words: the value and its text.
template <typename Key> struct Worded {
    Key key;
    Bilingual text;
};

// The text of a key in the language; empty for a key that the table does not name.
template <typename Key, size_t N>
constexpr std::wstring_view TextOf(const std::array<Worded<Key>, N>& table, Key key,
                                   Language language) {
    for (const Worded<Key>& row : table)
        if (row.key == key)
            return row.text.In(language);
    return {};
}

// Entry i of a table kept in the order of an enumeration, in the language; empty past the
// table's end.
template <size_t N>
constexpr std::wstring_view TableText(const Bilingual (&table)[N], size_t i, Language language) {
    return i < N ? table[i].In(language) : std::wstring_view();
}

} // namespace zintar
