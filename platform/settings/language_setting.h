#pragma once
// The one stored setting: the user-interface language under HKCU\Software\Morvaly.
#include <cstdint>

#include "core/common/language.h"
#include "platform/settings/registry_api.h"

namespace zintar::win32 {

// The stored language code; English's when none could be read.
int32_t LoadLanguage(const RegistryApi& api = RealRegistry());

// True when the code was stored.
bool SaveLanguage(int16_t language, const RegistryApi& api = RealRegistry());

} // namespace zintar::win32
