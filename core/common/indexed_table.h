#pragma once
// Tables with one row per value of an enumeration or per code, each row at its value's index
// and naming the value it stands for.
#include <array>
#include <cstddef>

namespace zintar {

// Whether every row stands at the index of the value it names: a row left out, written twice
// or put out of order would answer for another value. For a static_assert beside the table.
template <typename Row, size_t N, typename Id>
constexpr bool EachRowAtItsIndex(const std::array<Row, N>& rows, Id Row::*id) {
    for (size_t i = 0; i < N; ++i)
        if (static_cast<size_t>(rows[i].*id) != i)
            return false;
    return true;
}

} // namespace zintar
