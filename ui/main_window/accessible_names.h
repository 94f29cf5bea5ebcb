#pragma once
// What a screen reader learns about the window's controls beyond the standard proxies: the
// boxes' and read-outs' names from their captions, the flags as buttons, the home page as a
// link to its address, the read-outs' texts as their values. The names follow the language.
#include <windows.h>

#include <array>
#include <optional>
#include <string_view>

#include "core/converter/controls.h"
#include "core/common/language.h"
#include "platform/controls/accessible.h"

namespace zintar {

class AccessibleNames {
  public:
    AccessibleNames();

    void SetLanguage(Language language);
    // A read-out's value is the text it shows.
    void SetValue(Control control, std::wstring_view text);
    // The control's answer to WM_GETOBJECT; nothing where the standard answer stands.
    std::optional<LRESULT> Answer(Control control, HWND hwnd, WPARAM wp, LPARAM lp) const;

  private:
    std::array<win32::AccessibleControl, kControlCount> controls_;
};

} // namespace zintar
