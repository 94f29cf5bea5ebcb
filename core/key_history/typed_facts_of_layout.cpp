#include "core/key_history/typed_facts_of_layout.h"

#include "core/keyboard_layout/layout_typing.h"

namespace zintar {

namespace {

// The pane's states, in the order of ShiftState, as the layout's questions name them.
constexpr TypingState kStates[] = {TypingState::Plain, TypingState::Shift, TypingState::AltGr,
                                   TypingState::ShiftAltGr, TypingState::CapsLock};
static_assert(std::size(kStates) == kShiftStateCount);

TypedText TextOfTyped(const Typed& typed) {
    switch (typed.kind) {
    case Typed::Kind::Text:
        return {TypedText::Kind::Text, typed.text};
    case Typed::Kind::Dead:
        return {TypedText::Kind::Dead, typed.text};
    case Typed::Kind::Nothing:
        break;
    }
    return {};
}

} // namespace

TypedFacts TypedFactsOfLayout(const KeyboardLayoutTables& layout, uint8_t scanCode, bool extended,
                              uint8_t virtualKey) {
    const uint8_t atPlace = VirtualKeyAt(layout, PlaceOfReportedKey({scanCode, extended}));
    const uint8_t key = atPlace != 0 ? atPlace : virtualKey;
    TypedFacts facts;
    for (size_t s = 0; s < std::size(kStates); ++s) {
        const Typed typed = TypedByVirtualKey(layout, key, kStates[s]);
        facts.states[s] = TextOfTyped(typed);
        if (typed.kind != Typed::Kind::Dead || typed.text.empty())
            continue;
        std::vector<Composition> compositions;
        for (const DeadKeyEntry& entry : CompositionsOf(layout, typed.text[0]))
            compositions.push_back({entry.base,
                                    {entry.chained ? TypedText::Kind::Dead : TypedText::Kind::Text,
                                     std::wstring(1, entry.composed)}});
        facts.compositions.emplace_back(static_cast<ShiftState>(s), std::move(compositions));
    }
    return facts;
}

} // namespace zintar
