// The captions of the chosen language, and the window menu's commands.
#include "core/converter/captions.h"
#include "platform/settings/language_setting.h"
#include "ui/key_history/key_recorder.h"
#include "ui/keyboard_layouts/layouts_window.h"
#include "ui/main_window/main_window.h"

namespace zintar {

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
        ui_.labels[Index(id)].Write(std::wstring(text));
    // The window's title is the title label's.
    SetWindowTextW(hwnd_, ui_.labels[Index(Control::TitleLabel)].text().c_str());
    ui_.accessible.SetLanguage(language);
    ShowWindowMenuLanguage(hwnd_, language);
    recorder_->SetLanguage(language);
    if (layouts_)
        layouts_->SetLanguage(language);
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
        recorder_->Open(instance_, hwnd_, control(Control::CaptureBox));
        break;
    case MenuCommand::KeyboardLayouts:
        OpenKeyboardLayouts();
        break;
    case MenuCommand::None:
        break;
    }
}

// Beside the main window, which keeps the activation; it checks the combination shown in the
// main window until another is captured.
void MainWindow::OpenKeyboardLayouts() {
    if (!layouts_) {
        layouts_ = std::make_unique<LayoutsWindow>();
        layouts_->SetLanguage(language_);
        layouts_->ShowCapturedKey(conversion_.codes().key, conversion_.codes().modifiers);
    }
    layouts_->Open(instance_, hwnd_);
}

} // namespace zintar
