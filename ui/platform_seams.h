#pragma once
// The platform calls that tests must be able to watch or fail. Production takes the real
// ones; a test hands the window its own.
#include <windows.h>

#include "platform/registry_api.h"
#include "platform/shell.h"

namespace zintar {

struct PlatformSeams {
    BOOL(WINAPI* getCursorPos)(LPPOINT) = &::GetCursorPos;
    ShellExecuteAFn shellExecuteA = &ShellExecuteAOnFirstUse; // shell32 loaded at the first click
    const RegistryApi* registry = &RealRegistry();
};

} // namespace zintar
