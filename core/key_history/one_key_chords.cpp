#include "core/key_history/one_key_chords.h"

#include <algorithm>

#include "core/common/virtual_keys.h"

namespace zintar {

namespace {

// A chord: its modifiers, in any order, then its main key; a chord of modifiers alone is
// complete with the last of them.
struct KnownChord {
    OneKeyChord chord;
    std::array<uint8_t, OneKeyChords::kMostKeys> modifiers;
    size_t modifierCount;
    uint8_t mainKey; // 0: none
};

// Keep this list to keys that exist and send nothing else:
// - the Copilot key of Windows 11 PCs sends Left Windows, Left Shift, then F23, and releases
//   them in the opposite order (Microsoft's announcement of the key, Windows Experience Blog,
//   January 2024, and its keyboard guidance to PC makers);
// - the Office key of Microsoft's keyboards sends Ctrl, Shift, Alt and Windows together
//   (Microsoft Support, "Use the Office key"), alone or before a letter of its shortcuts.
constexpr KnownChord kKnownChords[] = {
    {OneKeyChord::CopilotKey, {vk::kShift, vk::kLeftWin}, 2, vk::kF23},
    {OneKeyChord::OfficeKey, {vk::kControl, vk::kShift, vk::kMenu, vk::kLeftWin}, 4, 0},
};

// Either Windows key, and the side-specific codes of the others, as the chord names them.
uint8_t ChordKeyOf(uint8_t key) {
    switch (key) {
    case vk::kRightWin:
        return vk::kLeftWin;
    case vk::kLeftShift:
    case vk::kRightShift:
        return vk::kShift;
    case vk::kLeftControl:
    case vk::kRightControl:
        return vk::kControl;
    case vk::kLeftMenu:
    case vk::kRightMenu:
        return vk::kMenu;
    default:
        return key;
    }
}

} // namespace

bool OneKeyChords::Held(uint8_t key) const {
    const auto end = heldKeys_.begin() + static_cast<std::ptrdiff_t>(heldCount_);
    return held_ != OneKeyChord::None && std::find(heldKeys_.begin(), end, key) != end;
}

// The newest key-downs of the run make a known chord: its main key last, and just before it
// its modifiers, each once.
OneKeyChords::Marks OneKeyChords::Match() const {
    for (const KnownChord& known : kKnownChords) {
        const size_t keys = known.modifierCount + (known.mainKey != 0 ? 1 : 0);
        if (keys > runLength_)
            continue;
        const size_t first = runLength_ - keys;
        if (known.mainKey != 0 && run_[runLength_ - 1].virtualKey != known.mainKey)
            continue;
        const auto modifiers =
            known.modifiers.begin() + static_cast<std::ptrdiff_t>(known.modifierCount);
        bool all = true;
        for (size_t i = first; i < first + known.modifierCount && all; ++i) {
            const bool once = std::count_if(run_.begin() + static_cast<std::ptrdiff_t>(first),
                                            run_.begin() + static_cast<std::ptrdiff_t>(i),
                                            [&](const ChordKeyEvent& e) {
                                                return e.virtualKey == run_[i].virtualKey;
                                            }) == 0;
            all = once &&
                  std::find(known.modifiers.begin(), modifiers, run_[i].virtualKey) != modifiers;
        }
        if (!all)
            continue;
        Marks marks{known.chord, {}, keys};
        for (size_t i = 0; i < keys; ++i)
            marks.records[i] = run_[first + i].record;
        return marks;
    }
    return {};
}

OneKeyChords::Marks OneKeyChords::Take(const ChordKeyEvent& event) {
    const uint8_t key = ChordKeyOf(event.virtualKey);
    if (event.up || event.repeat) {
        runLength_ = 0; // a run is of first key-downs only
        if (!Held(key))
            return {};
        const Marks marks{held_, {event.record}, 1};
        if (event.up) {
            const auto end = heldKeys_.begin() + static_cast<std::ptrdiff_t>(heldCount_);
            heldCount_ =
                static_cast<size_t>(std::remove(heldKeys_.begin(), end, key) - heldKeys_.begin());
            if (heldCount_ == 0)
                held_ = OneKeyChord::None;
        }
        return marks;
    }
    // The wait is counted on the messages' clock, which wraps: a time that runs back is a
    // gap too.
    if (runLength_ > 0 && event.timeMs - run_[runLength_ - 1].timeMs > kGapMs)
        runLength_ = 0;
    if (runLength_ == kMostKeys) {
        std::rotate(run_.begin(), run_.begin() + 1, run_.end());
        --runLength_;
    }
    run_[runLength_++] = {event.record, key, false, false, event.timeMs};
    const Marks marks = Match();
    if (marks.chord == OneKeyChord::None)
        return {};
    held_ = marks.chord;
    heldCount_ = marks.count;
    for (size_t i = 0; i < marks.count; ++i)
        heldKeys_[i] = run_[runLength_ - marks.count + i].virtualKey;
    runLength_ = 0;
    return marks;
}

void OneKeyChords::Clear() {
    runLength_ = 0;
    held_ = OneKeyChord::None;
    heldCount_ = 0;
}

} // namespace zintar
