#pragma once
// The combinations that Windows keeps for itself: a program cannot have them, and a key
// pressed with them never reaches the program's window. Each entry names where it is
// documented.
#include <optional>
#include <string_view>

#include "core/common/hotkey.h"

namespace zintar {

struct ReservedShortcut {
    uint8_t virtualKey;      // kAnyKey: every key with these modifiers
    uint8_t modifiers;       // kHotkey bits
    bool moreModifiersToo;   // also when further modifiers are held
    std::wstring_view what;  // what Windows does with it, in English
    std::string_view source; // where it is documented
};

constexpr uint8_t kAnyKey = 0;

// The entry that covers a combination, an exact one before a general rule; none for a
// combination that Windows leaves to programs.
std::optional<ReservedShortcut> FindReservedShortcut(Shortcut shortcut);

} // namespace zintar
