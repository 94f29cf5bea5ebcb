#include "core/key_state/state_text.h"

namespace zintar {

std::wstring TenthsText(uint64_t tenths, Language language) {
    const wchar_t point = language == Language::English ? L'.' : L',';
    return std::to_wstring(tenths / 10) + point + std::to_wstring(tenths % 10);
}

std::wstring SignedText(int64_t value) {
    return (value > 0 ? L"+" : L"") + std::to_wstring(value);
}

std::wstring SignedPercentText(int64_t percent, Language language) {
    return SignedText(percent) + (language == Language::English ? L" %" : L"%");
}

} // namespace zintar
