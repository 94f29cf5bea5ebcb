#pragma once
// The words of the key history's cells and of its details pane in both languages: message
// names, yes and no, the sides of a modifier key, the views that saw a key and why one went
// elsewhere, what a shortcut's probe found and the pane's own values. Each table names every
// value of its enumeration that has a word; TextOf (core/common/bilingual.h) gives the empty
// text for any other value, such as KeySide::None and NotDeliveredReason::None.
#include <array>
#include <cstdint>
#include <string_view>

#include "core/common/bilingual.h"
#include "core/common/hotkey.h"
#include "core/common/language.h"
#include "core/key_history/key_event.h"
#include "core/key_history/key_route.h"

namespace zintar {

inline constexpr std::array<Worded<KeyMessage>, 14> kKeyMessageNames{{
    {KeyMessage::KeyDown, {L"key down", L"billenty\u0171 le"}},
    {KeyMessage::KeyUp, {L"key up", L"billenty\u0171 fel"}},
    {KeyMessage::SysKeyDown, {L"system key down", L"rendszerbillenty\u0171 le"}},
    {KeyMessage::SysKeyUp, {L"system key up", L"rendszerbillenty\u0171 fel"}},
    {KeyMessage::Char, {L"character", L"karakter"}},
    {KeyMessage::DeadChar, {L"dead character", L"holt karakter"}},
    {KeyMessage::ImeStartComposition,
     {L"IME composition start", L"IME-\u00F6ssze\u00E1ll\u00EDt\u00E1s kezdete"}},
    {KeyMessage::ImeComposition, {L"IME composition", L"IME-\u00F6ssze\u00E1ll\u00EDt\u00E1s"}},
    {KeyMessage::ImeEndComposition,
     {L"IME composition end", L"IME-\u00F6ssze\u00E1ll\u00EDt\u00E1s v\u00E9ge"}},
    {KeyMessage::ImeChar, {L"IME character", L"IME-karakter"}},
    {KeyMessage::ImeNotify, {L"IME notice", L"IME-\u00E9rtes\u00EDt\u00E9s"}},
    {KeyMessage::ImeSetContext, {L"IME context", L"IME-k\u00F6rnyezet"}},
    {KeyMessage::UniChar, {L"UTF-32 character", L"UTF-32 karakter"}},
    {KeyMessage::AppCommand, {L"application command", L"alkalmaz\u00E1sparancs"}},
}};

inline constexpr std::array<Worded<bool>, 2> kYesNo{{
    {true, {L"yes", L"igen"}},
    {false, {L"no", L"nem"}},
}};

inline constexpr std::array<Worded<KeySide>, 2> kSideNames{{
    {KeySide::Left, {L"left", L"bal"}},
    {KeySide::Right, {L"right", L"jobb"}},
}};

// In the order the Seen by cell lists them.
inline constexpr std::array<Worded<KeySource>, 3> kKeySourceNames{{
    {KeySource::Window, {L"window", L"ablak"}},
    {KeySource::Hook, {L"hook", L"horog"}},
    {KeySource::RawInput, {L"raw input", L"nyers bemenet"}},
}};

inline constexpr std::array<Worded<NotDeliveredReason>, 3> kNotDeliveredReasons{{
    {NotDeliveredReason::OtherProgramsHotkey,
     {L"hotkey of another program", L"m\u00E1sik program gyorsbillenty\u0171je"}},
    {NotDeliveredReason::SystemShortcut, {L"system shortcut", L"rendszer-billenty\u0171parancs"}},
    {NotDeliveredReason::KeyUpOnly,
     {L"Windows delivers only its key-up", L"a Windows csak a felenged\u00E9s\u00E9t k\u00FCldi"}},
}};

inline constexpr std::array<Worded<HotkeyAnswer>, 4> kHotkeyAnswers{{
    {HotkeyAnswer::Free, {L"free", L"szabad"}},
    {HotkeyAnswer::Taken, {L"taken by another program", L"egy m\u00E1sik program foglalja"}},
    {HotkeyAnswer::ReservedByWindows, {L"reserved by Windows", L"a Windows fenntartja"}},
    {HotkeyAnswer::Unknown, {L"unknown", L"ismeretlen"}},
}};

// The details pane's values that are words rather than codes.
enum class DetailValue : uint8_t { Nothing, Dead, ModifierAlone, ProbeWaits, SentText };

inline constexpr std::array<Worded<DetailValue>, 5> kDetailValues{{
    {DetailValue::Nothing, {L"nothing", L"semmi"}},
    {DetailValue::Dead, {L"(dead)", L"(holt)"}},
    {DetailValue::ModifierAlone, {L"a modifier alone", L"csak m\u00F3dos\u00EDt\u00F3"}},
    {DetailValue::ProbeWaits,
     {L"checked once no key is down", L"ellen\u0151rz\u00E9s, ha nincs lenyomott billenty\u0171"}},
    {DetailValue::SentText,
     {L"no key: sent text", L"nem billenty\u0171: k\u00FCld\u00F6tt sz\u00F6veg"}},
}};

} // namespace zintar
