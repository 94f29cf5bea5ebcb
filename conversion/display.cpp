// The one refresh: every display field derived from the conversion state.
#include "app/frmZintar.h"
#include "conversion/ansi_code_page.h"
#include "conversion/hex_text.h"
#include "conversion/modKeyNames.h"

namespace zintar {

namespace {

constexpr short kShiftKey = 16, kCtrlKey = 17, kAltKey = 18;

// Callers keep codes within 0 to 255 and masks within 0 to 7; should that ever break, an
// out-of-range index reads as an unnamed entry rather than outside the table.
template <size_t N> const std::wstring& NameAt(const std::array<std::wstring, N>& table, int i) {
    static const std::wstring none;
    return (i >= 0 && static_cast<size_t>(i) < N) ? table[static_cast<size_t>(i)] : none;
}

// bEvents is false for exactly the duration of the refresh, even if a write fails midway:
// the change events raised by the refresh's own writes must find it false.
class EventsSuspended {
  public:
    explicit EventsSuspended(bool& events) : events_(events) { events_ = false; }
    ~EventsSuspended() { events_ = true; }
    EventsSuspended(const EventsSuspended&) = delete;
    EventsSuspended& operator=(const EventsSuspended&) = delete;

  private:
    bool& events_;
};

} // namespace

void frmZintar::fDisplay(std::wstring_view sChange) {
    EventsSuspended suspended(bEvents);

    SetCaption(Ctl::lblShift, std::to_wstring(iShift));

    if (iKey < 0) {
        // No key: the source field is cleared too, whatever the tag.
        SetText(Ctl::Tcode_dec, L"");
        SetText(Ctl::Tcode_hex, L"");
        SetCaption(Ctl::lblSpec, L"");
    } else {
        if (sChange != L"key_dec")
            SetText(Ctl::Tcode_dec, std::to_wstring(iKey));
        if (sChange != L"key_hex")
            SetText(Ctl::Tcode_hex, ByteToHex(iKey));
        SetCaption(Ctl::lblSpec, L"");
        if (iShift == 0)
            SetCaption(Ctl::lblSpec, NameAt(KeyNames, iKey));
        if (iShift >= 1) {
            const std::wstring& modifiers = NameAt(ShiftNames, iShift);
            SetCaption(Ctl::lblSpec, modifiers);
            // A modifier key on its own is named by the mask alone ("Ctrl + Shift").
            if (iKey != kShiftKey && iKey != kCtrlKey && iKey != kAltKey)
                SetCaption(Ctl::lblSpec, modifiers + L" + " + NameAt(KeyNames, iKey));
        }
    }

    if (iChar < 0) {
        SetText(Ctl::Tcc, L"");
        SetText(Ctl::Thex, L"");
        SetText(Ctl::Tchar, L"");
    } else {
        if (sChange != L"char_dec")
            SetText(Ctl::Tcc, std::to_wstring(iChar));
        if (sChange != L"char_hex")
            SetText(Ctl::Thex, ByteToHex(iChar));
        SetText(Ctl::Tchar, CharOfAnsiCode(iChar));
        SetCaret(Ctl::Tchar, 1);
    }
}

} // namespace zintar
