#pragma once
// A key's route in the key history: its cells (the Delivered, Injected, Device and Seen by
// columns, whose rows in core/key_history/history_columns.cpp write them), and the record that
// stands in for a key the window never received, so that the history's other columns describe
// it as they describe a key message.
#include <string>
#include <string_view>

#include "core/common/language.h"
#include "core/key_history/history_columns.h"
#include "core/key_history/key_event.h"
#include "core/key_history/key_route.h"

namespace zintar {

// The cell of a route column (Delivered, Injected, Device, Seen by); empty for the other
// columns and for a row whose route is not known (null: a character, or a key whose route is
// still waiting). deviceName is the system's name of the route's device, empty when unknown.
std::wstring RouteCellText(const KeyRoute* route, HistoryColumn column, Language language,
                           std::wstring_view deviceName);

// The record a key message would have made for a key that never reached the window.
KeyEventRecord RecordOfRoute(const KeyRoute& route);

} // namespace zintar
