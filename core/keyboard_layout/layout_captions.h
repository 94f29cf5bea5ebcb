#pragma once
// Every text of the keyboard-layout feature in both languages: the typing states, the titles
// of the key table's and the shortcut table's columns, the verdicts, what went wrong with a
// layout DLL, and the words for the space bar and a dead key.
#include <string>
#include <string_view>

#include "core/common/language.h"
#include "core/keyboard_layout/layout_image.h"
#include "core/keyboard_layout/layout_key_rows.h"
#include "core/keyboard_layout/layout_typing.h"
#include "core/keyboard_layout/shortcut_verdict.h"

namespace zintar {

// Each is empty for a value outside its enumeration.
std::wstring_view TypingStateName(TypingState state, Language language); // "Shift+AltGr"
std::wstring_view LayoutKeyColumnTitle(LayoutKeyColumn column, Language language);
std::wstring_view ShortcutColumnTitle(ShortcutColumn column, Language language);
// "works", "moved", "AltGr collision", "missing", "dead key".
std::wstring_view ShortcutVerdictName(ShortcutVerdict verdict, Language language);

// "a pointer points outside the DLL's image (pDeadKey)"; the part is named by the structure's
// own field, the same in both languages; the system's error code follows where there is one.
std::wstring LayoutProblemText(const LayoutProblem& problem, Language language);

std::wstring_view SpaceName(Language language); // "space", "szóköz"
std::wstring_view DeadMark(Language language);  // "dead", "holt"

} // namespace zintar
