#include "core/keyboard_layout/typed_by_layout.h"

#include <algorithm>
#include <cwctype>

#include "core/common/bilingual.h"

namespace zintar {

namespace {

struct StateRow {
    ShiftStateKeys keys;
    Bilingual name;
};

// In the order of ShiftState.
constexpr std::array<StateRow, kShiftStateCount> kStates{{
    {{false, false, false, false}, {L"Plain", L"Alap"}},
    {{true, false, false, false}, {L"Shift", L"Shift"}},
    {{false, true, true, false}, {L"AltGr", L"AltGr"}},
    {{true, true, true, false}, {L"Shift+AltGr", L"Shift+AltGr"}},
    {{false, false, false, true}, {L"Caps Lock", L"Caps Lock"}},
}};

constexpr std::array<wchar_t, 6> kBases{L'a', L'e', L'i', L'o', L'u', L' '};
constexpr std::wstring_view kArrow = L"\u2192";
constexpr Bilingual kSpaceName{L"space", L"sz\u00F3k\u00F6z"};

struct LayoutName {
    std::wstring_view klid, name;
};

// The layouts most often met, with Windows' own names for them.
constexpr LayoutName kLayoutNames[] = {
    {L"00000405", L"Czech"},
    {L"00000406", L"Danish"},
    {L"00000407", L"German"},
    {L"00000408", L"Greek"},
    {L"00000409", L"US"},
    {L"0000040A", L"Spanish"},
    {L"0000040B", L"Finnish"},
    {L"0000040C", L"French"},
    {L"0000040E", L"Hungarian"},
    {L"00000410", L"Italian"},
    {L"00000411", L"Japanese"},
    {L"00000412", L"Korean"},
    {L"00000413", L"Dutch"},
    {L"00000414", L"Norwegian"},
    {L"00000415", L"Polish (Programmers)"},
    {L"00000416", L"Portuguese (Brazil ABNT)"},
    {L"00000418", L"Romanian (Legacy)"},
    {L"00000419", L"Russian"},
    {L"0000041B", L"Slovak"},
    {L"0000041D", L"Swedish"},
    {L"0000041F", L"Turkish Q"},
    {L"00000422", L"Ukrainian"},
    {L"00000807", L"Swiss German"},
    {L"00000809", L"United Kingdom"},
    {L"0000080C", L"Belgian French"},
    {L"00000816", L"Portuguese"},
    {L"0000100C", L"Swiss French"},
    {L"00010409", L"United States-Dvorak"},
    {L"00020409", L"United States-International"},
    {L"0001040E", L"Hungarian 101-key"},
};

bool SameHex(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return std::towupper(static_cast<wint_t>(x)) ==
                      std::towupper(static_cast<wint_t>(y));
           });
}

} // namespace

ShiftStateKeys KeysOfShiftState(ShiftState state) {
    const auto i = static_cast<size_t>(state);
    return i < kStates.size() ? kStates[i].keys : ShiftStateKeys{};
}

std::wstring_view ShiftStateName(ShiftState state, Language language) {
    const auto i = static_cast<size_t>(state);
    return i < kStates.size() ? kStates[i].name.In(language) : std::wstring_view();
}

TypedText ReadToUnicodeAnswer(int result, std::wstring_view buffer) {
    TypedText typed;
    if (result < 0) {
        typed.kind = TypedText::Kind::Dead;
        if (!buffer.empty() && buffer[0] != 0)
            typed.text.assign(1, buffer[0]);
        return typed;
    }
    const size_t count = std::min(static_cast<size_t>(result), buffer.size());
    if (count == 0)
        return typed;
    typed.kind = TypedText::Kind::Text;
    typed.text.assign(buffer.substr(0, count));
    return typed;
}

std::span<const wchar_t> CompositionBases() {
    return kBases;
}

std::wstring CompositionSummary(std::span<const Composition> compositions, Language language) {
    std::wstring text;
    for (const Composition& c : compositions) {
        const TypedText& r = c.result;
        // One unit that differs from the base is a composed character; two units are the
        // accent followed by the base, which is what a layout types when nothing composes.
        if (r.kind != TypedText::Kind::Text || r.text.size() != 1 || r.text[0] == c.base)
            continue;
        if (!text.empty())
            text += L' ';
        if (c.base == L' ')
            text += kSpaceName.In(language);
        else
            text += c.base;
        text += kArrow;
        text += r.text;
    }
    return text;
}

std::wstring_view KnownLayoutName(std::wstring_view klid) {
    for (const LayoutName& row : kLayoutNames) {
        if (SameHex(row.klid, klid))
            return row.name;
    }
    return {};
}

} // namespace zintar
