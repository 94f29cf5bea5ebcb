#pragma once
// The COM object behind AccessibleControl: the standard proxy of a control with some of its
// answers replaced. Apart from accessible.h so that only this file pair sees oleacc.h.
#include <windows.h>

#include <memory>
#include <optional>

#include "platform/controls/accessible.h"

namespace zintar::win32 {

// The wrapped proxy for WM_GETOBJECT(OBJID_CLIENT) of the control, as LresultFromObject
// makes it; nothing when a DLL, a function or the proxy is missing.
std::optional<LRESULT>
AccessibleObjectAnswer(HWND control, WPARAM wp,
                       const std::shared_ptr<const AccessibleFacts>& facts) noexcept;

} // namespace zintar::win32
