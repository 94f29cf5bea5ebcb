#pragma once
// The key history's columns of time: their titles and cells in either language. The history
// keeps each row's KeyTiming; the cells are made when they are shown.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/common/bilingual.h"
#include "core/common/language.h"
#include "core/key_state/key_times.h"

namespace zintar {

enum class KeyTimeColumn : uint8_t {
    Held,         // on key-ups: ms since the key's first key-down
    SinceRelease, // on key-downs that start a press: ms since the key last went up
    Chatter,      // "yes" where the press came too soon after the release
};
constexpr std::array<KeyTimeColumn, 3> kKeyTimeColumns{
    KeyTimeColumn::Held, KeyTimeColumn::SinceRelease, KeyTimeColumn::Chatter};

// In the order of KeyTimeColumn. "Pergés" is the Hungarian engineers' word for a switch's
// contacts bouncing.
inline constexpr std::array<Bilingual, kKeyTimeColumns.size()> kKeyTimeColumnTitles{{
    {L"Held (ms)", L"Nyomva tartva (ms)"},
    {L"Since release (ms)", L"Felenged\u00E9s \u00F3ta (ms)"},
    {L"Chatter", L"Perg\u00E9s"},
}};

// Both titles of a column, for the key history's table of columns.
constexpr Bilingual KeyTimeColumnTitles(KeyTimeColumn column) {
    const auto i = static_cast<size_t>(column);
    return i < kKeyTimeColumnTitles.size() ? kKeyTimeColumnTitles[i] : Bilingual{};
}

std::wstring_view KeyTimeColumnTitle(KeyTimeColumn column, Language language);

// The number of milliseconds, "yes" for chatter; empty where the row has none.
std::wstring KeyTimeCellText(const KeyTiming& timing, KeyTimeColumn column,
                             ChatterThreshold threshold, Language language);

} // namespace zintar
