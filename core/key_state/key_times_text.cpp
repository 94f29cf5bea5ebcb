#include "core/key_state/key_times_text.h"

#include "core/key_state/state_text.h"

namespace zintar {

namespace {

constexpr Bilingual kYes{L"yes", L"igen"};

std::wstring MillisecondsText(const std::optional<uint32_t>& ms) {
    return ms ? std::to_wstring(*ms) : std::wstring();
}

} // namespace

std::wstring_view KeyTimeColumnTitle(KeyTimeColumn column, Language language) {
    return KeyTimeColumnTitles(column).In(language);
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
