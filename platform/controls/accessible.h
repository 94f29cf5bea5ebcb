#pragma once
// What a screen reader is told about a control, where the standard MSAA proxy of its class
// would say too little: a text box's name (the proxy finds none, as the captions are separate
// labels), a picture that acts as a button, a label that is a link.
//
// Wine 8's AccPropServices accepts the call but stores nothing (SetHwndPropStr answers
// E_NOTIMPL), so the control answers WM_GETOBJECT itself: with the standard proxy of its
// class, wrapped so that the facts given here replace the proxy's. oleacc, ole32 and oleaut32
// are loaded from the system folder with the first such question, never at start-up.
// Window thread only: the calls of another process reach the wrapper through the window
// thread's message loop.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zintar::win32 {

// oleacc's ROLE_SYSTEM_* values of the roles the program gives.
enum class AccessibleRole : long {
    Link = 0x1E,
    StaticText = 0x29,
    Text = 0x2A,
    PushButton = 0x2B,
};

// The parts of a control's MSAA answer that replace the proxy's; an unset part stays the
// proxy's. Shared with every accessible object handed out for the control, so a reader that
// keeps one sees a later change (a new language, the next key) too.
struct AccessibleFacts {
    std::optional<std::wstring> name;
    std::optional<AccessibleRole> role;
    std::optional<std::wstring> value;
};

// One control's facts and its answer to WM_GETOBJECT. The control's owner keeps it beside
// the control and passes the control's WM_GETOBJECT to it.
class AccessibleControl {
  public:
    AccessibleControl();
    AccessibleControl(const AccessibleControl&) = delete;
    AccessibleControl& operator=(const AccessibleControl&) = delete;

    // False when there was no memory for the text; the fact is then unset.
    bool SetName(std::wstring_view name) noexcept;
    bool SetValue(std::wstring_view value) noexcept;
    void SetRole(AccessibleRole role) noexcept;
    const AccessibleFacts& Facts() const noexcept;

    // The answer to WM_GETOBJECT for OBJID_CLIENT: the wrapped proxy, marshalled for the
    // asker. Nothing for any other object, or when the proxy cannot be made; the control
    // then answers as it would have (DefWindowProc gives the plain proxy).
    std::optional<LRESULT> AnswerGetObject(HWND control, WPARAM wp, LPARAM lp) const noexcept;

  private:
    std::shared_ptr<AccessibleFacts> facts_;
};

// Tells screen readers that the control's value changed (EVENT_OBJECT_VALUECHANGE), so they
// read it again: the pressed-keys read-out after each key.
void RaiseValueChanged(HWND control) noexcept;

} // namespace zintar::win32
