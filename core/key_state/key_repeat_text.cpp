#include "core/key_state/key_repeat_text.h"

#include <cmath>

#include "core/key_state/state_text.h"

namespace zintar {

namespace {

constexpr Bilingual kNothingMeasured{L"measured while a key is held",
                                     L"billenty\u0171 nyomva tart\u00E1sakor m\u00E9rhet\u0151"};
constexpr Bilingual kNoRepeatYet{L"no repeat yet", L"m\u00E9g nem ism\u00E9tl\u0151d\u00F6tt"};
constexpr Bilingual kDownNotSeen{L"its key-down was not received",
                                 L"a lenyom\u00E1sa nem \u00E9rkezett meg"};
constexpr Bilingual kTooFewRepeats{L"too few repeats yet",
                                   L"m\u00E9g kev\u00E9s az ism\u00E9tl\u00E9s"};
constexpr Bilingual kSetting{L"setting ", L"be\u00E1ll\u00EDt\u00E1s: "};

std::wstring RateText(double perSecond, Language language) {
    const auto tenths = static_cast<uint64_t>(std::lround(perSecond * 10));
    return language == Language::English
               ? TenthsText(tenths, language) + L" per second"
               : L"m\u00E1sodpercenk\u00E9nt " + TenthsText(tenths, language);
}

std::wstring DelayValue(const RepeatMeasurement& m, const std::optional<RepeatSetting>& setting,
                        Language language) {
    if (!m.keySeen)
        return std::wstring(kNothingMeasured.In(language));
    if (!m.delayMs)
        return std::wstring((m.repeats == 0 ? kNoRepeatYet : kDownNotSeen).In(language));
    std::wstring text = std::to_wstring(*m.delayMs) + L" ms";
    if (!setting)
        return text;
    const uint32_t promised = SettingDelayMs(setting->delayCode);
    const Deviation off = DeviationFrom(*m.delayMs, promised);
    return text + L" (" + std::wstring(kSetting.In(language)) + std::to_wstring(promised) +
           L" ms, " + SignedText(std::lround(off.amount)) + L" ms, " +
           SignedPercentText(off.percent, language) + L")";
}

std::wstring RateValue(const RepeatMeasurement& m, const std::optional<RepeatSetting>& setting,
                       Language language) {
    if (!m.keySeen)
        return std::wstring(kNothingMeasured.In(language));
    if (!m.ratePerSecond)
        return std::wstring(kTooFewRepeats.In(language));
    std::wstring text = RateText(*m.ratePerSecond, language);
    if (!setting)
        return text;
    const double promised = SettingRatePerSecond(setting->speedCode);
    const Deviation off = DeviationFrom(*m.ratePerSecond, promised);
    const auto promisedTenths = static_cast<uint64_t>(std::lround(promised * 10));
    return text + L" (" + std::wstring(kSetting.In(language)) +
           TenthsText(promisedTenths, language) + L", " + SignedPercentText(off.percent, language) +
           L")";
}

} // namespace

std::array<RepeatLine, 2> RepeatLines(const RepeatMeasurement& measurement,
                                      const std::optional<RepeatSetting>& setting,
                                      Language language) {
    return {{{kRepeatDelayCaption.In(language), DelayValue(measurement, setting, language)},
             {kRepeatRateCaption.In(language), RateValue(measurement, setting, language)}}};
}

} // namespace zintar
