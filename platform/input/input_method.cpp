#include "platform/input/input_method.h"

#include <imm.h>

#include <algorithm>

#include "core/key_history/text_input.h"
#include "platform/system/system_library.h"

namespace zintar::win32 {

static_assert(text_input::kCompositionString == GCS_COMPSTR);
static_assert(text_input::kCursorPosition == GCS_CURSORPOS);
static_assert(text_input::kResultString == GCS_RESULTSTR);
static_assert(text_input::kSetConversionMode == IMN_SETCONVERSIONMODE);
static_assert(text_input::kSetOpenStatus == IMN_SETOPENSTATUS);

namespace {

// The functions of imm32 that the key history asks, looked up together on first use.
struct Imm {
    HIMC(WINAPI* getContext)(HWND) = nullptr;
    BOOL(WINAPI* releaseContext)(HWND, HIMC) = nullptr;
    LONG(WINAPI* getCompositionString)(HIMC, DWORD, LPVOID, DWORD) = nullptr;
    BOOL(WINAPI* getOpenStatus)(HIMC) = nullptr;
    BOOL(WINAPI* getConversionStatus)(HIMC, LPDWORD, LPDWORD) = nullptr;
    UINT(WINAPI* getVirtualKey)(HWND) = nullptr;

    bool complete() const {
        return getContext && releaseContext && getCompositionString && getOpenStatus &&
               getConversionStatus && getVirtualKey;
    }
};

const Imm& ImmFunctions() noexcept {
    static const Imm imm = [] {
        const HMODULE module = LoadSystemLibrary(L"imm32.dll");
        Imm found;
        found.getContext = SystemFunction<decltype(found.getContext)>(module, "ImmGetContext");
        found.releaseContext =
            SystemFunction<decltype(found.releaseContext)>(module, "ImmReleaseContext");
        found.getCompositionString = SystemFunction<decltype(found.getCompositionString)>(
            module, "ImmGetCompositionStringW");
        found.getOpenStatus =
            SystemFunction<decltype(found.getOpenStatus)>(module, "ImmGetOpenStatus");
        found.getConversionStatus =
            SystemFunction<decltype(found.getConversionStatus)>(module, "ImmGetConversionStatus");
        found.getVirtualKey =
            SystemFunction<decltype(found.getVirtualKey)>(module, "ImmGetVirtualKey");
        return found.complete() ? found : Imm{};
    }();
    return imm;
}

// A window's input context, released on every path.
class Context {
  public:
    explicit Context(HWND window) : window_(window) {
        const Imm& imm = ImmFunctions();
        if (imm.complete())
            context_ = imm.getContext(window);
    }
    ~Context() {
        if (context_)
            ImmFunctions().releaseContext(window_, context_);
    }
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;
    HIMC get() const { return context_; }

  private:
    HWND window_;
    HIMC context_ = nullptr;
};

// A string of the context, to kImeReadUnits units: the length in bytes comes first, and a
// negative answer (IMM_ERROR_NODATA, IMM_ERROR_GENERAL) is no string.
std::wstring CompositionString(HIMC context, DWORD part) {
    const Imm& imm = ImmFunctions();
    const LONG bytes = imm.getCompositionString(context, part, nullptr, 0);
    if (bytes <= 0)
        return {};
    const size_t units = std::min(static_cast<size_t>(bytes) / sizeof(wchar_t), kImeReadUnits);
    std::wstring text(units, L'\0');
    const LONG read = imm.getCompositionString(context, part, text.data(),
                                               static_cast<DWORD>(units * sizeof(wchar_t)));
    if (read <= 0)
        return {};
    text.resize(std::min(units, static_cast<size_t>(read) / sizeof(wchar_t)));
    return text;
}

class SystemIme final : public InputMethod {
  public:
    ImeComposition Composition(HWND window, DWORD flags) const override {
        ImeComposition composition;
        const Context context(window);
        if (!context.get())
            return composition;
        try {
            if (flags & GCS_COMPSTR)
                composition.composition = CompositionString(context.get(), GCS_COMPSTR);
            if (flags & GCS_RESULTSTR)
                composition.result = CompositionString(context.get(), GCS_RESULTSTR);
        } catch (...) {
            composition = {}; // no memory for the strings: the row shows none
        }
        // The cursor belongs to the composition string: Wine's input method moves it without
        // flagging GCS_CURSORPOS, so it is read with the string too.
        if (flags & (GCS_CURSORPOS | GCS_COMPSTR)) {
            const LONG cursor =
                ImmFunctions().getCompositionString(context.get(), GCS_CURSORPOS, nullptr, 0);
            composition.cursor = cursor >= 0 ? cursor : -1;
        }
        return composition;
    }

    std::optional<bool> OpenStatus(HWND window) const override {
        const Context context(window);
        if (!context.get())
            return std::nullopt;
        return ImmFunctions().getOpenStatus(context.get()) != FALSE;
    }

    std::optional<DWORD> ConversionMode(HWND window) const override {
        const Context context(window);
        DWORD conversion = 0, sentence = 0;
        if (!context.get() ||
            !ImmFunctions().getConversionStatus(context.get(), &conversion, &sentence))
            return std::nullopt;
        return conversion;
    }

    BYTE KeyBehindProcessKey(HWND window) const override {
        const Imm& imm = ImmFunctions();
        if (!imm.complete())
            return 0;
        const UINT key = imm.getVirtualKey(window);
        // Wine answers VK_PROCESSKEY itself where it does not know the key.
        return key > 0 && key <= 0xFF && key != VK_PROCESSKEY ? static_cast<BYTE>(key) : 0;
    }
};

} // namespace

const InputMethod& SystemInputMethod() {
    static const SystemIme ime;
    return ime;
}

} // namespace zintar::win32
