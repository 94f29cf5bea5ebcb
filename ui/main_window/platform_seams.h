#pragma once
// The platform calls that tests must be able to watch or fail. Production takes the real
// ones; a test hands the window its own.
#include <windows.h>

#include "platform/input/input_method.h"
#include "platform/settings/registry_api.h"
#include "platform/system/shell.h"

namespace zintar {

struct PlatformSeams {
    BOOL(WINAPI* getCursorPos)(LPPOINT) = &::GetCursorPos;
    win32::ShellExecuteAFn shellExecuteA =
        &win32::ShellExecuteAOnFirstUse; // shell32 loaded at the first click
    const win32::RegistryApi* registry = &win32::RealRegistry();
    const win32::InputMethod* inputMethod = nullptr; // null: the system's, imm32 on first use
};

} // namespace zintar
