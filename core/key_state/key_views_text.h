#pragma once
// The texts of the key state section: its list's column titles and cells in either language.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/common/language.h"
#include "core/key_state/key_views.h"

namespace zintar {

enum class KeyStateColumn : uint8_t {
    Key,              // the constant name, "VK_LSHIFT"
    GetKeyState,      // the thread's view: down or up, and on or off for a toggle key
    GetAsyncKeyState, // the hardware's view
    Hook,             // the hook's view, or unknown where it cannot tell
    Stuck,            // "yes: only GetAsyncKeyState, 2.3 s"; "yes: sent by a program, held in
                      // GetKeyState and ..." where the views agree; empty for a key not stuck
};
constexpr std::array<KeyStateColumn, 5> kKeyStateColumns{
    KeyStateColumn::Key, KeyStateColumn::GetKeyState, KeyStateColumn::GetAsyncKeyState,
    KeyStateColumn::Hook, KeyStateColumn::Stuck};

// The API names stay as they are in both languages.
std::wstring_view KeyStateColumnTitle(KeyStateColumn column, Language language);

std::wstring KeyStateCellText(const KeyStateRow& row, KeyStateColumn column, Language language);

} // namespace zintar
