#pragma once
// The five registry functions the settings store uses, reached through one table so that
// tests can count the calls and fail any of them. RealRegistry() is the advapi32 set.
#include <windows.h>

namespace zintar::win32 {

struct RegistryApi {
    decltype(&::RegOpenKeyExA) openKeyEx;
    decltype(&::RegQueryValueExA) queryValueEx;
    decltype(&::RegCreateKeyExA) createKeyEx;
    decltype(&::RegSetValueExA) setValueEx;
    decltype(&::RegCloseKey) closeKey;
};

const RegistryApi& RealRegistry();

} // namespace zintar::win32
