#pragma once
// The texts of a key's route in the key history: the Delivered, Injected, Device and Seen by
// cells, and the record that stands in for a key the window never received, so that the
// history's other columns describe it as they describe a key message.
#include <string>
#include <string_view>

#include "core/key_history/key_event.h"
#include "core/key_history/key_history_text.h"
#include "core/key_history/key_route.h"
#include "core/common/language.h"

namespace zintar {

// The cell of a route column (Delivered, Injected, Device, Seen by); empty for the other
// columns and for a row whose route is not known (null: a character, or a key whose route is
// still waiting). deviceName is the system's name of the route's device, empty when unknown.
std::wstring RouteCellText(const KeyRoute* route, HistoryColumn column, Language language,
                           std::wstring_view deviceName);

// "hotkey of another program" and the like; empty for NotDeliveredReason::None.
std::wstring_view NotDeliveredReasonText(NotDeliveredReason reason, Language language);

// The record a key message would have made for a key that never reached the window.
KeyEventRecord RecordOfRoute(const KeyRoute& route);

} // namespace zintar
