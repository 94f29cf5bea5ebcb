#include "platform/settings/registry_values.h"

#include "platform/window/scoped_handles.h"

#include <new>
#include <string>
#include <utility>

namespace zintar::win32 {

namespace {

// Key paths and value names go to the registry as ANSI text of the system's code page.
// A failed conversion throws, which the helpers' guard turns into the status so far.
std::string ToAnsi(std::wstring_view text) {
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int needed =
        WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        throw std::bad_alloc();
    std::string ansi(static_cast<size_t>(needed), '\0');
    if (WideCharToMultiByte(CP_ACP, 0, text.data(), length, ansi.data(), needed, nullptr,
                            nullptr) != needed)
        throw std::bad_alloc();
    return ansi;
}

// A run-time failure ends a helper with the status of the last registry call that returned,
// 99 before any did. Should that call have succeeded, the helper still did not finish its
// work, and reporting 0 would pass the failure off as success (a language read as the
// default, a language "saved" that was never written); it then reports 99 as well.
LONG StatusOfFailedHelper(LONG lastStatus) {
    return lastStatus != ERROR_SUCCESS ? lastStatus : kStatusNoRegistryCall;
}

} // namespace

LONG RegReadInteger(HKEY rootKey, std::wstring_view keyPath, std::wstring_view valueName,
                    int32_t defaultValue, int32_t& value, const RegistryApi& api) {
    LONG status = kStatusNoRegistryCall;
    value = defaultValue; // whatever happens below, nothing read means the default
    try {
        if (!rootKey)
            return status;
        const std::string path = ToAnsi(keyPath);
        const std::string name = ToAnsi(valueName);
        win32::OpenedKey key(api);
        status = api.openKeyEx(rootKey, path.c_str(), 0, KEY_QUERY_VALUE, key.put());
        if (status != ERROR_SUCCESS) {
            key.Forget();
            return status;
        }
        // At most 2 bytes over the least significant end of the default; the type is not
        // examined. A buffer of our own, because a failed query may leave it undefined.
        int32_t read = defaultValue;
        DWORD type = REG_BINARY;
        DWORD size = 2;
        status = api.queryValueEx(key.get(), name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(&read), &size);
        if (status == ERROR_SUCCESS)
            value = read;
        status = key.CloseAfter(status);
        return status;
    } catch (...) {
        return StatusOfFailedHelper(status);
    }
}

LONG RegWriteInteger(HKEY rootKey, std::wstring_view keyPath, std::wstring_view valueName,
                     int16_t value, const RegistryApi& api) {
    LONG status = kStatusNoRegistryCall;
    try {
        if (!rootKey)
            return status;
        const std::string path = ToAnsi(keyPath);
        const std::string name = ToAnsi(valueName);
        win32::OpenedKey key(api);
        char noClass[] = "";
        SECURITY_ATTRIBUTES security{}; // length, descriptor and inheritance all zero
        DWORD disposition = 0;
        status =
            api.createKeyEx(rootKey, path.c_str(), 0, noClass, REG_OPTION_NON_VOLATILE,
                            KEY_CREATE_SUB_KEY | KEY_SET_VALUE, &security, key.put(), &disposition);
        if (status != ERROR_SUCCESS) {
            key.Forget();
            return status;
        }
        const auto bits = static_cast<uint16_t>(value);
        const BYTE bytes[2] = {static_cast<BYTE>(bits & 0xFF), static_cast<BYTE>(bits >> 8)};
        status = api.setValueEx(key.get(), name.c_str(), 0, REG_BINARY, bytes, sizeof(bytes));
        status = key.CloseAfter(status);
        return status;
    } catch (...) {
        return StatusOfFailedHelper(status);
    }
}

} // namespace zintar::win32
