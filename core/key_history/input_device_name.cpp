#include "core/key_history/input_device_name.h"

#include <array>

namespace zintar {

namespace {

// The prefixes under which the system hands out device paths.
constexpr std::array<std::wstring_view, 3> kPathPrefixes{L"\\\\?\\", L"\\??\\", L"\\\\.\\"};
constexpr wchar_t kSeparator = L'#';
constexpr size_t kIdDigits = 4;

wchar_t Upper(wchar_t c) {
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

int HexDigit(wchar_t c) {
    c = Upper(c);
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

// "VID_" followed by exactly four hexadecimal digits, ended by the end of the id or by
// something that is not a digit ('&' in practice).
std::optional<uint16_t> FieldValue(std::wstring_view id, std::wstring_view key) {
    for (size_t at = 0; at + key.size() + kIdDigits <= id.size(); ++at) {
        bool match = true;
        for (size_t i = 0; i < key.size() && match; ++i)
            match = Upper(id[at + i]) == key[i];
        if (!match || (at > 0 && id[at - 1] != L'&'))
            continue;
        uint32_t value = 0;
        const size_t digits = at + key.size();
        for (size_t i = 0; i < kIdDigits && match; ++i) {
            const int digit = HexDigit(id[digits + i]);
            match = digit >= 0;
            value = value * 16 + static_cast<uint32_t>(digit < 0 ? 0 : digit);
        }
        const size_t end = digits + kIdDigits;
        if (match && (end == id.size() || HexDigit(id[end]) < 0))
            return static_cast<uint16_t>(value);
    }
    return std::nullopt;
}

std::wstring Hex4(uint16_t value) {
    constexpr std::wstring_view digits = L"0123456789ABCDEF";
    std::wstring text(kIdDigits, L'0');
    for (size_t i = kIdDigits; i-- > 0; value = static_cast<uint16_t>(value >> 4))
        text[i] = digits[value & 0xF];
    return text;
}

// Control characters would break a list cell or a copied line apart.
std::wstring Printable(std::wstring_view text) {
    std::wstring out;
    for (wchar_t c : text)
        out += (c < L' ' || c == 0x7F) ? L'?' : c;
    return out;
}

std::wstring_view WithoutPathPrefix(std::wstring_view name) {
    for (std::wstring_view prefix : kPathPrefixes)
        if (name.substr(0, prefix.size()) == prefix)
            return name.substr(prefix.size());
    return name;
}

} // namespace

InputDeviceIdentity ParseInputDeviceName(std::wstring_view name) {
    InputDeviceIdentity identity;
    name = WithoutPathPrefix(name);
    const size_t busEnd = name.find(kSeparator);
    if (busEnd == std::wstring_view::npos)
        return identity;
    identity.bus = Printable(name.substr(0, busEnd));
    std::wstring_view id = name.substr(busEnd + 1);
    id = id.substr(0, id.find(kSeparator));
    identity.hardwareId = Printable(id);
    identity.vendorId = FieldValue(id, L"VID_");
    identity.productId = FieldValue(id, L"PID_");
    return identity;
}

std::wstring ShortInputDeviceName(std::wstring_view name) {
    const InputDeviceIdentity identity = ParseInputDeviceName(name);
    std::wstring text;
    if (identity.bus.empty()) {
        text = Printable(WithoutPathPrefix(name));
    } else if (identity.vendorId && identity.productId) {
        text = identity.bus + L" VID_" + Hex4(*identity.vendorId) + L" PID_" +
               Hex4(*identity.productId);
    } else {
        text = identity.bus;
        if (!identity.hardwareId.empty())
            text += L' ' + identity.hardwareId;
    }
    if (text.size() > kShortDeviceNameLength)
        text.resize(kShortDeviceNameLength);
    return text;
}

} // namespace zintar
