#include "platform/input/keyboard_layout_reader.h"

#include <string_view>

namespace zintar::win32 {

namespace {

constexpr UINT kNoStateChange = 4; // ToUnicodeEx wFlags bit 2
constexpr UINT kStateChange = 0;
constexpr BYTE kDown = 0x80, kToggled = 0x01;
constexpr int kAnswerUnits = 16;
// A dead key fed again normally leaves its state at once (accent plus accent types both);
// the bound only guards against a layout that keeps answering "dead".
constexpr int kMaxClearingFeeds = 3;
constexpr wchar_t kLayoutsKey[] = L"SYSTEM\\CurrentControlSet\\Control\\Keyboard Layouts\\";

using KeyState = std::array<BYTE, 256>;

KeyState StateBytes(ShiftState state) {
    const ShiftStateKeys keys = KeysOfShiftState(state);
    KeyState bytes{};
    if (keys.shift)
        bytes[VK_SHIFT] = bytes[VK_LSHIFT] = kDown;
    // AltGr is left Ctrl with right Alt, as the system sends it.
    if (keys.ctrl)
        bytes[VK_CONTROL] = bytes[VK_LCONTROL] = kDown;
    if (keys.alt)
        bytes[VK_MENU] = bytes[VK_RMENU] = kDown;
    if (keys.capsLockOn)
        bytes[VK_CAPITAL] = kToggled;
    return bytes;
}

TypedText Ask(UINT virtualKey, UINT scanCode, ShiftState state, HKL layout, UINT flags) {
    const KeyState bytes = StateBytes(state);
    std::array<wchar_t, kAnswerUnits> buffer{};
    const int result = ToUnicodeEx(virtualKey, scanCode, bytes.data(), buffer.data(),
                                   static_cast<int>(buffer.size()), flags, layout);
    return ReadToUnicodeAnswer(result, std::wstring_view(buffer.data(), buffer.size()));
}

// Feeds the dead key until the layout no longer holds it pending.
void ClearDeadState(UINT virtualKey, UINT scanCode, ShiftState state, HKL layout) {
    for (int i = 0; i < kMaxClearingFeeds; ++i) {
        if (Ask(virtualKey, scanCode, state, layout, kStateChange).kind != TypedText::Kind::Dead)
            return;
    }
}

std::vector<Composition> Compose(UINT virtualKey, UINT scanCode, ShiftState state, HKL layout) {
    std::vector<Composition> compositions;
    for (wchar_t base : CompositionBases()) {
        // The base's own key on this layout; a base the layout cannot type is skipped.
        const SHORT scan = VkKeyScanExW(base, layout);
        if (scan == -1 || (HIBYTE(scan) & ~1) != 0)
            continue;
        const UINT baseKey = LOBYTE(scan);
        const ShiftState baseState = (HIBYTE(scan) & 1) ? ShiftState::Shift : ShiftState::Plain;
        const UINT baseScan = MapVirtualKeyExW(baseKey, MAPVK_VK_TO_VSC, layout);
        if (Ask(virtualKey, scanCode, state, layout, kStateChange).kind != TypedText::Kind::Dead)
            break; // the key is not dead this way after all
        TypedText result = Ask(baseKey, baseScan, baseState, layout, kStateChange);
        if (result.kind == TypedText::Kind::Dead)
            ClearDeadState(baseKey, baseScan, baseState, layout);
        compositions.push_back({base, std::move(result)});
    }
    return compositions;
}

std::wstring RegistryLayoutName(const std::wstring& klid) {
    const std::wstring key = kLayoutsKey + klid;
    std::array<wchar_t, 128> text{};
    DWORD bytes = sizeof(text);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"Layout Text", RRF_RT_REG_SZ, nullptr,
                     text.data(), &bytes) != ERROR_SUCCESS)
        return {};
    return text.data();
}

UINT LocaleNumber(LCID locale, LCTYPE what) {
    DWORD number = 0;
    if (GetLocaleInfoW(locale, what | LOCALE_RETURN_NUMBER, reinterpret_cast<LPWSTR>(&number),
                       sizeof(number) / sizeof(wchar_t)) == 0)
        return 0;
    return number;
}

} // namespace

bool ToUnicodeKeepsStateWithFlag() {
    // Wine marks itself by this ntdll export; its X11 driver ignores ToUnicodeEx's flags.
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return !(ntdll && GetProcAddress(ntdll, "wine_get_version"));
}

LayoutIdentity ReadActiveLayout() {
    LayoutIdentity identity;
    std::array<wchar_t, KL_NAMELENGTH> klid{};
    if (!GetKeyboardLayoutNameW(klid.data()))
        return identity;
    identity.klid = klid.data();
    identity.name = RegistryLayoutName(identity.klid);
    if (identity.name.empty())
        identity.name = KnownLayoutName(identity.klid);
    const HKL layout = GetKeyboardLayout(0);
    const LCID locale = MAKELCID(LOWORD(reinterpret_cast<ULONG_PTR>(layout)), SORT_DEFAULT);
    identity.ansiCodePage = LocaleNumber(locale, LOCALE_IDEFAULTANSICODEPAGE);
    identity.oemCodePage = LocaleNumber(locale, LOCALE_IDEFAULTCODEPAGE);
    return identity;
}

KeyOnLayout ReadKeyOnLayout(UINT virtualKey, UINT scanCode, HKL layout,
                            std::optional<PendingDeadKey> pending) {
    KeyOnLayout key;
    const bool keepsState = ToUnicodeKeepsStateWithFlag();
    // A pending dead key would compose with the compositions' own dead keys; it is put
    // back at the end.
    if (pending)
        ClearDeadState(pending->virtualKey, pending->scanCode, pending->state, layout);
    for (int i = 0; i < kShiftStateCount; ++i) {
        const auto state = static_cast<ShiftState>(i);
        key.states[static_cast<size_t>(i)] =
            Ask(virtualKey, scanCode, state, layout, kNoStateChange);
        if (key.states[static_cast<size_t>(i)].kind != TypedText::Kind::Dead)
            continue;
        if (!keepsState)
            ClearDeadState(virtualKey, scanCode, state, layout);
        key.compositions.emplace_back(state, Compose(virtualKey, scanCode, state, layout));
    }
    if (pending)
        Ask(pending->virtualKey, pending->scanCode, pending->state, layout, kStateChange);
    return key;
}

} // namespace zintar::win32
