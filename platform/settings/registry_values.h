#pragma once
// Reading and writing a 2-byte value under any per-user registry key. Failures come back as
// the registry's status code (0 success, 99 when no registry call completed); nothing is
// thrown and every key opened is closed before the helper returns. A run-time failure inside
// a helper (an exception from a conversion or a registry function) returns the last failing
// call's code, or 99: never 0.
#include <windows.h>

#include <cstdint>
#include <string_view>

#include "platform/settings/registry_api.h"

namespace zintar::win32 {

constexpr LONG kStatusNoRegistryCall = 99;

// Sets value to defaultValue first, then reads at most 2 bytes of the stored value over its
// least significant end.
LONG RegReadInteger(HKEY rootKey, std::wstring_view keyPath, std::wstring_view valueName,
                    int32_t defaultValue, int32_t& value, const RegistryApi& api = RealRegistry());

// Stores value as REG_BINARY, 2 bytes, least significant first; creates missing keys.
LONG RegWriteInteger(HKEY rootKey, std::wstring_view keyPath, std::wstring_view valueName,
                     int16_t value, const RegistryApi& api = RealRegistry());

} // namespace zintar::win32
