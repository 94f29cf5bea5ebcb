#pragma once
// The one stored setting: the user-interface language under HKCU\Software\Morvaly.
#include <cstdint>

#include "platform/registry_api.h"

namespace zintar {

constexpr int16_t kLanguageEnglish = 1;
constexpr int16_t kLanguageHungarian = 0;

// The stored language code; 1 (English) when none could be read.
int32_t LoadLanguage(const RegistryApi& api = RealRegistry());

// True when the code was stored.
bool SaveLanguage(int16_t language, const RegistryApi& api = RealRegistry());

// The 16-bit language code start-up applies for a stored value. The program stores only 0
// and 1; a value beyond the 16-bit range (up to 65535 fits the two bytes) can only come from
// elsewhere and means English, like every other nonzero code.
int16_t LanguageCodeFromStored(int32_t stored);

} // namespace zintar
