#pragma once
// One key that sends a chord: a few keys send several key messages at once, and a program
// sees only the chord. Their rows are grouped under one note when the chord's keys come
// within a few milliseconds of each other, every modifier before the main key. The list of
// known chords is small and lives in one_key_chords.cpp, with where each is documented.
#include <array>
#include <cstddef>
#include <cstdint>

namespace zintar {

enum class OneKeyChord : uint8_t { None, CopilotKey, OfficeKey };

// A key record as the chords see it.
struct ChordKeyEvent {
    uint64_t record;    // its number in the history
    uint8_t virtualKey; // as the key message gave it (the generic Shift, Ctrl, Alt)
    bool up;
    bool repeat; // an auto-repeated key-down
    uint32_t timeMs;
};

class OneKeyChords {
  public:
    // A keyboard's firmware sends a chord in one report, or in reports a polling interval
    // apart (1 to 8 ms on USB); Wine and xdotool send it with no pause. Keys pressed by hand
    // one after another come 80 ms or more apart even from a fast typist, so 50 ms between
    // consecutive keys tells the two apart with room for a loaded machine's message times.
    static constexpr uint32_t kGapMs = 50;
    static constexpr size_t kMostKeys = 4; // the longest known chord

    // The records a key adds to a chord, all of one chord.
    struct Marks {
        OneKeyChord chord = OneKeyChord::None;
        std::array<uint64_t, kMostKeys> records{};
        size_t count = 0;
    };

    // The key-down that completes a known chord marks every key-down of the chord; while the
    // chord's keys are held, their auto-repeats and key-ups are marked too, until the last
    // goes up. Nothing else is marked.
    Marks Take(const ChordKeyEvent& key);
    void Clear();

  private:
    Marks Match() const;
    bool Held(uint8_t key) const;

    std::array<ChordKeyEvent, kMostKeys> run_{}; // consecutive key-downs, each within kGapMs
    size_t runLength_ = 0;
    OneKeyChord held_ = OneKeyChord::None;
    std::array<uint8_t, kMostKeys> heldKeys_{}; // the held chord's keys still down
    size_t heldCount_ = 0;
};

} // namespace zintar
