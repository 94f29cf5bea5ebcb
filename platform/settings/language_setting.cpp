#include "platform/settings/language_setting.h"

#include "platform/settings/registry_values.h"

namespace zintar::win32 {

namespace {
constexpr wchar_t kSettingsKey[] = L"Software\\Morvaly";
constexpr wchar_t kLanguageValue[] = L"Language";
} // namespace

int32_t LoadLanguage(const RegistryApi& api) {
    int32_t stored = 0;
    if (RegReadInteger(HKEY_CURRENT_USER, kSettingsKey, kLanguageValue, 0, stored, api) != 0)
        return kLanguageCodeEnglish;
    return stored;
}

bool SaveLanguage(int16_t language, const RegistryApi& api) {
    return RegWriteInteger(HKEY_CURRENT_USER, kSettingsKey, kLanguageValue, language, api) == 0;
}

} // namespace zintar::win32
