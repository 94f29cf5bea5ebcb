// The read-outs, the captions of the chosen language, and the window menu's commands.
#include "core/converter/box_table.h"
#include "core/converter/captions.h"
#include "platform/settings/language_setting.h"
#include "ui/main_window/main_window.h"

namespace zintar {

// The core derives every text from the conversion state; each control writes only a change.
void MainWindow::ShowReadOuts(Source source) {
    const ReadOutTexts texts = Refresh(conversion_.codes(), source, codePage_);
    for (const ReadOutRow& row : kReadOutTable) {
        const std::optional<std::wstring>& text = texts[static_cast<size_t>(row.readOut)];
        if (!text)
            continue;
        if (row.box) {
            codeFields_[static_cast<size_t>(*row.box)].Write(*text);
        } else if (row.control == Control::CaptureBox) {
            captureBox_.ShowCharacter(*text);
        } else {
            Label& label = labels_[Index(row.control)];
            // The tooltip comes with the first name too long for the read-out.
            if (label.Write(*text) && row.control == Control::CombinationReadOut)
                tooltip_.OnShown(label, hwnd_, instance_);
            accessible_.SetValue(row.control, label.text());
        }
    }
}

void MainWindow::ApplyLanguage(Language language) {
    language_ = language;
    const Captions& c = CaptionsOf(language);
    const std::pair<Control, std::wstring_view> captions[] = {
        {Control::TitleLabel, c.title},
        {Control::CharacterCaption, c.character},
        {Control::CharCodeCaption, c.characterCode},
        {Control::KeyCodeCaption, c.keyCode},
        {Control::CharHexCaption, c.hex},
        {Control::PressedKeysCaption, c.pressedKeys},
    };
    for (const auto& [id, text] : captions)
        labels_[Index(id)].Write(std::wstring(text));
    // The window's title is the title label's.
    SetWindowTextW(hwnd_, labels_[Index(Control::TitleLabel)].text().c_str());
    accessible_.SetLanguage(language);
    ShowWindowMenuLanguage(hwnd_, language);
    historyWindow_.SetLanguage(language);
}

// Stored at once, also when it is the language shown; a failed store is not reported: the
// captions switch anyway.
void MainWindow::ChooseLanguage(Language language) {
    win32::SaveLanguage(CodeOfLanguage(language), *seams_.registry);
    ApplyLanguage(language);
}

void MainWindow::OnMenuCommand(MenuCommand command) {
    switch (command) {
    case MenuCommand::English:
        ChooseLanguage(Language::English);
        break;
    case MenuCommand::Hungarian:
        ChooseLanguage(Language::Hungarian);
        break;
    case MenuCommand::KeyHistory:
        // Beside the main window, which keeps the activation: the keys pressed next still go
        // to the capture box, and their rows arrive in the list as they are pressed.
        if (historyWindow_.Open(instance_, hwnd_))
            routeWatch_.Start(hwnd_, control(Control::CaptureBox));
        break;
    case MenuCommand::None:
        break;
    }
}

} // namespace zintar
