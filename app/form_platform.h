#pragma once
// The platform calls that tests must be able to watch or fail. Production takes the real
// ones; a test hands the form its own.
#include <windows.h>
#include <shellapi.h>

#include "settings/registry_api.h"
#include "ui/modVarnickCommon.h"

namespace zintar {

struct FormPlatform {
    BOOL(WINAPI* getCursorPos)(LPPOINT) = &::GetCursorPos;
    ShellExecuteAFn shellExecuteA = &::ShellExecuteA;
    const RegistryApi* registry = &RealRegistry();
};

} // namespace zintar
