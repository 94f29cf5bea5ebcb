#pragma once
// What the window's input controls report to the window, which owns the state they change.
#include <cstdint>
#include <optional>

#include "core/converter/code_box.h"
#include "core/key_history/key_event.h"

namespace zintar {

class ControlEvents {
  public:
    // A key went down in the capture box, with the modifiers held (1 Shift, 2 Ctrl, 4 Alt).
    virtual void OnCaptureKey(int keyCode, int modifiers) = 0;
    // The capture box took a character; none when it stands for no character at all.
    virtual void OnCaptureCharacter(std::optional<wchar_t> character) = 0;
    // Any key message of the capture box, as it arrived, for the key history.
    virtual void OnKeyMessage(const KeyMessageInput& message) = 0;
    // A code box now stands for this code.
    virtual void OnCodeEntered(CodeBox box, int16_t code) = 0;

  protected:
    ~ControlEvents() = default;
};

} // namespace zintar
