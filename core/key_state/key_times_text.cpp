#include "core/key_state/key_times_text.h"

#include "core/key_state/state_text.h"

namespace zintar {

namespace {

// In the order of KeyTimeColumn. "Pergés" is the Hungarian engineers' word for a switch's
// contacts bouncing.
constexpr std::array<Bilingual, kKeyTimeColumns.size()> kTitles{{
    {L"Held (ms)", L"Nyomva tartva (ms)"},
    {L"Since release (ms)", L"Felenged\u00E9s \u00F3ta (ms)"},
    {L"Chatter", L"Perg\u00E9s"},
}};
constexpr Bilingual kYes{L"yes", L"igen"};

std::wstring MillisecondsText(const std::optional<uint32_t>& ms) {
    return ms ? std::to_wstring(*ms) : std::wstring();
}

} // namespace

std::wstring_view KeyTimeColumnTitle(KeyTimeColumn column, Language language) {
    const auto i = static_cast<size_t>(column);
    return i < kTitles.size() ? kTitles[i].In(language) : std::wstring_view();
}

std::wstring KeyTimeCellText(const KeyTiming& timing, KeyTimeColumn column,
                             ChatterThreshold threshold, Language language) {
    switch (column) {
    case KeyTimeColumn::Held:
        return MillisecondsText(timing.heldMs);
    case KeyTimeColumn::SinceRelease:
        return MillisecondsText(timing.sinceReleaseMs);
    case KeyTimeColumn::Chatter:
        return IsChatter(timing, threshold) ? std::wstring(kYes.In(language)) : std::wstring();
    }
    return {};
}

} // namespace zintar
