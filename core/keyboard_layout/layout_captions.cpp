#include "core/keyboard_layout/layout_captions.h"

#include "core/common/bilingual.h"

namespace zintar {

namespace {

// In the order of TypingState.
constexpr Bilingual kStates[] = {
    {L"Plain", L"Alap"},
    {L"Shift", L"Shift"},
    {L"Ctrl", L"Ctrl"},
    {L"AltGr", L"AltGr"},
    {L"Shift+AltGr", L"Shift+AltGr"},
    {L"Caps Lock", L"Caps Lock"},
};
static_assert(std::size(kStates) == kTypingStateCount);

// In the order of LayoutKeyColumn; the states' columns take the states' names.
constexpr Bilingual kKeyColumns[] = {
    {L"Scan code", L"Letapogat\u00E1si k\u00F3d"},
    {L"Virtual key", L"Virtu\u00E1lis billenty\u0171"},
    {L"DOM code", L"DOM-k\u00F3d"},
    {},
    {},
    {},
    {},
    {},
    {},
    {L"Dead key", L"Holt billenty\u0171"},
    {L"Key name", L"Billenty\u0171 neve"},
};
static_assert(std::size(kKeyColumns) == kLayoutKeyColumnCount);
constexpr int kFirstStateColumn = static_cast<int>(LayoutKeyColumn::Plain);

// In the order of ShortcutColumn.
constexpr Bilingual kShortcutColumns[] = {
    {L"Layout", L"Kioszt\u00E1s"},  {L"Shortcut", L"Billenty\u0171parancs"},
    {L"Key", L"Billenty\u0171"},    {L"Types", L"Ezt \u00EDrja"},
    {L"Verdict", L"Eredm\u00E9ny"},
};
static_assert(std::size(kShortcutColumns) == kShortcutColumnCount);

// In the order of ShortcutVerdict.
constexpr Bilingual kVerdicts[] = {
    {L"works", L"m\u0171k\u00F6dik"},
    {L"moved", L"m\u00E1shol van"},
    {L"AltGr collision", L"AltGr-\u00FCtk\u00F6z\u00E9s"},
    {L"missing", L"hi\u00E1nyzik"},
    {L"dead key", L"holt billenty\u0171"},
};

// In the order of LayoutFault.
constexpr Bilingual kFaults[] = {
    {L"not a plain file name of the system folder",
     L"nem a rendszermappa egyszer\u0171 f\u00E1jlneve"},
    {L"the DLL could not be loaded", L"a DLL nem t\u00F6lthet\u0151 be"},
    {L"the DLL's headers are not valid", L"a DLL fejl\u00E9cei \u00E9rv\u00E9nytelenek"},
    {L"the DLL has no KbdLayerDescriptor export", L"a DLL-nek nincs KbdLayerDescriptor exportja"},
    {L"a required pointer is null", L"egy k\u00F6telez\u0151 mutat\u00F3 null"},
    {L"a pointer points outside the DLL's image",
     L"egy mutat\u00F3 a DLL k\u00E9p\u00E9n k\u00EDv\u00FClre mutat"},
    {L"a table has no end row within its bound",
     L"egy t\u00E1bl\u00E1nak nincs z\u00E1r\u00F3 sora a korl\u00E1tj\u00E1n bel\u00FCl"},
    {L"a count is out of range", L"egy darabsz\u00E1m k\u00EDv\u00FCl esik a tartom\u00E1nyon"},
    {L"a name has no end within 64 characters",
     L"egy n\u00E9v 64 karakteren bel\u00FCl nem \u00E9r v\u00E9get"},
    {L"a dead key's accent row or a Caps Lock row is missing",
     L"hi\u00E1nyzik egy holt billenty\u0171 \u00E9kezetsora vagy egy Caps Lock-sor"},
};

// In the order of LayoutPart: the structure's field names.
constexpr std::wstring_view kPartNames[] = {
    L"file",         L"KbdLayerDescriptor", L"pCharModifiers", L"pVkToBit",     L"pVkToWcharTable",
    L"VK_TO_WCHARS", L"pDeadKey",           L"pKeyNames",      L"pKeyNamesExt", L"pKeyNamesDead",
    L"pusVSCtoVK",   L"pVSCtoVK_E0",        L"pVSCtoVK_E1",    L"pLigature",
};

constexpr Bilingual kSpace{L"space", L"sz\u00F3k\u00F6z"};
constexpr Bilingual kDead{L"dead", L"holt"};
constexpr Bilingual kSystemError{L"error ", L"hibak\u00F3d: "};

} // namespace

std::wstring_view TypingStateName(TypingState state, Language language) {
    return TableText(kStates, static_cast<size_t>(state), language);
}

std::wstring_view LayoutKeyColumnTitle(LayoutKeyColumn column, Language language) {
    const int c = static_cast<int>(column);
    if (c >= kFirstStateColumn && c < kFirstStateColumn + kTypingStateCount)
        return TypingStateName(static_cast<TypingState>(c - kFirstStateColumn), language);
    return TableText(kKeyColumns, static_cast<size_t>(c), language);
}

std::wstring_view ShortcutColumnTitle(ShortcutColumn column, Language language) {
    return TableText(kShortcutColumns, static_cast<size_t>(column), language);
}

std::wstring_view ShortcutVerdictName(ShortcutVerdict verdict, Language language) {
    return TableText(kVerdicts, static_cast<size_t>(verdict), language);
}

std::wstring LayoutProblemText(const LayoutProblem& problem, Language language) {
    const auto part = static_cast<size_t>(problem.part);
    const std::wstring_view fault =
        TableText(kFaults, static_cast<size_t>(problem.fault), language);
    if (fault.empty() || part >= std::size(kPartNames))
        return {};
    std::wstring text(fault);
    text += L" (";
    text += kPartNames[part];
    if (problem.systemError != 0) {
        text += L", ";
        text += kSystemError.In(language);
        text += std::to_wstring(problem.systemError);
    }
    text += L')';
    return text;
}

std::wstring_view SpaceName(Language language) {
    return kSpace.In(language);
}

std::wstring_view DeadMark(Language language) {
    return kDead.In(language);
}

} // namespace zintar
