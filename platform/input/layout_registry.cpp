#include "platform/input/layout_registry.h"

#include <array>
#include <string>

#include "platform/input/layout_library.h"
#include "platform/system/system_library.h"
#include "platform/window/scoped_handles.h"

namespace zintar::win32 {

namespace {

constexpr wchar_t kLayoutsKey[] = L"SYSTEM\\CurrentControlSet\\Control\\Keyboard Layouts";
constexpr wchar_t kSubstitutesKey[] = L"Keyboard Layout\\Substitutes";
// A KLID is eight characters; a layout's values are short names and file names.
constexpr DWORD kMaxKeyName = 64;
constexpr size_t kMaxValue = 512;
constexpr size_t kMaxEntries = 4096; // no system installs more; a bound for a broken registry
constexpr size_t kKlidLength = 8;

// A string value, or empty where it is missing, too long or of another type. Environment
// references stay as they are: the indirect-string resolver expands them itself.
std::wstring StringValue(HKEY key, const wchar_t* subKey, const wchar_t* name) {
    std::array<wchar_t, kMaxValue> text{};
    DWORD bytes = sizeof(text);
    if (RegGetValueW(key, subKey, name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                     nullptr, text.data(), &bytes) != ERROR_SUCCESS)
        return {};
    return text.data();
}

// "@%SystemRoot%\system32\input.dll,-5000" resolved, or empty.
std::wstring IndirectString(const std::wstring& source) {
    using LoadIndirect = HRESULT(WINAPI*)(PCWSTR, PWSTR, UINT, void**);
    static const LoadIndirect load =
        SystemFunction<LoadIndirect>(LoadSystemLibrary(L"shlwapi.dll"), "SHLoadIndirectString");
    if (!load || source.empty())
        return {};
    std::array<wchar_t, kMaxValue> text{};
    if (FAILED(load(source.c_str(), text.data(), static_cast<UINT>(text.size()), nullptr)))
        return {};
    return text.data();
}

ScopedRegistryKey OpenKey(HKEY root, const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return ScopedRegistryKey();
    return ScopedRegistryKey(key);
}

RegistryLayout ReadEntry(HKEY layouts, const wchar_t* klid) {
    RegistryLayout entry;
    entry.klid = klid;
    entry.layoutFile = StringValue(layouts, klid, L"Layout File");
    entry.imeFile = StringValue(layouts, klid, L"IME File");
    entry.layoutId = StringValue(layouts, klid, L"Layout Id");
    entry.displayName = IndirectString(StringValue(layouts, klid, L"Layout Display Name"));
    if (entry.displayName.empty())
        entry.displayName = StringValue(layouts, klid, L"Layout Text");
    return entry;
}

// The entries of a key, each(key, i, entries) adding entry i, until the key has no more;
// none where the key is missing. Out of memory, what was read so far.
template <typename T, typename Each>
std::vector<T> ReadEntries(HKEY root, const wchar_t* path, Each each) noexcept {
    std::vector<T> entries;
    try {
        const ScopedRegistryKey key = OpenKey(root, path);
        for (DWORD i = 0; key && i < kMaxEntries; ++i) {
            if (each(key.get(), i, entries) == ERROR_NO_MORE_ITEMS)
                break;
        }
    } catch (...) {
    }
    return entries;
}

uint32_t HandleBits(HKL layout) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(layout) & 0xFFFFFFFFu);
}

} // namespace

std::vector<RegistryLayout> ReadRegistryLayouts() noexcept {
    return ReadEntries<RegistryLayout>(
        HKEY_LOCAL_MACHINE, kLayoutsKey, [](HKEY layouts, DWORD i, auto& entries) {
            std::array<wchar_t, kMaxKeyName> klid{};
            DWORD length = kMaxKeyName;
            const LONG status =
                RegEnumKeyExW(layouts, i, klid.data(), &length, nullptr, nullptr, nullptr, nullptr);
            // A name longer than any KLID is no layout.
            if (status == ERROR_SUCCESS)
                entries.push_back(ReadEntry(layouts, klid.data()));
            return status;
        });
}

std::vector<LayoutSubstitute> ReadLayoutSubstitutes() noexcept {
    return ReadEntries<LayoutSubstitute>(
        HKEY_CURRENT_USER, kSubstitutesKey, [](HKEY key, DWORD i, auto& entries) {
            std::array<wchar_t, kMaxKeyName> name{};
            std::array<wchar_t, kMaxKeyName> data{};
            DWORD nameLength = kMaxKeyName;
            DWORD type = 0;
            DWORD bytes = sizeof(data) - sizeof(wchar_t); // room for the end that may be missing
            const LONG status = RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type,
                                              reinterpret_cast<BYTE*>(data.data()), &bytes);
            if (status == ERROR_SUCCESS && type == REG_SZ)
                entries.push_back({name.data(), data.data()});
            return status;
        });
}

std::vector<InstalledLayout> ReadInstalledLayouts() noexcept {
    try {
        const std::vector<RegistryLayout> registry = ReadRegistryLayouts();
        std::vector<uint32_t> loaded;
        const int count = GetKeyboardLayoutList(0, nullptr);
        if (count > 0) {
            std::vector<HKL> handles(static_cast<size_t>(count));
            const int got = GetKeyboardLayoutList(count, handles.data());
            for (int i = 0; i < got && i < count; ++i)
                loaded.push_back(HandleBits(handles[static_cast<size_t>(i)]));
        }
        const uint32_t active = HandleBits(GetKeyboardLayout(0));
        return InstalledLayoutList(registry, loaded, active, ReadLayoutSubstitutes());
    } catch (...) {
        return {};
    }
}

std::vector<ReadLayout> ReadEveryInstalledLayout() noexcept {
    try {
        std::vector<ReadLayout> layouts;
        for (InstalledLayout& entry : ReadInstalledLayouts()) {
            ReadLayout layout{std::move(entry), std::nullopt};
            if (!layout.entry.layoutFile.empty())
                layout.read = ReadLayoutLibrary(layout.entry.layoutFile);
            layouts.push_back(std::move(layout));
        }
        return layouts;
    } catch (...) {
        return {};
    }
}

LayoutReadResult ReadLayoutOfKlid(const std::wstring& klid) noexcept {
    try {
        // A KLID is eight hexadecimal digits; anything else names no entry of the list.
        if (klid.size() == kKlidLength &&
            klid.find_first_not_of(L"0123456789ABCDEFabcdef") == std::wstring::npos) {
            const ScopedRegistryKey layouts = OpenKey(HKEY_LOCAL_MACHINE, kLayoutsKey);
            const std::wstring file =
                layouts ? StringValue(layouts.get(), klid.c_str(), L"Layout File") : L"";
            if (!file.empty())
                return ReadLayoutLibrary(file);
        }
        LayoutReadResult missing;
        missing.problem =
            LayoutProblem{LayoutFault::LoadFailed, LayoutPart::File, ERROR_FILE_NOT_FOUND};
        return missing;
    } catch (...) {
        LayoutReadResult failed;
        failed.problem =
            LayoutProblem{LayoutFault::LoadFailed, LayoutPart::File, ERROR_NOT_ENOUGH_MEMORY};
        return failed;
    }
}

} // namespace zintar::win32
