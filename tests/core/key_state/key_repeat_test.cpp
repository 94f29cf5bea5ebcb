#include "core/key_state/key_repeat.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "core/key_state/key_repeat_text.h"

namespace zintar {
namespace {

constexpr uint8_t kA = 0x41, kB = 0x42;
constexpr uint16_t kAScan = 0x1E, kBScan = 0x30;

// A key-down at downMs, then its repeats at the given times.
void Hold(RepeatMeter& meter, uint32_t downMs, std::initializer_list<uint32_t> repeatsMs,
          uint8_t vk = kA, uint16_t scan = kAScan) {
    meter.Add({vk, scan, false, false, false, downMs});
    for (uint32_t t : repeatsMs)
        meter.Add({vk, scan, false, false, true, t});
}

TEST(RepeatSettings, ConvertAsTheSystemDocumentsThem) {
    // 0 is about 250 ms through 3 about one second.
    EXPECT_EQ(SettingDelayMs(0), 250u);
    EXPECT_EQ(SettingDelayMs(1), 500u);
    EXPECT_EQ(SettingDelayMs(2), 750u);
    EXPECT_EQ(SettingDelayMs(3), 1000u);
    EXPECT_EQ(SettingDelayMs(9), 1000u);
    // 0 is about 2.5 a second through 31 about 30, linear: 27.5 / 31 a step.
    EXPECT_DOUBLE_EQ(SettingRatePerSecond(0), 2.5);
    EXPECT_NEAR(SettingRatePerSecond(15), 15.806, 0.001);
    EXPECT_NEAR(SettingRatePerSecond(16), 16.694, 0.001);
    EXPECT_DOUBLE_EQ(SettingRatePerSecond(31), 30.0);
    EXPECT_DOUBLE_EQ(SettingRatePerSecond(200), 30.0);
}

TEST(RepeatMeter, MeasuresTheDelayThenTheRateOnceEnoughRepeatsCame) {
    RepeatMeter meter;
    EXPECT_FALSE(meter.Measurement().keySeen);
    Hold(meter, 1000, {});
    EXPECT_TRUE(meter.Measurement().keySeen);
    EXPECT_FALSE(meter.Measurement().delayMs);
    meter.Add({kA, kAScan, false, false, true, 1512});
    EXPECT_EQ(meter.Measurement().delayMs, 512u);
    meter.Add({kA, kAScan, false, false, true, 1552});
    meter.Add({kA, kAScan, false, false, true, 1592});
    EXPECT_FALSE(meter.Measurement().ratePerSecond) << "two intervals are not enough";
    meter.Add({kA, kAScan, false, false, true, 1632});
    ASSERT_TRUE(meter.Measurement().ratePerSecond);
    EXPECT_DOUBLE_EQ(*meter.Measurement().ratePerSecond, 25.0);
    EXPECT_EQ(meter.Measurement().virtualKey, kA);
}

TEST(RepeatMeter, OneMissingOrLateMessageLeavesTheRate) {
    struct Case {
        const char* what;
        std::initializer_list<uint32_t> repeats;
        double rate;
    };
    const Case cases[] = {
        {"one missing", {500, 540, 580, 660, 700, 740}, 25.0},
        {"one late", {500, 540, 580, 645, 660, 700}, 25.0},
        // 30 a second under a clock of 15.625 ms steps: mostly 31 ms, now and then 47.
        {"clock steps",
         {1000, 1031, 1062, 1093, 1125, 1156, 1187, 1218, 1265, 1296, 1328, 1359, 1390, 1421, 1453,
          1500},
         30.0},
        // ... and one lost after 218: 78 ms, more than two of the 31 ms steps and a half.
        {"clock steps, one missing",
         {1000, 1031, 1062, 1093, 1125, 1156, 1187, 1218, 1296, 1328, 1359, 1390, 1421, 1453, 1500,
          1531},
         16000.0 / 531},
    };
    for (const Case& c : cases) {
        RepeatMeter meter;
        Hold(meter, 0, c.repeats);
        const auto rate = meter.Measurement().ratePerSecond;
        ASSERT_TRUE(rate) << c.what;
        EXPECT_NEAR(*rate, c.rate, 0.05) << c.what;
    }
}

TEST(RepeatMeter, RepeatsWithoutTimeBetweenThemGiveNoRate) {
    RepeatMeter meter;
    Hold(meter, 0, {500, 500, 500, 500, 500});
    EXPECT_FALSE(meter.Measurement().ratePerSecond);
}

TEST(RepeatMeter, ATapKeepsTheLastMeasurementUntilTheNewKeyRepeats) {
    RepeatMeter meter;
    Hold(meter, 0, {500, 540});
    meter.Add({kA, kAScan, false, true, false, 560});
    Hold(meter, 1000, {}, kB, kBScan);
    meter.Add({kB, kBScan, false, true, false, 1100});
    EXPECT_EQ(meter.Measurement().virtualKey, kA);
    EXPECT_EQ(meter.Measurement().delayMs, 500u);
    Hold(meter, 2000, {2250}, kB, kBScan);
    EXPECT_EQ(meter.Measurement().virtualKey, kB);
    EXPECT_EQ(meter.Measurement().delayMs, 250u);
    // The window got the keyboard while A was held: its first message is a repeat.
    meter.Add({kA, kAScan, false, false, true, 3000});
    EXPECT_EQ(meter.Measurement().virtualKey, kA);
    EXPECT_FALSE(meter.Measurement().delayMs);
    EXPECT_EQ(meter.Measurement().repeats, 1u);
}

TEST(RepeatLines, ShowTheMeasurementBesideTheSetting) {
    RepeatMeter meter;
    Hold(meter, 0, {512, 552, 592, 632});
    const RepeatSetting setting{1, 31};
    const auto english = RepeatLines(meter.Measurement(), setting, Language::English);
    EXPECT_EQ(english[0].value, L"512 ms (setting 500 ms, +12 ms, +2 %)");
    EXPECT_EQ(english[1].value, L"25.0 per second (setting 30.0, -17 %)");
    const auto hungarian = RepeatLines(meter.Measurement(), setting, Language::Hungarian);
    EXPECT_EQ(hungarian[0].value, L"512 ms (be\u00E1ll\u00EDt\u00E1s: 500 ms, +12 ms, +2%)");
    EXPECT_EQ(hungarian[1].value,
              L"m\u00E1sodpercenk\u00E9nt 25,0 (be\u00E1ll\u00EDt\u00E1s: 30,0, -17%)");
    const auto unset = RepeatLines(meter.Measurement(), std::nullopt, Language::English);
    EXPECT_EQ(unset[0].value, L"512 ms");

    // Before enough repeats each line says what it waits for.
    RepeatMeter fresh;
    const auto idle = RepeatLines(fresh.Measurement(), setting, Language::English);
    Hold(fresh, 0, {});
    const auto pressed = RepeatLines(fresh.Measurement(), setting, Language::English);
    EXPECT_NE(idle[0].value, pressed[0].value);
    EXPECT_EQ(pressed[1].value, L"too few repeats yet");
}

} // namespace
} // namespace zintar
