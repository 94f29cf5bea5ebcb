#pragma once
// Window identifiers of the controls: the layout's order, from 1000 on. The inspector tool
// uses the same numbering to name the windows it reads from outside the process.
#include "ui/main_window/layout.h"

namespace zintar {

constexpr int kFirstControlId = 1000;
constexpr unsigned kHoverTimerId = 1;

constexpr int ControlIdOf(Control id) {
    return kFirstControlId + Index(id);
}
constexpr bool IsControlId(int controlId) {
    return controlId >= kFirstControlId && controlId < kFirstControlId + kControlCount;
}
constexpr Control ControlOfId(int controlId) {
    return static_cast<Control>(controlId - kFirstControlId);
}

} // namespace zintar
