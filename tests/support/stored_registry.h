#pragma once
// Raw access to the real per-user registry for the tests that check what the settings store
// leaves there, bypassing the helpers under test.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace zintar::stored_registry {

inline constexpr char kSettingsKey[] = "Software\\Morvaly";
inline constexpr char kLanguageValue[] = "Language";

struct RawValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    friend bool operator==(const RawValue&, const RawValue&) = default;
};

// The value as stored, or nullopt when the key or the value is missing.
inline std::optional<RawValue> ReadRaw(const char* keyPath, const char* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    RawValue value;
    // Sized for anything the tests store; a larger value counts as unreadable.
    BYTE buffer[64];
    DWORD size = sizeof(buffer);
    const LONG status = RegQueryValueExA(key, name, nullptr, &value.type, buffer, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    value.data.assign(buffer, buffer + size);
    return value;
}

inline LONG WriteRaw(const char* keyPath, const char* name, DWORD type,
                     const std::vector<BYTE>& data) {
    HKEY key = nullptr;
    LONG status = RegCreateKeyExA(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                  &key, nullptr);
    if (status != ERROR_SUCCESS)
        return status;
    status = RegSetValueExA(key, name, 0, type, data.data(), static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    return status;
}

inline bool KeyExists(const char* keyPath) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// The program's own setting as it was, put back at the end of a test that changes it.
class SavedLanguageSetting {
  public:
    SavedLanguageSetting()
        : keyExisted_(KeyExists(kSettingsKey)), value_(ReadRaw(kSettingsKey, kLanguageValue)) {}
    ~SavedLanguageSetting() {
        if (!keyExisted_) {
            RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
        } else if (value_) {
            WriteRaw(kSettingsKey, kLanguageValue, value_->type, value_->data);
        } else {
            RegDeleteKeyValueA(HKEY_CURRENT_USER, kSettingsKey, kLanguageValue);
        }
    }
    SavedLanguageSetting(const SavedLanguageSetting&) = delete;
    SavedLanguageSetting& operator=(const SavedLanguageSetting&) = delete;

  private:
    bool keyExisted_;
    std::optional<RawValue> value_;
};

} // namespace zintar::stored_registry
