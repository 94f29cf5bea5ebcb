#pragma once
// The keys held down now, as a rollover test counts them: each physical key once, however
// often it repeats, until its key-up. The window sees keys only while it has the keyboard;
// when it loses it, no key-up can be seen any more and the set is emptied.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/common/language.h"
#include "core/keyboard_layout/layout_typing.h"

namespace zintar {

struct HeldKey {
    ReportedKey key;
    uint8_t virtualKey = 0; // as the key-down reported it, to ask the system whether it is down
};

class HeldKeys {
  public:
    // Whether the set changed: a repeat of a held key does not.
    bool Press(ReportedKey key, uint8_t virtualKey);
    bool Release(ReportedKey key);
    bool Clear();
    // Lets go of every key that stillDown(virtualKey) says is up: one whose key-up went
    // elsewhere (a secure desktop, another program's hook). The keys let go, in order.
    template <typename StillDown> std::vector<ReportedKey> DropReleased(StillDown stillDown) {
        std::vector<ReportedKey> dropped;
        for (size_t i = keys_.size(); i-- > 0;) {
            if (stillDown(keys_[i].virtualKey))
                continue;
            dropped.insert(dropped.begin(), keys_[i].key);
            keys_.erase(keys_.begin() + static_cast<std::ptrdiff_t>(i));
        }
        return dropped;
    }

    bool IsHeld(ReportedKey key) const;
    size_t count() const { return keys_.size(); }
    std::span<const HeldKey> keys() const { return keys_; }

  private:
    std::vector<HeldKey> keys_; // in the order they went down
};

// "held now: 4", "most lenyomva: 4".
std::wstring HeldNowText(size_t count, Language language);

} // namespace zintar
