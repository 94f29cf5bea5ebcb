// The read-outs: the core derives every text from the conversion state, and the window
// writes only those that changed, once each.
#include "ui/main_window.h"

namespace zintar {

namespace {

constexpr std::array<Control, kReadOutCount> kReadOutControls{
    Control::ModifiersReadOut,   // ReadOut::Modifiers
    Control::KeyCodeBox,         // ReadOut::KeyDec
    Control::KeyHexBox,          // ReadOut::KeyHex
    Control::CombinationReadOut, // ReadOut::KeyName
    Control::CharCodeBox,        // ReadOut::CharDec
    Control::CharHexBox,         // ReadOut::CharHex
    Control::CaptureBox,         // ReadOut::Character
};

} // namespace

void MainWindow::ShowReadOuts(Source source) {
    const ReadOutTexts texts = Refresh(conversion_.codes(), source, codePage_);
    for (size_t i = 0; i < texts.size(); ++i)
        if (texts[i])
            WriteIfChanged(kReadOutControls[i], *texts[i]);
    // The caret stands behind the character, whether or not the text had to change.
    if (texts[static_cast<size_t>(ReadOut::Character)])
        SetCaret(Control::CaptureBox, 1);
}

void MainWindow::WriteIfChanged(Control id, const std::wstring& text) {
    if (knownText_[Index(id)] == text.c_str())
        return;
    if (Design(id).kind == ControlKind::Label)
        SetCaption(id, text);
    else
        SetText(id, text);
}

bool MainWindow::IsOwnText(Control id, std::wstring_view text) const {
    return knownText_[Index(id)] == text;
}

} // namespace zintar
