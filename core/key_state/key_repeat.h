#pragma once
// The real auto-repeat of a held key, measured from its messages, beside what the system's
// keyboard settings promise.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/key_state/key_stroke.h"

namespace zintar {

// The two settings as SystemParametersInfo gives them: SPI_GETKEYBOARDDELAY (0 to 3) and
// SPI_GETKEYBOARDSPEED (0 to 31).
struct RepeatSetting {
    uint32_t delayCode;
    uint32_t speedCode;
};

// Documented as 0 for about 250 ms through 3 for about one second: a quarter of a second a
// step. A code above 3 counts as 3, as the system takes it.
uint32_t SettingDelayMs(uint32_t delayCode);
// Documented as 0 for about 2.5 repetitions a second through 31 for about 30, on a linear
// scale that the hardware may miss by up to 20 %. A code above 31 counts as 31, as setting
// it does.
double SettingRatePerSecond(uint32_t speedCode);

// How far a measurement is from its setting: signed, positive for later or faster.
struct Deviation {
    double amount; // in the measurement's unit: ms for the delay, repetitions a second for the rate
    int32_t percent;
};
Deviation DeviationFrom(double measured, double promised);

struct RepeatMeasurement {
    bool keySeen = false; // a key went down or repeated since the start
    uint8_t virtualKey = 0;
    uint32_t repeats = 0;
    // From the key-down to the first repeat; none until it came, or where the window saw no
    // key-down (the press began before it had the keyboard).
    std::optional<uint32_t> delayMs;
    // From the repeats after the first, once kMinRateIntervals intervals came.
    std::optional<double> ratePerSecond;
};

// Follows the key that repeats: Windows repeats only the key pressed last, so a new press
// starts a new measurement. Until the new one has its first repeat the last measurement with
// a repeat stays, so that a tap after holding a key does not wipe what the hold measured.
class RepeatMeter {
  public:
    static constexpr size_t kMinRateIntervals = 3;
    static constexpr size_t kIntervalCapacity = 64; // the latest intervals are measured

    // The window's key messages, in order.
    void Add(const KeyStroke& stroke);
    RepeatMeasurement Measurement() const;
    void Clear();

  private:
    struct Run {
        bool active = false; // the key has not gone up
        bool downKnown = false;
        size_t slot = 0;
        uint8_t virtualKey = 0;
        uint32_t downMs = 0;
        uint32_t firstRepeatMs = 0;
        uint32_t lastRepeatMs = 0;
        uint32_t repeats = 0;
        std::array<uint32_t, kIntervalCapacity> intervals{}; // a ring of the latest
    };
    static RepeatMeasurement Measure(const Run& run);

    bool started_ = false;
    Run current_;
    Run measured_; // the last run that had a repeat
};

} // namespace zintar
