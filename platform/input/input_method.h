#pragma once
// What the input method (the IME) says of a window's input context while one of its messages
// is handled: the composition and result strings and the cursor, the open status, the
// conversion mode, and the key behind VK_PROCESSKEY. imm32 is loaded from the system folder
// with the first question, which only an input method's message asks: the program's imports
// stay as they are.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace zintar::win32 {

// An input method's strings are read to this many UTF-16 units at most; the key history keeps
// fewer of them (core/key_history/record_texts.h).
inline constexpr size_t kImeReadUnits = 1024;

struct ImeComposition {
    std::wstring composition; // GCS_COMPSTR
    std::wstring result;      // GCS_RESULTSTR
    int32_t cursor = -1;      // GCS_CURSORPOS; -1 when the context has none
};

class InputMethod {
  public:
    // The parts that flags asks for (GCS_COMPSTR, GCS_RESULTSTR, GCS_CURSORPOS; the cursor
    // with the composition string too); empty and -1 where the window has no input context
    // or imm32 did not load.
    virtual ImeComposition Composition(HWND window, DWORD flags) const = 0;
    virtual std::optional<bool> OpenStatus(HWND window) const = 0;
    virtual std::optional<DWORD> ConversionMode(HWND window) const = 0;
    // ImmGetVirtualKey: the key that the input method took, for a VK_PROCESSKEY message being
    // handled; 0 when it does not say.
    virtual BYTE KeyBehindProcessKey(HWND window) const = 0;

  protected:
    ~InputMethod() = default;
};

// The system's input method, through imm32.
const InputMethod& SystemInputMethod();

} // namespace zintar::win32
