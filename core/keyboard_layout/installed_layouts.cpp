#include "core/keyboard_layout/installed_layouts.h"

#include <algorithm>
#include <cwctype>

#include "core/common/hex_text.h"
#include "core/keyboard_layout/typed_by_layout.h"

namespace zintar {

namespace {

constexpr uint32_t kDeviceKindMask = 0xF000;
constexpr uint32_t kVariantDevice = 0xF000;
constexpr uint32_t kImeDevice = 0xE000;

std::wstring Upper(std::wstring_view text) {
    std::wstring upper(text);
    for (wchar_t& c : upper)
        c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return upper;
}

// The number that four hexadecimal digits spell; -1 for anything else.
long HexNumber(std::wstring_view digits) {
    if (digits.empty() || digits.size() > 4)
        return -1;
    long value = 0;
    for (wchar_t c : digits) {
        const int d = (c >= L'0' && c <= L'9')   ? c - L'0'
                      : (c >= L'a' && c <= L'f') ? c - L'a' + 10
                      : (c >= L'A' && c <= L'F') ? c - L'A' + 10
                                                 : -1;
        if (d < 0)
            return -1;
        value = value * 16 + d;
    }
    return value;
}

bool IsIme(const RegistryLayout& entry) {
    return !entry.imeFile.empty() ||
           (!entry.klid.empty() && (entry.klid[0] == L'E' || entry.klid[0] == L'e'));
}

} // namespace

std::wstring KlidOfLayoutHandle(uint32_t handle, std::span<const RegistryLayout> registry) {
    // Wine makes a layout's handle of its KLID's number (A07A040E for the KLID A07A040E),
    // which Windows never does for an entry of the list (a variant's handle is F0nn): an
    // entry that the whole handle names is that layout.
    std::wstring whole = HexText(handle, 8);
    for (const RegistryLayout& entry : registry)
        if (Upper(entry.klid) == whole)
            return whole;
    const uint32_t device = handle >> 16;
    if ((device & kDeviceKindMask) == kImeDevice)
        return whole;
    if ((device & kDeviceKindMask) == kVariantDevice) {
        const long id = static_cast<long>(device & ~kDeviceKindMask);
        for (const RegistryLayout& entry : registry) {
            if (HexNumber(entry.layoutId) == id)
                return Upper(entry.klid);
        }
        return {};
    }
    return HexText(device, 8);
}

std::vector<InstalledLayout> InstalledLayoutList(std::span<const RegistryLayout> registry,
                                                 std::span<const uint32_t> loadedHandles,
                                                 uint32_t activeHandle,
                                                 std::span<const LayoutSubstitute> substitutes) {
    std::vector<InstalledLayout> list;
    for (const RegistryLayout& entry : registry) {
        InstalledLayout layout;
        layout.klid = Upper(entry.klid);
        layout.name = entry.displayName.empty() ? layout.klid : entry.displayName;
        layout.layoutFile = entry.layoutFile;
        layout.ime = IsIme(entry);
        list.push_back(std::move(layout));
    }
    auto find = [&](const std::wstring& klid) {
        return std::find_if(list.begin(), list.end(),
                            [&](const InstalledLayout& l) { return l.klid == klid; });
    };
    // The active layout counts as loaded even where the list leaves it out.
    std::vector<uint32_t> handles(loadedHandles.begin(), loadedHandles.end());
    if (std::find(handles.begin(), handles.end(), activeHandle) == handles.end())
        handles.push_back(activeHandle);
    for (uint32_t handle : handles) {
        const std::wstring klid = KlidOfLayoutHandle(handle, registry);
        if (klid.empty())
            continue;
        auto it = find(klid);
        if (it == list.end()) {
            InstalledLayout layout;
            layout.klid = klid;
            const std::wstring_view known = KnownLayoutName(klid);
            layout.name = known.empty() ? klid : std::wstring(known);
            layout.ime = klid[0] == L'E';
            list.push_back(std::move(layout));
            it = list.end() - 1;
        }
        it->loaded = true;
        it->active = it->active || handle == activeHandle;
    }
    for (const LayoutSubstitute& s : substitutes) {
        auto it = find(Upper(s.substitute));
        if (it != list.end())
            it->substituteFor = Upper(s.klid);
    }
    std::sort(list.begin(), list.end(),
              [](const InstalledLayout& a, const InstalledLayout& b) { return a.klid < b.klid; });
    return list;
}

} // namespace zintar
