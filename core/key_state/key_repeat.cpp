#include "core/key_state/key_repeat.h"

#include <algorithm>
#include <cmath>

namespace zintar {

namespace {

constexpr uint32_t kMaxDelayCode = 3, kDelayStepMs = 250;
constexpr uint32_t kMaxSpeedCode = 31;
constexpr double kSlowestRate = 2.5, kFastestRate = 30.0;

// An interval this many times the usual one stands for repeats whose messages were lost.
// Below it, a long interval is a late message, whose lateness the next one gives back. The
// message clock counts in steps of about 16 ms on Windows, so a 33 ms repeat shows as 31 and
// 47 ms, half as long again: no reason to count one repeat more.
constexpr double kMissedRepeatFactor = 1.75;

} // namespace

uint32_t SettingDelayMs(uint32_t delayCode) {
    return (std::min(delayCode, kMaxDelayCode) + 1) * kDelayStepMs;
}

double SettingRatePerSecond(uint32_t speedCode) {
    const double step = (kFastestRate - kSlowestRate) / kMaxSpeedCode;
    return kSlowestRate + std::min(speedCode, kMaxSpeedCode) * step;
}

Deviation DeviationFrom(double measured, double promised) {
    const double amount = measured - promised;
    const double percent = promised != 0 ? 100.0 * amount / promised : 0.0;
    return {amount, static_cast<int32_t>(std::lround(percent))};
}

void RepeatMeter::Add(const KeyStroke& stroke) {
    const size_t slot = KeySlot(stroke);
    if (stroke.up) {
        if (slot == current_.slot)
            current_.active = false;
        return;
    }
    started_ = true;
    const bool continues = stroke.autoRepeat && current_.active && slot == current_.slot;
    if (!continues) {
        if (current_.repeats > 0)
            measured_ = current_;
        current_ = Run{};
        current_.active = true;
        current_.slot = slot;
        current_.virtualKey = stroke.virtualKey;
        current_.downKnown = !stroke.autoRepeat;
        current_.downMs = stroke.timeMs;
        if (!stroke.autoRepeat)
            return;
        // The press began before the window had the keyboard: this repeat is the first seen.
    } else if (current_.repeats > 0) {
        current_.intervals[(current_.repeats - 1) % kIntervalCapacity] =
            TicksBetween(current_.lastRepeatMs, stroke.timeMs);
    }
    if (current_.repeats == 0)
        current_.firstRepeatMs = stroke.timeMs;
    current_.lastRepeatMs = stroke.timeMs;
    ++current_.repeats;
}

RepeatMeasurement RepeatMeter::Measurement() const {
    if (current_.repeats == 0 && measured_.repeats > 0)
        return Measure(measured_);
    RepeatMeasurement measurement = Measure(current_);
    measurement.keySeen = started_;
    return measurement;
}

void RepeatMeter::Clear() {
    *this = RepeatMeter{};
}

RepeatMeasurement RepeatMeter::Measure(const Run& run) {
    RepeatMeasurement m;
    m.keySeen = true;
    m.virtualKey = run.virtualKey;
    m.repeats = run.repeats;
    if (run.repeats > 0 && run.downKnown)
        m.delayMs = TicksBetween(run.downMs, run.firstRepeatMs);
    const size_t count = std::min<size_t>(run.repeats > 0 ? run.repeats - 1 : 0, kIntervalCapacity);
    if (count < kMinRateIntervals)
        return m;
    std::array<uint32_t, kIntervalCapacity> sorted = run.intervals;
    const auto middle = sorted.begin() + count / 2;
    std::nth_element(sorted.begin(), middle, sorted.begin() + count);
    const double median = *middle;
    const auto missed = [median](double interval) {
        return median > 0 && interval >= kMissedRepeatFactor * median;
    };
    // The rate over the whole span rather than from the median: the span averages out the
    // message clock's steps. An interval that lost messages counts as the repeats it spans,
    // measured against the mean of the others, which the clock's steps do not bias.
    double span = 0, normalSpan = 0, normalCount = 0;
    for (size_t i = 0; i < count; ++i) {
        span += run.intervals[i];
        if (!missed(run.intervals[i])) {
            normalSpan += run.intervals[i];
            ++normalCount;
        }
    }
    const double typical = normalSpan / normalCount; // the median itself is one of them
    double periods = normalCount;
    for (size_t i = 0; i < count; ++i) {
        if (missed(run.intervals[i]))
            periods += std::round(run.intervals[i] / typical);
    }
    if (span > 0)
        m.ratePerSecond = periods * 1000.0 / span;
    return m;
}

} // namespace zintar
