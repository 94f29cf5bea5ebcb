#pragma once
// What the window may show, judged from outside: the texts of its seven read-outs as another
// process reads them. No Windows header: the character of a code is asked of the caller, who
// knows the code page.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/converter/box_table.h"
#include "core/converter/code_box.h"

namespace zintar::hostile {

// The read-outs that a refresh writes, in one snapshot, by the core's names for them.
using Field = ReadOut;
constexpr int kFieldCount = kReadOutCount;
using Shown = std::array<std::wstring, kFieldCount>;

inline const std::wstring& Get(const Shown& shown, Field field) {
    return shown[static_cast<size_t>(field)];
}

// The character that the code page writes for a code 0 to 255, as a window would show it.
using CharacterOfCode = std::function<std::wstring(int code)>;

// Every rule that must hold whatever reached the window: each code box empty or holding its
// digits, the capture box at most one character, and each kind's read-outs telling one code
// (decimal <-> hexadecimal <-> name or character), or all empty for no code.
std::vector<std::string> ConsistencyProblems(const Shown& shown,
                                             const CharacterOfCode& characterOf);

// After an entry into a code box: the modifiers are back to 0 and the other kind is cleared.
std::vector<std::string> EntryProblems(CodeBox box, const Shown& shown);

// What a box holds and stands for after a text reached it: the core's own reading of the
// text, linked from the core. The window in the other process must agree with it, whatever
// the text, and its read-outs must agree with each other.
struct Expected {
    std::wstring boxText;
    int code; // negative: no code, the box's kind is cleared
};
Expected ExpectedEntry(CodeBox box, std::wstring_view text);

// Whether a snapshot agrees with an expected entry.
std::vector<std::string> ExpectationProblems(CodeBox box, const Expected& expected,
                                             const Shown& shown);

} // namespace zintar::hostile
