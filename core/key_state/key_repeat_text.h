#pragma once
// The lines of the key details pane that show the measured repeat beside the settings.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/common/bilingual.h"
#include "core/common/language.h"
#include "core/key_state/key_repeat.h"

namespace zintar {

inline constexpr Bilingual kRepeatDelayCaption{L"Repeat delay",
                                               L"Ism\u00E9tl\u00E9s k\u00E9sleltet\u00E9se"};
inline constexpr Bilingual kRepeatRateCaption{L"Repeat rate", L"Ism\u00E9tl\u00E9si sebess\u00E9g"};

struct RepeatLine {
    std::wstring_view caption;
    std::wstring value;
};

// The delay, then the rate: "Repeat delay" "512 ms (setting 500 ms, +12 ms, +2 %)" and
// "Repeat rate" "29.4 per second (setting 30.0, -2 %)". Without the setting (the system did
// not answer) the measurement stands alone; before a measurement the value says what it
// waits for.
std::array<RepeatLine, 2> RepeatLines(const RepeatMeasurement& measurement,
                                      const std::optional<RepeatSetting>& setting,
                                      Language language);

} // namespace zintar
